// File steps of an archive run: template copy, flush to disk, atomic replacement.
#pragma once

#include "common/Result.h"

#include <QString>

namespace tolva {

// The name under which an archive is written until it is complete: next to the target, so
// that the final rename stays on one file system. Never matches "*.aba".
QString TemporaryArchivePath(const QString& sArchivDatei);

// Gives the existing archive sArchivDatei a second name next to it ("Name (ersetzt).aba", then
// "Name (ersetzt 2).aba", ...; never an existing file) so that a run can replace it and still
// put it back. A hard link where the file system has them, else a copy. Returns the second
// name. The name ends like the archive, so that an archive kept there after a crash is listed
// and can be viewed.
Result<QString> KeepReplacedArchive(const QString& sArchivDatei);

// Copies sQuelle to sZiel, replacing sZiel. German description of the first failure (a
// missing template, a folder that cannot be written, a full disk).
Status CopyFileReplacing(const QString& sQuelle, const QString& sZiel);

// Forces the file's contents to the disk.
Status FlushFile(const QString& sPfad);

// Renames sQuelle over sZiel in one step and forces the folder entry to the disk.
Status ReplaceFile(const QString& sQuelle, const QString& sZiel);

// A German text for an errno value, for messages about files.
QString FileErrorText(int errorNumber);

}  // namespace tolva
