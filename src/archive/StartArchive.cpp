// The create branch of the archive start on the shared state.
#include "archive/StartArchive.h"

#include "archive/RunRequest.h"
#include "database/Schema.h"
#include "hostlib/HostServices.h"
#include "state/ArchivForm.h"
#include "state/SharedState.h"

namespace tolva {

StartErgebnis StartCreateArchive(const ArchivStart& start, bool* bErfolg, RunTimes* zeiten) {
    SharedState& g = Shared();
    g.bArchivOK = false;
    if (bErfolg) *bErfolg = false;
    g.sArchivDatei = start.sZielDatei;
    if (const QString sPfad = ArchiveFolderOf(start.sZielDatei); !sPfad.isEmpty())
        g.sArchivPfad = sPfad;
    if (!g.oArchivForm || !g.oTools) return StartErgebnis::Gelaufen;  // no run without them
    if (!g.cnDatenbank) g.cnDatenbank = std::make_unique<Connection>();

    RunRequest auftrag;
    auftrag.sDatenbank = g.sDatenbank;
    auftrag.cnDatenbank = g.cnDatenbank.get();
    auftrag.sVorlage = FolderSetting(kSettingVorlagenPfad) + QString::fromUtf8(kTemplateFileName);
    auftrag.sZielDatei = start.sZielDatei;
    auftrag.bSichern = start.bSichern;
    auftrag.sSicherungsDatei = start.sSicherungsDatei;
    auftrag.bFrageOhneSicherung = start.bFrageOhneSicherung;
    auftrag.dStichtag = g.dStichtag;
    auftrag.aKontenAuswahl = g.aKontenAuswahl;
    auftrag.survey.dStichtag = g.dUmsaetzeGezaehlt;
    auftrag.survey.aKontenMitDaten = g.aKontenMitDaten;
    auftrag.survey.aAnzahlDaten = g.aAnzahlDaten;
    auftrag.survey.aUmsaetzeGezaehlt = g.aUmsaetzeGezaehlt;
    auftrag.survey.aInstitute = g.aInstitute;
    auftrag.lPasswortModus = g.lPasswortModus;
    if (g.lPasswortModus == 2) auftrag.sNeuesPasswort = g.oArchivForm->NewPasswordText();
    auftrag.bEntfernen = g.bEntfernen;
    auftrag.form = g.oArchivForm;
    auftrag.tools = g.oTools.get();
    auftrag.antworten = &Host();

    const Result<RunOutcome> lauf = RunArchive(auftrag);
    if (!lauf.ok()) return StartErgebnis::Fehler;
    if (!lauf.value().bGelaufen) return StartErgebnis::Abgebrochen;
    // From the master data on the run removes nothing, and its flag says so afterwards.
    if (lauf.value().bEntfernenBeendet) g.bEntfernen = false;
    if (bErfolg) *bErfolg = lauf.value().bArchiviert;
    if (zeiten) *zeiten = lauf.value().zeiten;
    return StartErgebnis::Gelaufen;
}

}  // namespace tolva
