// The account grid: cells, row data and check boxes with the grid's values.
#include "wizard/KontenGrid.h"

#include "skin/Twips.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QStyleOptionViewItem>

#include <algorithm>

namespace tolva {
namespace {

constexpr int kRowDataRole = Qt::UserRole + 1;
constexpr int kTextRole = Qt::UserRole + 2;
constexpr int kShownRole = Qt::UserRole + 3;

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
    setTabKeyNavigation(false);  // Tab leaves the grid; the arrow keys move within it
    setShowGrid(false);
    setAlternatingRowColors(true);
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
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
    if (lSpalte == 0) {
        leastFirstWidth_ = ToPixels(this, twips);
        FitFirstColumn();
    } else {
        setColumnWidth(lSpalte, ToPixels(this, twips));
    }
}

void KontenGrid::resizeEvent(QResizeEvent* event) {
    QTableWidget::resizeEvent(event);
    FitFirstColumn();
}

void KontenGrid::FitFirstColumn() {
    if (columnCount() == 0) return;
    int breite = std::max(leastFirstWidth_, widestFirst_);
    // The last column keeps at least a third of the grid; beyond that the names are elided
    // (their tooltip carries them whole).
    if (columnCount() > 1) {
        const int rest = viewport()->width() / 3;
        breite = std::min(breite, std::max(leastFirstWidth_, viewport()->width() - rest));
    }
    setColumnWidth(0, breite);
}

void KontenGrid::Refresh(QTableWidgetItem* cell) {
    const QString sText = cell->data(kTextRole).toString();
    const QString sShown = cell->data(kShownRole).toString();
    cell->setText(sShown.isEmpty() ? sText : sShown);
    cell->setToolTip(cell->text());
    // Shown texts of the later columns are secondary information and read as such; in the
    // first column a muted text would make the check box look disabled.
    if (sShown.isEmpty() || cell->column() == 0)
        cell->setData(Qt::ForegroundRole, QVariant());
    else
        cell->setForeground(palette().color(QPalette::PlaceholderText));
    Measure(cell);
}

void KontenGrid::Measure(QTableWidgetItem* cell) {
    if (cell->column() != 0) return;
    // Widths only grow: cells are filled once, and a column that narrowed as texts change
    // would make the grid jump.
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QSize hint = itemDelegate()->sizeHint(option, indexFromItem(cell));
    widestFirst_ = std::max(widestFirst_, hint.width() + 8);
    FitFirstColumn();
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
    return cell ? cell->data(kTextRole).toString() : QString();
}

void KontenGrid::SetTextMatrix(int r, int c, const QString& sText) {
    Quiet q(programmatic_);
    if (QTableWidgetItem* cell = Cell(r, c)) {
        cell->setData(kTextRole, sText);
        Refresh(cell);
    }
}

QString KontenGrid::ShownText(int r, int c) const {
    const QTableWidgetItem* cell = item(r, c);
    return cell ? cell->text() : QString();
}

void KontenGrid::SetShownText(int r, int c, const QString& sShown) {
    Quiet q(programmatic_);
    if (QTableWidgetItem* cell = Cell(r, c)) {
        cell->setData(kShownRole, sShown);
        Refresh(cell);
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
    const bool bNeu = !(cell->flags() & Qt::ItemIsUserCheckable);
    cell->setFlags(cell->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
    cell->setCheckState(lWert == flexChecked ? Qt::Checked : Qt::Unchecked);
    if (bNeu) Measure(cell);  // the box widens the cell
}

void KontenGrid::keyPressEvent(QKeyEvent* event) {
    QTableWidgetItem* box = currentRow() >= 0 ? item(currentRow(), 0) : nullptr;
    if (event->key() != Qt::Key_Space || !box || !(box->flags() & Qt::ItemIsUserCheckable))
        return QTableWidget::keyPressEvent(event);
    // Reported like a click on the box (AfterEdit).
    box->setCheckState(box->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    event->accept();
}

}  // namespace tolva
