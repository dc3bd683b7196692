// ChartTab: counting the months off the window's thread, and the table of the years.
#include "browser/ChartTab.h"
#include "text/DisplayFormat.h"

#include "browser/ChartWidget.h"
#include "widgets/AmountDelegate.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tolva {

ChartTab::ChartTab(QString sPfad, QWidget* parent) : QWidget(parent), sPfad_(std::move(sPfad)) {
    setObjectName(QStringLiteral("tabVerlauf"));
    diagramm_ = new ChartWidget(this);
    tblJahre_ = new QTableWidget(this);
    tblJahre_->setObjectName(QStringLiteral("tblJahre"));
    tblJahre_->setAccessibleName(tr("Jahre"));
    const QStringList spalten{tr("Jahr"), tr("Anzahl"), tr("Eingänge"), tr("Ausgänge"),
                              tr("Differenz")};
    tblJahre_->setColumnCount(int(spalten.size()));
    tblJahre_->setHorizontalHeaderLabels(spalten);
    tblJahre_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblJahre_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblJahre_->verticalHeader()->hide();
    tblJahre_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    tblJahre_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tblJahre_->setAlternatingRowColors(true);
    tblJahre_->setItemDelegate(new AmountDelegate(tblJahre_));
    // Room for the header and about four years; more scroll.
    tblJahre_->setMaximumHeight(6 * (fontMetrics().height() + 6));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(diagramm_, 1);
    layout->addWidget(tblJahre_);
}

ChartTab::~ChartTab() {
    Stop();
}

void ChartTab::SetFilter(const BookingFilter& filter) {
    filter_ = filter;
    bVeraltet_ = true;
    // Hidden, it counts once it is shown; an older count is of no use any more.
    if (isVisible())
        Start();
    else
        Stop();
}

void ChartTab::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (bVeraltet_) Start();
}

bool ChartTab::Busy() const {
    return bVeraltet_ || arbeiter_.joinable();
}

void ChartTab::Stop() {
    ++lLauf_;
    if (leser_) leser_->Cancel();
    if (arbeiter_.joinable()) arbeiter_.join();
    leser_.reset();
}

void ChartTab::Start() {
    Stop();
    bVeraltet_ = false;
    diagramm_->SetBusy();
    Result<std::unique_ptr<MonthReader>> leser = MonthReader::Open(sPfad_);
    if (!leser.ok()) {
        Arrived(lLauf_, leser.error());
        return;
    }
    leser_ = std::move(leser).value();
    // The worker hands its months to the window's thread; those of a count that was replaced
    // or cancelled meanwhile are dropped there (and never delivered once the tab is gone).
    arbeiter_ = std::thread([this, lLauf = lLauf_, leser = leser_.get(), filter = filter_] {
        Result<std::vector<MonthTotals>> monate = leser->Read(filter);
        QMetaObject::invokeMethod(
            this,
            [this, lLauf, monate = std::move(monate)]() mutable {
                Arrived(lLauf, std::move(monate));
            },
            Qt::QueuedConnection);
    });
}

void ChartTab::Arrived(int lLauf, Result<std::vector<MonthTotals>> monate) {
    if (lLauf != lLauf_) return;
    if (arbeiter_.joinable()) arbeiter_.join();
    leser_.reset();
    if (!monate.ok()) {
        diagramm_->SetMessage(
            tr("Der Verlauf kann nicht berechnet werden: %1").arg(monate.error().description));
        FillYears({});
    } else {
        FillYears(monate.value());
        diagramm_->SetMonths(std::move(monate).value());
    }
    emit Computed();
}

void ChartTab::FillYears(const std::vector<MonthTotals>& monate) {
    const std::vector<YearTotals> jahre = YearsOf(monate);
    tblJahre_->setRowCount(int(jahre.size()));
    for (int r = 0; r < int(jahre.size()); ++r) {
        const YearTotals& j = jahre[size_t(r)];
        const QStringList werte{QString::number(j.lJahr), DisplayCount(j.lAnzahl),
                                DisplayCents(j.lEingangCent), DisplayCents(j.lAusgangCent),
                                DisplayCents(j.DifferenzCent())};
        const qint64 betraege[] = {0, 0, j.lEingangCent, j.lAusgangCent, j.DifferenzCent()};
        for (int c = 0; c < werte.size(); ++c) {
            auto* zelle = new QTableWidgetItem(werte[c]);
            if (c > 0) zelle->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (c > 1) zelle->setData(kCentRolle, betraege[c]);
            tblJahre_->setItem(r, c, zelle);
        }
    }
}

bool ChartTab::WaitUntilDone(int lMs) {
    const QDeadlineTimer frist(lMs);
    while (Busy() && !frist.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return !Busy();
}

}  // namespace tolva
