// SaveFile: a whole file written under a user's name in one step, for exports.
#pragma once

#include "common/Result.h"

#include <QString>

#include <functional>

class QIODevice;

namespace tolva {

// Writes the file sZiel through `schreiben`, which fills the device it is given. As a run writes
// an archive: under the lock on sZiel's name, into a private folder beside it, flushed, then
// renamed over sZiel (an existing file is replaced; whether it may be is the caller's
// question), so the name never holds half a file and an existing file stays as it was when
// anything fails. Every step goes through the FileSystem seam. Failures name sZiel with the
// reason; a failure of `schreiben` is returned as it is.
Status WriteWholeFile(const QString& sZiel, const std::function<Status(QIODevice&)>& schreiben);

}  // namespace tolva
