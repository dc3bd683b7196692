// A SQLite file layer for tests that forwards every call to the previous default layer and
// fails the n-th call of a chosen kind on a chosen file. SQLCipher encrypts above this layer,
// so it sees the ordinary page reads and writes of keyed files.
#pragma once

#include <sqlite3.h>

#include <QString>

namespace tolva::test {

// Which file a call went to. Files of no kind below are passed through and never counted.
enum class VfsFile {
    UserDatabase,  // the user's database, opened as main database or ATTACHed
    UserJournal,   // its rollback journal or WAL ("<database>-journal", "<database>-wal")
    Archive,       // any file named "archiv", and its "-journal" or "-wal"
    NamedArchive,  // any file "*.aba": an archive under its name, as a run proves and a
                   // restore reads it
};

// Which call: Read = xRead, Write = xWrite, Sync = xSync, Truncate = xTruncate, Lock = xLock
// (every xLock call, also one that only confirms a lock already held).
enum class VfsStep { Read, Write, Sync, Truncate, Lock };

struct VfsFault {
    VfsFile datei;
    VfsStep schritt;
    int n = 1;  // the n-th matching call after Arm fails (1-based)
    int rc =
        SQLITE_IOERR_WRITE;  // returned instead, e.g. SQLITE_IOERR_FSYNC, SQLITE_FULL, SQLITE_BUSY
};

// Registers the failing layer as SQLite's default for the lifetime of the guard; the destructor
// makes the previous default the default again and unregisters the failing layer. Connections
// opened while the guard lives use the failing layer; files they still hold after the guard
// ends keep working and are passed through uncounted.
//
// Each file is classified when SQLite opens it, by path: the user database by its canonical
// path (symlinks and "." or ".." in the folder resolved), its journal and WAL by the same path
// plus "-journal" or "-wal", the archive by its file name alone. Temporary files (opened
// without a name) and all other files are passed through uncounted.
//
// A failing call returns the fault's rc without calling the real method, so it changes nothing
// on disk by itself. The fault fires once; later calls pass through again.
//
// Precondition: single-threaded use, and only one guard alive at a time (the process aborts
// otherwise).
class ScopedFailingVfs {
  public:
    explicit ScopedFailingVfs(const QString& sUserDatabase);
    ~ScopedFailingVfs();
    ScopedFailingVfs(const ScopedFailingVfs&) = delete;
    ScopedFailingVfs& operator=(const ScopedFailingVfs&) = delete;

    // Sets the counters to zero and arms the fault; Fired() is false until it fires.
    void Arm(const VfsFault& fault);
    // Sets the counters to zero and removes the armed fault; counting goes on. Fired() keeps
    // telling whether the fault armed last fired.
    void Disarm();
    // Whether the fault armed last has fired since Arm.
    bool Fired() const;
    // Matching calls seen since the last Arm or Disarm (or since construction), the failed
    // call included.
    int Count(VfsFile file, VfsStep step) const;
};

}  // namespace tolva::test
