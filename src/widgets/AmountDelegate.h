// AmountDelegate: draws the amounts of a table's cells in red when they are negative.
#pragma once

#include <QStyledItemDelegate>

namespace tolva {

// The role under which a cell keeps its amount in cents (qint64) for the delegate.
inline constexpr int kCentRolle = Qt::UserRole + 40;

// For item views whose cells carry their amount under kCentRolle: a negative one is drawn in
// NegativeColour of the view's palette as it is when painted, so a theme changed while the
// window is open is followed. Cells without the role are drawn as usual.
class AmountDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

}  // namespace tolva
