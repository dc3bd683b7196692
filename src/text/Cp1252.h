// Windows-1252, the 8-bit code page of scrambled texts, converted without loss.
#pragma once

#include <QByteArray>
#include <QString>

namespace tolva {

// Every byte maps to one character and back; the five bytes that Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control characters of the same code.
QString FromCp1252(const QByteArray& bytes);
// Characters outside the code page become "?".
QByteArray ToCp1252(const QString& text);
// The code of a character in the code page, or -1 when the page has no such character.
int Cp1252Code(QChar c);

}  // namespace tolva
