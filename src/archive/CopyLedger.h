// CopyLedger: what the table copies of one run stored, and the deletions they leave for the
// end of the run.
#pragma once

#include "archive/BulkCopy.h"
#include "common/Result.h"

#include <QString>

#include <map>
#include <vector>

namespace tolva {

class Connection;

struct CopyLedger {
    // A deletion from the user database and the number of rows it must remove.
    struct Loeschung {
        QString sSql;
        qint64 lAnzahl = 0;
    };
    std::map<QString, Pruefsumme> tabellen;  // per archive table: what was stored
    std::vector<Loeschung> loeschungen;      // in the order of the copies
};

// Checks that every archive table holds exactly the rows recorded for it (count and content).
Status VerifyArchive(Connection& cnArchiv, const CopyLedger& ledger);

// Runs the recorded deletions on the user database (inside its transaction) and checks that
// each removes exactly as many rows as were stored, counting rows that triggers or foreign
// keys change as well; clears them from the ledger. On failure the transaction is left open
// for the caller to roll back, and *abgelehnt (when given) is the deletion that failed.
Status ApplyPendingDeletes(Connection& cnDatenbank, CopyLedger& ledger,
                           CopyLedger::Loeschung* abgelehnt = nullptr);

}  // namespace tolva
