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
    if (!objekt.Archiv(sDateiname)) return 1;
    QTextStream(stdout) << sDateiname << Qt::endl;
    return 0;
}

}  // namespace tolva
