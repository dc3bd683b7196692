// The SQL side of the browse room: filters, orders, rows and the search folding.
#pragma once

#include "browse/BrowseFile.h"
#include "common/Result.h"
#include "database/Query.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <map>
#include <variant>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace tolva {

// The WHERE part of a booking filter with its values, bound in order from some parameter on.
struct Condition {
    QByteArray sql;  // " AND a AND b ..."; empty: no condition
    std::vector<std::variant<qint64, QString>> werte;

    void Add(const char* sTeil, std::variant<qint64, QString> wert);
    QByteArray Where() const;  // " WHERE a AND b ..." or empty
    void BindTo(Query& q, int lErster) const;
};
Condition Conditions(const BookingFilter& filter);
// " ORDER BY ..., id" in the filter's order and direction.
QByteArray OrderBy(const BookingFilter& filter);
// Whether the filter has a part that no index serves: a text or an amount bound.
bool NeedsScan(const BookingFilter& filter);
// Whether a list of this filter is read through its kept ids: a text or amount bound, or an
// order that no index gives (amount, payee, purpose). Date and account order without them
// walk the account index instead.
bool KeepsIds(const BookingFilter& filter);

// The columns of a BookingRow, in its order.
inline constexpr const char* kBuchungSpalten =
    "id, KontoID, Buchungsdatum, Betrag, Empfaenger, Verwendungszweck, Valuta, BuchungsID, "
    "KategorieID";
BookingRow RowOf(const Query& q);

// Holds one read transaction over several statements, so that they see the same file. Inside
// an open transaction it does nothing.
class ReadSnapshot {
  public:
    explicit ReadSnapshot(sqlite3* db);
    ~ReadSnapshot();
    ReadSnapshot(const ReadSnapshot&) = delete;
    ReadSnapshot& operator=(const ReadSnapshot&) = delete;

  private:
    sqlite3* db_;
    bool bOffen_ = false;
};

// Reads bookings by id and hands them on (a booking gone meanwhile is left out).
class RowById {
  public:
    RowById(sqlite3* db, const QString& sDatei);
    Status Send(qint64 id, const std::function<Status(const BookingRow&)>& sink);

  private:
    Query q_;
};

// The ids of a list that KeepsIds, in its order, with their count and sum, found in one pass
// inside one read transaction: every further piece is then read by id and costs no pass of its
// own, and the count and sum belong to exactly these ids. Kept until the list starts anew
// (BrowseFile::Start) or another filter is asked for, whatever other connections change
// meanwhile. Ids only: 8 bytes a booking.
struct BookingIds {
    BookingFilter filter;
    std::vector<qint64> ids;
    BookingTotals summe;
};
// Fills liste with the ids, count and sum of what the filter lets through, in its order, from
// one pass over the bookings in the table's order, sorted here in memory (SQLite's sort of a
// whole table costs several times the pass; this holds a key and an id per booking and each
// distinct text once while it sorts). Orders by date, amount, payee or purpose; false, with
// liste untouched, for account order (the account index gives it) and when a key is of a
// type that it would not order as SQL does (an amount that is no whole number, a date that
// is no text). The caller holds the read transaction.
Result<bool> SortIdsInMemory(sqlite3* db, const QString& sDatei, const BookingFilter& filter,
                             BookingIds& liste);
// Whether a and b let the same bookings through (bMitOrdnung: in the same order).
bool SameBookings(const BookingFilter& a, const BookingFilter& b, bool bMitOrdnung);

// The count and sum of the bookings per account, with the data version they were read at.
struct BookingSums {
    qint64 lDatenVersion = 0;
    std::map<qint64, BookingTotals> konten;
    BookingTotals ohneKonto;  // bookings with KontoID NULL
    // The account of the previous booking (bookings come in runs of one account).
    qint64 lLetzteID = 0;
    BookingTotals* pLetzte = nullptr;
};

// Adds up the bookings with ids from lVon to lBis into summen, inside SQLite: handing each
// row out to C++ would cost more than the adding.
Status SumBookings(sqlite3* db, const QString& sDatei, qint64 lVon, qint64 lBis,
                   BookingSums& summen);

// Opens one more read-only connection, keyed, to a file that BrowseFile::Open has checked,
// watching pAbbruch as WatchCancel does. The caller closes it (sqlite3_close_v2).
Result<sqlite3*> OpenSecondConnection(const QString& sPfad,
                                      const std::atomic<bool>* pAbbruch = nullptr);

// How db waits for a writer's lock and stops for a cancel flag: without pAbbruch it waits up
// to 1.5 s; with it, the wait ends early once *pAbbruch is true, and every statement looks at
// the flag every few thousand steps and then fails with SQLITE_INTERRUPT; a file opened
// through the read-only layer (an archive) then also fails every read, so that a single step
// reading many pages stops too. The flag must outlive the connection.
void WatchCancel(sqlite3* db, const std::atomic<bool>* pAbbruch);

// Registers tolva_falte(text) on db: FoldForSearch as a deterministic SQL function (NULL
// stays NULL).
Status RegisterSearchFold(sqlite3* db);

}  // namespace tolva
