// SalvageReader: the rows of one table of a damaged file that can still be read, found in the
// table's own b-tree by rowid ranges and past the pages that no longer decrypt.
#pragma once

#include "common/Result.h"

#include <QString>

#include <functional>

struct sqlite3;
struct sqlite3_stmt;

namespace tolva {

// What reading a table found.
struct SalvageRead {
    qint64 lZeilen = 0;         // rows handed over
    bool bBeschaedigt = false;  // some part of the table did not read: rows may be lost
};

// Gets one row: column 0 is its rowid, then the table's columns in order. A failure ends the
// read with it.
using SalvageSink = std::function<Status(sqlite3_stmt* zeile)>;

// Whether a result code of a read is damage of the file (the page did not decrypt, the b-tree
// is broken, the bytes could not be read) rather than a failure of the reader.
bool IsDamage(int rc);

// Reads every row of sTabelle on db (a read-only connection) that can still be read, in rowid
// order, and hands each to onRow once. The rows are read with "SELECT rowid, * FROM t NOT
// INDEXED" over rowid ranges (indexes may be damaged; the table's b-tree holds the rows). After
// a read error behind the last good rowid r it looks for the next readable row: rowids r+1,
// r+2, r+4, ... until one reads, then a binary search back to the first that does; the stretches
// between two probes that failed are searched again the same way, so that a readable page
// between two damaged ones is found, up to a bound on the probes per table (a very sparse
// table behind a damaged interior page). A damaged leaf page costs its own rows, a damaged
// interior page the rows below it, a damaged overflow page its row. Fails only for errors
// that are no damage (IsDamage) and for failures of onRow; sDatei names the file in them.
Result<SalvageRead> ReadReadableRows(sqlite3* db, const QString& sTabelle, const QString& sDatei,
                                     const SalvageSink& onRow);

}  // namespace tolva
