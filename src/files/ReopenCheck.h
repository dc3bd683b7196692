// ReopenCheck: proof that a file a job has put under its final name opens there again, as every
// later reader opens it, before the job commits anything that relies on it.
#pragma once

#include "common/Result.h"

#include <QString>

namespace tolva {

// The longest absolute path, in bytes, under which SQLite opens a file on this system.
inline constexpr int kLaengsterPfad = 512;

// Fails with a message in the language shown naming sPfad (sWas, translated already, says what
// it is: "Die Archivdatei", ...) when its absolute path is longer than SQLite opens. Looks at
// nothing on the disk.
Status CheckPathLength(const QString& sPfad, const QString& sWas);

// Opens sPfad through the layer that never writes, with the fixed key, as the viewer opens an
// archive, and runs sPruefung, a query that must give at least one row. Fails, naming sPfad and
// the reason, when any of that fails. Never writes to the file. bWalModus: sPfad may be in WAL
// mode (a backup of a user database in that mode); it is then opened as its readers open it,
// and the "-wal" and "-shm" files that makes are removed again. Precondition then: the caller
// holds the lock on sPfad's name.
Status ProveReopens(const QString& sPfad, const char* sPruefung, const QString& sWas,
                    bool bWalModus = false);

// Whether the plain file sPfad is a database: a plain SQLite file, one with a "-wal" or "-shm"
// file beside it, or one that opens with the fixed key (an archive, a backup, a user database).
// A plain file that cannot be read counts as one. Looks without writing.
bool IsDatabaseFile(const QString& sPfad);

}  // namespace tolva
