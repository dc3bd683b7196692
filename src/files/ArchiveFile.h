// File steps of an archive run and its backup: a new private copy, flush to disk, rename into
// place, and the second name of an archive that a run replaces.
#pragma once

#include "common/Result.h"

#include <QString>
#include <QStringList>

#include <functional>

#include <sys/types.h>

namespace tolva {

// The mode of a file that holds the user database's rows: the user database's own permission
// bits plus read and write for the owner, so that it is never more readable than the user
// database. 0600 when the user database cannot be looked at.
mode_t PrivateCopyMode(const QString& sDatenbank);

// Creates sZiel as a new file (fails when the name exists, never follows a symbolic link) with
// exactly the mode lModus, whatever the umask, and copies sQuelle into it. Does not flush.
// Messages name sAnzeige instead of sZiel (the user knows the target, not the temporary
// name). On failure sZiel is removed again when this call made it. Stops with
// kCodeAbgebrochen between blocks when a cancellation is requested.
Status CopyToNewFile(const QString& sQuelle, const QString& sZiel, mode_t lModus,
                     const QString& sAnzeige);

// Reads the next block of a source into puffer, at most lMax bytes; 0 at the source's end.
using BlockReader = std::function<Result<qint64>(char* puffer, qint64 lMax)>;

// The same from any source, read block by block through `lesen`.
Status CopyToNewFile(const BlockReader& lesen, const QString& sZiel, mode_t lModus,
                     const QString& sAnzeige);

// Forces the file's contents to the disk. Messages name sAnzeige.
Status FlushFile(const QString& sPfad, const QString& sAnzeige);

// Renames sQuelle to sZiel in one step, replacing whatever entry sZiel names (a symbolic
// link is replaced as a name, never written through). The new name is durable only after
// SyncFolder of sZiel's folder.
Status RenameFile(const QString& sQuelle, const QString& sZiel);

// Gives the file sQuelle the name sZiel only when no entry has that name (fails with the code
// EEXIST then, and sQuelle stays): a hard link and the old name removed, or, where the file
// system has no hard links, a rename after looking (the caller holds the lock on sZiel's
// name). Durable only after SyncFolder.
Status MoveToNewName(const QString& sQuelle, const QString& sZiel);

// Forces the entries of the folder sOrdner (a rename or a new file in it) to the disk.
Status SyncFolder(const QString& sOrdner);

// Gives the existing entry sArchivDatei a second name next to it ("Name (ersetzt).aba", then
// "Name (ersetzt 2).aba", ...; never an existing name) so that a run can replace it and still
// put it back. A hard link where the file system has them, else a flushed copy (a symbolic
// link is kept as a link). Returns the second name. The name ends like the archive, so that an
// archive kept there after a crash is listed and can be viewed. Precondition: the caller holds
// the lock on sArchivDatei's name.
Result<QString> KeepReplacedArchive(const QString& sArchivDatei);

// The absolute path of sPfad with its folder resolved (symbolic links, ".", "..", doubled "/")
// and its last name kept as it stands, so that two spellings of one name compare equal. A
// folder that does not exist yet is resolved as far as it exists.
QString CanonicalName(const QString& sPfad);

// The spellings under which a file may be reached: CanonicalName, and, when it exists and
// differs, the file its links lead to.
QStringList SpellingsOf(const QString& sPfad);

// Removes the file sPfad (an entry that is gone already counts as removed); on failure
// "<sWas> „<sPfad>“: <reason>".
Status RemoveFile(const QString& sPfad, const QString& sWas);

// Whether a directory entry of that name exists, of any kind (a dangling link too).
bool EntryExists(const QString& sPfad);

// A text in the language shown for an errno value, for messages about files.
QString FileErrorText(int errorNumber);

// "<sWas> „<sPfad>“: <reason>", with errno kept as the code.
Status FileFailure(const QString& sWas, const QString& sPfad, int errorNumber);

}  // namespace tolva
