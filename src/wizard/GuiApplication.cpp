// A QApplication made for one call of the component.
#include "wizard/GuiApplication.h"

#include "hostlib/MessageBox.h"
#include "hostlib/widgets/QtMessageBoxPresenter.h"

#include <QApplication>

namespace tolva {
namespace {

int g_argc = 1;
char g_name[] = "OrvHbArchiv5";
char* g_argv[] = {g_name, nullptr};

bool HasDisplay() {
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

}  // namespace

ScopedGuiApplication::ScopedGuiApplication(GuiPlatform platform) {
    if (QCoreApplication::instance()) {
        ok_ = qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
        if (!ok_)
            fehler_ = QStringLiteral(
                "Das Programm hat keine grafische Oberfläche; der "
                "Assistent kann nicht angezeigt werden.");
        return;
    }
    if (platform == GuiPlatform::Offscreen) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    } else if (!HasDisplay()) {
        if (platform == GuiPlatform::Screen) {
            fehler_ = QStringLiteral(
                "Es ist kein Bildschirm verfügbar; der Assistent kann "
                "nicht angezeigt werden.");
            return;
        }
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    g_argc = 1;
    own_ = std::make_unique<QApplication>(g_argc, g_argv);
    ok_ = true;
}

ScopedGuiApplication::~ScopedGuiApplication() = default;

bool ScopedGuiApplication::RealScreen() {
    const QString name = QGuiApplication::platformName();
    return !name.isEmpty() && name != QLatin1String("offscreen") &&
           name != QLatin1String("minimal");
}

ScopedScreenMessageBoxes::ScopedScreenMessageBoxes() {
    if (ScopedGuiApplication::RealScreen() && !MessageBoxPresenterInstalled()) {
        InstallMessageBoxPresenter(std::make_shared<QtMessageBoxPresenter>());
        installed_ = true;
    }
}

ScopedScreenMessageBoxes::~ScopedScreenMessageBoxes() {
    if (installed_) InstallMessageBoxPresenter(nullptr);
}

}  // namespace tolva
