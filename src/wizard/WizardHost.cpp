// A small host: one call of Archiv and its answer on stdout.
#include "wizard/WizardHost.h"

#include "component/HbArchiv.h"
#include "wizard/GuiApplication.h"
#include "wizard/QtGerman.h"

#include <QTextStream>

namespace tolva {

int RunWizardHost(const QString& sDatenbank) {
    // The demo host's application, with Qt's German for its whole life.
    ScopedGuiApplication anwendung(GuiPlatform::Screen);
    QTranslator deutsch;
    if (anwendung.ok()) InstallQtGerman(deutsch);
    HbArchiv objekt;
    QString sDateiname = sDatenbank;
    // Without a screen the call only says so (and the program fails); a wizard that closed
    // normally ends it with 0, whatever job it did.
    const bool bGewaehlt = objekt.Archiv(sDateiname);
    if (!anwendung.ok()) return 1;
    if (bGewaehlt) QTextStream(stdout) << sDateiname << Qt::endl;
    return 0;
}

}  // namespace tolva
