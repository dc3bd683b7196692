// The search across the live database and the archives of a folder, as a window.
#include "browser/SearchWindow.h"

#include "browser/SearchHitModel.h"
#include "text/DisplayFormat.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace tolva {
namespace {

// The widest that the file and account columns grow by themselves.
constexpr int kSpalteHoechstens = 260;

QString Files(qint64 n) {
    return n == 1 ? QCoreApplication::translate("tolva::SearchWindow", "1 Datei")
                  : QCoreApplication::translate("tolva::SearchWindow", "%1 Dateien")
                        .arg(DisplayCount(n));
}

// What the window searches, as a sentence.
QString Places(const SearchRequest& orte) {
    const QString sDatenbank = QFileInfo(orte.sDatenbank).fileName();
    const QString sOrdner = QDir::toNativeSeparators(orte.sOrdner);
    if (!orte.sDatenbank.isEmpty() && !orte.sOrdner.isEmpty())
        return QCoreApplication::translate("tolva::SearchWindow",
                                           "Durchsucht werden die Umsätze in der Datenbank %1 "
                                           "und allen Archiven im Ordner %2.")
            .arg(sDatenbank, sOrdner);
    if (!orte.sDatenbank.isEmpty())
        return QCoreApplication::translate("tolva::SearchWindow",
                                           "Durchsucht werden die Umsätze in der Datenbank %1.")
            .arg(sDatenbank);
    return QCoreApplication::translate("tolva::SearchWindow",
                                       "Durchsucht werden die Umsätze in allen Archiven im "
                                       "Ordner %1.")
        .arg(sOrdner);
}

}  // namespace

SearchWindow::SearchWindow(SearchRequest orte, QWidget* parent)
    : QDialog(parent), orte_(std::move(orte)) {
    if (orte_.lHoechstens <= 0) orte_.lHoechstens = kHoechstens;
    setObjectName(QStringLiteral("frmSucheUeberall"));
    setWindowTitle(tr("In allen Archiven suchen"));
    resize(900, 560);

    auto* oben = new QHBoxLayout();
    auto* name = new QLabel(tr("&Suchen:"), this);
    txtText_ = new QLineEdit(this);
    txtText_->setObjectName(QStringLiteral("txtSuchtext"));
    txtText_->setPlaceholderText(tr("in Empfänger und Verwendungszweck"));
    txtText_->setClearButtonEnabled(true);
    txtText_->setAccessibleName(tr("Suchen in allen Archiven"));
    name->setBuddy(txtText_);
    cmdSuchen_ = new QPushButton(tr("Suchen"), this);
    cmdSuchen_->setObjectName(QStringLiteral("cmdSuchen"));
    cmdSuchen_->setAutoDefault(false);
    oben->addWidget(name);
    oben->addWidget(txtText_, 1);
    oben->addWidget(cmdSuchen_);

    auto* lblOrte = new QLabel(Places(orte_), this);
    lblOrte->setObjectName(QStringLiteral("lblOrte"));
    lblOrte->setWordWrap(true);

    treffer_ = new SearchHitModel(this);
    tblTreffer_ = new QTableView(this);
    tblTreffer_->setObjectName(QStringLiteral("tblTreffer"));
    tblTreffer_->setAccessibleName(tr("Treffer"));
    tblTreffer_->setModel(treffer_);
    tblTreffer_->setAlternatingRowColors(true);
    tblTreffer_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblTreffer_->setSelectionMode(QAbstractItemView::SingleSelection);
    tblTreffer_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // By pixels, so that a selected row can be kept exactly where it was.
    tblTreffer_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    tblTreffer_->verticalHeader()->hide();
    tblTreffer_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    tblTreffer_->setWordWrap(false);
    QHeaderView* kopf = tblTreffer_->horizontalHeader();
    kopf->setStretchLastSection(true);
    kopf->setHighlightSections(false);
    const QFontMetrics m = fontMetrics();
    kopf->resizeSection(SearchHitModel::kDatei,
                        m.horizontalAdvance(QStringLiteral("archiv-2024-12.aba")) + 16);
    kopf->resizeSection(SearchHitModel::kKonto,
                        m.horizontalAdvance(QStringLiteral("Girokonto Privat 12")) + 16);
    // Room for a date and a six-figure amount with a digit to spare.
    kopf->resizeSection(SearchHitModel::kDatum,
                        m.horizontalAdvance(DisplayDate(QDate(2000, 12, 28)) + u'0') + 16);
    kopf->resizeSection(SearchHitModel::kBetrag, m.horizontalAdvance(DisplayCents(-99999999)) + 16);

    auto* unten = new QHBoxLayout();
    lblStatus_ = new QLabel(this);
    lblStatus_->setObjectName(QStringLiteral("lblStatus"));
    lblStatus_->setWordWrap(true);
    auto* cmdSchliessen = new QPushButton(tr("Schließen"), this);
    cmdSchliessen->setObjectName(QStringLiteral("cmdSchliessen"));
    cmdSchliessen->setAutoDefault(false);
    unten->addWidget(lblStatus_, 1);
    unten->addWidget(cmdSchliessen, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(oben);
    layout->addWidget(lblOrte);
    layout->addWidget(tblTreffer_, 1);
    layout->addLayout(unten);

    pause_ = new QTimer(this);
    pause_->setSingleShot(true);
    pause_->setInterval(400);
    connect(txtText_, &QLineEdit::textChanged, pause_, qOverload<>(&QTimer::start));
    connect(pause_, &QTimer::timeout, this, &SearchWindow::StartSearch);
    connect(txtText_, &QLineEdit::returnPressed, this, &SearchWindow::StartSearch);
    connect(cmdSuchen_, &QPushButton::clicked, this, &SearchWindow::StartSearch);
    connect(cmdSchliessen, &QPushButton::clicked, this, &QDialog::reject);
    UpdateStatus();
}

SearchWindow::~SearchWindow() {
    // The workers end before anything they hand their hits to goes away.
    StopSearch();
}

void SearchWindow::done(int r) {
    StopSearch();
    QDialog::done(r);
}

void SearchWindow::Search(const QString& sText) {
    txtText_->setText(sText);
    StartSearch();
}

bool SearchWindow::Running() const {
    return lauf_ != nullptr;
}

void SearchWindow::StopSearch() {
    ++lLauf_;
    lauf_.reset();
}

void SearchWindow::StartSearch() {
    pause_->stop();
    StopSearch();
    treffer_->Clear();
    uebersprungen_.clear();
    bGekuerzt_ = false;
    lFertig_ = 0;
    SearchRequest auftrag = orte_;
    auftrag.sText = txtText_->text().trimmed();
    // Each worker hands its file's hits to the window's thread; hits of a search that was
    // replaced or cancelled meanwhile are dropped there.
    lauf_ = std::make_unique<SearchRun>(std::move(auftrag), [this, lLauf = lLauf_](FileHits datei) {
        QMetaObject::invokeMethod(
            this,
            [this, lLauf, datei = std::move(datei)]() mutable {
                FileFinished(lLauf, std::move(datei));
            },
            Qt::QueuedConnection);
    });
    lDateien_ = int(lauf_->Files().size());
    if (lDateien_ == 0) lauf_.reset();
    UpdateStatus();
}

void SearchWindow::FileFinished(int lLauf, FileHits datei) {
    if (lLauf != lLauf_) return;
    ++lFertig_;
    if (datei.uebersprungen) uebersprungen_.emplace(datei.lNummer, std::move(*datei.uebersprungen));
    if (!datei.treffer.empty()) {
        InsertKeepingSelection(datei.treffer);
        // File names and account labels as wide as the shown ones need, within reason.
        for (const int lSpalte : {SearchHitModel::kDatei, SearchHitModel::kKonto}) {
            tblTreffer_->resizeColumnToContents(lSpalte);
            tblTreffer_->setColumnWidth(
                lSpalte, std::min(tblTreffer_->columnWidth(lSpalte), kSpalteHoechstens));
        }
    }
    // Every file is reported: the workers are ending or have ended.
    if (lFertig_ == lDateien_) lauf_.reset();
    UpdateStatus();
}

void SearchWindow::InsertKeepingSelection(const std::vector<SearchHit>& treffer) {
    const QModelIndexList gewaehlt = tblTreffer_->selectionModel()->selectedRows();
    const QPersistentModelIndex zeile = gewaehlt.isEmpty() ? QModelIndex() : gewaehlt.first();
    const int yVor = zeile.isValid() ? tblTreffer_->visualRect(zeile).top() : 0;
    if (qint64(treffer.size()) > orte_.lHoechstens) bGekuerzt_ = true;
    if (treffer_->Add(treffer, orte_.lHoechstens)) bGekuerzt_ = true;
    if (!zeile.isValid()) return;
    // The rows above it moved it down; the view follows it by as many pixels.
    tblTreffer_->doItemsLayout();
    QScrollBar* leiste = tblTreffer_->verticalScrollBar();
    leiste->setValue(leiste->value() + tblTreffer_->visualRect(zeile).top() - yVor);
}

void SearchWindow::UpdateStatus() {
    if (FoldForSearch(txtText_->text()).isEmpty()) {
        lblStatus_->setText(
            tr("Geben Sie einen Text ein, der in Empfänger oder "
               "Verwendungszweck vorkommt."));
        lblStatus_->setToolTip(QString());
        return;
    }
    if (Running()) {
        lblStatus_->setText(
            tr("Durchsucht: %1 von %2 …").arg(DisplayCount(lFertig_), Files(lDateien_)));
        return;
    }
    const qint64 lTreffer = treffer_->rowCount();
    const int lDurchsucht = lDateien_ - int(uebersprungen_.size());
    QString sText;
    if (lTreffer == 0)
        sText = tr("Keine Treffer in %1.").arg(Files(lDurchsucht));
    else if (bGekuerzt_)
        sText = tr("%1 Treffer in %2 (nur die neuesten %1 werden gezeigt).")
                    .arg(DisplayCount(lTreffer), Files(lDurchsucht));
    else  // "Treffer" is one and many; the one has an entry of its own for English.
        sText = (lTreffer == 1 ? tr("%1 Treffer in %2.", "exactly one") : tr("%1 Treffer in %2."))
                    .arg(DisplayCount(lTreffer), Files(lDurchsucht));
    QStringList namen, gruende;
    for (const auto& [n, datei] : uebersprungen_) {
        const bool bPasswort = BrowseFile::PasswordNeeded(datei.grund);
        namen << QStringLiteral("%1 (%2)").arg(QFileInfo(datei.sDatei).fileName(),
                                               bPasswort ? tr("mit Passwort") : tr("nicht lesbar"));
        gruende << datei.grund.description;
    }
    if (!namen.isEmpty())
        sText += QLatin1Char('\n') + tr("Übersprungen: %1").arg(namen.join(QStringLiteral(", ")));
    lblStatus_->setText(sText);
    lblStatus_->setToolTip(gruende.join(QLatin1Char('\n')));
}

}  // namespace tolva
