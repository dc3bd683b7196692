// The archive browser: accounts, bookings, orders, collective orders, search, export.
#include "browser/BrowserWindow.h"
#include "text/DisplayFormat.h"

#include "browse/BrowseExport.h"
#include "browser/BookingModel.h"
#include "browser/ChartTab.h"
#include "browser/DateField.h"
#include "browser/PasswordDialog.h"
#include "browser/RestoreDialog.h"
#include "browser/SealCheck.h"
#include "browser/SearchWindow.h"
#include "browser/StatementActions.h"
#include "hostlib/MessageBox.h"
#include "widgets/AmountDelegate.h"
#include "widgets/FileDialogs.h"
#include "widgets/GuiApplication.h"
#include "widgets/MoneyColours.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace tolva {
namespace {

QTableWidget* NewTable(const QString& sName, const QStringList& spalten, QWidget* parent) {
    auto* t = new QTableWidget(parent);
    t->setObjectName(sName);
    t->setColumnCount(static_cast<int>(spalten.size()));
    t->setHorizontalHeaderLabels(spalten);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setStretchLastSection(true);
    t->setAlternatingRowColors(true);
    return t;
}

// One row of an order table; the amount in column lBetragSpalte is lCent.
void SetRow(QTableWidget* t, int r, const QStringList& werte, int lBetragSpalte, qint64 lCent) {
    for (int c = 0; c < werte.size(); ++c) {
        auto* zelle = new QTableWidgetItem(werte[c]);
        if (c == lBetragSpalte) {
            zelle->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            zelle->setData(kCentRolle, lCent);
        }
        t->setItem(r, c, zelle);
    }
}

}  // namespace

BrowserWindow::BrowserWindow(std::unique_ptr<BrowseFile> datei, RestoreTarget ziel, QWidget* parent)
    : QDialog(parent), datei_(std::move(datei)), ziel_(std::move(ziel)) {
    setObjectName(QStringLiteral("frmBrowser"));
    setWindowTitle(tr("Archiv %1").arg(QFileInfo(datei_->Path()).fileName()));
    resize(980, 620);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(BuildFilterBar());
    layout->addWidget(BuildContent(), 1);
    lblSiegel_ = new QLabel(this);
    lblSiegel_->setObjectName(QStringLiteral("lblSiegel"));
    lblSiegel_->setWordWrap(true);
    lblSiegel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblSiegel_->hide();
    layout->addWidget(lblSiegel_);
    layout->addLayout(BuildButtonBar());
    siegel_ = new SealCheck(this);
    connect(siegel_, &SealCheck::Checked, this, &BrowserWindow::ShowSeal);
    ConnectControls();
}

void BrowserWindow::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (bSiegelBegonnen_ || !datei_->IsArchive()) return;
    bSiegelBegonnen_ = true;
    setWindowTitle(tr("Archiv %1 – Prüfung läuft …").arg(QFileInfo(datei_->Path()).fileName()));
    siegel_->Start(datei_->Path(), ziel_.sPasswort);
}

void BrowserWindow::ShowSeal(const ArchivePruefung& pruefung) {
    QString sZustand;
    QString sZeile;  // the line above the buttons; empty: none
    switch (pruefung.eZustand) {
        case PruefZustand::InOrdnung:
            sZustand = tr("Siegel in Ordnung");
            break;
        case PruefZustand::OhneSiegel:
            sZustand = tr("ohne Siegel");
            break;
        case PruefZustand::Beschaedigt:
            sZustand = tr("beschädigt: %1").arg(ShownCheckText(pruefung));
            sZeile = tr("Das Archiv ist nicht mehr so, wie es geschrieben wurde: %1")
                         .arg(ShownCheckText(pruefung));
            break;
        case PruefZustand::NichtLesbar:
            sZustand = tr("nicht lesbar");
            sZeile = tr("Das Archiv ist nicht vollständig lesbar: %1").arg(pruefung.sGrund);
            break;
        case PruefZustand::NichtGeprueft:
            sZustand = tr("nicht geprüft");
            sZeile = tr("Das Siegel wurde nicht geprüft: %1").arg(pruefung.sGrund);
            break;
    }
    setWindowTitle(tr("Archiv %1 – %2").arg(QFileInfo(datei_->Path()).fileName(), sZustand));
    // The tables that differ, with what the seal expects and what the file holds.
    QStringList details;
    for (const TabellenPruefung& t : pruefung.tabellen)
        if (!t.bGleich)
            details << tr("%1: %2 Zeilen laut Siegel, %3 gelesen")
                           .arg(t.sTabelle, t.lErwartet ? DisplayCount(*t.lErwartet) : tr("keine"),
                                t.lGelesen ? DisplayCount(*t.lGelesen) : tr("keine"));
    QPalette farben = lblSiegel_->palette();
    farben.setColor(QPalette::WindowText, NegativeColour(palette()));
    lblSiegel_->setPalette(farben);
    lblSiegel_->setText(sZeile);
    lblSiegel_->setToolTip(details.join(QLatin1Char('\n')));
    lblSiegel_->setVisible(!sZeile.isEmpty());
}

QHBoxLayout* BrowserWindow::BuildFilterBar() {
    auto* oben = new QHBoxLayout();
    auto* suchName = new QLabel(tr("&Suchen:"), this);
    txtSuche_ = new QLineEdit(this);
    txtSuche_->setObjectName(QStringLiteral("txtSuche"));
    txtSuche_->setPlaceholderText(tr("in Empfänger und Verwendungszweck"));
    txtSuche_->setClearButtonEnabled(true);
    // Wide enough to show what it searches, beside the clear button.
    txtSuche_->setMinimumWidth(
        txtSuche_->fontMetrics().horizontalAdvance(txtSuche_->placeholderText()) + 48);
    txtSuche_->setAccessibleName(tr("Suchen in Empfänger und Verwendungszweck"));
    suchName->setBuddy(txtSuche_);
    cmdUeberall_ = new QPushButton(tr("&In allen Archiven suchen …"), this);
    cmdUeberall_->setObjectName(QStringLiteral("cmdUeberall"));
    cmdUeberall_->setAutoDefault(false);
    cmdUeberall_->setToolTip(
        tr("Sucht den Text in der Datenbank und in allen Archiven des Ordners %1")
            .arg(QDir::toNativeSeparators(QFileInfo(datei_->Path()).absolutePath())));
    oben->addWidget(suchName);
    oben->addWidget(txtSuche_, 1);
    oben->addWidget(cmdUeberall_);
    // Date and amount ranges; an empty field leaves that end open.
    const auto datum = [this](const QString& sName, const QString& sSprache) {
        auto* feld = new DateField(this);
        feld->setObjectName(sName);
        feld->setAccessibleName(sSprache);
        return feld;
    };
    const auto betrag = [this](const QString& sName, const QString& sSprache) {
        auto* feld = new QLineEdit(this);
        feld->setObjectName(sName);
        feld->setAccessibleName(sSprache);
        feld->setPlaceholderText(tr("offen"));
        feld->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("-000.000,00")) + 16);
        return feld;
    };
    dtVon_ = datum(QStringLiteral("dtVon"), tr("Umsätze vom"));
    dtBis_ = datum(QStringLiteral("dtBis"), tr("Umsätze bis"));
    txtBetragVon_ = betrag(QStringLiteral("txtBetragVon"), tr("Betrag ab"));
    txtBetragBis_ = betrag(QStringLiteral("txtBetragBis"), tr("Betrag bis"));
    for (auto [sText, feld] : {std::pair{tr("vom"), static_cast<QWidget*>(dtVon_)},
                               std::pair{tr("bis"), static_cast<QWidget*>(dtBis_)},
                               std::pair{tr("Betrag"), static_cast<QWidget*>(txtBetragVon_)},
                               std::pair{tr("bis"), static_cast<QWidget*>(txtBetragBis_)}}) {
        auto* name = new QLabel(sText, this);
        name->setBuddy(feld);
        oben->addWidget(name);
        oben->addWidget(feld);
    }
    // Tab goes from the search field through the ranges first; the button comes after them.
    setTabOrder(txtBetragBis_, cmdUeberall_);
    return oben;
}

QSplitter* BrowserWindow::BuildContent() {
    auto* teiler = new QSplitter(this);
    trvKonten_ = new QTreeWidget(teiler);
    trvKonten_->setObjectName(QStringLiteral("trvKonten"));
    trvKonten_->setAccessibleName(tr("Konten"));
    trvKonten_->setColumnCount(2);
    trvKonten_->setHeaderLabels({tr("Konto"), tr("Umsätze")});
    trvKonten_->setRootIsDecorated(false);
    trvKonten_->setIndentation(12);
    trvKonten_->setUniformRowHeights(true);
    trvKonten_->header()->setStretchLastSection(false);
    trvKonten_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    trvKonten_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    trvKonten_->headerItem()->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    tabInhalt_ = new QTabWidget(teiler);
    tabInhalt_->setObjectName(QStringLiteral("tabInhalt"));
    tblUmsaetze_ = new QTableView(tabInhalt_);
    tblUmsaetze_->setObjectName(QStringLiteral("tblUmsaetze"));
    tblUmsaetze_->setAccessibleName(tr("Umsätze"));
    tblUmsaetze_->setSortingEnabled(true);
    tblUmsaetze_->setAlternatingRowColors(true);
    tblUmsaetze_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblUmsaetze_->verticalHeader()->hide();
    tblUmsaetze_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    tblUmsaetze_->setWordWrap(false);
    tblUmsaetze_->horizontalHeader()->setStretchLastSection(true);
    tblAuftraege_ =
        NewTable(QStringLiteral("tblAuftraege"),
                 {tr("Datum"), tr("Konto"), tr("Betrag"), tr("Empfänger"), tr("Verwendungszweck")},
                 tabInhalt_);
    tblAuftraege_->setAccessibleName(tr("Gesendete Aufträge"));
    tblSammel_ = NewTable(QStringLiteral("tblSammel"),
                          {tr("Datum"), tr("Ausführung"), tr("Konto"), tr("Einzelaufträge"),
                           tr("Summe"), tr("Bezeichnung")},
                          tabInhalt_);
    tblSammel_->setAccessibleName(tr("Sammelaufträge"));
    for (QTableWidget* t : {tblAuftraege_, tblSammel_}) t->setItemDelegate(new AmountDelegate(t));
    tabInhalt_->addTab(tblUmsaetze_, tr("&Umsätze"));
    tabInhalt_->addTab(tblAuftraege_, tr("&Aufträge"));
    tabInhalt_->addTab(tblSammel_, tr("Sa&mmelaufträge"));
    verlauf_ = new ChartTab(datei_->Path(), tabInhalt_);
    tabInhalt_->addTab(verlauf_, tr("&Verlauf"));
    teiler->addWidget(trvKonten_);
    teiler->addWidget(tabInhalt_);
    teiler->setStretchFactor(1, 1);
    teiler->setSizes({260, 720});
    return teiler;
}

QHBoxLayout* BrowserWindow::BuildButtonBar() {
    auto* unten = new QHBoxLayout();
    lblStatus_ = new QLabel(this);
    lblStatus_->setObjectName(QStringLiteral("lblStatus"));
    cmdExport_ = new QPushButton(tr("Als &CSV speichern …"), this);
    cmdExport_->setObjectName(QStringLiteral("cmdExport"));
    cmdExport_->setAutoDefault(false);
    cmdDrucken_ = new QPushButton(tr("&Drucken …"), this);
    cmdDrucken_->setObjectName(QStringLiteral("cmdDrucken"));
    cmdDrucken_->setAutoDefault(false);
    cmdPdf_ = new QPushButton(tr("Als &PDF speichern …"), this);
    cmdPdf_->setObjectName(QStringLiteral("cmdPdf"));
    cmdPdf_->setAutoDefault(false);
    cmdZurueck_ = new QPushButton(tr("&Zurückholen …"), this);
    cmdZurueck_->setObjectName(QStringLiteral("cmdZurueck"));
    cmdZurueck_->setAutoDefault(false);
    cmdZurueck_->setToolTip(
        tr("Holt die Daten des gewählten Kontos (bei „Alle Konten“: alle Daten) zurück in die "
           "Datenbank %1")
            .arg(ziel_.sDatenbank));
    cmdZurueck_->setVisible(!ziel_.sDatenbank.isEmpty());
    cmdSchliessen_ = new QPushButton(tr("Schließen"), this);
    cmdSchliessen_->setObjectName(QStringLiteral("cmdSchliessen"));
    cmdSchliessen_->setAutoDefault(false);
    unten->addWidget(lblStatus_, 1);
    unten->addWidget(cmdExport_);
    unten->addWidget(cmdPdf_);
    unten->addWidget(cmdDrucken_);
    unten->addWidget(cmdZurueck_);
    unten->addWidget(cmdSchliessen_);
    return unten;
}

void BrowserWindow::ConnectControls() {
    suchPause_ = new QTimer(this);
    suchPause_->setSingleShot(true);
    suchPause_->setInterval(250);
    connect(txtSuche_, &QLineEdit::textChanged, suchPause_, qOverload<>(&QTimer::start));
    connect(txtSuche_, &QLineEdit::returnPressed, this, &BrowserWindow::ApplyFilter);
    connect(suchPause_, &QTimer::timeout, this, &BrowserWindow::ApplyFilter);
    for (DateField* feld : {dtVon_, dtBis_})
        connect(feld, &DateField::DateChanged, suchPause_, qOverload<>(&QTimer::start));
    for (QLineEdit* feld : {txtBetragVon_, txtBetragBis_})
        connect(feld, &QLineEdit::textChanged, suchPause_, qOverload<>(&QTimer::start));
    connect(cmdSchliessen_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdExport_, &QPushButton::clicked, this, &BrowserWindow::Export);
    connect(cmdDrucken_, &QPushButton::clicked, this,
            [this] { PrintStatement(this, *datei_, buchungen_->Filter()); });
    connect(cmdPdf_, &QPushButton::clicked, this, [this] {
        SaveStatementAsPdf(this, *datei_, buchungen_->Filter(), {datei_->Path(), ziel_.sDatenbank});
    });
    connect(cmdZurueck_, &QPushButton::clicked, this, &BrowserWindow::Restore);
    connect(cmdUeberall_, &QPushButton::clicked, this, &BrowserWindow::SearchEverywhereWindow);
    connect(trvKonten_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* zeile) { AccountChosen(zeile); });
}

BrowserWindow::~BrowserWindow() {
    // The chart's count and the seal's check end before the window's parts go.
    verlauf_->Stop();
    siegel_->Stop();
}

void BrowserWindow::ShowChart() {
    tabInhalt_->setCurrentWidget(verlauf_);
}

Result<std::unique_ptr<BrowserWindow>> BrowserWindow::Make(std::unique_ptr<BrowseFile> datei,
                                                           RestoreTarget ziel, QWidget* parent) {
    std::unique_ptr<BrowserWindow> fenster(
        new BrowserWindow(std::move(datei), std::move(ziel), parent));
    if (Status s = fenster->Fill(); !s.ok()) return s.error();
    return fenster;
}

Status BrowserWindow::Fill() {
    Result<std::vector<BrowseAccount>> konten = datei_->Accounts();
    if (!konten.ok()) return konten.status();
    konten_ = std::move(konten).value();
    std::map<qint64, QString> namen;
    qint64 lAlle = 0;
    for (const BrowseAccount& k : konten_) {
        namen[k.lKontoID] = k.sKonto;
        lAlle += k.lBuchungen;
    }
    buchungen_ = new BookingModel(*datei_, namen, this);
    tblUmsaetze_->setModel(buchungen_);
    tblUmsaetze_->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    tblUmsaetze_->horizontalHeader()->resizeSection(BookingModel::kKonto, 130);
    tblUmsaetze_->horizontalHeader()->resizeSection(BookingModel::kEmpfaenger, 160);
    connect(buchungen_, &BookingModel::TotalsChanged, this, &BrowserWindow::UpdateStatus);

    // "Alle Konten", then the accounts under their banks (in the order of their first account).
    auto* alle = new QTreeWidgetItem(trvKonten_, {tr("Alle Konten"), DisplayCount(lAlle)});
    QFont fett = trvKonten_->font();
    fett.setBold(true);
    alle->setFont(0, fett);
    alle->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    std::map<QString, QTreeWidgetItem*> banken;
    for (const BrowseAccount& k : konten_) {
        const QString sBank = k.sBank.isEmpty() ? tr("(ohne Bank)") : k.sBank;
        QTreeWidgetItem*& bank = banken[sBank];
        if (!bank) {
            bank = new QTreeWidgetItem(trvKonten_, {sBank});
            bank->setFont(0, fett);
            bank->setFlags(Qt::ItemIsEnabled);
        }
        auto* zeile = new QTreeWidgetItem(bank, {k.sKonto, DisplayCount(k.lBuchungen)});
        zeile->setData(0, Qt::UserRole, k.lKontoID);
        zeile->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        QString sDetail = k.sKonto + QLatin1Char('\n') + sBank;
        if (k.lBuchungen > 0)
            sDetail += QLatin1Char('\n') +
                       // German says "1 Umsätze" too; the one has an entry of its own for English.
                       (k.lBuchungen == 1 ? tr("%1 Umsätze vom %2 bis %3, Summe %4", "exactly one")
                                          : tr("%1 Umsätze vom %2 bis %3, Summe %4"))
                           .arg(DisplayCount(k.lBuchungen), DisplayDate(k.dErste),
                                DisplayDate(k.dLetzte), DisplayCents(k.lSummeCent));
        for (int c = 0; c < 2; ++c) zeile->setToolTip(c, sDetail);
    }
    trvKonten_->expandAll();
    trvKonten_->setCurrentItem(alle);  // shows every account's rows
    FitAccountTree();
    return Status::Ok();
}

// As wide as the longest account label and the counts need (the English header is wider than
// the German one), within a third of the window; the tabs keep the rest.
void BrowserWindow::FitAccountTree() {
    auto* teiler = qobject_cast<QSplitter*>(trvKonten_->parentWidget());
    if (!teiler) return;
    const QAbstractItemView* baum = trvKonten_;  // where sizeHintForColumn is public
    const int lZahlen =
        std::max(baum->sizeHintForColumn(1), trvKonten_->header()->sectionSizeHint(1));
    const int lBedarf = baum->sizeHintForColumn(0) + lZahlen + 2 * trvKonten_->frameWidth() +
                        trvKonten_->verticalScrollBar()->sizeHint().width();
    const int lLinks = std::clamp(lBedarf, 260, std::max(260, width() / 3));
    teiler->setSizes({lLinks, std::max(1, width() - lLinks)});
}

void BrowserWindow::SetSearchText(const QString& sText) {
    txtSuche_->setText(sText);
    suchPause_->stop();
    ApplyFilter();
}

void BrowserWindow::SelectAccount(std::optional<qint64> lKontoID) {
    if (!lKontoID) {
        trvKonten_->setCurrentItem(trvKonten_->topLevelItem(0));
        return;
    }
    for (QTreeWidgetItemIterator it(trvKonten_); *it; ++it)
        if ((*it)->data(0, Qt::UserRole).isValid() &&
            (*it)->data(0, Qt::UserRole).toLongLong() == *lKontoID)
            trvKonten_->setCurrentItem(*it);
}

void BrowserWindow::AccountChosen(QTreeWidgetItem* zeile) {
    if (!zeile || !(zeile->flags() & Qt::ItemIsSelectable)) return;
    const QVariant id = zeile->data(0, Qt::UserRole);
    lKonto_ = id.isValid() ? std::optional<qint64>(id.toLongLong()) : std::nullopt;
    ApplyFilter();
    FillOrders();
}

void BrowserWindow::SetRanges(const QDate& dVon, const QDate& dBis, const QString& sBetragVon,
                              const QString& sBetragBis) {
    dtVon_->SetDate(dVon);
    dtBis_->SetDate(dBis);
    txtBetragVon_->setText(sBetragVon);
    txtBetragBis_->setText(sBetragBis);
    suchPause_->stop();
    ApplyFilter();
}

void BrowserWindow::ApplyFilter() {
    if (!buchungen_) return;
    // Euros as the language shown writes them; a text that is no amount leaves that end open.
    const auto cent = [](const QLineEdit* feld) -> std::optional<qint64> {
        bool ok = false;
        const double euro = DisplayLocale().toDouble(
            QString(feld->text()).remove(QLatin1Char(' ')).remove(QChar(0x20AC)), &ok);
        return ok ? std::optional<qint64>(qRound64(euro * 100)) : std::nullopt;
    };
    BookingFilter filter = buchungen_->Filter();
    filter.lKontoID = lKonto_;
    filter.sText = txtSuche_->text().trimmed();
    filter.dVon = dtVon_->Date();
    filter.dBis = dtBis_->Date();
    filter.lBetragVonCent = cent(txtBetragVon_);
    filter.lBetragBisCent = cent(txtBetragBis_);
    buchungen_->SetFilter(filter);
    verlauf_->SetFilter(filter);
}

void BrowserWindow::FillOrders() {
    const std::map<qint64, QString>& namen = buchungen_->Konten();
    const auto name = [&](qint64 id) {
        const auto it = namen.find(id);
        return it != namen.end() ? it->second : tr("Konto %1").arg(id);
    };
    tblAuftraege_->setRowCount(0);
    if (Result<std::vector<OrderRow>> auftraege = datei_->Orders(lKonto_); auftraege.ok()) {
        tblAuftraege_->setRowCount(static_cast<int>(auftraege.value().size()));
        int r = 0;
        for (const OrderRow& a : auftraege.value())
            SetRow(tblAuftraege_, r++,
                   {DisplayIsoDate(a.sDatum), name(a.lKontoID), DisplayCents(a.lBetragCent),
                    a.sEmpfaenger, a.sZweck},
                   2, a.lBetragCent);
    }
    tblSammel_->setRowCount(0);
    if (Result<std::vector<CollectiveRow>> sammel = datei_->CollectiveOrders(lKonto_);
        sammel.ok()) {
        tblSammel_->setRowCount(static_cast<int>(sammel.value().size()));
        int r = 0;
        for (const CollectiveRow& s : sammel.value())
            SetRow(tblSammel_, r++,
                   {DisplayIsoDate(s.sDatum), DisplayIsoDate(s.sAusfuehrung), name(s.lKontoID),
                    DisplayCount(s.lPosten), DisplayCents(s.lSummeCent), s.sBezeichnung},
                   4, s.lSummeCent);
    }
    tblAuftraege_->resizeColumnsToContents();
    tblSammel_->resizeColumnsToContents();
}

void BrowserWindow::UpdateStatus() {
    const BookingTotals& summe = buchungen_->Totals();
    if (!buchungen_->Fehler().isEmpty()) {
        lblStatus_->setText(buchungen_->Fehler());
        return;
    }
    lblStatus_->setText((summe.lAnzahl == 1 ? tr("%1 Umsätze, Summe %2", "exactly one")
                                            : tr("%1 Umsätze, Summe %2"))
                            .arg(DisplayCount(summe.lAnzahl), DisplayCents(summe.lSummeCent)));
    for (QPushButton* knopf : {cmdExport_, cmdPdf_, cmdDrucken_})
        knopf->setEnabled(summe.lAnzahl > 0);
    // The Saldo only beside a list in date order: in any other order it would add up nothing
    // that a person reads.
    tblUmsaetze_->setColumnHidden(BookingModel::kSaldo, !buchungen_->ShowsBalance());
    for (const int c : {BookingModel::kDatum, BookingModel::kBetrag, BookingModel::kSaldo})
        tblUmsaetze_->resizeColumnToContents(c);
    // The Saldo grows as the list scrolls: room for six digits before the comma at least.
    const int lSaldoBreite =
        tblUmsaetze_->fontMetrics().horizontalAdvance(DisplayCents(-99999999)) + 16;
    if (tblUmsaetze_->columnWidth(BookingModel::kSaldo) < lSaldoBreite)
        tblUmsaetze_->setColumnWidth(BookingModel::kSaldo, lSaldoBreite);
}

void BrowserWindow::Export() {
    const QFileInfo archiv(datei_->Path());
    const std::optional<QString> gewaehlt = CurrentFileDialogs().ChooseFile(
        this, archiv.absoluteDir().filePath(archiv.completeBaseName() + QStringLiteral(".csv")),
        QStringLiteral(".csv"), archiv.absolutePath());
    if (!gewaehlt) return;
    // The file dialog does not ask before replacing: a database (the shown file, the user
    // database, any archive or backup) is never replaced, any other existing file only after
    // "Ja".
    const QStringList geschuetzt{datei_->Path(), ziel_.sDatenbank};
    if (Status s = CheckExportTarget(*gewaehlt, geschuetzt); !s.ok()) {
        MsgBox(s.description(), vbExclamation, tr("Export"));
        return;
    }
    if (QFileInfo::exists(*gewaehlt) &&
        MsgBox(tr("Die Datei %1 existiert bereits. Soll sie ersetzt werden?").arg(*gewaehlt),
               vbYesNo + vbQuestion + vbDefaultButton2, tr("Export")) != vbYes)
        return;
    if (Status s = ExportBookingsCsv(*datei_, buchungen_->Filter(), *gewaehlt, geschuetzt); !s.ok())
        MsgBox(s.description(), vbExclamation, tr("Export"));
}

void BrowserWindow::Restore() {
    RestoreChoice wahl;
    wahl.sArchiv = datei_->Path();
    wahl.sDatenbank = ziel_.sDatenbank;
    wahl.sPasswort = ziel_.sPasswort;
    // The account shown; "Alle Konten": the whole archive.
    if (lKonto_) wahl.konten = std::vector<qint64>{*lKonto_};
    // The window stays after a restore it showed, until the user closes it.
    auto* fortschritt = new RestoreDialog(this);
    fortschritt->setAttribute(Qt::WA_DeleteOnClose);
    fortschritt->Run(wahl);
    if (!fortschritt->isVisible()) delete fortschritt;
}

void BrowserWindow::SearchEverywhereWindow() {
    if (!suche_) {
        const QFileInfo gezeigt(datei_->Path());
        SearchRequest orte;
        orte.sDatenbank = ziel_.sDatenbank;
        orte.sOrdner = gezeigt.absolutePath();
        // The one password the browser knows; other archives with one are named as skipped.
        if (!ziel_.sPasswort.isEmpty())
            orte.passwoerter[gezeigt.absoluteFilePath()] = ziel_.sPasswort;
        suche_ = new SearchWindow(std::move(orte), this);
        suche_->setAttribute(Qt::WA_DeleteOnClose);
    }
    suche_->show();
    suche_->raise();
    suche_->activateWindow();
    if (!txtSuche_->text().trimmed().isEmpty()) suche_->Search(txtSuche_->text().trimmed());
}

std::optional<QString> AskPasswordInDialog(const QString& sDatei, bool bFalsch) {
    PasswordDialog dialog(sDatei, bFalsch);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Password();
}

Status BrowseArchive(const QString& sPfad, const QString& sPasswort, const QString& sDatenbank,
                     const PasswordPrompt& prompt) {
    const ScopedScreenMessageBoxes boxen;
    QString sVersuch = sPasswort;
    for (;;) {
        Result<std::unique_ptr<BrowseFile>> datei = BrowseFile::Open(sPfad, sVersuch);
        if (datei.ok()) {
            Result<std::unique_ptr<BrowserWindow>> fenster =
                BrowserWindow::Make(std::move(datei).value(), {sDatenbank, sVersuch});
            if (!fenster.ok()) return fenster.status();
            fenster.value()->exec();
            return Status::Ok();
        }
        if (!BrowseFile::PasswordNeeded(datei.error()) || !prompt) return datei.status();
        const std::optional<QString> eingabe =
            prompt(sPfad, IsEngine(datei.error(), kCodePasswortFalsch));
        if (!eingabe) return Status::Ok();
        sVersuch = *eingabe;
    }
}

}  // namespace tolva
