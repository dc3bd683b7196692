// The overview of the plan on the summary page.
#include "wizard/PlanView.h"

#include "text/DisplayFormat.h"
#include "wizard/CaptionLabel.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <map>

namespace tolva {
namespace {

// The counts of a row: bookings, extras, open bookings, orders, collective orders (items).
void FillCounts(QTreeWidgetItem* zeile, const PlanKonto& k) {
    const qint64 werte[] = {k.lUmsaetze, k.lZusaetze, k.lOffene, k.lAuftraege};
    for (int i = 0; i < 4; ++i) zeile->setText(i + 1, DisplayCount(werte[i]));
    zeile->setText(5,
                   QStringLiteral("%1 (%2)").arg(DisplayCount(k.lSammel), DisplayCount(k.lEinzel)));
    for (int i = 1; i <= 5; ++i) zeile->setTextAlignment(i, Qt::AlignRight | Qt::AlignVCenter);
}

}  // namespace

PlanView::PlanView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picPlan"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);

    trePlan_ = new QTreeWidget(this);
    trePlan_->setObjectName(QStringLiteral("trePlan"));
    trePlan_->setAccessibleName(tr("Übersicht: was archiviert wird"));
    trePlan_->setColumnCount(6);
    trePlan_->setHeaderLabels({tr("Bank und Konto"), tr("Umsätze"), tr("Zusätze"), tr("Offene"),
                               tr("Aufträge"), tr("Sammel")});
    trePlan_->headerItem()->setToolTip(2, tr("Umsatz-Zusätze"));
    trePlan_->headerItem()->setToolTip(3, tr("Offene Umsätze"));
    trePlan_->headerItem()->setToolTip(4, tr("Gesendete Aufträge"));
    trePlan_->headerItem()->setToolTip(5, tr("Sammelaufträge (in Klammern ihre Einzelaufträge)"));
    trePlan_->setRootIsDecorated(false);
    trePlan_->setItemsExpandable(false);
    trePlan_->setSelectionMode(QAbstractItemView::NoSelection);
    trePlan_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    trePlan_->setUniformRowHeights(true);
    trePlan_->setIndentation(10);
    trePlan_->header()->setStretchLastSection(false);
    trePlan_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int i = 1; i <= 5; ++i) {
        trePlan_->header()->setSectionResizeMode(i, QHeaderView::ResizeToContents);
        trePlan_->headerItem()->setTextAlignment(i, Qt::AlignRight | Qt::AlignVCenter);
    }
    layout->addWidget(trePlan_, 1);

    lblFehler_ = new QLabel(this);
    lblFehler_->setObjectName(QStringLiteral("lblPlanFehler"));
    lblFehler_->setWordWrap(true);
    lblFehler_->hide();
    layout->addWidget(lblFehler_);

    auto* details = new QGridLayout();
    details->setHorizontalSpacing(12);
    details->setVerticalSpacing(2);
    const QString namen[] = {tr("Stichtag:"), tr("Archivdatei:"), tr("Entfernen:"),
                             tr("Sicherung:")};
    CaptionLabel** felder[] = {&lblStichtag_, &lblZiel_, &lblEntfernen_, &lblSicherung_};
    const char* objekte[] = {"lblPlanStichtag", "lblPlanZiel", "lblPlanEntfernen",
                             "lblPlanSicherung"};
    for (int i = 0; i < 4; ++i) {
        auto* name = new QLabel(namen[i], this);
        name->setProperty("tolvaRolle", QStringLiteral("leise"));
        *felder[i] =
            new CaptionLabel(QString::fromLatin1(objekte[i]), QString(), this, i == 1 || i == 3);
        details->addWidget(name, i, 0, Qt::AlignTop);
        details->addWidget(*felder[i], i, 1);
    }
    details->setColumnStretch(1, 1);
    layout->addLayout(details);
}

void PlanView::Show(const RunPlan& plan, const PlanDetails& details) {
    trePlan_->clear();
    lblFehler_->hide();
    trePlan_->show();
    // Accounts under their banks, banks in the order their first account comes.
    std::vector<QString> banken;
    std::map<QString, QTreeWidgetItem*> bankZeilen;
    QFont fett = trePlan_->font();
    fett.setBold(true);
    for (const PlanKonto& k : plan.aKonten) {
        const QString sBank = k.sBank.isEmpty() ? tr("(ohne Bank)") : k.sBank;
        QTreeWidgetItem*& bank = bankZeilen[sBank];
        if (!bank) {
            bank = new QTreeWidgetItem(trePlan_, {sBank});
            bank->setFont(0, fett);
            bank->setFirstColumnSpanned(true);
        }
        auto* zeile = new QTreeWidgetItem(bank, {k.sKonto});
        zeile->setToolTip(0, k.sKonto);
        FillCounts(zeile, k);
    }
    auto* summe = new QTreeWidgetItem(trePlan_, {tr("Zusammen")});
    FillCounts(summe, plan.summe);
    for (int i = 0; i <= 5; ++i) summe->setFont(i, fett);
    trePlan_->expandAll();
    ShowDetails(details);
}

void PlanView::ShowFailure(const QString& sBeschreibung, const PlanDetails& details) {
    trePlan_->clear();
    trePlan_->hide();
    lblFehler_->setText(tr("Die Übersicht kann nicht gezählt werden: %1").arg(sBeschreibung));
    lblFehler_->show();
    ShowDetails(details);
}

void PlanView::ShowDetails(const PlanDetails& details) {
    lblStichtag_->SetCaption(tr("alle Daten vor dem %1").arg(DisplayDate(details.dStichtag)));
    lblZiel_->SetCaption(details.sZielDatei);
    lblEntfernen_->SetCaption(
        details.bEntfernen ? tr("ja – die archivierten Daten werden aus der Datenbank gelöscht")
                           : tr("nein – die Datenbank bleibt, wie sie ist"));
    lblSicherung_->SetCaption(details.sSicherung.isEmpty() ? tr("keine – ohne Datensicherung")
                                                           : details.sSicherung);
}

}  // namespace tolva
