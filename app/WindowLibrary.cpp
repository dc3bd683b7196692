// Loading the window library: the terminal commands start without Qt's widgets.
#include "WindowLibrary.h"

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
    using Eintrag = const WindowApi* (*)();
    auto eintrag = reinterpret_cast<Eintrag>(dlsym(bibliothek, "tolva_window_api"));
    if (!eintrag)
        return Error{QStringLiteral("Die Fensterbibliothek hat keinen Eintrag tolva_window_api.")};
    api = eintrag();
    return api;
}

}  // namespace tolva
