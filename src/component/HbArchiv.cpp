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
        // The language first: the settings' defaults (the background's picture) follow it too.
        // Its translations go into the host's application here when there is one, else below
        // into the one made for the call.
        const Sprache sprache = ChooseHostLanguage();
        const ScopedLanguage vorab(sprache);
        LadeEinstellungen();

        ScopedGuiApplication anwendung(GuiPlatform::Screen);
        if (!anwendung.ok()) {
            // In the language the window would have shown.
            MsgBox(anwendung.Fehler(), vbCritical,
                   TranslateEarly("HbArchiv",
                                  QT_TRANSLATE_NOOP("HbArchiv", "Archivierungs-Assistent")));
            ReleaseCall();
            return false;
        }
        ScopedScreenMessageBoxes boxen;
        const ScopedLanguage uebersetzung(sprache);
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
