// BrowseFile's accounts: what the file holds of each, and the sums kept for Totals.
#include "browse/BrowseFile.h"

#include "browse/BrowseQuery.h"
#include "database/Connection.h"

#include <sqlite3.h>

#include <thread>

namespace tolva {
namespace {

// From this many booking ids on, two threads add up the amounts.
constexpr qint64 kTeilenAb = 100000;

// Adds an account to the list, as one without a row when it is new.
BrowseAccount& AccountOf(std::map<qint64, BrowseAccount>& konten, qint64 id) {
    auto [it, neu] = konten.try_emplace(id);
    if (neu) {
        it->second.lKontoID = id;
        it->second.sKonto = UnknownAccountLabel(id);
        it->second.bKontozeile = false;
    }
    return it->second;
}

// Counts rows per account of a small table.
Status CountPerAccount(sqlite3* db, const QString& sPfad, const char* sql,
                       std::map<qint64, BrowseAccount>& konten, qint64 BrowseAccount::*pFeld) {
    Query q(db, sql, sPfad);
    while (q.Next())
        if (!q.IsNull(0)) AccountOf(konten, q.Int(0)).*pFeld = q.Int(1);
    return q.status();
}

// The accounts' first and last booking date: one seek each in the account index.
Status DateRanges(sqlite3* db, const QString& sPfad, std::map<qint64, BrowseAccount>& konten) {
    Query erste(db, "SELECT min(Buchungsdatum) FROM Umsätze WHERE KontoID = ?1", sPfad);
    Query letzte(db, "SELECT max(Buchungsdatum) FROM Umsätze WHERE KontoID = ?1", sPfad);
    for (auto& [id, k] : konten) {
        if (k.lBuchungen == 0) continue;
        for (auto [q, pDatum] : {std::pair{&erste, &k.dErste}, std::pair{&letzte, &k.dLetzte}}) {
            q->Reset();
            q->Bind(1, id);
            if (q->Next()) *pDatum = QDate::fromString(q->Text(0), Qt::ISODate);
            if (!q->status()) return q->status();
        }
    }
    return Status::Ok();
}

// One step of tolva_summiere(KontoID, Betrag): adds the booking to its account.
void AddBooking(sqlite3_context* ctx, int, sqlite3_value** argv) {
    auto* summen = static_cast<BookingSums*>(sqlite3_user_data(ctx));
    BookingTotals* t = &summen->ohneKonto;
    if (sqlite3_value_type(argv[0]) != SQLITE_NULL) {
        const qint64 id = sqlite3_value_int64(argv[0]);
        if (!summen->pLetzte || id != summen->lLetzteID)
            summen->pLetzte = &summen->konten[summen->lLetzteID = id];
        t = summen->pLetzte;
    }
    ++t->lAnzahl;
    t->lSummeCent += sqlite3_value_int64(argv[1]);
}

void NoResult(sqlite3_context* ctx) {
    sqlite3_result_null(ctx);
}

}  // namespace

Status SumBookings(sqlite3* db, const QString& sDatei, qint64 lVon, qint64 lBis,
                   BookingSums& summen) {
    int rc = sqlite3_create_function_v2(db, "tolva_summiere", 2, SQLITE_UTF8, &summen, nullptr,
                                        AddBooking, NoResult, nullptr);
    if (rc != SQLITE_OK) return DatabaseError(db, rc, sDatei);
    Status st;
    {
        Query q(db,
                "SELECT tolva_summiere(KontoID, Betrag) FROM Umsätze WHERE id >= ?1 AND id <= ?2",
                sDatei);
        q.Bind(1, lVon);
        q.Bind(2, lBis);
        q.Next();
        st = q.status();
    }
    rc = sqlite3_create_function_v2(db, "tolva_summiere", 2, SQLITE_UTF8, nullptr, nullptr, nullptr,
                                    nullptr, nullptr);
    if (st && rc != SQLITE_OK) return DatabaseError(db, rc, sDatei);
    return st;
}

namespace {

// Adds up every booking. Decrypting the pages is most of the work, so a large table is
// read in two halves by id at once, the upper half on a connection and thread of its own.
Status SumAllBookings(sqlite3* db, const QString& sPfad, BookingSums& summen) {
    qint64 lMin = 0, lMax = 0;
    {
        // Ended before the adding: a function cannot be removed while a statement runs.
        Query grenzen(db, "SELECT (SELECT min(id) FROM Umsätze), (SELECT max(id) FROM Umsätze)",
                      sPfad);
        if (!grenzen.Next() || grenzen.IsNull(0)) return grenzen.status();
        lMin = grenzen.Int(0);
        lMax = grenzen.Int(1);
    }
    const qint64 lMitte = lMin + (lMax - lMin) / 2;
    Result<sqlite3*> zweite =
        lMax - lMin >= kTeilenAb ? OpenSecondConnection(sPfad) : Result<sqlite3*>(Error{});
    if (!zweite.ok()) return SumBookings(db, sPfad, lMin, lMax, summen);
    BookingSums obere;
    Status stOben;
    std::thread helfer(
        [&] { stOben = SumBookings(zweite.value(), sPfad, lMitte + 1, lMax, obere); });
    const Status st = SumBookings(db, sPfad, lMin, lMitte, summen);
    helfer.join();
    sqlite3_close_v2(zweite.value());
    if (!st || !stOben) return st ? stOben : st;
    for (const auto& [id, t] : obere.konten) {
        BookingTotals& ziel = summen.konten[id];
        ziel.lAnzahl += t.lAnzahl;
        ziel.lSummeCent += t.lSummeCent;
    }
    summen.ohneKonto.lAnzahl += obere.ohneKonto.lAnzahl;
    summen.ohneKonto.lSummeCent += obere.ohneKonto.lSummeCent;
    return Status::Ok();
}

}  // namespace

std::optional<qint64> BrowseFile::DataVersion() {
    Query q(db_, "PRAGMA data_version", sPfad_);
    if (!q.Next()) return std::nullopt;
    return q.Int(0);
}

Result<std::vector<BrowseAccount>> BrowseFile::Accounts() {
    ReadSnapshot snapshot(db_);
    const std::optional<qint64> lVersion = DataVersion();
    const Result<std::map<qint64, QString>> labels = AccountLabels();
    if (!labels.ok()) return labels.status();
    std::map<qint64, BrowseAccount> konten;
    for (const auto& [id, sLabel] : labels.value()) {
        BrowseAccount& k = konten[id];
        k.lKontoID = id;
        k.sKonto = sLabel;
    }
    {
        Query q(db_, "SELECT k.id, b.Name FROM Konten k JOIN BankDaten b ON b.id = k.bankID",
                sPfad_);
        while (q.Next()) konten[q.Int(0)].sBank = q.Text(1);
        if (!q.status()) return q.status();
    }
    // One pass over the table for the amounts (grouping in SQL would sort them first); the
    // dates come from the account index.
    auto summen = std::make_unique<BookingSums>();
    if (Status st = SumAllBookings(db_, sPfad_, *summen); !st) return st;
    for (const auto& [id, t] : summen->konten) {
        BrowseAccount& k = AccountOf(konten, id);
        k.lBuchungen = t.lAnzahl;
        k.lSummeCent = t.lSummeCent;
    }
    if (Status st = DateRanges(db_, sPfad_, konten); !st) return st;
    if (Status st =
            CountPerAccount(db_, sPfad_, "SELECT KontoID, count(*) FROM Aufträge GROUP BY KontoID",
                            konten, &BrowseAccount::lAuftraege);
        !st)
        return st;
    if (Status st = CountPerAccount(db_, sPfad_,
                                    "SELECT KontoID, count(*) FROM SammelAufträge GROUP BY KontoID",
                                    konten, &BrowseAccount::lSammel);
        !st)
        return st;
    // Without a data version KnownTotals compares unequal and leaves the sums alone.
    summen->lDatenVersion = lVersion.value_or(-1);
    summen_ = std::move(summen);
    std::vector<BrowseAccount> liste;
    liste.reserve(konten.size());
    for (auto& [id, k] : konten) liste.push_back(std::move(k));
    return liste;
}

std::optional<BookingTotals> BrowseFile::KnownTotals(const BookingFilter& filter) {
    if (!summen_ || filter.dVon.isValid() || filter.dBis.isValid() || filter.lBetragVonCent ||
        filter.lBetragBisCent || !FoldForSearch(filter.sText).isEmpty())
        return std::nullopt;
    // Another connection's commit changes the data version: the sums are old then.
    if (DataVersion() != summen_->lDatenVersion) {
        summen_.reset();
        return std::nullopt;
    }
    if (filter.lKontoID) {
        const auto it = summen_->konten.find(*filter.lKontoID);
        return it != summen_->konten.end() ? it->second : BookingTotals{};
    }
    BookingTotals alle = summen_->ohneKonto;
    for (const auto& [id, t] : summen_->konten) {
        alle.lAnzahl += t.lAnzahl;
        alle.lSummeCent += t.lSummeCent;
    }
    return alle;
}

}  // namespace tolva
