// DemoCalendar: the days of the demo data with their date texts and booking weights.
#pragma once

#include <QDate>

#include <vector>

namespace tolva::demo {

// One day, with its ISO text ready for binding.
struct CalendarDay {
    char sIso[11];  // "yyyy-MM-dd" and a terminating 0
    int lJahr;
    int lMonat;
    int lTag;
    int lWochentag;  // 1 Monday .. 7 Sunday
};

// The days dVon..dBis (index 0 .. DayCount()-1) plus kMargin days on either side, so that
// value dates and scheduled orders can reach a little past the range.
class DemoCalendar {
  public:
    static constexpr int kMargin = 45;

    // Precondition: both dates valid and dVon <= dBis.
    DemoCalendar(const QDate& dVon, const QDate& dBis);

    int DayCount() const { return lTage_; }
    // Precondition: -kMargin <= lIndex < DayCount() + kMargin.
    const CalendarDay& Day(int lIndex) const { return aTage_[lIndex + kMargin]; }
    QDate Date(int lIndex) const { return dVon_.addDays(lIndex); }

    // Relative number of bookings on a day: none on Sundays and nationwide holidays, few on
    // Saturdays, more on the first working days of a month (salaries, rents).
    int Weight(int lIndex) const;

  private:
    QDate dVon_;
    int lTage_ = 0;
    std::vector<CalendarDay> aTage_;
    std::vector<int> aGewichte_;
};

}  // namespace tolva::demo
