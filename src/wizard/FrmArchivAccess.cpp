// frmArchiv: the keyboard (Return, the order of Tab) and what assistive technology reads.
#include "state/SharedState.h"
#include "wizard/CaptionLabel.h"
#include "wizard/FrmArchiv.h"
#include "wizard/KontenGrid.h"
#include "wizard/SuiButtons.h"
#include "wizard/SuiTabs.h"

#include <QDateEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace tolva {

void FrmArchiv::DescribeControls() {
    grdKonten_->setAccessibleName(tr("Konten"));
    grdKonten_->setAccessibleDescription(tr("Die angekreuzten Konten werden archiviert."));
    dtVon_->setAccessibleName(tr("Alle Daten älter als"));
    if (auto* vor = findChild<QLabel*>(QStringLiteral("lblEx_5"))) vor->setBuddy(dtVon_);
    txtPasswort_[0]->setAccessibleName(tr("Neues Passwort"));
    txtPasswort_[1]->setAccessibleName(tr("Neues Passwort zur Kontrolle"));
    lblPasswort_->setBuddy(txtPasswort_[1]);
    txtDatei_[0]->setAccessibleName(tr("Archivdatei"));
    lblDatei_[0]->setBuddy(txtDatei_[0]);
    txtDatei_[1]->setAccessibleName(tr("Archiv-Pfad"));
    lblDatei_[1]->setBuddy(txtDatei_[1]);
    lstArchiv_->setAccessibleName(tr("Archive im Archiv-Pfad"));
    lstInhalt_->setAccessibleName(tr("Inhalt des gewählten Archivs"));
    lstFortschritt_->setAccessibleName(tr("Fortschritt"));
}

void FrmArchiv::OrderTabChain() {
    // The chain follows the order in which the controls were made, the button bar first;
    // its buttons move behind the last control of the pages.
    QWidget* letzter = this;
    for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain())
        if (!suiButtons_->isAncestorOf(w)) letzter = w;
    for (const QString& sKey :
         {QStringLiteral("zurück"), QStringLiteral("weiter"), QStringLiteral("cancel")}) {
        QWidget* knopf = suiButtons_->Button(sKey);
        QWidget::setTabOrder(letzter, knopf);
        letzter = knopf;
    }
}

void FrmArchiv::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return QDialog::keyPressEvent(event);
    event->accept();
    if (bUnloaded_ || bLaeuft_) return;
    // The last create page's "weiter" is "Starten": an irreversible run never starts on Return.
    const bool bStarten = Shared().lModus == kModusErstellen && lAktuelleSeite_ >= 5;
    QPushButton* weiter = suiButtons_->Button(QStringLiteral("weiter"));
    if (auto* knopf = qobject_cast<QPushButton*>(focusWidget()); knopf && isAncestorOf(knopf)) {
        if (knopf->isEnabled() && !(bStarten && knopf == weiter)) knopf->click();
        return;
    }
    if (!bStarten) suiButtons_ItemClick(QStringLiteral("weiter"));
}

}  // namespace tolva
