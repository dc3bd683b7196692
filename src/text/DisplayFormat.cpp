// Display formats of the language shown.
#include "text/DisplayFormat.h"

#include "text/Language.h"

#include <algorithm>
#include <climits>

namespace tolva {

QLocale DisplayLocale() {
    if (CurrentLanguage() == Sprache::Deutsch) return QLocale(QLocale::German, QLocale::Germany);
    const QLocale eigene;
    if (eigene.language() == QLocale::English) return eigene;
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

namespace {

// A locale's short date format with a four-digit year.
QString ShortDateFormat(const QLocale& ort) {
    QString sFormat = ort.dateFormat(QLocale::ShortFormat);
    if (!sFormat.contains(QLatin1String("yyyy")))
        sFormat.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return sFormat;
}

}  // namespace

QString DisplayDateFormat() {
    return ShortDateFormat(DisplayLocale());
}

QString DisplayDate(const QDate& d) {
    if (!d.isValid()) return QString();
    const QLocale ort = DisplayLocale();
    return ort.toString(d, ShortDateFormat(ort));
}

QString DisplayIsoDate(const QString& sIso) {
    const QDate d = QDate::fromString(sIso.left(10), Qt::ISODate);
    return d.isValid() ? DisplayDate(d) : sIso;
}

QString DisplayMonth(int lJahr, int lMonat) {
    if (lMonat < 1 || lMonat > 12) return QString::number(lJahr);
    return DisplayLocale().standaloneMonthName(lMonat, QLocale::LongFormat) + QLatin1Char(' ') +
           QString::number(lJahr);
}

QString DisplayCount(qint64 l) {
    return DisplayLocale().toString(l);
}

int PluralCount(qint64 l) {
    return static_cast<int>(std::clamp<qint64>(l, INT_MIN, INT_MAX));
}

QString DisplayCents(qint64 lCent) {
    const QLocale ort = DisplayLocale();
    // The magnitude as unsigned, so that the smallest qint64 has one too.
    const quint64 lBetrag = lCent < 0 ? 0 - static_cast<quint64>(lCent) : lCent;
    const QString sZahl = ort.toString(lBetrag / 100) + ort.decimalPoint() +
                          QStringLiteral("%1").arg(lBetrag % 100, 2, 10, QLatin1Char('0'));
    const QString sMinus = lCent < 0 ? QStringLiteral("-") : QString();
    if (CurrentLanguage() == Sprache::Deutsch) return sMinus + sZahl + QStringLiteral(" €");
    return sMinus + QStringLiteral("€") + sZahl;
}

}  // namespace tolva
