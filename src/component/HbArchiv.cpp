// HbArchiv: the entry of the component -- settings, the wizard window, the result.
#include "component/HbArchiv.h"

#include "database/Connection.h"
#include "hostlib/HostServices.h"
#include "hostlib/MessageBox.h"
#include "state/SharedState.h"
#include "text/Language.h"
#include "widgets/GuiApplication.h"
#include "widgets/OleColour.h"
#include "wizard/FrmArchiv.h"

#include <QCoreApplication>

#include <memory>

namespace tolva {
namespace {

void ReleaseCall() {
    SharedState& g = Shared();
    g.oArchivForm = nullptr;
    g.cnDatenbank.reset();
    g.oTools.reset();
}

}  // namespace

void HbArchiv::LadeEinstellungen() {
    SharedState& g = Shared();
    HostServices& host = Host();
    g.sSkinPfad = FolderSetting(kSettingSkinPfad);
    ParseOleColour(host.GetSetting(kSettingHintergrundFarbe), g.lHintergrundFarbe);
    ParseOleColour(host.GetSetting(kSettingTextFarbe), g.lTextFarbe);
}

bool HbArchiv::Archiv(QString& sDateiname) {
    SharedState& g = Shared();
    try {
        // Every call starts without a result of an earlier one.
        g.bArchivOK = false;
        g.sArchivDatei.clear();
        g.sDatenbank = sDateiname;
        LadeEinstellungen();

        ScopedGuiApplication anwendung(GuiPlatform::Screen);
        if (!anwendung.ok()) {
            // In the language the window would have shown.
            const ScopedLanguage fehlerSprache(ChooseHostLanguage());
            MsgBox(anwendung.Fehler(), vbCritical,
                   TranslateEarly("HbArchiv",
                                  QT_TRANSLATE_NOOP("HbArchiv", "Archivierungs-Assistent")));
            ReleaseCall();
            return false;
        }
        ScopedScreenMessageBoxes boxen;
        ScopedLanguage sprache(ChooseHostLanguage());
        {
            auto form = std::make_unique<FrmArchiv>();
            g.oArchivForm = form.get();
            form->ShowModal();
            if (g.bArchivOK) sDateiname = g.sArchivDatei;
            g.oArchivForm = nullptr;
        }
        ReleaseCall();
        return g.bArchivOK;
    } catch (...) {
        // Nothing reaches the host; the call simply has no result.
    }
    ReleaseCall();
    return false;
}

}  // namespace tolva
