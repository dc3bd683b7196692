// SaveFile: a whole file written under a user's name in one step, for exports.
#pragma once

#include "common/Result.h"

#include <QString>

#include <functional>

class QIODevice;

namespace tolva {

// Writes the file sZiel through `schreiben`, which fills the device it is given: the bytes go to
// a new file beside sZiel, which is renamed over sZiel only when all of them are written, so the
// name never holds half a file, and an existing file stays as it was when anything fails.
// Failures of the file name sZiel with the reason; a failure of `schreiben` is returned as it is.
Status WriteWholeFile(const QString& sZiel, const std::function<Status(QIODevice&)>& schreiben);

}  // namespace tolva
