// Folders: a folder and the missing folders above it, through the FileSystem seam.
#pragma once

#include "common/Result.h"

#include <QString>

namespace tolva {

// Makes the folder sPfad and every missing folder above it (mode 0777 less the umask); an
// existing folder is fine. Fails, naming the folder and the reason, when sPfad is no folder
// afterwards.
Status MakeFolders(const QString& sPfad);

}  // namespace tolva
