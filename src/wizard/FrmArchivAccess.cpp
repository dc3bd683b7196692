// frmArchiv: the keyboard (Return, Tab order, each page's focus) and what screen readers read.
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
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

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

void FrmArchiv::FocusPageInput() {
    const int p = lAktuelleSeite_;
    QWidget* seite = pictab_[p];
    const auto nimmt = [seite](QWidget* w) {
        return w && seite->isAncestorOf(w) && w->isVisibleTo(seite) && w->isEnabled() &&
               (w->focusPolicy() & Qt::TabFocus);
    };
    QWidget* ziel = nullptr;
    if (p == 1) {
        ziel = optDaten_[optDaten_[0]->isChecked() ? 0 : 1];
    } else if (p == 2) {
        ziel = grdKonten_;
        // Space ticks the current row's account: there is one from the start.
        if (grdKonten_->currentRow() < 0 && grdKonten_->Rows() > 0)
            grdKonten_->setCurrentCell(0, 0);
    } else if (p == 3) {
        for (QRadioButton* option : optPasswort_)
            if (option->isChecked()) ziel = option;
    } else if (p == 4) {
        ziel = txtDatei_[0];
    } else if (p == 6) {
        ziel = lstArchiv_->count() > 0 ? static_cast<QWidget*>(lstArchiv_) : txtDatei_[1];
    }
    // Otherwise the page's first control in the order of Tab.
    for (QWidget* w = nextInFocusChain(); !nimmt(ziel) && w != this; w = w->nextInFocusChain())
        if (nimmt(w)) ziel = w;
    if (!nimmt(ziel))
        ziel = suiButtons_->Button(p == 5 ? QStringLiteral("zurück") : QStringLiteral("weiter"));
    ziel->setFocus(Qt::OtherFocusReason);
}

void FrmArchiv::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return QDialog::keyPressEvent(event);
    event->accept();
    if (bUnloaded_ || bLaeuft_) return;
    QWidget* fokus = focusWidget();
    if (lAktuelleSeite_ == 6) {
        if (auto* knopf = qobject_cast<QPushButton*>(fokus); knopf && isAncestorOf(knopf)) {
            if (knopf->isEnabled()) knopf->click();
        } else {
            suiButtons_ItemClick(QStringLiteral("weiter"));
        }
        return;
    }
    // Page 5's "weiter" is "Starten": an irreversible run never starts on Return.
    if (lAktuelleSeite_ >= 5) return;
    // A text of several lines takes Return as its line break.
    if (qobject_cast<QPlainTextEdit*>(fokus) || qobject_cast<QTextEdit*>(fokus)) return;
    suiButtons_ItemClick(QStringLiteral("weiter"));
}

}  // namespace tolva
