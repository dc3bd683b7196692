// FirstLine: the first line of a short text that the user names, such as a password file or
// standard input, read through the FileSystem seam.
#pragma once

#include "common/Result.h"

#include <QByteArray>
#include <QString>

namespace tolva {

// The longest first line either reader gives; a longer one is refused.
inline constexpr qsizetype kErsteZeileHoechstens = 1024;

// Reads sPfad up to its first line end ("\n" or "\r\n", which is not part of the line) or its
// end. A pipe is read and waited on, since the user named it. Fails with a message in the language
// shown naming sPfad and the reason when it cannot be opened or read, and when the line is longer
// than kErsteZeileHoechstens bytes. Never writes.
Result<QByteArray> ReadFirstLine(const QString& sPfad);

// The same from the open descriptor fd (not closed), read a byte at a time so that nothing
// after the line is taken from it; sAnzeige names it in a message after "aus" ("der
// Standardeingabe").
Result<QByteArray> ReadFirstLineOf(int fd, const QString& sAnzeige);

}  // namespace tolva
