// modArchiv: the row copier, its progress arithmetic and the account label.
#pragma once

#include "common/Result.h"

#include <QString>

namespace tolva {

class ArchivForm;
class Connection;
class Recordset;
struct CopyLedger;

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

// Where a table copy reads, reports and records: the user database (in its transaction), the
// progress bar, the ledger of what the run stored and whether the rows are to be removed.
// Not owned.
struct CopyScope {
    Connection& cnDatenbank;
    ArchivForm& form;
    CopyLedger& ledger;
    bool bEntfernen = false;
};

// Copies every row of sSelect + sWhere ("SELECT * FROM <table>..." ) of the user database into
// sTabelle of cnZiel in one statement, moving the progress bar about 40 times, and records the
// rows' count and checksum in the scope's ledger. With bEntfernen it records the deleting
// statement there too; the run runs it once the archive is verified (ApplyPendingDeletes).
// The user database is read through cnZiel (attached as "quelle"; attached here when it is
// not yet). A failed copy has shown its message and rolled the user database back.
CopyTableErgebnis CopyTableIn(const CopyScope& scope, Connection& cnZiel, const QString& sSelect,
                              const QString& sTabelle, const QString& sWhere,
                              const CopyHints& hinweise = {});

// CopyTableIn for the shared state's user database, window and removal flag.
// Preconditions: cnDatenbank open in a transaction; oArchivForm set.
CopyTableErgebnis CopyTable(Connection& cnZiel, const QString& sSelect, const QString& sTabelle,
                            const QString& sWhere, CopyLedger& ledger,
                            const CopyHints& hinweise = {});

// The copier's error exit: its message box ("Es wurde nur n von insgesammt lAnzahl ...",
// the failure's description after "FEHLER: ") and the rollback of the user database's
// transaction.
void ShowCopyFailure(Connection& cnDatenbank, qint64 n, qint64 lAnzahl, const Status& fehler);

// The progress step of a table of lAnzahl rows: lAnzahl / 40 rounded half to even, at least 1.
qint64 ProgressStep(qint64 lAnzahl);
// The bar width after n of lAnzahl rows on a frame of lBreite: (lBreite * n) / lAnzahl
// rounded half to even, in 64 bits.
qint64 ProgressWidth(qint64 lBreite, qint64 n, qint64 lAnzahl);

// The account's label: the unscrambled KontoName, else KontoNummer; sLabel keeps its value
// when the account does not exist or cannot be read.
void ReadAccountLabel(Connection& cnDatenbank, qint64 lKontoID, QString& sLabel);
// ReadAccountLabel on the shared state's user database (nothing when there is none).
void GetAccountLabel(qint64 lKontoID, QString& sLabel);

}  // namespace tolva
