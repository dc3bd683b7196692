// ReopenCheck: proof that a file a job has put under its final name opens there again, as every
// later reader opens it, before the job commits anything that relies on it.
#pragma once

#include "common/Result.h"

#include <QString>

namespace tolva {

// The longest absolute path, in bytes, under which SQLite opens a file on this system.
inline constexpr int kLaengsterPfad = 512;

// Fails with a German message naming sPfad (sWas says what it is: "Die Archivdatei", ...) when
// its absolute path is longer than SQLite opens. Looks at nothing on the disk.
Status CheckPathLength(const QString& sPfad, const QString& sWas);

// Opens sPfad read-only with the fixed key, as the viewer and the restore open it, and runs
// sPruefung, a query that must give at least one row. Fails, naming sPfad and the reason, when
// any of that fails. Never writes to the file.
Status ProveReopens(const QString& sPfad, const char* sPruefung, const QString& sWas);

// Whether the plain file sPfad is a database: a plain SQLite file, or one that opens with the
// fixed key (an archive, a backup, a user database). Looks without writing.
bool IsDatabaseFile(const QString& sPfad);

}  // namespace tolva
