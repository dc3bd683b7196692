// RowHash: the hash of one row that the checksums of copied and restored rows add up.
#pragma once

#include <QtGlobal>

#include <sqlite3.h>

namespace tolva {

// The hash of one row's values (type, length and bytes of each), so that a changed, moved or
// missing byte changes it.
quint64 RowHash(int argc, sqlite3_value** argv);

// Registers the aggregate tolva_pruefsumme(fields...) on db: the sum of the rows' hashes,
// modulo 2^64, as an integer. Returns the sqlite3 result code.
int RegisterChecksum(sqlite3* db);

}  // namespace tolva
