// The host's date texts and the factory of HostTools objects.
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

namespace {

std::function<std::unique_ptr<HostTools>()>& Factory() {
    static std::function<std::unique_ptr<HostTools>()> factory;
    return factory;
}

}  // namespace

std::unique_ptr<HostTools> CreateHostTools() {
    if (Factory()) return Factory()();
    return std::make_unique<StandardHostTools>();
}

void InstallHostToolsFactory(std::function<std::unique_ptr<HostTools>()> factory) {
    Factory() = std::move(factory);
}

}  // namespace tolva
