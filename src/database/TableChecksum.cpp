// A table's count and checksum: the row hash, the SQL aggregate that adds it up, and the
// columns that it runs over.
#include "database/TableChecksum.h"

#include "database/Connection.h"
#include "database/Query.h"
#include "database/SqlValue.h"

#include <QCoreApplication>

#include <cstring>

namespace tolva {
namespace {

quint64 Mix(quint64 x) {
    x ^= x >> 30;
    x *= 0xbf58476d1ce4e5b9ULL;
    x ^= x >> 27;
    x *= 0x94d049bb133111ebULL;
    x ^= x >> 31;
    return x;
}

// One step of the row hash: a word folded in and spread over all bits.
quint64 Fold(quint64 h, quint64 v) {
    h = (h ^ v) * 0x9e3779b97f4a7c15ULL;
    return h ^ (h >> 32);
}

// tolva_pruefsumme(fields...): the aggregate form, for reading back what was stored.
void ChecksumStep(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    auto* summe = static_cast<quint64*>(sqlite3_aggregate_context(ctx, sizeof(quint64)));
    if (summe) *summe += RowHash(argc, argv);
}

void ChecksumFinal(sqlite3_context* ctx) {
    auto* summe = static_cast<quint64*>(sqlite3_aggregate_context(ctx, 0));
    sqlite3_result_int64(ctx, summe ? static_cast<sqlite3_int64>(*summe) : 0);
}

}  // namespace

// The hash of one row: every value's type, its length and its bytes, eight at a time, so that
// a changed, moved or missing byte changes it.
quint64 RowHash(int argc, sqlite3_value** argv) {
    quint64 h = 0xcbf29ce484222325ULL;
    for (int i = 0; i < argc; ++i) {
        const int typ = sqlite3_value_type(argv[i]);
        switch (typ) {
            case SQLITE_INTEGER:
                h = Fold(h, SQLITE_INTEGER);
                h = Fold(h, static_cast<quint64>(sqlite3_value_int64(argv[i])));
                break;
            case SQLITE_FLOAT: {
                const double v = sqlite3_value_double(argv[i]);
                quint64 bits;
                std::memcpy(&bits, &v, sizeof bits);
                h = Fold(h, SQLITE_FLOAT);
                h = Fold(h, bits);
                break;
            }
            case SQLITE_TEXT:
            case SQLITE_BLOB: {
                const auto* p = static_cast<const unsigned char*>(
                    typ == SQLITE_TEXT ? static_cast<const void*>(sqlite3_value_text(argv[i]))
                                       : sqlite3_value_blob(argv[i]));
                const int n = sqlite3_value_bytes(argv[i]);
                h = Fold(h, (static_cast<quint64>(n) << 8) | static_cast<quint64>(typ));
                int k = 0;
                for (; p && k + 8 <= n; k += 8) {
                    quint64 wort;
                    std::memcpy(&wort, p + k, 8);
                    h = Fold(h, wort);
                }
                if (p && k < n) {
                    quint64 rest = 0;
                    std::memcpy(&rest, p + k, static_cast<size_t>(n - k));
                    h = Fold(h, rest);
                }
                break;
            }
            default:
                h = Fold(h, static_cast<quint64>(typ));
                break;
        }
    }
    return Mix(h);
}

int RegisterChecksum(sqlite3* db) {
    return sqlite3_create_function_v2(db, "tolva_pruefsumme", -1, SQLITE_UTF8, nullptr, nullptr,
                                      ChecksumStep, ChecksumFinal, nullptr);
}

Result<QStringList> TableColumns(sqlite3* db, const QString& sSchema, const QString& sTabelle,
                                 const QString& sDatei) {
    Query q(db,
            QStringLiteral("PRAGMA %1.table_info(%2)")
                .arg(QuoteIdentifier(sSchema), QuoteIdentifier(sTabelle))
                .toUtf8(),
            sDatei);
    QStringList spalten;
    while (q.Next()) spalten << q.Text(1);
    if (!q.status().ok()) return q.status().error();
    return spalten;
}

Result<Pruefsumme> TableChecksum(Connection& cn, const QString& sTabelle) {
    return TableChecksum(cn.Handle(), sTabelle, cn.MessageName());
}

Result<Pruefsumme> TableChecksum(sqlite3* db, const QString& sTabelle, const QString& sDatei) {
    Result<QStringList> spalten = TableColumns(db, QStringLiteral("main"), sTabelle, sDatei);
    if (!spalten.ok()) return spalten.error();
    if (spalten.value().isEmpty())
        return Error{
            QCoreApplication::translate("TableChecksum", "Die Tabelle %1 fehlt in der Datenbank.")
                .arg(sTabelle)};
    QStringList teile;
    for (const QString& s : spalten.value()) teile << QuoteIdentifier(s);
    if (const int rc = RegisterChecksum(db); rc != SQLITE_OK) return DatabaseError(db, rc, sDatei);
    Query q(db,
            QStringLiteral("SELECT count(*), tolva_pruefsumme(%1) FROM main.%2")
                .arg(teile.join(QLatin1Char(',')), QuoteIdentifier(sTabelle))
                .toUtf8(),
            sDatei);
    Pruefsumme p;
    if (q.Next()) {
        p.lAnzahl = q.Int(0);
        p.lSumme = static_cast<quint64>(q.Int(1));
    }
    if (!q.status().ok()) return q.status().error();
    return p;
}

}  // namespace tolva
