// CreatePath: creates every missing level of a folder path, one mkdir per level.
#pragma once

#include "common/Result.h"

#include <QString>
#include <QStringList>

namespace tolva {

// Walks "/a/b/c/" from the root down and calls mkdir for "/a", "/a/b", "/a/b/c"; an empty
// name (a trailing or doubled "/") ends the walk. A level that exists or cannot be made does
// not stop the walk; the caller checks the result itself. Fails only for a path that does
// not start at the root "/". When aAngelegt is given, the levels that this call made are
// appended to it, outermost first.
Status CreatePath(const QString& sPfad, QStringList* aAngelegt = nullptr);

}  // namespace tolva
