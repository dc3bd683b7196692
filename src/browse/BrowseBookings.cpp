// BrowseFile's bookings: which way a list is read, the kept ids of a list, the totals.
#include "browse/BrowseFile.h"

#include "browse/BrowseQuery.h"

namespace tolva {
namespace {

// Longer pieces than this are read in one statement with their rows.
constexpr qint64 kStueckHoechstens = 10000;

bool ReadsById(const BookingFilter& filter, qint64 lAnzahl) {
    return KeepsIds(filter) && lAnzahl >= 0 && lAnzahl <= kStueckHoechstens;
}

}  // namespace

// A piece of a list that KeepsIds is read by its ids, in one read transaction.
Status BrowseFile::Each(const BookingFilter& filter, qint64 lAb, qint64 lAnzahl,
                        const RowSink& sink) {
    if (ReadsById(filter, lAnzahl)) {
        const ReadSnapshot lesen(db_);
        const Result<const BookingIds*> liste = KeptIds(filter);
        if (!liste.ok()) return liste.status();
        const std::vector<qint64>& ids = liste.value()->ids;
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

// The kept ids when they answer the filter (in its order when bMitOrdnung), else a new pass
// over the bookings, sorted in memory or, in account order, along the account index.
Result<const BookingIds*> BrowseFile::KeptIds(const BookingFilter& filter, bool bMitOrdnung) {
    if (liste_ && SameBookings(liste_->filter, filter, bMitOrdnung)) return liste_.get();
    liste_.reset();
    auto liste = std::make_unique<BookingIds>();
    liste->filter = filter;
    const Result<bool> sortiert = SortIdsInMemory(db_, sPfad_, filter, *liste);
    if (!sortiert.ok()) return sortiert.status();
    if (sortiert.value()) {
        liste_ = std::move(liste);
        return liste_.get();
    }
    const Condition c = Conditions(filter);
    Query q(db_, "SELECT id, Betrag FROM Umsätze" + c.Where() + OrderBy(filter), sPfad_);
    c.BindTo(q, 1);
    while (q.Next()) {
        liste->ids.push_back(q.Int(0));
        liste->summe.lSummeCent += q.Int(1);
    }
    if (!q.status()) return q.status();
    liste->ids.shrink_to_fit();
    liste->summe.lAnzahl = qint64(liste->ids.size());
    liste_ = std::move(liste);
    return liste_.get();
}

Result<BookingScreen> BrowseFile::Start(const BookingFilter& filter, qint64 lAnzahl) {
    liste_.reset();
    const ReadSnapshot lesen(db_);
    // A list read by its ids takes them first, so that its count and sum are theirs.
    if (ReadsById(filter, lAnzahl))
        if (const Result<const BookingIds*> liste = KeptIds(filter); !liste.ok())
            return liste.status();
    const Result<BookingTotals> summe = Totals(filter);
    if (!summe.ok()) return summe.status();
    BookingScreen bild{summe.value(), {}};
    if (lAnzahl > 0) bild.zeilen.reserve(size_t(qMin(lAnzahl, kStueckHoechstens)));
    const Status st = Each(filter, 0, lAnzahl, [&bild](const BookingRow& z) {
        bild.zeilen.push_back(z);
        return Status::Ok();
    });
    if (!st) return st;
    return bild;
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
    if (liste_ && SameBookings(liste_->filter, filter, false)) return liste_->summe;
    if (std::optional<BookingTotals> bekannt = KnownTotals(filter)) return *bekannt;
    if (NeedsScan(filter)) {
        const ReadSnapshot lesen(db_);
        const Result<const BookingIds*> liste = KeptIds(filter, false);
        if (!liste.ok()) return liste.status();
        return liste.value()->summe;
    }
    const Condition c = Conditions(filter);
    Query q(db_, "SELECT count(*), coalesce(sum(Betrag), 0) FROM Umsätze" + c.Where(), sPfad_);
    c.BindTo(q, 1);
    if (!q.Next() && !q.status()) return q.status();
    return BookingTotals{q.Int(0), q.Int(1)};
}

}  // namespace tolva
