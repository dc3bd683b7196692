// Dates, numbers and amounts as the window and the terminal show them: in the format of the
// language shown. Files, --json and CSV keep their fixed formats and never come through here.
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

namespace tolva {

// The locale of the language shown: Germany's for German; for English the user's own locale
// when it is an English one (en_GB writes 06/12/2026), the United States' otherwise.
QLocale DisplayLocale();

// The locale's short date format with a four-digit year ("dd.MM.yyyy", "M/d/yyyy").
QString DisplayDateFormat();

// A date in that format; an invalid date gives "".
QString DisplayDate(const QDate& d);

// A stored date ("yyyy-MM-dd", possibly with a time after it) in that format; a text that is no
// such date comes back as it stands.
QString DisplayIsoDate(const QString& sIso);

// A month with its year as people name it: "März 2021" / "March 2021"; a month outside 1 to 12
// gives the year alone.
QString DisplayMonth(int lJahr, int lMonat);

// A whole number with the locale's group separators ("1.234" / "1,234").
QString DisplayCount(qint64 l);

// The count that picks between a text's singular and plural (the n of translate): l, held
// within int's range.
int PluralCount(qint64 l);

// Euro cents as an amount: "-1.234,56 €" in German, "-€1,234.56" in English. Exact for every
// qint64 (no floating point).
QString DisplayCents(qint64 lCent);

}  // namespace tolva
