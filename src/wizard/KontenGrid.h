// KontenGrid: the account grid grdKonten, a table with check boxes in its first column.
#pragma once

#include <QTableWidget>
#include <QVariant>

namespace tolva {

// Cells are addressed by row and column from 0; there are no header rows or columns. Check
// boxes use the grid's values: 1 = ticked, 2 = not ticked (0 = the cell has none). Each row
// carries row data (the account id). AfterEdit reports the row and column of a cell whose
// check box the user changed; changes made through the setters are not reported.
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
    void SetColWidth(int lSpalte, double twips);
    // The last column takes the rest of the grid's width.
    void SetExtendLastCol(bool bExtend);

    QString TextMatrix(int r, int c) const;
    void SetTextMatrix(int r, int c, const QString& sText);
    QVariant RowData(int r) const;
    void SetRowData(int r, const QVariant& wert);
    int CellChecked(int r, int c) const;
    void SetCellChecked(int r, int c, int lWert);

  signals:
    void AfterEdit(int lZeile, int lSpalte);

  private:
    QTableWidgetItem* Cell(int r, int c);
    int programmatic_ = 0;
};

}  // namespace tolva
