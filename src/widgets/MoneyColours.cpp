// Red and green for money that stay readable in a light and in a dark theme.
#include "widgets/MoneyColours.h"

#include <QPalette>

namespace tolva {
namespace {

bool DarkBase(const QPalette& palette) {
    return palette.color(QPalette::Base).lightnessF() < 0.5;
}

}  // namespace

QColor NegativeColour(const QPalette& palette) {
    return DarkBase(palette) ? QColor(0xFF, 0x8A, 0x80) : QColor(0xB3, 0x1B, 0x1B);
}

QColor PositiveColour(const QPalette& palette) {
    return DarkBase(palette) ? QColor(0x7C, 0xD9, 0x8B) : QColor(0x1B, 0x7A, 0x33);
}

}  // namespace tolva
