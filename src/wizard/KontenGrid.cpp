// The account grid: cells, row data and check boxes with the grid's values.
#include "wizard/KontenGrid.h"

#include "skin/Twips.h"

#include <QHeaderView>

namespace tolva {
namespace {

constexpr int kRowDataRole = Qt::UserRole + 1;

// Counts programmatic changes so that only the user's edits are reported.
struct Quiet {
    explicit Quiet(int& counter) : counter_(counter) { ++counter_; }
    ~Quiet() { --counter_; }
    int& counter_;
};

}  // namespace

KontenGrid::KontenGrid(QWidget* parent) : QTableWidget(parent) {
    setObjectName(QStringLiteral("grdKonten"));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusPolicy(Qt::StrongFocus);
    setShowGrid(false);
    setAlternatingRowColors(true);
    // Names longer than the first column wrap onto a second line instead of being cut.
    setWordWrap(true);
    setTextElideMode(Qt::ElideNone);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(this, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (programmatic_ == 0 && item && (item->flags() & Qt::ItemIsUserCheckable))
            emit AfterEdit(item->row(), item->column());
    });
}

void KontenGrid::SetRows(int n) {
    Quiet q(programmatic_);
    setRowCount(std::max(0, n));
}

void KontenGrid::SetCols(int n) {
    Quiet q(programmatic_);
    setColumnCount(std::max(0, n));
}

void KontenGrid::SetColWidth(int lSpalte, double twips) {
    setColumnWidth(lSpalte, ToPixels(this, twips));
}

void KontenGrid::SetExtendLastCol(bool bExtend) {
    horizontalHeader()->setStretchLastSection(bExtend);
}

QTableWidgetItem* KontenGrid::Cell(int r, int c) {
    if (r < 0 || c < 0 || r >= rowCount() || c >= columnCount()) return nullptr;
    QTableWidgetItem* cell = item(r, c);
    if (!cell) {
        cell = new QTableWidgetItem();
        cell->setFlags(Qt::ItemIsEnabled);
        setItem(r, c, cell);
    }
    return cell;
}

QString KontenGrid::TextMatrix(int r, int c) const {
    const QTableWidgetItem* cell = item(r, c);
    return cell ? cell->text() : QString();
}

void KontenGrid::SetTextMatrix(int r, int c, const QString& sText) {
    Quiet q(programmatic_);
    if (QTableWidgetItem* cell = Cell(r, c)) {
        cell->setText(sText);
        cell->setToolTip(sText);
        resizeRowToContents(r);
    }
}

QVariant KontenGrid::RowData(int r) const {
    const QTableWidgetItem* cell = item(r, 0);
    return cell ? cell->data(kRowDataRole) : QVariant();
}

void KontenGrid::SetRowData(int r, const QVariant& wert) {
    Quiet q(programmatic_);
    if (QTableWidgetItem* cell = Cell(r, 0)) cell->setData(kRowDataRole, wert);
}

int KontenGrid::CellChecked(int r, int c) const {
    const QTableWidgetItem* cell = item(r, c);
    if (!cell || !(cell->flags() & Qt::ItemIsUserCheckable)) return 0;
    return cell->checkState() == Qt::Checked ? flexChecked : flexUnchecked;
}

void KontenGrid::SetCellChecked(int r, int c, int lWert) {
    Quiet q(programmatic_);
    QTableWidgetItem* cell = Cell(r, c);
    if (!cell) return;
    cell->setFlags(cell->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
    cell->setCheckState(lWert == flexChecked ? Qt::Checked : Qt::Unchecked);
}

}  // namespace tolva
