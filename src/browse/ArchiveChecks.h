// ArchiveChecks: many archives checked against their seals at once, one per worker thread.
#pragma once

#include "browse/ArchiveCheck.h"

#include <QStringList>

#include <vector>

namespace tolva {

// CheckArchive for every file of dateien, trying sPasswort (may be empty) on those with a
// password, on SearchThreads(lThreads, size) workers (0: one per core), the largest file
// first. The results come in the order of dateien and do not depend on lThreads. Every
// worker has ended when it returns. Never writes.
std::vector<ArchivePruefung> CheckArchives(const QStringList& dateien, const QString& sPasswort,
                                           int lThreads = 0);

}  // namespace tolva
