// The wizard run as a small host would run it, for the demo program.
#pragma once

#include <QString>

namespace tolva {

// Calls Archiv on sDatenbank like a host, with Qt's German for the application's life: prints
// the chosen archive's path on stdout when the user picked one, and returns 0 once the wizard
// closed normally (after a created archive too); 1 when it could not be shown. Needs a display
// (or QT_QPA_PLATFORM);
// call it with no application object or with a QApplication, not with a QCoreApplication.
int RunWizardHost(const QString& sDatenbank);

}  // namespace tolva
