// Loading the window library: the terminal commands start without Qt's widgets.
#include "cli/WindowLibrary.h"

#include <dlfcn.h>

namespace tolva {

Result<const WindowApi*> LoadWindowApi() {
    static const WindowApi* api = nullptr;
    if (api) return api;
    // The program's run path finds the public library; it stays loaded.
    void* bibliothek = dlopen(TOLVA_WINDOW_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    if (!bibliothek)
        return Error{QStringLiteral("Die Fensterbibliothek kann nicht geladen werden: %1")
                         .arg(QString::fromLocal8Bit(dlerror()))};
    using Eintrag = const WindowApi* (*)(const ProgramIdentity*);
    auto eintrag = reinterpret_cast<Eintrag>(dlsym(bibliothek, "tolva_window_api"));
    if (!eintrag)
        return Error{QStringLiteral("Die Fensterbibliothek hat keinen Eintrag tolva_window_api.")};
    // The program's windows belong to its desktop entry tolva-archiv.desktop; the icon is the
    // theme's tolva-archiv, else the one compiled into the program.
    const ProgramIdentity programm{QStringLiteral("tolva-archiv"),
                                   QStringLiteral(":/tolva-archiv/tolva-archiv.png")};
    api = eintrag(&programm);
    return api;
}

}  // namespace tolva
