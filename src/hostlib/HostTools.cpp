// The host's date texts.
#include "hostlib/HostTools.h"

#include <QRegularExpression>

namespace tolva {

QString StandardHostTools::FormatSqlDatum(const QDate& dDatum) {
    return dDatum.toString(QStringLiteral("yyyy-MM-dd"));
}

QString StandardHostTools::FormatDatum(const QDate& dDatum) {
    return dDatum.toString(QStringLiteral("dd.MM.yyyy"));
}

QString StandardHostTools::FormatDateiDatum(const QString& sDatum) {
    const QDate datum = QDate::fromString(sDatum.trimmed(), QStringLiteral("d.M.yyyy"));
    if (datum.isValid()) return datum.toString(QStringLiteral("yyyy-MM-dd"));
    // Not a German date: keep the text but make it safe inside a file name.
    static const QRegularExpression unsafe(QStringLiteral("[\\\\/:*?\"<>|. ]"));
    return QString(sDatum.trimmed()).replace(unsafe, QStringLiteral("-"));
}

std::unique_ptr<HostTools> CreateHostTools() {
    return std::make_unique<StandardHostTools>();
}

}  // namespace tolva
