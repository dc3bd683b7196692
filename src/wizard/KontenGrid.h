// KontenGrid: the account grid grdKonten, a table with check boxes in its first column.
#pragma once

#include <QTableWidget>
#include <QVariant>

namespace tolva {

// Cells are addressed by row and column from 0; there are no header rows or columns. Check
// boxes use the grid's values: 1 = ticked, 2 = not ticked (0 = the cell has none). Each row
// carries row data (the account id). AfterEdit reports the row and column of a cell whose
// check box the user changed; changes made through the setters are not reported.
//
// What a cell shows may differ from its text (SetShownText): the text stays the value the
// wizard reads back, the shown text is only painted (muted outside the first column). Rows are one
// line high; the first column is at least its set width and grows to fit the longest shown text, as
// long as the last column keeps room.
class KontenGrid : public QTableWidget {
    Q_OBJECT
  public:
    static constexpr int flexChecked = 1;
    static constexpr int flexUnchecked = 2;

    explicit KontenGrid(QWidget* parent);

    int Rows() const { return rowCount(); }
    void SetRows(int n);
    int Cols() const { return columnCount(); }
    void SetCols(int n);
    // Column 0's width is its least width; the others are fixed.
    void SetColWidth(int lSpalte, double twips);
    // The last column takes the rest of the grid's width.
    void SetExtendLastCol(bool bExtend);

    QString TextMatrix(int r, int c) const;
    void SetTextMatrix(int r, int c, const QString& sText);
    // Paints sShown in place of the cell's text (empty: the text again).
    void SetShownText(int r, int c, const QString& sShown);
    QString ShownText(int r, int c) const;
    QVariant RowData(int r) const;
    void SetRowData(int r, const QVariant& wert);
    int CellChecked(int r, int c) const;
    void SetCellChecked(int r, int c, int lWert);

  signals:
    void AfterEdit(int lZeile, int lSpalte);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    // Space ticks or unticks the current row's account, whichever column has the focus.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QTableWidgetItem* Cell(int r, int c);
    void Refresh(QTableWidgetItem* cell);
    void Measure(QTableWidgetItem* cell);
    void FitFirstColumn();
    int programmatic_ = 0;
    int leastFirstWidth_ = 0;
    int widestFirst_ = 0;
};

}  // namespace tolva
