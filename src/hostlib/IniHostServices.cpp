// The default host: settings in an INI file with a host's defaults, boxes through the seam.
#include "hostlib/IniHostServices.h"

#include "files/Folders.h"
#include "hostlib/MessageBox.h"
#include "text/Language.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <dlfcn.h>

namespace tolva {
namespace {

const QString kGroup = QStringLiteral("Einstellungen");

QString OleColour(int r, int g, int b) {
    return QString::number(r | (g << 8) | (b << 16));
}

QString WithSlash(QString folder) {
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    return folder;
}

}  // namespace

IniHostServices::IniHostServices(QString iniPath) : iniPath_(std::move(iniPath)) {}

long IniHostServices::ShowMessage(const QString& sText, long lStil, const QString& sTitel,
                                  bool /*bFlag*/, long /*lWert*/) {
    return MsgBox(sText, lStil, sTitel);
}

QString IniHostServices::GetSetting(long lNummer) {
    QSettings settings(iniPath_, QSettings::IniFormat);
    const QString key = kGroup + QLatin1Char('/') + QString::number(lNummer);
    if (settings.contains(key)) return settings.value(key).toString();
    return DefaultSetting(lNummer);
}

void IniHostServices::SetSetting(long lNummer, const QString& sWert) {
    const QString key = kGroup + QLatin1Char('/') + QString::number(lNummer);
    (void)MakeFolders(QFileInfo(iniPath_).absolutePath());  // a failure shows in the write
    QSettings settings(iniPath_, QSettings::IniFormat);
    // Most runs store the folder that is stored already: the file is then left as it is,
    // without a rewrite and its flushes to the disk.
    if (settings.contains(key) && settings.value(key).toString() == sWert) return;
    settings.setValue(key, sWert);
    settings.sync();
}

QString IniHostServices::DefaultIniPath() {
    const QString fromEnv = qEnvironmentVariable("TOLVA_SETTINGS");
    if (!fromEnv.isEmpty()) return fromEnv;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/tolva/archiv.ini");
}

QString IniHostServices::DataFolder() {
    const QString fromEnv = qEnvironmentVariable("TOLVA_DATA_DIR");
    if (!fromEnv.isEmpty()) return WithSlash(fromEnv);
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void*>(&IniHostServices::DataFolder), &info) || !info.dli_fname)
        return QString();
    // In the build tree the files lie beside the engine; installed, in the data folder. The
    // engine's path as the loader found it may run through links (Debian's /lib → usr/lib):
    // the data folder is found from the file's real place.
    const QFileInfo engine(QFile::decodeName(info.dli_fname));
    const QString sEcht = engine.canonicalFilePath();
    const QDir eigener =
        QFileInfo(sEcht.isEmpty() ? engine.absoluteFilePath() : sEcht).absoluteDir();
    if (eigener.exists(QStringLiteral("HbLeer.dat"))) return WithSlash(eigener.absolutePath());
    return WithSlash(
        QDir::cleanPath(eigener.absoluteFilePath(QStringLiteral(TOLVA_DATA_FROM_ENGINE))));
}

QString IniHostServices::DefaultSetting(long lNummer) {
    switch (lNummer) {
        case 2:
            return DataFolder() + QStringLiteral("skin/");
        case 3:
            return DataFolder();
        case 4:
            return WithSlash(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                             QStringLiteral("/tolva"));
        case 10:
            return OleColour(240, 243, 247);  // pale blue-grey background
        case 11:
            return OleColour(46, 110, 180);  // progress bar blue
        case 17:
            return OleColour(32, 45, 64);  // dark slate button text
        case 58:
            return QStringLiteral("Tolva");
        case 1001: {
            // The background's line under the mark is in the language shown, where there is a
            // picture for it.
            const QString sSprache =
                DataFolder() +
                QStringLiteral("skin/hintergrund_%1.png").arg(LanguageCode(CurrentLanguage()));
            if (CurrentLanguage() != Sprache::Deutsch && QFileInfo(sSprache).isFile())
                return sSprache;
            return DataFolder() + QStringLiteral("skin/hintergrund.png");
        }
        case 1002:
            return DataFolder() + QStringLiteral("skin/tabs.png");
        case 1003:
            return DataFolder() + QStringLiteral("skin/fokus.png");
        default:
            return QString();
    }
}

}  // namespace tolva
