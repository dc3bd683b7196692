// A small host: one call of Archiv and its answer on stdout.
#include "wizard/WizardHost.h"

#include "component/HbArchiv.h"

#include <QTextStream>

namespace tolva {

int RunWizardHost(const QString& sDatenbank) {
    HbArchiv objekt;
    QString sDateiname = sDatenbank;
    if (!objekt.Archiv(sDateiname)) return 1;
    QTextStream(stdout) << sDateiname << Qt::endl;
    return 0;
}

}  // namespace tolva
