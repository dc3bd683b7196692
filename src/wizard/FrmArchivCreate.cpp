// frmArchiv: the create pages -- account grid, password, summary and default file name.
#include "wizard/FrmArchiv.h"

#include "archive/AccountRows.h"
#include "archive/RunPlan.h"
#include "database/Connection.h"
#include "database/Recordset.h"
#include "hostlib/HostServices.h"
#include "hostlib/HostTools.h"
#include "hostlib/MessageBox.h"
#include "state/SharedState.h"
#include "survey/Survey.h"
#include "text/Cp1252.h"
#include "text/ModCrypt.h"
#include "text/PlainText.h"
#include "wizard/CaptionLabel.h"
#include "wizard/KontenGrid.h"
#include "wizard/PlanView.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

namespace tolva {
namespace {

// The text without leading and trailing blanks (other white space stays).
QString TrimBlanks(const QString& sText) {
    qsizetype anfang = 0;
    qsizetype ende = sText.size();
    while (anfang < ende && sText.at(anfang) == QLatin1Char(' ')) ++anfang;
    while (ende > anfang && sText.at(ende - 1) == QLatin1Char(' ')) --ende;
    return sText.mid(anfang, ende - anfang);
}

}  // namespace

bool FrmArchiv::FillAccountGrid(KontenGrid* grid) {
    SharedState& g = Shared();
    if (!grid || !g.cnDatenbank) return false;
    // Accounts that cannot be read show as none: the load then says there are none.
    const Result<std::vector<AccountRow>> konten = ReadAccounts(*g.cnDatenbank);
    if (!konten.ok()) return false;
    int r = 0;
    for (const AccountRow& k : konten.value()) {
        grid->SetRows(r + 1);
        grid->SetTextMatrix(r, 0, k.sName);
        grid->SetTextMatrix(r, 1, k.sBankID);
        grid->SetRowData(r, k.lKontoID);
        for (int i = 0; i <= r; ++i) grid->SetCellChecked(i, 0, KontenGrid::flexChecked);
        ++r;
    }
    // An account without a name shows its number, two that would look the same add what parts
    // them, and the bank shows by its name. The row's texts (name, bank key) stay what the code
    // reads.
    for (int i = 0; i < r; ++i) {
        const AccountRow& k = konten.value()[static_cast<size_t>(i)];
        if (k.sLabel != k.sName) grid->SetShownText(i, 0, k.sLabel);
        if (!k.sBank.isEmpty()) grid->SetShownText(i, 1, k.sBank);
    }
    return r > 0;
}

void FrmArchiv::grdKonten_AfterEdit(int lZeile, int lSpalte) {
    if (lSpalte != 0) return;
    if (lZeile == 0) {
        // Row 0's box stands for all accounts.
        const int wert = grdKonten_->CellChecked(0, 0);
        for (int i = 1; i < grdKonten_->Rows(); ++i) grdKonten_->SetCellChecked(i, 0, wert);
    } else {
        grdKonten_->SetCellChecked(0, 0, KontenGrid::flexUnchecked);
    }
}

bool FrmArchiv::GetChecked() {
    SharedState& g = Shared();
    g.lAuswahlAnzahl = 0;
    for (int i = 0; i < grdKonten_->Rows(); ++i) {
        if (grdKonten_->CellChecked(i, 0) != KontenGrid::flexChecked) continue;
        ++g.lAuswahlAnzahl;
        g.aKontenAuswahl.resize(static_cast<std::size_t>(g.lAuswahlAnzahl));
        g.aKontenAuswahl[g.lAuswahlAnzahl - 1] = grdKonten_->RowData(i).toString();
    }
    return g.lAuswahlAnzahl != 0;
}

void FrmArchiv::optPasswort_Click(int lIndex) {
    if (lIndex < 0 || lIndex > 2) return;
    Shared().lPasswortModus = lIndex;
    const bool bNeu = lIndex == 2;
    lblPasswort_->setEnabled(bNeu);
    txtPasswort_[0]->setEnabled(bNeu);
    txtPasswort_[1]->setEnabled(bNeu);
}

bool FrmArchiv::CheckPasswordPage() {
    if (!optPasswort_[2]->isChecked()) return true;
    const QString sNeu = txtPasswort_[0]->text();
    const QString sKontrolle = txtPasswort_[1]->text();
    const QString titel = tr("Datenbank Passwort");
    if (TrimBlanks(sNeu).isEmpty() || TrimBlanks(sKontrolle).isEmpty()) {
        Host().ShowMessage(tr("Bitte geben Sie das Passwort ein!"), vbExclamation, titel, true, 0);
        return false;
    }
    if (sNeu != sKontrolle) {
        Host().ShowMessage(tr("Die beide Passwörte stimmen nicht überein!"), vbExclamation, titel,
                           true, 0);
        return false;
    }
    return true;
}

bool FrmArchiv::PrepareSummaryPage() {
    SharedState& g = Shared();
    g.dStichtag = dtVon_->date();
    g.aKontenMitDaten.clear();
    g.aAnzahlDaten.clear();
    g.aInstitute.clear();
    // The survey works on the accounts ticked now.
    g.aKontenAuswahl.clear();
    GetChecked();
    // Paint the page change before the survey; clicks wait until it is done.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    FindAccountsWithData();
    (void)CollectBanks();
    const auto m = static_cast<qint64>(g.aKontenMitDaten.size());
    const auto n = static_cast<qint64>(g.aInstitute.size());
    if (m != 0) {
        lblEx0_->SetCaption(SummaryText(n, m));
        ShowPlan();
        return true;
    }
    Host().ShowMessage(NoDataText(g.dStichtag), vbOKOnly, tr("Daten archivieren"), true, 0);
    return false;
}

void FrmArchiv::ShowPlan() {
    const SharedState& g = Shared();
    PlanDetails details;
    details.dStichtag = g.dStichtag;
    details.sZielDatei = txtDatei_[0]->text();
    details.bEntfernen = g.bEntfernen;
    details.sSicherung = CheckValue(chkSichern_) == 1 ? lblSich_->Caption() : QString();
    const Result<RunPlan> plan =
        MakeRunPlan(PlanSource{*g.cnDatenbank, *g.oTools, g.aUmsaetzeGezaehlt, g.dUmsaetzeGezaehlt},
                    g.aKontenAuswahl, g.dStichtag);
    if (plan.ok())
        picPlan_->Show(plan.value(), details);
    else
        picPlan_->ShowFailure(plan.error().description, details);
    lstFortschritt_->hide();
    picPlan_->show();
}

QString FrmArchiv::GetDatabaseBaseName() const {
    const QString& sDatenbank = Shared().sDatenbank;
    const qsizetype a = sDatenbank.lastIndexOf(QLatin1Char('/')) + 1;  // 1-based, 0 = none
    const qsizetype b = sDatenbank.lastIndexOf(QLatin1Char('.')) + 1;
    const qsizetype laenge = b - a - 1;
    if (laenge < 0) return QStringLiteral("Tolva3");
    return sDatenbank.mid(a, laenge);
}

void FrmArchiv::BuildDefaultFileName() {
    SharedState& g = Shared();
    const QString name = GetDatabaseBaseName();
    const QString datum =
        g.oTools ? g.oTools->FormatDateiDatum(dtVon_->date().toString(QStringLiteral("dd.MM.yyyy")))
                 : QString();
    g.sArchivDatei =
        g.sArchivPfad + name + QStringLiteral("_Archiv_") + datum + QStringLiteral(".aba");
    txtDatei_[0]->setText(g.sArchivDatei);
    txtDatei_[1]->setText(g.sArchivPfad);
}

}  // namespace tolva
