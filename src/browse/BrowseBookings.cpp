// BrowseFile's bookings: which way a list is read, the kept matches of a filter, the totals.
#include "browse/BrowseFile.h"

#include "browse/BrowseQuery.h"

namespace tolva {
namespace {

// Longer pieces than this are read in one statement with their rows.
constexpr qint64 kStueckHoechstens = 10000;

}  // namespace

Status BrowseFile::Each(const BookingFilter& filter, qint64 lAb, qint64 lAnzahl,
                        const RowSink& sink) {
    if (NeedsScan(filter) && lAnzahl >= 0 && lAnzahl <= kStueckHoechstens) {
        const Result<const BookingMatches*> treffer = Matches(filter);
        if (!treffer.ok()) return treffer.status();
        const std::vector<qint64>& ids = treffer.value()->ids;
        RowById zeile(db_, sPfad_);
        for (qint64 i = lAb; i < qint64(ids.size()) && i < lAb + lAnzahl; ++i)
            if (Status st = zeile.Send(ids[size_t(i)], sink); !st) return st;
        return Status::Ok();
    }
    if (filter.eSortierung == BookingColumn::Datum && !filter.lKontoID && !NeedsScan(filter))
        return EachMerged(filter, lAb, lAnzahl, sink);
    return EachSelected(filter, lAb, lAnzahl, sink);
}

// One statement; with an account, SQLite walks its index range in date order by itself. A
// piece of a long list is found by its ids alone, so that sorting carries no texts along
// (and an account's index range covers them); then its rows are read by id. A whole list
// is sorted with its rows in one go, as that reads every row once.
Status BrowseFile::EachSelected(const BookingFilter& filter, qint64 lAb, qint64 lAnzahl,
                                const RowSink& sink) {
    const bool bStueck = lAnzahl >= 0 && lAnzahl <= kStueckHoechstens;
    const Condition c = Conditions(filter);
    Query q(db_,
            (bStueck ? QByteArray("SELECT id") : QByteArray("SELECT ") + kBuchungSpalten) +
                " FROM Umsätze" + c.Where() + OrderBy(filter) + " LIMIT ? OFFSET ?",
            sPfad_);
    c.BindTo(q, 1);
    q.Bind(int(c.werte.size()) + 1, lAnzahl < 0 ? qint64(-1) : lAnzahl);
    q.Bind(int(c.werte.size()) + 2, lAb);
    if (!bStueck) {
        while (q.Next())
            if (Status st = sink(RowOf(q)); !st) return st;
        return q.status();
    }
    std::vector<qint64> ids;
    while (q.Next()) ids.push_back(q.Int(0));
    if (!q.status()) return q.status();
    RowById zeile(db_, sPfad_);
    for (const qint64 id : ids)
        if (Status st = zeile.Send(id, sink); !st) return st;
    return Status::Ok();
}

// The kept matches when they answer the filter (in its order when bMitOrdnung), else a new
// pass over the bookings.
Result<const BookingMatches*> BrowseFile::Matches(const BookingFilter& filter, bool bMitOrdnung) {
    const std::optional<qint64> lVersion = DataVersion();
    if (treffer_ && lVersion == treffer_->lDatenVersion &&
        SameBookings(treffer_->filter, filter, bMitOrdnung))
        return treffer_.get();
    treffer_.reset();
    auto treffer = std::make_unique<BookingMatches>();
    treffer->filter = filter;
    const Condition c = Conditions(filter);
    Query q(db_, "SELECT id, Betrag FROM Umsätze" + c.Where() + OrderBy(filter), sPfad_);
    c.BindTo(q, 1);
    while (q.Next()) {
        treffer->ids.push_back(q.Int(0));
        treffer->summe.lSummeCent += q.Int(1);
    }
    if (!q.status()) return q.status();
    treffer->summe.lAnzahl = qint64(treffer->ids.size());
    // Without a data version the next call compares unequal and makes a new pass.
    treffer->lDatenVersion = lVersion.value_or(-1);
    treffer_ = std::move(treffer);
    return treffer_.get();
}

Result<std::vector<BookingRow>> BrowseFile::Bookings(const BookingFilter& filter, qint64 lAb,
                                                     qint64 lAnzahl) {
    std::vector<BookingRow> zeilen;
    if (lAnzahl > 0) zeilen.reserve(size_t(qMin<qint64>(lAnzahl, 10000)));
    const Status st = Each(filter, qMax<qint64>(lAb, 0), lAnzahl, [&zeilen](const BookingRow& z) {
        zeilen.push_back(z);
        return Status::Ok();
    });
    if (!st) return st;
    return zeilen;
}

Status BrowseFile::EachBooking(const BookingFilter& filter, const RowSink& pEmpfang) {
    return Each(filter, 0, -1, pEmpfang);
}

Result<BookingTotals> BrowseFile::Totals(const BookingFilter& filter) {
    if (std::optional<BookingTotals> bekannt = KnownTotals(filter)) return *bekannt;
    if (NeedsScan(filter)) {
        const Result<const BookingMatches*> treffer = Matches(filter, false);
        if (!treffer.ok()) return treffer.status();
        return treffer.value()->summe;
    }
    const Condition c = Conditions(filter);
    Query q(db_, "SELECT count(*), coalesce(sum(Betrag), 0) FROM Umsätze" + c.Where(), sPfad_);
    c.BindTo(q, 1);
    if (!q.Next() && !q.status()) return q.status();
    return BookingTotals{q.Int(0), q.Int(1)};
}

}  // namespace tolva
