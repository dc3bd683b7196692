// Loading the window library: the terminal commands start without Qt's widgets.
#include "cli/WindowLibrary.h"

#include <dlfcn.h>

namespace tolva {
namespace {

// The library's own table, and the terminal's application that its calls end for their length.
const WindowApi* g_bibliothek = nullptr;
TerminalApplication* g_terminal = nullptr;

// The terminal's application ended while a window call runs.
class WindowCall {
  public:
    WindowCall() {
        if (g_terminal) g_terminal->Stop();
    }
    ~WindowCall() {
        if (g_terminal) g_terminal->Start();
    }
    WindowCall(const WindowCall&) = delete;
    WindowCall& operator=(const WindowCall&) = delete;
};

// The library's function in the field feld of its table, called without the terminal's
// application; R and A come from the field the address is stored in.
template <auto feld, typename R, typename... A>
R WithoutTerminal(A... a) {
    const WindowCall aufruf;
    return (g_bibliothek->*feld)(a...);
}

const WindowApi kOhneTerminal{
    &WithoutTerminal<&WindowApi::RunWizardHost>,
    &WithoutTerminal<&WindowApi::RenderPages>,
    &WithoutTerminal<&WindowApi::RunCreateJob>,
    &WithoutTerminal<&WindowApi::ShowFirstPage>,
    &WithoutTerminal<&WindowApi::ShowBrowser>,
    &WithoutTerminal<&WindowApi::ShowBrowserWithDatabase>,
    &WithoutTerminal<&WindowApi::WriteStatementPdf>,
};

}  // namespace

Result<const WindowApi*> LoadWindowApi() {
    if (g_bibliothek) return &kOhneTerminal;
    // The program's run path finds the public library; it stays loaded.
    void* bibliothek = dlopen(TOLVA_WINDOW_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    if (!bibliothek)
        return Error{QCoreApplication::translate(
                         "WindowLibrary", "Die Fensterbibliothek kann nicht geladen werden: %1")
                         .arg(QString::fromLocal8Bit(dlerror()))};
    using Eintrag = const WindowApi* (*)(const ProgramIdentity*);
    auto eintrag = reinterpret_cast<Eintrag>(dlsym(bibliothek, "tolva_window_api"));
    if (!eintrag)
        return Error{QCoreApplication::translate(
            "WindowLibrary", "Die Fensterbibliothek hat keinen Eintrag tolva_window_api.")};
    // The program's windows belong to its desktop entry tolva-archiv.desktop; the icon is the
    // theme's tolva-archiv, else the one compiled into the program.
    const ProgramIdentity programm{QStringLiteral("tolva-archiv"),
                                   QStringLiteral(":/tolva-archiv/tolva-archiv.png")};
    g_bibliothek = eintrag(&programm);
    return &kOhneTerminal;
}

TerminalApplication::TerminalApplication(int& argc, char** argv, Sprache sprache)
    : argc_(argc), argv_(argv), sprache_(sprache) {
    Start();
    g_terminal = this;
}

TerminalApplication::~TerminalApplication() {
    g_terminal = nullptr;
    Stop();
}

void TerminalApplication::Start() {
    if (app_) return;
    app_ = std::make_unique<QCoreApplication>(argc_, argv_);
    uebersetzung_ = std::make_unique<ScopedLanguage>(sprache_);
}

void TerminalApplication::Stop() {
    uebersetzung_.reset();
    app_.reset();
}

}  // namespace tolva
