// The restore's progress window and the boxes of its outcome.
#include "browser/RestoreDialog.h"

#include "browse/BrowseFile.h"
#include "browser/AccountMappingDialog.h"
#include "hostlib/HostServices.h"
#include "hostlib/MessageBox.h"
#include "widgets/OleColour.h"

#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace tolva {
namespace {

QString Title() {
    return QCoreApplication::translate("tolva::RestoreDialog", "Archiv zurückholen");
}

// Paints what came so far, keeping clicks and keys for later, as the wizard's run does.
void PaintNow(QWidget* w) {
    w->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace

RestoreDialog::RestoreDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmZurueckholen"));
    setWindowTitle(Title());
    setWindowModality(Qt::ApplicationModal);
    resize(620, 340);

    auto* layout = new QVBoxLayout(this);
    lblZiel_ = new QLabel(this);
    lblZiel_->setObjectName(QStringLiteral("lblZiel"));
    lblZiel_->setWordWrap(true);
    layout->addWidget(lblZiel_);
    prgFortschritt_ = new QProgressBar(this);
    prgFortschritt_->setObjectName(QStringLiteral("prgFortschritt"));
    prgFortschritt_->setAccessibleName(tr("Fortschritt in Prozent"));
    prgFortschritt_->setRange(0, 100);
    prgFortschritt_->setTextVisible(false);
    layout->addWidget(prgFortschritt_);
    lstFortschritt_ = new QListWidget(this);
    lstFortschritt_->setObjectName(QStringLiteral("lstFortschritt"));
    lstFortschritt_->setAccessibleName(tr("Fortschritt"));
    lstFortschritt_->setSelectionMode(QAbstractItemView::NoSelection);
    lstFortschritt_->setFocusPolicy(Qt::NoFocus);
    // A long line (the backup's path) wraps instead of hiding its end behind a scroll bar.
    lstFortschritt_->setWordWrap(true);
    lstFortschritt_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(lstFortschritt_, 1);
    auto* unten = new QHBoxLayout();
    cmdSchliessen_ = new QPushButton(tr("Schließen"), this);
    cmdSchliessen_->setObjectName(QStringLiteral("cmdSchliessen"));
    unten->addStretch(1);
    unten->addWidget(cmdSchliessen_);
    layout->addLayout(unten);
    connect(cmdSchliessen_, &QPushButton::clicked, this, &QDialog::accept);
    ApplyColours();
}

void RestoreDialog::ApplyColours() {
    // The bar in the host's progress colour on a frame a shade off the window, like the run's.
    const QColor hintergrund = palette().color(QPalette::Window);
    qint64 lFarbe = 0;
    const QColor balken = ParseOleColour(Host().GetSetting(kSettingFortschrittFarbe), lFarbe)
                              ? OleColour(lFarbe)
                              : palette().color(QPalette::Highlight);
    prgFortschritt_->setFixedHeight(fontMetrics().height() + 4);
    prgFortschritt_->setStyleSheet(
        QStringLiteral("QProgressBar { background: %1; border: 1px solid %2; } "
                       "QProgressBar::chunk { background: %3; }")
            .arg(hintergrund.lighter(103).name(), hintergrund.darker(125).name(), balken.name()));
}

void RestoreDialog::reject() {
    if (bLaeuft_) return;  // a restore cannot be left halfway
    QDialog::reject();
}

void RestoreDialog::SetRunning(bool bLaeuft) {
    if (bLaeuft == bLaeuft_) return;
    bLaeuft_ = bLaeuft;
    cmdSchliessen_->setEnabled(!bLaeuft);
    if (bLaeuft) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
        cmdSchliessen_->setDefault(true);
        cmdSchliessen_->setFocus();
    }
}

void RestoreDialog::AddLine(const QString& sZeile) {
    // The window comes with the first line: the engine's question is answered by then.
    if (!isVisible()) show();
    SetRunning(true);
    lstFortschritt_->addItem(sZeile);
    lstFortschritt_->scrollToBottom();
    PaintNow(lstFortschritt_);
}

void RestoreDialog::SetPercent(int lProzent) {
    if (!isVisible()) return;
    prgFortschritt_->setValue(lProzent);
    PaintNow(prgFortschritt_);
}

bool RestoreDialog::Run(RestoreChoice wahl) {
    lblZiel_->setText(
        tr("Aus dem Archiv „%1“ in die Datenbank „%2“")
            .arg(QFileInfo(wahl.sArchiv).fileName(), QFileInfo(wahl.sDatenbank).fileName()));
    lblZiel_->setToolTip(wahl.sArchiv + QLatin1Char('\n') + wahl.sDatenbank);
    RestoreProgress fortschritt;
    fortschritt.onLine = [this](const QString& sZeile) { AddLine(sZeile); };
    fortschritt.onPercent = [this](int lProzent) { SetPercent(lProzent); };

    Result<RestoreReport> bericht = StartRestore(wahl, fortschritt);
    SetRunning(false);
    // A refusal that the user can lift comes before the backup and before anything is
    // written: the restore then starts again, asking its question anew.
    for (int lVersuch = 0; lVersuch < 4 && !bericht.ok(); ++lVersuch) {
        if (IsEngine(bericht.error(), kCodeKonflikt) && !wahl.bNeueIds) {
            // The question carries the engine's message; "Nein" leaves it at that.
            if (Host().ShowMessage(
                    bericht.error().description + QStringLiteral("\r\n\r\n") +
                        tr("Sollen diese Einträge unter neuen Nummern zurückgeholt werden, neben "
                           "den Einträgen, die ihre Nummern jetzt tragen?"),
                    vbYesNo + vbQuestion + vbDefaultButton2, Title(), true, 0) != vbYes)
                return false;
            wahl.bNeueIds = true;
        } else if (IsEngine(bericht.error(), kCodeKontoFehlt)) {
            const Result<std::vector<MissingAccount>> fehlend = FindMissingAccounts(wahl);
            if (!fehlend.ok() || fehlend.value().empty()) break;  // items without an order
            std::map<qint64, QString> lebend;
            if (Result<std::unique_ptr<BrowseFile>> db =
                    BrowseFile::Open(wahl.sDatenbank, QString(), false);
                db.ok())
                if (Result<std::map<qint64, QString>> l = db.value()->AccountLabels(); l.ok())
                    lebend = l.value();
            AccountMappingDialog zuordnen(fehlend.value(), lebend, this);
            if (zuordnen.exec() != QDialog::Accepted) return false;
            for (const auto& [alt, ziel] : zuordnen.Zuordnung()) wahl.zuordnung[alt] = ziel;
        } else {
            break;
        }
        prgFortschritt_->setValue(0);
        bericht = StartRestore(wahl, fortschritt);
        SetRunning(false);
    }
    if (bericht.ok()) {
        prgFortschritt_->setValue(prgFortschritt_->maximum());
        Host().ShowMessage(tr("Die Daten wurden erfolgreich zurückgeholt."), vbOKOnly,
                           tr("Zurückholen beendet"), true, 0);
        return true;
    }
    if (!IsEngine(bericht.error(), kCodeNichtGewollt))
        Host().ShowMessage(bericht.error().description, vbCritical, Title(), true, 0);
    return false;
}

}  // namespace tolva
