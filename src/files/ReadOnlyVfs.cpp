// The read-only SQLite file layer: the default layer with its files opened without creating
// and shown to SQLite without shared-memory methods.
#include "files/ReadOnlyVfs.h"

#include <sqlite3.h>

#include <map>
#include <mutex>
#include <shared_mutex>

namespace tolva {
namespace {

sqlite3_vfs gLesen{};
sqlite3_vfs* gEcht = nullptr;
std::mutex gMutex;
// A method table of ours (first, so that a file's pMethods leads to the whole) and the real
// layer's table that it stands for.
struct Methods {
    sqlite3_io_methods eigene;
    const sqlite3_io_methods* echte;
};
// Per method table of the real layer, the same table without shared memory (version 1), whose
// reads and close come here first.
std::map<const sqlite3_io_methods*, Methods> gOhneShm;
// The open files whose reads fail once their flag is set, guarded by gAbbruchSperre.
std::shared_mutex gAbbruchSperre;
std::map<const sqlite3_file*, const std::atomic<bool>*> gAbbrueche;

const sqlite3_io_methods* RealMethods(sqlite3_file* pFile) {
    return reinterpret_cast<const Methods*>(pFile->pMethods)->echte;
}

int Read(sqlite3_file* pFile, void* pZiel, int lAnzahl, sqlite3_int64 lAb) {
    {
        std::shared_lock lesen(gAbbruchSperre);
        const auto it = gAbbrueche.find(pFile);
        if (it != gAbbrueche.end() && it->second->load(std::memory_order_relaxed))
            return SQLITE_IOERR_READ;
    }
    return RealMethods(pFile)->xRead(pFile, pZiel, lAnzahl, lAb);
}

int Close(sqlite3_file* pFile) {
    {
        std::unique_lock schreiben(gAbbruchSperre);
        gAbbrueche.erase(pFile);
    }
    return RealMethods(pFile)->xClose(pFile);
}

int Open(sqlite3_vfs*, const char* zName, sqlite3_file* pFile, int flags, int* pOutFlags) {
    // Nothing is made: a journal or log that is not there stays absent, and the file is read.
    flags &= ~(SQLITE_OPEN_CREATE | SQLITE_OPEN_READWRITE | SQLITE_OPEN_DELETEONCLOSE);
    flags |= SQLITE_OPEN_READONLY;
    const int rc = gEcht->xOpen(gEcht, zName, pFile, flags, pOutFlags);
    if (rc != SQLITE_OK || !pFile->pMethods) return rc;
    std::lock_guard lock(gMutex);
    auto [it, bNeu] = gOhneShm.try_emplace(pFile->pMethods, Methods{*pFile->pMethods, nullptr});
    if (bNeu) {
        sqlite3_io_methods& m = it->second.eigene;
        it->second.echte = pFile->pMethods;
        m.iVersion = 1;
        m.xShmMap = nullptr;
        m.xShmLock = nullptr;
        m.xShmBarrier = nullptr;
        m.xShmUnmap = nullptr;
        m.xFetch = nullptr;
        m.xUnfetch = nullptr;
        m.xRead = Read;
        m.xClose = Close;
    }
    pFile->pMethods = &it->second.eigene;
    return SQLITE_OK;
}

int Delete(sqlite3_vfs*, const char*, int) {
    return SQLITE_IOERR_DELETE;  // a reader removes nothing
}

}  // namespace

void FailReadsWhenCancelled(sqlite3* db, const std::atomic<bool>* pAbbruch) {
    sqlite3_file* pFile = nullptr;
    if (sqlite3_file_control(db, "main", SQLITE_FCNTL_FILE_POINTER, &pFile) != SQLITE_OK ||
        !pFile || !pFile->pMethods || pFile->pMethods->xRead != Read)
        return;
    std::unique_lock schreiben(gAbbruchSperre);
    gAbbrueche[pFile] = pAbbruch;
}

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
