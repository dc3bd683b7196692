// The table of window commands that the demo program finds in this library at run time.
#include "window/WindowApi.h"

#include "browser/BrowserWindow.h"
#include "browser/Statement.h"
#include "hostlib/MessageBox.h"
#include "text/Language.h"
#include "widgets/GuiApplication.h"
#include "window/PageRenderer.h"
#include "window/WizardHost.h"

#include <QCoreApplication>

#include <optional>

namespace {

using tolva::GuiPlatform;
using tolva::ScopedGuiApplication;
using tolva::Status;

// The program that asked for the table (none: the process's own name). Each function below
// makes the program's application first; the call it wraps then finds it (and without a screen
// fails as it would alone).
std::optional<tolva::ProgramIdentity>& Identity() {
    static std::optional<tolva::ProgramIdentity> programm;
    return programm;
}

const tolva::ProgramIdentity* Programm() {
    return Identity() ? &*Identity() : nullptr;
}

int RunWizardHost(const QString& sDatenbank) {
    ScopedGuiApplication anwendung(GuiPlatform::Screen, Programm());
    const tolva::ScopedLanguage sprache(tolva::CurrentLanguage());
    return tolva::RunWizardHost(sDatenbank);
}

Status RenderPages(const QString& sDatenbank, const QString& sOrdner) {
    ScopedGuiApplication anwendung(GuiPlatform::Offscreen, Programm());
    const tolva::ScopedLanguage sprache(tolva::CurrentLanguage());
    return tolva::RenderPages(sDatenbank, sOrdner);
}

Status RunCreateJob(const QString& sDatenbank, const tolva::CreateChoice& auswahl) {
    ScopedGuiApplication anwendung(GuiPlatform::Screen, Programm());
    const tolva::ScopedLanguage sprache(tolva::CurrentLanguage());
    return tolva::RunCreateJob(sDatenbank, auswahl);
}

Status ShowFirstPage(const QString& sDatenbank) {
    ScopedGuiApplication anwendung(GuiPlatform::Screen, Programm());
    const tolva::ScopedLanguage sprache(tolva::CurrentLanguage());
    return tolva::ShowFirstPage(sDatenbank);
}

// The browser as its own program: the application (on the display) in the program's language.
// Opened from a file manager nobody reads the error output: what went wrong also appears in a
// box when the window would have appeared on a screen.
Status ShowBrowserWithDatabase(const QString& sArchiv, const QString& sPasswort,
                               const QString& sDatenbank) {
    ScopedGuiApplication anwendung(GuiPlatform::Screen, Programm());
    const tolva::ScopedLanguage sprache(tolva::CurrentLanguage());
    if (!anwendung.ok()) return Status::Fail(anwendung.Fehler());
    const Status gezeigt = tolva::BrowseArchive(sArchiv, sPasswort, sDatenbank);
    if (!gezeigt.ok() && ScopedGuiApplication::RealScreen()) {
        tolva::ScopedScreenMessageBoxes boxen;
        tolva::MsgBox(gezeigt.description(), tolva::vbExclamation,
                      QCoreApplication::translate("WindowApi", "Archiv"));
    }
    return gezeigt;
}

Status ShowBrowser(const QString& sArchiv, const QString& sPasswort) {
    return ShowBrowserWithDatabase(sArchiv, sPasswort, QString());
}

Status WriteStatementPdf(const QString& sArchiv, const QString& sPasswort,
                         const tolva::BookingFilter& filter, const QString& sZiel) {
    ScopedGuiApplication anwendung(GuiPlatform::Offscreen, Programm());
    const tolva::ScopedLanguage sprache(tolva::CurrentLanguage());
    if (!anwendung.ok()) return Status::Fail(anwendung.Fehler());
    tolva::Result<std::unique_ptr<tolva::BrowseFile>> datei =
        tolva::BrowseFile::Open(sArchiv, sPasswort);
    if (!datei.ok()) return datei.status();
    return tolva::SaveStatementPdf(*datei.value(), filter, sZiel, {sArchiv});
}

}  // namespace

extern "C" __attribute__((visibility("default"))) const tolva::WindowApi* tolva_window_api(
    const tolva::ProgramIdentity* programm) {
    if (programm)
        Identity() = *programm;
    else
        Identity().reset();
    static const tolva::WindowApi api{&RunWizardHost,    &RenderPages, &RunCreateJob,
                                      &ShowFirstPage,    &ShowBrowser, &ShowBrowserWithDatabase,
                                      &WriteStatementPdf};
    return &api;
}
