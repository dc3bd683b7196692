// PlainText: an unscrambled text as people see it, without its code-0 padding.
#pragma once

#include <QString>

namespace tolva {

// The text up to its first character of code 0 (the padding that scrambling adds).
inline QString PlainText(const QString& sText) {
    const qsizetype ende = sText.indexOf(QChar(0));
    return ende < 0 ? sText : sText.left(ende);
}

}  // namespace tolva
