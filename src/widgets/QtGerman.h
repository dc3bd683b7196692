// Qt's own German (qtbase_de): the texts that Qt itself puts on dialogs, menus and buttons.
#pragma once

#include <QTranslator>

namespace tolva {

// Whether the application translates Qt's own texts already (a host's translator).
// Precondition: an application object exists.
bool QtTextsTranslated();

// Loads qtbase_de from Qt's translations folder into translator and installs it in the
// application; false when the file is not there (the texts then stay English). The caller
// keeps translator alive as long as it is installed.
bool InstallQtGerman(QTranslator& translator);

// Qt's German for the length of a scope, when the host has installed no translation of Qt's
// texts; removed again at the end, since a translator changes the whole host process.
class ScopedQtGerman {
  public:
    ScopedQtGerman();
    ~ScopedQtGerman();
    ScopedQtGerman(const ScopedQtGerman&) = delete;
    ScopedQtGerman& operator=(const ScopedQtGerman&) = delete;

  private:
    QTranslator translator_;
    bool installed_ = false;
};

}  // namespace tolva
