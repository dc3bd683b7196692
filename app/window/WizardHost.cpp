// A small host: one call of Archiv and its answer on stdout.
#include "window/WizardHost.h"

#include "browser/BrowserWindow.h"
#include "component/HbArchiv.h"
#include "files/Folders.h"
#include "hostlib/HostServices.h"
#include "hostlib/MessageBox.h"
#include "text/Language.h"
#include "widgets/GuiApplication.h"

#include <QCoreApplication>
#include <QTextStream>

namespace tolva {

int RunWizardHost(const QString& sDatenbank) {
    // The demo host's application, in the program's language for its whole life.
    ScopedGuiApplication anwendung(GuiPlatform::Screen);
    ScopedLanguage sprache(CurrentLanguage());
    // A host owns its data folder (setting 4): the backup goes there unless the user picks
    // another place. A folder that cannot be made is reported by the run that needs it.
    (void)MakeFolders(Host().GetSetting(kSettingBasisPfad));
    HbArchiv objekt;
    QString sDateiname = sDatenbank;
    // Without a screen the call only says so (and the program fails); a wizard that closed
    // normally ends it with 0, whatever job it did.
    const bool bGewaehlt = objekt.Archiv(sDateiname);
    if (!anwendung.ok()) return 1;
    if (!bGewaehlt) return 0;
    // The chosen archive: its path for a script, and the archive itself in the browser, which
    // can put its rows back into the database.
    QTextStream(stdout) << sDateiname << Qt::endl;
    if (Status s = BrowseArchive(sDateiname, QString(), sDatenbank); !s.ok()) {
        MsgBox(s.description(), vbExclamation, QCoreApplication::translate("WizardHost", "Archiv"));
        return 1;
    }
    return 0;
}

}  // namespace tolva
