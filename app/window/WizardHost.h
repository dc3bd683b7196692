// The wizard run as a small host would run it, for the demo program.
#pragma once

#include <QString>

namespace tolva {

// Calls Archiv on sDatenbank like a host, with Qt's German for the application's life. When
// the user picked an archive to view, prints its path on stdout and shows it in the archive
// browser (which can put its rows back into sDatenbank). Returns 0 once the windows closed normally
// (after a created archive too); 1 when the wizard could not be shown or the archive cannot be
// read. Needs a display (or QT_QPA_PLATFORM); call it with no application object or with a
// QApplication, not with a QCoreApplication.
int RunWizardHost(const QString& sDatenbank);

}  // namespace tolva
