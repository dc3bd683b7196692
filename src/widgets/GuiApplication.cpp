// A QApplication made for one call of the component.
#include "widgets/GuiApplication.h"

#include "hostlib/MessageBox.h"
#include "hostlib/widgets/QtMessageBoxPresenter.h"
#include "text/Language.h"

#include <QApplication>
#include <QIcon>

#include <cerrno>  // program_invocation_name

namespace tolva {
namespace {

bool HasDisplay() {
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// The program's names (the window class, the Wayland app id) and icon for the application.
void Name(const ProgramIdentity& programm) {
    QCoreApplication::setApplicationName(programm.sName);
    QGuiApplication::setDesktopFileName(programm.sName);
    QApplication::setWindowIcon(QIcon::fromTheme(programm.sName, QIcon(programm.sIconDatei)));
}

}  // namespace

ScopedGuiApplication::ScopedGuiApplication(GuiPlatform platform, const ProgramIdentity* programm) {
    if (QCoreApplication::instance()) {
        ok_ = qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
        if (!ok_)
            fehler_ = QT_TRANSLATE_NOOP("ScopedGuiApplication",
                                        "Das Programm hat keine grafische Oberfläche; der "
                                        "Assistent kann nicht angezeigt werden.");
        return;
    }
    if (platform == GuiPlatform::Offscreen) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    } else if (!HasDisplay()) {
        if (platform == GuiPlatform::Screen) {
            fehler_ = QT_TRANSLATE_NOOP("ScopedGuiApplication",
                                        "Es ist kein Bildschirm verfügbar; der Assistent kann "
                                        "nicht angezeigt werden.");
            return;
        }
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The window class (X11) takes argv[0]; a host's process keeps its own name.
    argv0_ = programm ? programm->sName.toLocal8Bit() : QByteArray(program_invocation_name);
    argv_[0] = argv0_.data();
    own_ = std::make_unique<QApplication>(argc_, argv_);
    if (programm) Name(*programm);
    ok_ = true;
}

ScopedGuiApplication::~ScopedGuiApplication() = default;

QString ScopedGuiApplication::Fehler() const {
    return fehler_ ? TranslateEarly("ScopedGuiApplication", fehler_) : QString();
}

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
