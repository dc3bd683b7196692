// TableChecksum: a table's row count and content checksum, and the row hash they add up; what
// the archive run and the restore check what they stored by.
#pragma once

#include "common/Result.h"

#include <QString>
#include <QStringList>

#include <sqlite3.h>

namespace tolva {

class Connection;

// Row count and order-independent content checksum of a set of rows.
struct Pruefsumme {
    qint64 lAnzahl = 0;
    quint64 lSumme = 0;  // sum of the rows' 64-bit hashes, modulo 2^64

    void Add(const Pruefsumme& p) {
        lAnzahl += p.lAnzahl;
        lSumme += p.lSumme;
    }
    bool operator==(const Pruefsumme&) const = default;
};

// The hash of one row's values (type, length and bytes of each), so that a changed, moved or
// missing byte changes it.
quint64 RowHash(int argc, sqlite3_value** argv);

// Registers the aggregate tolva_pruefsumme(fields...) on db: the sum of the rows' hashes,
// modulo 2^64, as an integer. Returns the sqlite3 result code.
int RegisterChecksum(sqlite3* db);

// The column names of <sSchema>.<sTabelle> on db in their order; empty when there is no such
// table. Failures name sDatei.
Result<QStringList> TableColumns(sqlite3* db, const QString& sSchema, const QString& sTabelle,
                                 const QString& sDatei);

// Count and checksum of every row of main.<sTabelle> on the connection.
Result<Pruefsumme> TableChecksum(Connection& cn, const QString& sTabelle);
// The same on a raw connection (a reader's); failures name sDatei.
Result<Pruefsumme> TableChecksum(sqlite3* db, const QString& sTabelle, const QString& sDatei);

}  // namespace tolva
