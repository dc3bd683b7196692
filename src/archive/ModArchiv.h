// modArchiv: the row copier and the archive run that fills a new archive file.
#pragma once

#include "common/Result.h"

#include <QString>

namespace tolva {

class Connection;
class Recordset;
class RunFolder;

// Adds the current row of rsQuelle to rsZiel field by field by position and stores it.
// A row that cannot be stored is reported, so that the table copy fails.
Status CopyRecord(Recordset& rsQuelle, Recordset& rsZiel);

// Outcome of one table copy: the rows visited and whether the copy failed. A failed copy
// has shown its message and rolled back the user database's transaction.
struct CopyTableErgebnis {
    qint64 n = 0;
    bool bFehler = false;
};

// What a caller knows of a selection that makes its copy cheaper or safer.
struct CopyHints {
    // A where text that selects the same rows as the copy's and counts them faster (through
    // an index the copy itself does not use); empty: the copy's own.
    QString sZaehlWhere;
    // The date field that the selection compares with the cut-off: every selected row must
    // hold a date of the form YYYY-MM-DD there (with bDatumPraefix, at its beginning), or the
    // copy fails before any row is deleted.
    QString sDatumsFeld;
    bool bDatumPraefix = false;
};

// Copies every row of sSelect + sWhere ("SELECT * FROM <table>..." ) of the user database into
// sTabelle of cnZiel in one statement, moving the progress bar about 40 times, and records the
// rows' count and checksum in CurrentLedger(). When bEntfernen is set it records the deleting
// statement there too; CreateArchive runs it once the archive is verified (ApplyPendingDeletes).
// The user database is read through cnZiel (attached as "quelle"; attached here when it is
// not yet). Preconditions: cnDatenbank open in a transaction; oArchivForm set.
CopyTableErgebnis CopyTable(Connection& cnZiel, const QString& sSelect, const QString& sTabelle,
                            const QString& sWhere, const CopyHints& hinweise = {});

// The copier's error exit: its message box ("Es wurde nur n von insgesammt lAnzahl ...",
// the failure's description after "FEHLER: ") and the rollback of the user database's
// transaction. Precondition: cnDatenbank set.
void ShowCopyFailure(qint64 n, qint64 lAnzahl, const Status& fehler);

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
// user through oArchivForm and message boxes. The archive is made in the private folder
// `ordner`, checked, flushed and renamed to sArchivDatei before the removal is committed; an
// existing sArchivDatei is kept under a second name until then and put back when the run
// fails after the rename. Returns true only when the archive stands complete under
// sArchivDatei and the user database was committed; cnDatenbank is closed, the private
// folder removed and the lock released afterwards in every case. A requested cancellation
// (database/Cancel.h) ends the run like a failure, except between the rename and the commit.
// Preconditions: cnDatenbank open, oTools and oArchivForm set; `ordner` beside sArchivDatei,
// holding the lock on its name.
bool CreateArchive(RunFolder ordner);

}  // namespace tolva
