// OLE colour numbers (the host's colour settings) as Qt colours.
#pragma once

#include <QColor>
#include <QString>

namespace tolva {

// 0x00BBGGRR is a plain colour; a number with the top bit set names a system colour by its
// index in the low byte and maps to the application palette (the window background for an
// unknown index).
QColor OleColour(qint64 lFarbe);

// The decimal text of a host colour setting as a number; nothing is changed when the text is
// no whole number.
bool ParseOleColour(const QString& sText, qint64& lFarbe);

}  // namespace tolva
