// The table of window commands that the demo program finds in this library at run time.
#include "wizard/WindowApi.h"

#include "wizard/BrowserWindow.h"
#include "wizard/GuiApplication.h"
#include "wizard/PageRenderer.h"
#include "wizard/QtGerman.h"
#include "wizard/WizardHost.h"

namespace {

// The browser as its own program: the application (on the display) and Qt's German for it.
tolva::Status ShowBrowserWithDatabase(const QString& sArchiv, const QString& sPasswort,
                                      const QString& sDatenbank) {
    tolva::ScopedGuiApplication anwendung(tolva::GuiPlatform::Screen);
    if (!anwendung.ok()) return tolva::Status::Fail(anwendung.Fehler());
    tolva::ScopedQtGerman deutsch;
    return tolva::BrowseArchive(sArchiv, sPasswort, sDatenbank);
}

tolva::Status ShowBrowser(const QString& sArchiv, const QString& sPasswort) {
    return ShowBrowserWithDatabase(sArchiv, sPasswort, QString());
}

}  // namespace

extern "C" __attribute__((visibility("default"))) const tolva::WindowApi* tolva_window_api() {
    static const tolva::WindowApi api{&tolva::RunWizardHost, &tolva::RenderPages,
                                      &tolva::RunCreateJob,  &tolva::ShowFirstPage,
                                      &ShowBrowser,          &ShowBrowserWithDatabase};
    return &api;
}
