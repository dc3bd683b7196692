// DatabaseFile: a new keyed database file with the host's schema, for the template, the demo
// database and tests.
#pragma once

#include "common/Result.h"
#include "database/Schema.h"

#include <QString>

namespace tolva {

// Makes a new keyed database file with the schema (see CreateSchema). Refuses to touch an
// existing file; a file it began and could not finish is removed again.
Status CreateDatabaseFile(const QString& sPfad, int lVersion = kSchemaVersion);

}  // namespace tolva
