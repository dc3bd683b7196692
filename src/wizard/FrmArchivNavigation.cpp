// frmArchiv: the current page and the moves between the pages.
#include "wizard/FrmArchiv.h"

#include "skin/ModBackground.h"
#include "state/SharedState.h"
#include "wizard/SuiButtons.h"
#include "wizard/SuiTabs.h"

#include <QRadioButton>

namespace tolva {
namespace {

const QString kZurueck = QStringLiteral("zurück");
const QString kWeiter = QStringLiteral("weiter");
const QString kCancel = QStringLiteral("cancel");
constexpr int kSeiten = 6;

}  // namespace

void FrmArchiv::suiButtons_ItemClick(const QString& sKey) {
    if (bUnloaded_ || bLaeuft_) return;
    if (sKey == kZurueck)
        PreviousPage();
    else if (sKey == kWeiter)
        GoForward();
    else if (sKey == kCancel)
        Unload();
}

void FrmArchiv::GoForward() {
    if (!suiButtons_->IsItemEnabled(kWeiter)) return;
    if (Shared().lModus == kModusErstellen) {
        if (lAktuelleSeite_ >= 5)
            StartArchive();
        else
            NextPage();
    } else {
        if (lAktuelleSeite_ == 6)
            StartArchive();
        else
            NextPage();
    }
}

void FrmArchiv::NextPage() {
    int seite = lAktuelleSeite_ + 1;
    while (seite <= kSeiten && !suiTabs_->IsShown(seite)) ++seite;
    if (seite > kSeiten) return;  // no shown page after this one
    lAktuelleSeite_ = seite;
    ShowPage();
}

void FrmArchiv::PreviousPage() {
    if (lAktuelleSeite_ > 1) {
        --lAktuelleSeite_;
        while (lAktuelleSeite_ > 1 && !suiTabs_->IsShown(lAktuelleSeite_)) --lAktuelleSeite_;
        ShowPage();
    }
    suiButtons_->SetItemEnabled(kWeiter, true);
}

void FrmArchiv::ShowPage() {
    const int p = lAktuelleSeite_;
    suiButtons_->SetItemEnabled(kWeiter, true);

    if (p == 4 && !CheckPasswordPage()) {
        lAktuelleSeite_ = p - 1;
        pictab_[lAktuelleSeite_]->setVisible(true);
        return;
    }
    if (p != 5) {
        suiButtons_->SetCaption(kWeiter, tr(" &Weiter"));
    } else if (PrepareSummaryPage()) {
        suiButtons_->SetCaption(kWeiter, tr(" Starten"));
    } else {
        lAktuelleSeite_ = 4;
        pictab_[4]->setVisible(true);
        return;
    }

    if (p == 6) UpdateArchiveHint();

    for (int i = 1; i <= kSeiten; ++i) {
        pictab_[i]->setVisible(false);
        if (i > p) suiTabs_->SetItemEnabled(i, false);
    }

    if (p == 4 && Shared().lModus == kModusErstellen) BuildDefaultFileName();

    if (p != 1) {
        suiButtons_->SetItemEnabled(kZurueck, true);
    } else {
        suiButtons_->SetItemEnabled(kZurueck, false);
        for (int i = 2; i <= kSeiten; ++i) suiTabs_->SetShown(i, false);
        optDaten_Click(optDaten_[0]->isChecked() ? 0 : 1);
    }

    pictab_[p]->setVisible(true);
    suiTabs_->SetItemEnabled(p, true);
    suiTabs_->SetSelected(p);
    FocusPageInput();
}

void FrmArchiv::suiTabs_ItemClick(int lTab) {
    if (bUnloaded_ || bLaeuft_) return;
    MoveFocusMarker(this, lTab);
    if (lTab != lAktuelleSeite_) {
        lAktuelleSeite_ = lTab;
        ShowPage();
    }
}

}  // namespace tolva
