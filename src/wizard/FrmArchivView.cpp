// frmArchiv: the job choice, the browse buttons, the archive list and its descriptions.
#include "wizard/FrmArchiv.h"

#include "archive/ArchiveList.h"
#include "hostlib/HostServices.h"
#include "hostlib/MessageBox.h"
#include "skin/ModBackground.h"
#include "state/SharedState.h"
#include "widgets/FileDialogs.h"
#include "wizard/CaptionLabel.h"
#include "wizard/SuiButtons.h"
#include "wizard/SuiTabs.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

namespace tolva {
namespace {

const QString kWeiter = QStringLiteral("weiter");

}  // namespace

void FrmArchiv::optDaten_Click(int lIndex) {
    SharedState& g = Shared();
    if (lIndex == 0) {
        g.lModus = kModusErstellen;
        for (int n = 2; n <= 5; ++n) suiTabs_->SetShown(n, true);
        suiTabs_->SetShown(6, false);
        FitTabBackground(this, 5);
    } else if (lIndex == 1) {
        g.lModus = kModusAnzeigen;
        for (int n = 2; n <= 5; ++n) suiTabs_->SetShown(n, false);
        suiTabs_->SetShown(6, true);
        FitTabBackground(this, 2);
    }
}

void FrmArchiv::cmdDurchsuchen_Click(int lIndex) {
    SharedState& g = Shared();
    FileDialogs& dialoge = CurrentFileDialogs();
    if (lIndex == 1) {
        QString start = txtDatei_[1]->text();
        if (start.endsWith(QLatin1Char('/'))) start.chop(1);
        const auto ordner = dialoge.ChooseFolder(this, start, tr("Pfad für Archiv"));
        if (!ordner) return;
        g.sArchivPfad = *ordner;
        if (!g.sArchivPfad.endsWith(QLatin1Char('/'))) g.sArchivPfad += QLatin1Char('/');
        txtDatei_[1]->setText(g.sArchivPfad);
        ListArchives();
    } else if (lIndex == 0) {
        g.sArchivDatei = txtDatei_[0]->text();
        while (g.sArchivDatei.endsWith(QLatin1Char('/'))) g.sArchivDatei.chop(1);
        const auto datei =
            dialoge.ChooseFile(this, g.sArchivDatei, QStringLiteral(".aba"), g.sArchivPfad);
        if (!datei) return;
        txtDatei_[0]->setText(*datei);
        const qsizetype p = datei->lastIndexOf(QLatin1Char('/'));
        if (p >= 0) g.sArchivPfad = datei->left(p + 1);
    }
}

void FrmArchiv::ListArchives() {
    {
        // Emptying the lists is no choice of an entry.
        const QSignalBlocker blocker(lstArchiv_);
        lstArchiv_->clear();
        lstInhalt_->clear();
    }
    lstArchiv_->addItems(ListArchiveEntries(Shared().sArchivPfad));
    if (lstArchiv_->count() > 0) {
        suiButtons_->SetItemEnabled(kWeiter, true);
        lstArchiv_->setCurrentRow(0);  // shows its description
        UpdateArchiveHint();
    }
}

void FrmArchiv::UpdateArchiveHint() {
    suiButtons_->SetCaption(kWeiter, lAktuelleSeite_ == 6 ? tr(" &Anzeigen") : tr(" &Weiter"));
    if (lstArchiv_->count() > 0) {
        lblDatei_[1]->SetCaption(
            tr("Wählen Sie das gewünschte Archiv aus und klicken Sie auf 'Anzeigen'."));
        suiButtons_->SetItemEnabled(kWeiter, true);
    } else {
        lblDatei_[1]->SetCaption(
            tr("Im gewählten Verzeichnis wurden keine Archiv-Dateien gefunden."));
        suiButtons_->SetItemEnabled(kWeiter, false);
    }
}

void FrmArchiv::lstArchiv_Click() {
    lstInhalt_->clear();
    const QListWidgetItem* eintrag = lstArchiv_->currentItem();
    if (!eintrag) return;
    const ArchiveDescription beschreibung =
        ReadArchiveDescription(Shared().sArchivPfad + ArchiveEntryName(eintrag->text()));
    if (!beschreibung.bGeoeffnet) {
        Host().ShowMessage(QCoreApplication::translate("ArchiveList", kOeffnenFehlerText),
                           vbCritical, tr("Fehler"), true, 0);
        return;
    }
    lstInhalt_->addItems(beschreibung.aZeilen);
}

}  // namespace tolva
