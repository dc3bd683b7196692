// The pilot of the next wizard window: armed by a host, it fills in the pages of the window
// that the next call of the C entry shows.
#include "window/NextWindowPilot.h"

#include "state/SharedState.h"
#include "window/WizardPilot.h"
#include "wizard/FrmArchiv.h"

#include <QCoreApplication>
#include <QRadioButton>
#include <QTimer>

#include <string>

namespace {

std::string g_modus;

void Drive(int versuche) {
    auto* form = dynamic_cast<tolva::FrmArchiv*>(tolva::Shared().oArchivForm);
    if (!form || !form->isVisible()) {
        if (versuche < 500) QTimer::singleShot(10, [versuche] { Drive(versuche + 1); });
        return;
    }
    if (g_modus.rfind("create:", 0) == 0) {
        tolva::CreateChoice auswahl;
        auswahl.dStichtag = QDate(2100, 1, 1);
        auswahl.bEntfernen = true;
        auswahl.sZielDatei = QString::fromStdString(g_modus.substr(7));
        auswahl.sSicherung = auswahl.sZielDatei + QStringLiteral(".BKA");
        (void)tolva::DriveCreateJob(*form, auswahl);
    }
    if (g_modus == "view") {
        if (auto* anzeigen = form->findChild<QRadioButton*>(QStringLiteral("optDaten_1")))
            anzeigen->click();
        form->suiButtons_ItemClick(QStringLiteral("weiter"));
        form->suiButtons_ItemClick(QStringLiteral("weiter"));
    }
    if (!form->IsUnloaded()) form->suiButtons_ItemClick(QStringLiteral("cancel"));
}

// Runs whenever an application object is made, the component's own included.
void OnApplication() {
    if (g_modus.empty()) return;
    QTimer::singleShot(0, [] { Drive(0); });
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(OnApplication)

extern "C" __attribute__((visibility("default"))) void tolva_pilot_next_window(const char* modus) {
    g_modus = modus ? modus : "";
}
