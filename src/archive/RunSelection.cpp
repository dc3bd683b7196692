// The where texts of an archive run's selections.
#include "archive/RunSelection.h"

#include "text/ModCrypt.h"

#include <QStringList>

namespace tolva {

QString TickedAccountIds(const std::vector<QString>& aKontenAuswahl) {
    QStringList ids;
    for (const QString& s : aKontenAuswahl) {
        bool ok = false;
        const qint64 id = s.trimmed().toLongLong(&ok);
        if (ok) ids << QString::number(id);
    }
    return ids.isEmpty() ? QStringLiteral("NULL") : ids.join(QLatin1Char(','));
}

QString JetDateLiteral(const QDate& d) {
    return QStringLiteral("#%1/%2/%3#").arg(d.year()).arg(d.month()).arg(d.day());
}

QString BookingDateCondition(const BookingTable& tabelle, const QString& sStichtag) {
    return QString::fromUtf8(tabelle.feld) + QStringLiteral(" < '") + sStichtag + QLatin1Char('\'');
}

QString OrderWhere(const QDate& dStichtag, const QString& sIds) {
    return QStringLiteral(" WHERE Status = 4 and Datum < ") + JetDateLiteral(dStichtag) +
           QStringLiteral(" AND KontoID IN (") + sIds + QLatin1Char(')');
}

QString CollectiveOrderWhere(const QDate& dStichtag, const QString& sIds) {
    return QStringLiteral(" WHERE (Status = 1 OR Status = 4) AND Datum < ") +
           JetDateLiteral(dStichtag) + QStringLiteral(" AND KontoID IN (") + sIds +
           QLatin1Char(')');
}

QString ItemSourceWhere(const QString& sIds) {
    return QStringLiteral(" WHERE (Status = 1 OR Status = 4) AND KontoID IN (") + sIds +
           QLatin1Char(')');
}

bool ItemsGo(const QByteArray& aAusfDatum, const QString& sStichtag) {
    return !aAusfDatum.isEmpty() && Decrypt(aAusfDatum, false) < sStichtag;
}

}  // namespace tolva
