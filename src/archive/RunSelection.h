// Which rows an archive run selects: one definition for the run and for its plan, so that
// the plan shown before "Starten" counts exactly what the run then archives.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

#include <vector>

namespace tolva {

// The ticked accounts' ids, as a list for "KontoID IN (...)" ("NULL" when there is none).
QString TickedAccountIds(const std::vector<QString>& aKontenAuswahl);

// The Jet date literal of a date: #2013/7/5#.
QString JetDateLiteral(const QDate& d);

// A table of dated bookings that a run selects by one date field and the ticked accounts.
struct BookingTable {
    const char* tabelle;
    const char* feld;  // compared with the cut-off
    bool bPraefix;     // the field begins with the date (and goes on)
    bool bImIndex;     // the account index holds the date: it gives row ids and counts alone
};
// Bookings, booking extras (by their booking id, which begins with the date), open bookings.
inline constexpr BookingTable kBookingTables[] = {{"Umsätze", "Buchungsdatum", false, true},
                                                  {"UmsZusatz", "BuchungsID", true, false},
                                                  {"OffeneUmsätze", "Buchungsdatum", false, true}};

// "<feld> < '<cut-off>'" for a booking table; sStichtag is the stored date form.
QString BookingDateCondition(const BookingTable& tabelle, const QString& sStichtag);

// " WHERE ..." of the sent orders a run archives: status 4, dated before the cut-off.
QString OrderWhere(const QDate& dStichtag, const QString& sIds);

// " WHERE ..." of the collective orders a run archives: status 1 or 4, dated before the
// cut-off.
QString CollectiveOrderWhere(const QDate& dStichtag, const QString& sIds);

// " WHERE ..." of the collective orders whose items a run looks at: status 1 or 4, any date;
// their items go when ItemsGo says so for the order's scrambled execution date.
QString ItemSourceWhere(const QString& sIds);

// Whether the items of a collective order go with the run: its execution date (stored
// scrambled) is there and lies before the cut-off (stored date form).
bool ItemsGo(const QByteArray& aAusfDatum, const QString& sStichtag);

}  // namespace tolva
