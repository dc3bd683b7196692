// The read-only SQLite file layer: the default layer with its files opened without creating
// and shown to SQLite without shared-memory methods.
#include "files/ReadOnlyVfs.h"

#include <sqlite3.h>

#include <map>
#include <mutex>

namespace tolva {
namespace {

sqlite3_vfs gLesen{};
sqlite3_vfs* gEcht = nullptr;
std::mutex gMutex;
// Per method table of the real layer, the same table without shared memory (version 1).
std::map<const sqlite3_io_methods*, sqlite3_io_methods> gOhneShm;

int Open(sqlite3_vfs*, const char* zName, sqlite3_file* pFile, int flags, int* pOutFlags) {
    // Nothing is made: a journal or log that is not there stays absent, and the file is read.
    flags &= ~(SQLITE_OPEN_CREATE | SQLITE_OPEN_READWRITE | SQLITE_OPEN_DELETEONCLOSE);
    flags |= SQLITE_OPEN_READONLY;
    const int rc = gEcht->xOpen(gEcht, zName, pFile, flags, pOutFlags);
    if (rc != SQLITE_OK || !pFile->pMethods) return rc;
    std::lock_guard lock(gMutex);
    auto [it, bNeu] = gOhneShm.try_emplace(pFile->pMethods, *pFile->pMethods);
    if (bNeu) {
        it->second.iVersion = 1;
        it->second.xShmMap = nullptr;
        it->second.xShmLock = nullptr;
        it->second.xShmBarrier = nullptr;
        it->second.xShmUnmap = nullptr;
        it->second.xFetch = nullptr;
        it->second.xUnfetch = nullptr;
    }
    pFile->pMethods = &it->second;
    return SQLITE_OK;
}

int Delete(sqlite3_vfs*, const char*, int) {
    return SQLITE_IOERR_DELETE;  // a reader removes nothing
}

}  // namespace

const char* ReadOnlyVfsName() {
    static std::once_flag einmal;
    std::call_once(einmal, [] {
        gEcht = sqlite3_vfs_find(nullptr);
        gLesen = *gEcht;
        gLesen.zName = "tolva-lesen";
        gLesen.pNext = nullptr;
        gLesen.xOpen = Open;
        gLesen.xDelete = Delete;
        sqlite3_vfs_register(&gLesen, 0);
    });
    return gLesen.zName;
}

}  // namespace tolva
