// Negative amounts in red, in the palette of the moment.
#include "widgets/AmountDelegate.h"

#include "widgets/MoneyColours.h"

namespace tolva {

void AmountDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    const QVariant cent = index.data(kCentRolle);
    if (cent.isValid() && cent.toLongLong() < 0)
        option->palette.setColor(QPalette::Text, NegativeColour(option->palette));
}

}  // namespace tolva
