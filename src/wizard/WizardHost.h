// The wizard run as a small host would run it, for the demo program.
#pragma once

#include <QString>

namespace tolva {

// Calls Archiv on sDatenbank like a host: prints the chosen archive's path on stdout and
// returns 0 when Archiv returns true, else returns 1. Needs a display (or QT_QPA_PLATFORM);
// call it with no application object or with a QApplication, not with a QCoreApplication.
int RunWizardHost(const QString& sDatenbank);

}  // namespace tolva
