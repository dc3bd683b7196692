// BrowseMonths: the bookings per month, added up inside SQLite in one pass.
#include "browse/BrowseMonths.h"

#include "browse/BrowseQuery.h"
#include "database/Connection.h"
#include "database/Query.h"

#include <sqlite3.h>

#include <chrono>
#include <map>
#include <thread>

namespace tolva {
namespace {

// What tolva_monate adds the bookings into: per month by its number (year * 12 + month - 1).
struct MonthSums {
    std::map<int, MonthTotals> monate;
    int lLetzte = -1;  // the month of the previous booking (bookings come in runs of a month)
    MonthTotals* pLetzte = nullptr;
};

bool IsDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

// The month number of "JJJJ-MM-…"; -1 for anything else.
int MonthNumber(const unsigned char* s, int n) {
    if (!s || n < 7 || s[4] != '-') return -1;
    for (int i : {0, 1, 2, 3, 5, 6})
        if (!IsDigit(s[i])) return -1;
    const int lJahr = (s[0] - '0') * 1000 + (s[1] - '0') * 100 + (s[2] - '0') * 10 + (s[3] - '0');
    const int lMonat = (s[5] - '0') * 10 + (s[6] - '0');
    if (lMonat < 1 || lMonat > 12) return -1;
    return lJahr * 12 + lMonat - 1;
}

// One step of tolva_monate(Buchungsdatum, Betrag): adds the booking to its month.
void AddToMonth(sqlite3_context* ctx, int, sqlite3_value** argv) {
    auto* summen = static_cast<MonthSums*>(sqlite3_user_data(ctx));
    const int lNummer = MonthNumber(sqlite3_value_text(argv[0]), sqlite3_value_bytes(argv[0]));
    if (lNummer < 0) return;
    if (lNummer != summen->lLetzte) {
        MonthTotals& m = summen->monate[lNummer];
        m.lJahr = lNummer / 12;
        m.lMonat = lNummer % 12 + 1;
        summen->lLetzte = lNummer;
        summen->pLetzte = &m;
    }
    MonthTotals& m = *summen->pLetzte;
    ++m.lAnzahl;
    const qint64 lBetrag = sqlite3_value_int64(argv[1]);
    (lBetrag > 0 ? m.lEingangCent : m.lAusgangCent) += lBetrag;
}

void NoResult(sqlite3_context* ctx) {
    sqlite3_result_null(ctx);
}

// From the first month to the last, the empty ones between as zeros.
std::vector<MonthTotals> FilledSeries(const std::map<int, MonthTotals>& monate) {
    std::vector<MonthTotals> reihe;
    if (monate.empty()) return reihe;
    reihe.reserve(size_t(monate.rbegin()->first - monate.begin()->first + 1));
    for (int n = monate.begin()->first; n <= monate.rbegin()->first; ++n) {
        const auto it = monate.find(n);
        reihe.push_back(it != monate.end() ? it->second : MonthTotals{n / 12, n % 12 + 1});
    }
    return reihe;
}

// How many virtual machine steps pass between two looks at the cancel flag, and the longest
// wait for a writer's lock, in short sleeps.
constexpr int kSchritteJeBlick = 4000;
constexpr int kWarteschrittMs = 10;
constexpr int kWarteHoechstensMs = 1500;

int StopWhenCancelled(void* pAbbruch) {
    return static_cast<std::atomic<bool>*>(pAbbruch)->load(std::memory_order_relaxed) ? 1 : 0;
}

int WaitUnlessCancelled(void* pAbbruch, int lVersuche) {
    if (StopWhenCancelled(pAbbruch) || lVersuche * kWarteschrittMs >= kWarteHoechstensMs) return 0;
    std::this_thread::sleep_for(std::chrono::milliseconds(kWarteschrittMs));
    return 1;
}

}  // namespace

Result<std::vector<MonthTotals>> CountMonths(sqlite3* db, const QString& sDatei,
                                             const BookingFilter& filter) {
    MonthSums summen;
    int rc = sqlite3_create_function_v2(db, "tolva_monate", 2, SQLITE_UTF8, &summen, nullptr,
                                        AddToMonth, NoResult, nullptr);
    if (rc != SQLITE_OK) return DatabaseError(db, rc, sDatei);
    Status st;
    {
        const Condition c = Conditions(filter);
        Query q(db, "SELECT tolva_monate(Buchungsdatum, Betrag) FROM Umsätze" + c.Where(), sDatei);
        c.BindTo(q, 1);
        q.Next();
        st = q.status();
    }
    // Ended before: a function cannot be removed while a statement runs.
    rc = sqlite3_create_function_v2(db, "tolva_monate", 2, SQLITE_UTF8, nullptr, nullptr, nullptr,
                                    nullptr, nullptr);
    if (!st) return st;
    if (rc != SQLITE_OK) return DatabaseError(db, rc, sDatei);
    return FilledSeries(summen.monate);
}

std::vector<YearTotals> YearsOf(const std::vector<MonthTotals>& monate) {
    std::vector<YearTotals> jahre;
    for (const MonthTotals& m : monate) {
        if (jahre.empty() || jahre.back().lJahr != m.lJahr) jahre.push_back(YearTotals{m.lJahr});
        YearTotals& j = jahre.back();
        j.lAnzahl += m.lAnzahl;
        j.lEingangCent += m.lEingangCent;
        j.lAusgangCent += m.lAusgangCent;
    }
    return jahre;
}

MonthReader::MonthReader(QString sPfad, sqlite3* db) : sPfad_(std::move(sPfad)), db_(db) {
    sqlite3_busy_handler(db_, WaitUnlessCancelled, &bAbbruch_);
    sqlite3_progress_handler(db_, kSchritteJeBlick, StopWhenCancelled, &bAbbruch_);
}

MonthReader::~MonthReader() {
    sqlite3_close_v2(db_);
}

Result<std::unique_ptr<MonthReader>> MonthReader::Open(const QString& sPfad) {
    Result<sqlite3*> db = OpenSecondConnection(sPfad);
    if (!db.ok()) return db.error();
    std::unique_ptr<MonthReader> leser(new MonthReader(sPfad, db.value()));
    // The page cache of the file's own connection; a text bound folds as the list's does.
    sqlite3_exec(
        db.value(),
        QStringLiteral("PRAGMA cache_size = -%1").arg(Connection::kCacheKiB).toUtf8().constData(),
        nullptr, nullptr, nullptr);
    if (Status st = RegisterSearchFold(db.value()); !st) return st;
    return leser;
}

Result<std::vector<MonthTotals>> MonthReader::Read(const BookingFilter& filter) {
    if (Cancelled()) return DatabaseError(db_, SQLITE_INTERRUPT, sPfad_);
    return CountMonths(db_, sPfad_, filter);
}

void MonthReader::Cancel() {
    bAbbruch_.store(true);
    sqlite3_interrupt(db_);
}

}  // namespace tolva
