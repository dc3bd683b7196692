// The host's schema of user databases, the template and archives, made by one routine.
#pragma once

#include "common/Result.h"

#include <QString>

struct sqlite3;

namespace tolva {

inline constexpr int kSchemaVersion = 5;
inline constexpr const char* kTemplateFileName = "HbLeer.dat";

// Creates every table and index of the schema on an open, keyed, empty database, and the one
// Optionen row with the given version and a Null password record.
Status CreateSchema(sqlite3* db, int lVersion = kSchemaVersion);

}  // namespace tolva
