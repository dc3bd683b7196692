// The colours in which the windows show money: what goes out in red, what comes in in green.
#pragma once

#include <QColor>

class QPalette;

namespace tolva {

// A red for negative amounts that reads on the palette's base: a dark red on a light base,
// a light red on a dark one (both about 4.5:1 against the base or better).
QColor NegativeColour(const QPalette& palette);
// The green that goes with it, for money coming in.
QColor PositiveColour(const QPalette& palette);

}  // namespace tolva
