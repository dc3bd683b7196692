// The backup copy of the user database that a start writes before the run.
#pragma once

#include "common/Result.h"

#include <QString>

namespace tolva {

class RunFolder;

// Writes sSicherung as a byte copy of the user database file sDatenbank that is neither torn
// nor stale: a database in WAL mode is checkpointed into its file first, and the file is read
// while a read transaction keeps every other program from writing it. The copy is made as
// a new file in the run's private folder `ordner` (mode PrivateCopyMode), flushed, and then
// renamed over sSicherung, so an existing backup stays until the new one is complete; with
// bNeuerName it only takes sSicherung when no entry has that name (else it fails with EEXIST).
// Fails with the in-use message naming sDatenbank when other programs keep it busy (then the old
// backup is untouched). Precondition: `ordner` sits beside sSicherung.
Status WriteBackup(const QString& sDatenbank, RunFolder& ordner, const QString& sSicherung,
                   bool bNeuerName = false);

}  // namespace tolva
