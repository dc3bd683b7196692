// DemoCalendar: the days of the demo data with their date texts and booking weights.
#include "demo/DemoCalendar.h"

namespace tolva::demo {

namespace {

bool IsHoliday(const CalendarDay& day) {
    // Fixed nationwide holidays; the moving ones are left out of the demo calendar.
    return (day.lMonat == 1 && day.lTag == 1) || (day.lMonat == 5 && day.lTag == 1) ||
           (day.lMonat == 10 && day.lTag == 3) ||
           (day.lMonat == 12 && (day.lTag == 25 || day.lTag == 26));
}

void WriteDigits(char* p, int lWert, int lStellen) {
    for (int i = lStellen - 1; i >= 0; --i) {
        p[i] = static_cast<char>('0' + lWert % 10);
        lWert /= 10;
    }
}

void WriteIso(CalendarDay& day) {
    WriteDigits(day.sIso, day.lJahr, 4);
    day.sIso[4] = '-';
    WriteDigits(day.sIso + 5, day.lMonat, 2);
    day.sIso[7] = '-';
    WriteDigits(day.sIso + 8, day.lTag, 2);
    day.sIso[10] = 0;
}

}  // namespace

DemoCalendar::DemoCalendar(const QDate& dVon, const QDate& dBis)
    : dVon_(dVon), lTage_(static_cast<int>(dVon.daysTo(dBis)) + 1) {
    aTage_.resize(static_cast<size_t>(lTage_ + 2 * kMargin));
    for (int i = 0; i < static_cast<int>(aTage_.size()); ++i) {
        const QDate dTag = dVon_.addDays(i - kMargin);
        CalendarDay& day = aTage_[static_cast<size_t>(i)];
        day.lJahr = dTag.year();
        day.lMonat = dTag.month();
        day.lTag = dTag.day();
        day.lWochentag = dTag.dayOfWeek();
        WriteIso(day);
    }

    aGewichte_.resize(static_cast<size_t>(lTage_));
    int lWerktagImMonat = 0;
    int lMonat = 0;
    for (int i = 0; i < lTage_; ++i) {
        const CalendarDay& day = Day(i);
        if (day.lMonat != lMonat) {
            lMonat = day.lMonat;
            lWerktagImMonat = 0;
        }
        int lGewicht = 0;
        if (day.lWochentag == 7 || IsHoliday(day)) {
            lGewicht = 0;
        } else if (day.lWochentag == 6) {
            lGewicht = 3;
        } else {
            ++lWerktagImMonat;
            lGewicht = lWerktagImMonat <= 2 ? 18 : 10;
        }
        aGewichte_[static_cast<size_t>(i)] = lGewicht;
    }
}

int DemoCalendar::Weight(int lIndex) const {
    return aGewichte_[static_cast<size_t>(lIndex)];
}

}  // namespace tolva::demo
