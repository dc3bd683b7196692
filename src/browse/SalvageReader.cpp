// Reading the rows of a damaged table by rowid ranges, probing past the pages that fail.
#include "browse/SalvageReader.h"

#include "database/Connection.h"
#include "database/SqlValue.h"

#include <sqlite3.h>

#include <limits>
#include <map>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

namespace tolva {
namespace {

// How many failed reads a table may cost before the stretches between failed probes are no
// longer searched (their rows then count as lost).
constexpr qint64 kHoechstensProben = qint64(1) << 14;

// One statement over a rowid range [von, bis], in rowid order.
class RangeRead {
  public:
    RangeRead(sqlite3* db, const QString& sTabelle) {
        const QByteArray sql = QStringLiteral(
                                   "SELECT rowid, * FROM main.%1 NOT INDEXED WHERE "
                                   "rowid >= ?1 AND rowid <= ?2 ORDER BY rowid")
                                   .arg(QuoteIdentifier(sTabelle))
                                   .toUtf8();
        rc_ = sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &stmt_, nullptr);
    }
    ~RangeRead() { sqlite3_finalize(stmt_); }
    RangeRead(const RangeRead&) = delete;
    RangeRead& operator=(const RangeRead&) = delete;

    int Prepared() const { return rc_; }
    void Start(qint64 von, qint64 bis) {
        sqlite3_reset(stmt_);
        sqlite3_bind_int64(stmt_, 1, von);
        sqlite3_bind_int64(stmt_, 2, bis);
    }
    // SQLITE_ROW, SQLITE_DONE or the error.
    int Step() { return sqlite3_step(stmt_); }
    sqlite3_stmt* Row() const { return stmt_; }
    qint64 RowId() const { return sqlite3_column_int64(stmt_, 0); }

  private:
    sqlite3_stmt* stmt_ = nullptr;
    int rc_ = SQLITE_OK;
};

// What one probe found: a failed read, no row in the range, or the first row of it.
struct Probe {
    bool bFehler = false;
    std::optional<qint64> zeile;
};

}  // namespace

bool IsDamage(int rc) {
    const int basis = rc & 0xff;
    return basis == SQLITE_CORRUPT || basis == SQLITE_NOTADB || basis == SQLITE_IOERR;
}

Result<SalvageRead> ReadReadableRows(sqlite3* db, const QString& sTabelle, const QString& sDatei,
                                     const SalvageSink& onRow) {
    RangeRead lesen(db, sTabelle);
    if (lesen.Prepared() != SQLITE_OK) return DatabaseError(db, lesen.Prepared(), sDatei);
    SalvageRead ergebnis;
    qint64 lProben = 0;
    std::optional<Error> fehler;
    // The first row of [von, bis], read whole (a row whose overflow page fails is no row).
    const auto probe = [&](qint64 von, qint64 bis) {
        ++lProben;
        lesen.Start(von, bis);
        const int rc = lesen.Step();
        if (rc == SQLITE_ROW) return Probe{false, lesen.RowId()};
        if (rc != SQLITE_DONE && !IsDamage(rc)) fehler = DatabaseError(db, rc, sDatei);
        return Probe{rc != SQLITE_DONE, std::nullopt};
    };
    // Ranges of rowids still to read: those behind a readable row first, then the stretches
    // between failed probes, lowest first (far beyond the rows they only cost probes).
    std::vector<std::pair<qint64, qint64>> offen{
        {std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max()}};
    std::map<qint64, qint64> zweifel;
    while (!offen.empty() || (!zweifel.empty() && lProben < kHoechstensProben)) {
        qint64 von, bis;
        if (!offen.empty()) {
            std::tie(von, bis) = offen.back();
            offen.pop_back();
        } else {
            std::tie(von, bis) = *zweifel.begin();
            zweifel.erase(zweifel.begin());
        }
        if (von > bis) continue;
        // Forward from von as far as the rows read.
        std::optional<qint64> letzte;
        lesen.Start(von, bis);
        int rc;
        while ((rc = lesen.Step()) == SQLITE_ROW) {
            letzte = lesen.RowId();
            if (Status s = onRow(lesen.Row()); !s.ok()) return s.error();
            ++ergebnis.lZeilen;
        }
        if (rc == SQLITE_DONE) continue;
        if (!IsDamage(rc)) return DatabaseError(db, rc, sDatei);
        ergebnis.bBeschaedigt = true;
        ++lProben;
        if (letzte && *letzte == bis) continue;
        // The read failed at a = the rowid after the last good one: probes at a + 1, 2, 4, ...
        // until one reads, then back by halves to the first that does.
        const qint64 a = letzte ? *letzte + 1 : von;
        qint64 fehl = a;  // the last rowid known to fail
        quint64 lSchritt = 1;
        while (fehl < bis) {
            const qint64 p =
                quint64(bis) - quint64(a) <= lSchritt ? bis : qint64(quint64(a) + lSchritt);
            if (p <= fehl) break;
            Probe r = probe(p, bis);
            if (fehler) return *fehler;
            if (r.bFehler) {
                if (p - fehl > 1) zweifel.emplace(fehl + 1, p - 1);
                fehl = p;
                lSchritt = lSchritt > std::numeric_limits<quint64>::max() / 2
                               ? std::numeric_limits<quint64>::max()
                               : lSchritt * 2;
                continue;
            }
            qint64 gut = p;
            while (gut - fehl > 1) {
                const qint64 mitte = fehl + (gut - fehl) / 2;
                const Probe m = probe(mitte, bis);
                if (fehler) return *fehler;
                if (m.bFehler) {
                    if (mitte - fehl > 1) zweifel.emplace(fehl + 1, mitte - 1);
                    fehl = mitte;
                } else {
                    gut = mitte;
                    r = m;
                }
            }
            // The first row at or after gut reads; none lies between gut and it.
            if (r.zeile) offen.emplace_back(*r.zeile, bis);
            break;
        }
    }
    return ergebnis;
}

}  // namespace tolva
