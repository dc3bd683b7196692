// BrowseFile's bookings in date order over all accounts, merged from the account index.
#include "browse/BrowseFile.h"

#include "browse/BrowseQuery.h"

#include <QCoreApplication>

#include <sqlite3.h>

#include <queue>
#include <string>

namespace tolva {
namespace {

// The current entry of one account's index range: its date as stored bytes (SQLite compares
// texts as bytes) and its id.
struct Head {
    bool bNull = false;
    std::string sDatum;
    qint64 id = 0;
    size_t lStrom = 0;
};

bool Before(const Head& a, const Head& b) {
    if (a.bNull != b.bNull) return a.bNull;
    if (a.sDatum != b.sDatum) return a.sDatum < b.sDatum;
    return a.id < b.id;
}

Head HeadOf(const Query& q, size_t lStrom) {
    Head h;
    h.lStrom = lStrom;
    h.id = q.Int(1);
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(q.Handle(), 0));
    h.bNull = p == nullptr;
    if (p) h.sDatum.assign(p, size_t(sqlite3_column_bytes(q.Handle(), 0)));
    return h;
}

struct ValueFree {
    void operator()(sqlite3_value* v) const { sqlite3_value_free(v); }
};
using Value = std::unique_ptr<sqlite3_value, ValueFree>;

// Every distinct KontoID of the bookings (NULL first, when there is one), each found by one
// seek in the account index.
Status DistinctAccounts(sqlite3* db, const QString& sPfad, std::vector<Value>& werte) {
    Query erste(db, "SELECT KontoID FROM Umsätze ORDER BY KontoID LIMIT 1", sPfad);
    if (!erste.Next()) return erste.status();
    werte.emplace_back(sqlite3_value_dup(sqlite3_column_value(erste.Handle(), 0)));
    if (erste.IsNull(0)) {
        Query nichtNull(db,
                        "SELECT KontoID FROM Umsätze WHERE KontoID IS NOT NULL "
                        "ORDER BY KontoID LIMIT 1",
                        sPfad);
        if (!nichtNull.Next()) return nichtNull.status();
        werte.emplace_back(sqlite3_value_dup(sqlite3_column_value(nichtNull.Handle(), 0)));
    }
    Query naechste(db, "SELECT KontoID FROM Umsätze WHERE KontoID > ?1 ORDER BY KontoID LIMIT 1",
                   sPfad);
    for (;;) {
        naechste.Reset();
        sqlite3_bind_value(naechste.Handle(), 1, werte.back().get());
        if (!naechste.Next()) return naechste.status();
        werte.emplace_back(sqlite3_value_dup(sqlite3_column_value(naechste.Handle(), 0)));
        if (!werte.back())
            return Status::Fail(
                QCoreApplication::translate("BrowseMerge", "Nicht genügend Arbeitsspeicher."));
    }
}

}  // namespace

// Date order over all accounts: each account's range of the index (KontoID, Buchungsdatum)
// is already in date order, so the ranges are merged here, reading only index entries until
// the wanted piece starts; its rows are then read by id. Sorting the whole table instead
// would read every booking.
Status BrowseFile::EachMerged(const BookingFilter& filter, qint64 lAb, qint64 lAnzahl,
                              const RowSink& sink) {
    std::vector<Value> konten;
    if (Status st = DistinctAccounts(db_, sPfad_, konten); !st) return st;
    const Condition c = Conditions(filter);
    const bool bAb = filter.bAbsteigend;
    // The piece right after the last one goes on behind its last row: (date, id) past it.
    // Descending, bookings without a date come last and no comparison finds them: an account
    // that has some walks from the start.
    std::optional<MergeEnd> weiter;
    if (lAb > 0 && mergeEnde_ && mergeEnde_->lPos == lAb &&
        SameBookings(mergeEnde_->filter, filter, true))
        weiter = mergeEnde_;
    mergeEnde_.reset();
    if (weiter && bAb) {
        Query ohneDatum(db_,
                        "SELECT 1 FROM Umsätze WHERE KontoID IS ?1 AND Buchungsdatum IS NULL "
                        "LIMIT 1",
                        sPfad_);
        for (const Value& konto : konten) {
            ohneDatum.Reset();
            if (ohneDatum.Handle()) sqlite3_bind_value(ohneDatum.Handle(), 1, konto.get());
            if (ohneDatum.Next()) weiter.reset();
            if (!ohneDatum.status()) return ohneDatum.status();
            if (!weiter) break;
        }
    }
    const QByteArray d = bAb ? " DESC" : "";
    const int lWeiterParameter = 2 + int(c.werte.size());
    const QByteArray sql = "SELECT Buchungsdatum, id FROM Umsätze WHERE KontoID IS ?1" + c.sql +
                           (weiter ? QByteArray(" AND (Buchungsdatum, id) ") + (bAb ? "<" : ">") +
                                         " (?" + QByteArray::number(lWeiterParameter) + ", ?" +
                                         QByteArray::number(lWeiterParameter + 1) + ")"
                                   : QByteArray()) +
                           " ORDER BY Buchungsdatum" + d + ", id" + d;
    const auto spaeter = [bAb](const Head& a, const Head& b) {
        return bAb ? Before(a, b) : Before(b, a);
    };
    std::priority_queue<Head, std::vector<Head>, decltype(spaeter)> koepfe(spaeter);
    std::vector<std::unique_ptr<Query>> stroeme;
    for (const Value& konto : konten) {
        auto& q = stroeme.emplace_back(std::make_unique<Query>(db_, sql, sPfad_));
        if (q->Handle()) sqlite3_bind_value(q->Handle(), 1, konto.get());
        c.BindTo(*q, 2);
        if (weiter) {
            sqlite3_bind_text(q->Handle(), lWeiterParameter, weiter->sDatum.data(),
                              int(weiter->sDatum.size()), SQLITE_TRANSIENT);
            sqlite3_bind_int64(q->Handle(), lWeiterParameter + 1, weiter->id);
        }
        if (q->Next())
            koepfe.push(HeadOf(*q, stroeme.size() - 1));
        else if (!q->status())
            return q->status();
    }
    RowById zeile(db_, sPfad_);
    std::optional<Head> letzter;
    qint64 lPos = weiter ? lAb : 0;
    for (; !koepfe.empty() && (lAnzahl < 0 || lPos < lAb + lAnzahl); ++lPos) {
        const Head kopf = koepfe.top();
        koepfe.pop();
        if (lPos >= lAb)
            if (Status st = zeile.Send(kopf.id, sink); !st) return st;
        letzter = kopf;
        Query& strom = *stroeme[kopf.lStrom];
        if (strom.Next())
            koepfe.push(HeadOf(strom, kopf.lStrom));
        else if (!strom.status())
            return strom.status();
    }
    // Only an end after a dated row can be gone on from.
    if (letzter && !letzter->bNull && lAnzahl >= 0)
        mergeEnde_ = MergeEnd{filter, lPos, letzter->sDatum, letzter->id};
    return Status::Ok();
}

}  // namespace tolva
