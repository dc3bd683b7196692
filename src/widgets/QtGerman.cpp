// Qt's German: found in Qt's translations folder (Debian: qt6-translations-l10n).
#include "widgets/QtGerman.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace tolva {

bool QtTextsTranslated() {
    // Qt's own buttons take their texts from this context.
    return QCoreApplication::translate("QPlatformTheme", "Cancel") != QLatin1String("Cancel");
}

bool InstallQtGerman(QTranslator& translator) {
    if (!translator.load(QStringLiteral("qtbase_de"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(&translator);
}

ScopedQtGerman::ScopedQtGerman() {
    if (QCoreApplication::instance() && !QtTextsTranslated())
        installed_ = InstallQtGerman(translator_);
}

ScopedQtGerman::~ScopedQtGerman() {
    if (installed_) QCoreApplication::removeTranslator(&translator_);
}

}  // namespace tolva
