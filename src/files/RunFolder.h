// The run's own corner of a folder: a lock on one name in it, held for the whole run, and a
// private folder beside that name in which the run makes its files before they take their
// final names. No other run can share, swap or truncate a file in it.
#pragma once

#include "common/Result.h"

#include <QString>

namespace tolva {

// The code of the failure when another run holds the name.
inline constexpr int kCodeNameGesperrt = -3;

// An exclusive lock on one file name, held by this process until Release. The lock is a flock
// on the lock file ".tolva-<key>.lock" beside the name (key: 16 hex digits of the name's
// hash), so it survives SQLite closing its own descriptors, and a run that dies loses it.
// Not copyable; movable.
class NameLock {
  public:
    NameLock() = default;
    NameLock(NameLock&& other) noexcept;
    NameLock& operator=(NameLock&& other) noexcept;
    NameLock(const NameLock&) = delete;
    NameLock& operator=(const NameLock&) = delete;
    ~NameLock() { (void)Release(); }  // a lock file left here is reused by a later run

    // Locks the name sPfad (existing or not) against every other run. Fails at once with
    // kCodeNameGesperrt and a message naming sPfad when another run holds it; with the reason
    // when the folder cannot be written or its file system has no locks. Precondition: the
    // folder of sPfad exists.
    static Result<NameLock> Acquire(const QString& sPfad);

    bool Held() const { return fd_ >= 0; }
    // The folder of the name, canonical (no trailing "/"), and the name's key.
    const QString& Folder() const { return sOrdner_; }
    const QString& Key() const { return sKey_; }

    // Removes the lock file (while still holding it, so no other run can be misled) and
    // releases the lock. Safe when nothing is held. A lock file that cannot be removed is
    // reported (naming its folder) and stays; the lock is released all the same.
    Status Release();

  private:
    static Result<NameLock> AcquireKey(const QString& sOrdner, const QString& sKey,
                                       const QString& sAnzeige);

    int fd_ = -1;
    QString sOrdner_;
    QString sKey_;

    friend Status RemoveStaleRunFolders(const QString& sOrdner, const QString& sEigenerKey);
};

// Where NameLock::Acquire(sPfad) puts its lock file, also when the folder does not exist yet.
QString LockFileOf(const QString& sPfad);

// A private folder of this run (mode 0700, made by mkdtemp) beside a locked name. Its files are
// made and written here and renamed out when complete. Destroying it removes what is left in
// it and then releases the lock. Not copyable; movable.
class RunFolder {
  public:
    RunFolder() = default;
    RunFolder(RunFolder&&) noexcept = default;
    RunFolder& operator=(RunFolder&&) noexcept;
    RunFolder(const RunFolder&) = delete;
    RunFolder& operator=(const RunFolder&) = delete;
    ~RunFolder() { (void)Remove(); }  // a failed removal leaves the folder to a later run

    // Makes the private folder beside the name that `lock` holds; takes over the lock.
    static Result<RunFolder> Create(NameLock lock);

    // The path of the run's file sName inside the folder. sName is one of kArchivDatei,
    // kSicherungsDatei and kExportDatei; only those (and SQLite's files beside them) are ever
    // removed again.
    QString PathOf(const char* sName) const;
    // The locked name's folder (the folder the files are renamed into).
    const QString& TargetFolder() const { return lock_.Folder(); }

    // Removes the run's files and the private folder, then releases the lock. Returns the first
    // failure to remove, naming the user's folder, never the run's own names; an unknown entry
    // in the folder is left, and so is the folder then.
    Status Remove();

    static constexpr const char* kArchivDatei = "archiv";
    static constexpr const char* kSicherungsDatei = "sicherung";
    static constexpr const char* kExportDatei = "export";

  private:
    NameLock lock_;
    QString sPfad_;  // the private folder; empty when there is none
};

// Removes the private folders and lock files that earlier runs and restores left in the folder
// of `eigene` (one that was killed): those of the name `eigene` holds, and those of other names
// whose lock no live run holds. Leaves everything it does not recognise as such, and the
// folders of a lock file that is no plain file. Returns the first failure to remove.
Status RemoveStaleRunFolders(const NameLock& eigene);
// The same in sOrdner for a job that holds no name there (a restore without backup, a run
// whose user database lies there): only what no live run holds goes.
Status RemoveStaleRunFoldersIn(const QString& sOrdner);
// Both: sEigenerKey is the key this process holds in sOrdner (canonical), or empty.
Status RemoveStaleRunFolders(const QString& sOrdner, const QString& sEigenerKey);

}  // namespace tolva
