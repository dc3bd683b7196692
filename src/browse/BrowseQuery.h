// The SQL side of the browse room: filters, orders, rows and the search folding.
#pragma once

#include "browse/BrowseFile.h"
#include "common/Result.h"
#include "database/Query.h"

#include <QByteArray>
#include <QString>

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

// The columns of a BookingRow, in its order.
inline constexpr const char* kBuchungSpalten =
    "id, KontoID, Buchungsdatum, Betrag, Empfaenger, Verwendungszweck, Valuta, BuchungsID, "
    "KategorieID";
BookingRow RowOf(const Query& q);

// Reads bookings by id and hands them on (a booking gone meanwhile is left out).
class RowById {
  public:
    RowById(sqlite3* db, const QString& sDatei);
    Status Send(qint64 id, const std::function<Status(const BookingRow&)>& sink);

  private:
    Query q_;
};

// The bookings that a filter with a text or amount bound lets through, in its order, found in
// one pass and kept while the file is unchanged: their count and sum and every further piece
// then cost no pass of their own.
struct BookingMatches {
    qint64 lDatenVersion = 0;
    BookingFilter filter;
    std::vector<qint64> ids;
    BookingTotals summe;
};
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

// Opens one more read-only connection, keyed, to a file that BrowseFile::Open has checked.
// The caller closes it (sqlite3_close_v2).
Result<sqlite3*> OpenSecondConnection(const QString& sPfad);

// Registers tolva_falte(text) on db: FoldForSearch as a deterministic SQL function (NULL
// stays NULL).
Status RegisterSearchFold(sqlite3* db);

}  // namespace tolva
