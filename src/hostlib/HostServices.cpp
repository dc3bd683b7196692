// The process-wide HostServices instance: installed by the host, else the INI-backed default.
#include "hostlib/HostServices.h"

#include "hostlib/IniHostServices.h"

namespace tolva {
namespace {

std::shared_ptr<HostServices>& Instance() {
    static std::shared_ptr<HostServices> instance;
    return instance;
}

}  // namespace

HostServices& Host() {
    auto& instance = Instance();
    if (!instance) instance = std::make_shared<IniHostServices>(IniHostServices::DefaultIniPath());
    return *instance;
}

void InstallHostServices(std::shared_ptr<HostServices> services) {
    Instance() = std::move(services);
}

QString FolderSetting(long lNummer) {
    QString sOrdner = Host().GetSetting(lNummer);
    if (!sOrdner.isEmpty() && !sOrdner.endsWith(QLatin1Char('/'))) sOrdner += QLatin1Char('/');
    return sOrdner;
}

}  // namespace tolva
