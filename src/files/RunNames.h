// The names a run writes, checked against the names it must never destroy.
#pragma once

#include "common/Result.h"

#include <QString>

namespace tolva {

// The files of one archive start.
struct RunNames {
    QString sDatenbank;  // the user database
    QString sVorlage;    // the archive template
    QString sZiel;       // the archive to write
    QString sSicherung;  // the backup to write; empty when none is written
};

// Fails, with a message in the language shown that names the clashing file and changes nothing,
// when the archive or the backup would take the name of the user database, of its "-journal",
// "-wal" or
// "-shm" file, of the template, of each other, or of the other's lock file. Names are compared
// by canonical path (CanonicalName), also when they do not exist yet; a name that exists is
// compared through its links as well. Fails as well when the archive's or the backup's path is
// longer than a database can be opened under.
Status CheckRunNames(const RunNames& namen);

}  // namespace tolva
