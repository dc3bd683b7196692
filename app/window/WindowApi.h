// The window commands of the demo program, reached at run time: the command line loads the
// window library (and with it Qt's widgets) only when it shows a window.
#pragma once

#include "browse/BrowseFile.h"
#include "common/Result.h"
#include "widgets/GuiApplication.h"
#include "window/WizardPilot.h"

#include <QString>

namespace tolva {

// What the public library offers through tolva_window_api(). Every function makes the
// application object it needs when none exists, named as the program that asked for the table.
struct WindowApi {
    int (*RunWizardHost)(const QString& sDatenbank);
    Status (*RenderPages)(const QString& sDatenbank, const QString& sOrdner);
    Status (*RunCreateJob)(const QString& sDatenbank, const CreateChoice& auswahl);
    Status (*ShowFirstPage)(const QString& sDatenbank);
    // The archive browser on sArchiv until the user closes it (asks for a missing password).
    Status (*ShowBrowser)(const QString& sArchiv, const QString& sPasswort);
    // The same with "Zurückholen …" into sDatenbank (none when empty).
    Status (*ShowBrowserWithDatabase)(const QString& sArchiv, const QString& sPasswort,
                                      const QString& sDatenbank);
    // The printed statement of sArchiv's bookings that the filter lets through, as PDF in
    // sZiel (Statement.h's SaveStatementPdf: never replaces sArchiv or another database, never
    // leaves half a file), on Qt's offscreen platform.
    Status (*WriteStatementPdf)(const QString& sArchiv, const QString& sPasswort,
                                const BookingFilter& filter, const QString& sZiel);
};

}  // namespace tolva

// The library's one entry for the program; the table lives as long as the library. The
// application objects its functions make carry programm's names and icon (copied; the last
// call's identity counts).
extern "C" const tolva::WindowApi* tolva_window_api(const tolva::ProgramIdentity* programm);
