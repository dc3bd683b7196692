// BrowseMonths: money in and out per month (and per year) of the bookings a filter lets through,
// for the browser's "Verlauf" and show --months.
#pragma once

#include "browse/BrowseFile.h"
#include "common/Result.h"

#include <QString>

#include <atomic>
#include <memory>
#include <vector>

struct sqlite3;

namespace tolva {

// One month's bookings. In and out are apart: lEingangCent adds the positive amounts,
// lAusgangCent the negative ones (so it is 0 or below); a booking of 0 counts for neither sum
// but is counted.
struct MonthTotals {
    int lJahr = 0;
    int lMonat = 0;  // 1 to 12
    qint64 lAnzahl = 0;
    qint64 lEingangCent = 0;
    qint64 lAusgangCent = 0;
    qint64 DifferenzCent() const { return lEingangCent + lAusgangCent; }
    bool operator==(const MonthTotals&) const = default;
};

// The same for a calendar year.
struct YearTotals {
    int lJahr = 0;
    qint64 lAnzahl = 0;
    qint64 lEingangCent = 0;
    qint64 lAusgangCent = 0;
    qint64 DifferenzCent() const { return lEingangCent + lAusgangCent; }
    bool operator==(const YearTotals&) const = default;
};

// The bookings that filter lets through (account, dates, text and amount bounds as the list
// has them; its order plays no part), per month: every month from the first to the last that
// holds one of them, in order, the months between without a booking as zeros; empty when the
// filter lets none through. A booking whose date is no "JJJJ-MM-…" text belongs to no month
// and is left out. One pass over the rows the filter's account and dates leave (the account
// index serves an account), added up inside SQLite without a sort. Reads only; fails with a
// message naming sDatei.
Result<std::vector<MonthTotals>> CountMonths(sqlite3* db, const QString& sDatei,
                                             const BookingFilter& filter);

// The years of a series of months, in order.
std::vector<YearTotals> YearsOf(const std::vector<MonthTotals>& monate);

// A file's months counted on a read-only connection of its own (OpenSecondConnection), so that
// a thread of its own can count them while the file's BrowseFile serves a window. Owns the
// connection; one thread at a time may Read, and any thread may Cancel meanwhile.
class MonthReader {
  public:
    // sPfad: a file that BrowseFile::Open has opened (its key and password checked).
    static Result<std::unique_ptr<MonthReader>> Open(const QString& sPfad);
    ~MonthReader();

    // CountMonths on the reader's connection.
    Result<std::vector<MonthTotals>> Read(const BookingFilter& filter);
    // Stops the running Read, and every later one, at once: it fails (SQLITE_INTERRUPT), and
    // so does a wait for a writer's lock (SQLITE_BUSY). For good: a reader cancelled is done.
    void Cancel();
    bool Cancelled() const { return bAbbruch_.load(); }

    MonthReader(const MonthReader&) = delete;
    MonthReader& operator=(const MonthReader&) = delete;

  private:
    MonthReader(QString sPfad, sqlite3* db);
    QString sPfad_;
    sqlite3* db_ = nullptr;
    std::atomic<bool> bAbbruch_{false};
};

}  // namespace tolva
