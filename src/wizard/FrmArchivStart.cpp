// frmArchiv: the start of the job of the last page -- the archive run or the hand-back.
#include "wizard/FrmArchiv.h"

#include "archive/ArchiveList.h"
#include "archive/StartArchive.h"
#include "hostlib/HostServices.h"
#include "hostlib/MessageBox.h"
#include "state/SharedState.h"
#include "wizard/CaptionLabel.h"
#include "wizard/SuiButtons.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>

namespace tolva {
namespace {

// An ordinary file: a regular file, a dot-name like any other.
bool OrdinaryFileExists(const QString& sPfad) {
    return !sPfad.isEmpty() && QFileInfo(sPfad).isFile();
}

}  // namespace

void FrmArchiv::ErrorExit(const QString& sBeschreibung) {
    MsgBox(sBeschreibung, vbOKOnly, tr("Archiv:Fertig"));
}

void FrmArchiv::StartArchive() {
    SharedState& g = Shared();
    g.bArchivOK = false;
    if (g.lModus != kModusErstellen) {
        ViewHandBack();
        return;
    }

    ArchivStart start;
    start.sZielDatei = txtDatei_[0]->text();
    start.bSichern = CheckValue(chkSichern_) == 1;
    start.sSicherungsDatei = lblSich_->Caption();

    // The run blocks the window; its buttons rest until it is over.
    const QString keys[] = {QStringLiteral("zurück"), QStringLiteral("weiter"),
                            QStringLiteral("cancel")};
    bool bVorher[3];
    for (int i = 0; i < 3; ++i) {
        bVorher[i] = suiButtons_->IsItemEnabled(keys[i]);
        suiButtons_->SetItemEnabled(keys[i], false);
    }
    bLaeuft_ = true;
    const StartErgebnis ergebnis = StartCreateArchive(start);
    bLaeuft_ = false;
    for (int i = 0; i < 3; ++i) suiButtons_->SetItemEnabled(keys[i], bVorher[i]);
    SetBusyPointer(false);

    if (ergebnis == StartErgebnis::Gelaufen) Unload();
}

void FrmArchiv::ViewHandBack() {
    SharedState& g = Shared();
    const QListWidgetItem* eintrag = lstArchiv_->currentItem();
    // The file's name is the entry's text before its date, in whatever language it is shown.
    const QString sName = eintrag ? ArchiveEntryName(eintrag->text()) : QString();
    if (sName.isEmpty()) {
        // No entry chosen: the path cannot be cut.
        ErrorExit(tr("Ungültiger Prozeduraufruf oder ungültiges Argument"));
        return;
    }
    g.sArchivDatei = txtDatei_[1]->text() + sName;
    if (OrdinaryFileExists(g.sArchivDatei)) {
        g.bArchivOK = true;
        Host().SetSetting(kSettingArchivPfad, g.sArchivPfad);
        Unload();
        return;
    }
    Host().ShowMessage(
        tr("Die Datei %1 existiert nicht!\r\nBitte eine existierende Datei auswählen.")
            .arg(g.sArchivDatei),
        0, tr("Archivierungs-Assistent"), true, 0);
}

}  // namespace tolva
