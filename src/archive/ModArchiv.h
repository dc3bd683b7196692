// modArchiv: the row copier and the archive run that fills a new archive file.
#pragma once

#include "common/Result.h"

#include <QString>

namespace tolva {

class Connection;
class Recordset;

// Adds the current row of rsQuelle to rsZiel field by field by position and stores it.
// A row that cannot be stored is reported, so that the table copy fails.
Status CopyRecord(Recordset& rsQuelle, Recordset& rsZiel);

// Outcome of one table copy: the rows visited and whether the copy failed. A failed copy
// has shown its message and rolled back the user database's transaction.
struct CopyTableErgebnis {
    qint64 n = 0;
    bool bFehler = false;
};

// Copies every row of sSelect + sWhere ("SELECT * FROM <table>..." ) of the user database into
// sTabelle of cnZiel in one statement, moving the progress bar about 40 times, and records the
// rows' count and checksum in CurrentLedger(). When bEntfernen is set it records the deleting
// statement there too; CreateArchive runs it once the archive is verified (ApplyPendingDeletes).
// The user database is read through cnZiel (attached as "quelle"; attached here when it is
// not yet). Preconditions: cnDatenbank open in a transaction; oArchivForm set.
CopyTableErgebnis CopyTable(Connection& cnZiel, const QString& sSelect, const QString& sTabelle,
                            const QString& sWhere);

// The progress step of a table of lAnzahl rows: lAnzahl / 40 rounded half to even, at least 1.
qint64 ProgressStep(qint64 lAnzahl);
// The bar width after n of lAnzahl rows on a frame of lBreite: (lBreite * n) / lAnzahl
// rounded half to even, in 64 bits.
qint64 ProgressWidth(qint64 lBreite, qint64 n, qint64 lAnzahl);

// The account's label: the unscrambled KontoName, else KontoNummer; sLabel keeps its value
// when the account does not exist.
void GetAccountLabel(qint64 lKontoID, QString& sLabel);

// Runs one archive job from the shared state (sArchivDatei, dStichtag, bEntfernen,
// lPasswortModus, aKontenMitDaten, aAnzahlDaten, aInstitute, cnDatenbank) and reports to the
// user through oArchivForm and message boxes. Returns true only when the archive stands
// complete under sArchivDatei and the user database was committed; cnDatenbank is closed
// afterwards in every case. Preconditions: cnDatenbank open, oTools and oArchivForm set.
bool CreateArchive();

}  // namespace tolva
