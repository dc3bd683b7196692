// The failing file layer: a sqlite3_vfs whose files wrap the real layer's files.
#include "FailingVfs.h"

#include <QDir>
#include <QFileInfo>

#include <array>
#include <cstdio>
#include <cstdlib>

namespace tolva::test {
namespace {

constexpr const char* kVfsName = "tolva-failing";
constexpr int kFileKinds = 3;
constexpr int kStepKinds = 5;

// The layer's state is static, not part of the guard, so that a file still open when the guard
// ends keeps valid methods and merely stops being counted.
struct LayerState {
    bool bActive = false;  // a guard is alive
    int iGuard = 0;        // counts guards, so a file counts only for the guard that opened it
    QString sUserDatabase;
    sqlite3_vfs* pReal = nullptr;
    sqlite3_vfs vfs{};
    bool bArmed = false;
    bool bFired = false;
    VfsFault fault{VfsFile::UserDatabase, VfsStep::Write};
    std::array<std::array<int, kStepKinds>, kFileKinds> counts{};
};

LayerState& State() {
    static LayerState state;
    return state;
}

// Our header, followed directly by the real layer's file of real->szOsFile bytes.
struct alignas(8) WrappedFile {
    sqlite3_file base;
    bool bCounted;  // classified as one of VfsFile
    VfsFile kind;
    int iGuard;
};
static_assert(sizeof(WrappedFile) % 8 == 0);

sqlite3_file* Real(sqlite3_file* pFile) {
    return reinterpret_cast<sqlite3_file*>(reinterpret_cast<char*>(pFile) + sizeof(WrappedFile));
}

// Counts the call and answers whether it is the armed one: then the caller returns *pRc.
bool Fails(sqlite3_file* pFile, VfsStep step, int* pRc) {
    auto* f = reinterpret_cast<WrappedFile*>(pFile);
    LayerState& st = State();
    if (!st.bActive || !f->bCounted || f->iGuard != st.iGuard) return false;
    int& n = st.counts[static_cast<int>(f->kind)][static_cast<int>(step)];
    ++n;
    if (!st.bArmed || st.bFired || st.fault.datei != f->kind || st.fault.schritt != step ||
        st.fault.n != n)
        return false;
    st.bFired = true;
    *pRc = st.fault.rc;
    return true;
}

// A path made comparable: the file's canonical path when it exists, otherwise its folder's
// canonical path plus its name (a database or journal about to be created).
QString ComparablePath(const QString& sPath) {
    QFileInfo info(sPath);
    QString sCanonical = info.canonicalFilePath();
    if (!sCanonical.isEmpty()) return sCanonical;
    QString sFolder = QFileInfo(info.absolutePath()).canonicalFilePath();
    if (sFolder.isEmpty()) return QDir::cleanPath(info.absoluteFilePath());
    return sFolder + QLatin1Char('/') + info.fileName();
}

bool Classify(const char* zName, VfsFile* pKind) {
    const QString sPath = QString::fromUtf8(zName);
    const QString sUser = ComparablePath(State().sUserDatabase);
    if (ComparablePath(sPath) == sUser) {
        *pKind = VfsFile::UserDatabase;
        return true;
    }
    for (QLatin1String suffix : {QLatin1String("-journal"), QLatin1String("-wal")}) {
        if (sPath.endsWith(suffix) && ComparablePath(sPath.chopped(suffix.size())) == sUser) {
            *pKind = VfsFile::UserJournal;
            return true;
        }
    }
    const QString sName = QFileInfo(sPath).fileName();
    if (sName == QLatin1String("archiv") || sName == QLatin1String("archiv-journal") ||
        sName == QLatin1String("archiv-wal")) {
        *pKind = VfsFile::Archive;
        return true;
    }
    return false;
}

// --- File methods: counted ones may fail, all others forward. ---

int Close(sqlite3_file* pFile) {
    sqlite3_file* real = Real(pFile);
    if (real->pMethods == nullptr) return SQLITE_OK;
    int rc = real->pMethods->xClose(real);
    real->pMethods = nullptr;
    return rc;
}
int Read(sqlite3_file* pFile, void* pBuf, int iAmt, sqlite3_int64 iOfst) {
    int rc = SQLITE_OK;
    if (Fails(pFile, VfsStep::Read, &rc)) return rc;
    return Real(pFile)->pMethods->xRead(Real(pFile), pBuf, iAmt, iOfst);
}
int Write(sqlite3_file* pFile, const void* pBuf, int iAmt, sqlite3_int64 iOfst) {
    int rc = SQLITE_OK;
    if (Fails(pFile, VfsStep::Write, &rc)) return rc;
    return Real(pFile)->pMethods->xWrite(Real(pFile), pBuf, iAmt, iOfst);
}
int Truncate(sqlite3_file* pFile, sqlite3_int64 size) {
    int rc = SQLITE_OK;
    if (Fails(pFile, VfsStep::Truncate, &rc)) return rc;
    return Real(pFile)->pMethods->xTruncate(Real(pFile), size);
}
int Sync(sqlite3_file* pFile, int flags) {
    int rc = SQLITE_OK;
    if (Fails(pFile, VfsStep::Sync, &rc)) return rc;
    return Real(pFile)->pMethods->xSync(Real(pFile), flags);
}
int FileSize(sqlite3_file* pFile, sqlite3_int64* pSize) {
    return Real(pFile)->pMethods->xFileSize(Real(pFile), pSize);
}
int Lock(sqlite3_file* pFile, int eLock) {
    int rc = SQLITE_OK;
    if (Fails(pFile, VfsStep::Lock, &rc)) return rc;
    return Real(pFile)->pMethods->xLock(Real(pFile), eLock);
}
int Unlock(sqlite3_file* pFile, int eLock) {
    return Real(pFile)->pMethods->xUnlock(Real(pFile), eLock);
}
int CheckReservedLock(sqlite3_file* pFile, int* pResOut) {
    return Real(pFile)->pMethods->xCheckReservedLock(Real(pFile), pResOut);
}
int FileControl(sqlite3_file* pFile, int op, void* pArg) {
    return Real(pFile)->pMethods->xFileControl(Real(pFile), op, pArg);
}
int SectorSize(sqlite3_file* pFile) {
    return Real(pFile)->pMethods->xSectorSize(Real(pFile));
}
int DeviceCharacteristics(sqlite3_file* pFile) {
    return Real(pFile)->pMethods->xDeviceCharacteristics(Real(pFile));
}
int ShmMap(sqlite3_file* pFile, int iPg, int pgsz, int bExtend, void volatile** pp) {
    return Real(pFile)->pMethods->xShmMap(Real(pFile), iPg, pgsz, bExtend, pp);
}
int ShmLock(sqlite3_file* pFile, int offset, int n, int flags) {
    return Real(pFile)->pMethods->xShmLock(Real(pFile), offset, n, flags);
}
void ShmBarrier(sqlite3_file* pFile) {
    Real(pFile)->pMethods->xShmBarrier(Real(pFile));
}
int ShmUnmap(sqlite3_file* pFile, int deleteFlag) {
    return Real(pFile)->pMethods->xShmUnmap(Real(pFile), deleteFlag);
}
int Fetch(sqlite3_file* pFile, sqlite3_int64 iOfst, int iAmt, void** pp) {
    return Real(pFile)->pMethods->xFetch(Real(pFile), iOfst, iAmt, pp);
}
int Unfetch(sqlite3_file* pFile, sqlite3_int64 iOfst, void* p) {
    return Real(pFile)->pMethods->xUnfetch(Real(pFile), iOfst, p);
}

// One table per method version, so SQLite asks for no more than the real file offers.
constexpr sqlite3_io_methods MethodsOfVersion(int iVersion) {
    return {iVersion,
            Close,
            Read,
            Write,
            Truncate,
            Sync,
            FileSize,
            Lock,
            Unlock,
            CheckReservedLock,
            FileControl,
            SectorSize,
            DeviceCharacteristics,
            iVersion >= 2 ? ShmMap : nullptr,
            iVersion >= 2 ? ShmLock : nullptr,
            iVersion >= 2 ? ShmBarrier : nullptr,
            iVersion >= 2 ? ShmUnmap : nullptr,
            iVersion >= 3 ? Fetch : nullptr,
            iVersion >= 3 ? Unfetch : nullptr};
}
constexpr std::array<sqlite3_io_methods, 3> kMethods = {MethodsOfVersion(1), MethodsOfVersion(2),
                                                        MethodsOfVersion(3)};

// --- Layer methods: xOpen wraps, the rest forward to the real layer. ---

int Open(sqlite3_vfs*, const char* zName, sqlite3_file* pFile, int flags, int* pOutFlags) {
    auto* f = reinterpret_cast<WrappedFile*>(pFile);
    f->base.pMethods = nullptr;
    f->bCounted = zName != nullptr && State().bActive && Classify(zName, &f->kind);
    f->iGuard = State().iGuard;
    sqlite3_file* real = Real(pFile);
    real->pMethods = nullptr;
    sqlite3_vfs* pReal = State().pReal;
    int rc = pReal->xOpen(pReal, zName, real, flags, pOutFlags);
    if (rc != SQLITE_OK || real->pMethods == nullptr) {
        // SQLite sees our pMethods null and will not close the file, so a real file left with
        // methods after a failed open is closed here.
        if (real->pMethods != nullptr) real->pMethods->xClose(real);
        real->pMethods = nullptr;
        return rc != SQLITE_OK ? rc : SQLITE_CANTOPEN;
    }
    int iVersion = real->pMethods->iVersion;
    if (iVersion < 1) iVersion = 1;
    if (iVersion > 3) iVersion = 3;
    f->base.pMethods = &kMethods[iVersion - 1];
    return SQLITE_OK;
}
int Delete(sqlite3_vfs*, const char* zName, int syncDir) {
    return State().pReal->xDelete(State().pReal, zName, syncDir);
}
int Access(sqlite3_vfs*, const char* zName, int flags, int* pResOut) {
    return State().pReal->xAccess(State().pReal, zName, flags, pResOut);
}
int FullPathname(sqlite3_vfs*, const char* zName, int nOut, char* zOut) {
    return State().pReal->xFullPathname(State().pReal, zName, nOut, zOut);
}
void* DlOpen(sqlite3_vfs*, const char* zFilename) {
    return State().pReal->xDlOpen(State().pReal, zFilename);
}
void DlError(sqlite3_vfs*, int nByte, char* zErrMsg) {
    State().pReal->xDlError(State().pReal, nByte, zErrMsg);
}
void (*DlSym(sqlite3_vfs*, void* pHandle, const char* zSymbol))(void) {
    return State().pReal->xDlSym(State().pReal, pHandle, zSymbol);
}
void DlClose(sqlite3_vfs*, void* pHandle) {
    State().pReal->xDlClose(State().pReal, pHandle);
}
int Randomness(sqlite3_vfs*, int nByte, char* zOut) {
    return State().pReal->xRandomness(State().pReal, nByte, zOut);
}
int Sleep(sqlite3_vfs*, int microseconds) {
    return State().pReal->xSleep(State().pReal, microseconds);
}
int CurrentTime(sqlite3_vfs*, double* pTime) {
    return State().pReal->xCurrentTime(State().pReal, pTime);
}
int GetLastError(sqlite3_vfs*, int nByte, char* zOut) {
    return State().pReal->xGetLastError(State().pReal, nByte, zOut);
}
int CurrentTimeInt64(sqlite3_vfs*, sqlite3_int64* pTime) {
    return State().pReal->xCurrentTimeInt64(State().pReal, pTime);
}
int SetSystemCall(sqlite3_vfs*, const char* zName, sqlite3_syscall_ptr pCall) {
    return State().pReal->xSetSystemCall(State().pReal, zName, pCall);
}
sqlite3_syscall_ptr GetSystemCall(sqlite3_vfs*, const char* zName) {
    return State().pReal->xGetSystemCall(State().pReal, zName);
}
const char* NextSystemCall(sqlite3_vfs*, const char* zName) {
    return State().pReal->xNextSystemCall(State().pReal, zName);
}

[[noreturn]] void Abort(const char* zText) {
    std::fprintf(stderr, "ScopedFailingVfs: %s\n", zText);
    std::abort();
}

// The layer as a copy of the real one's description, with every method replaced by ours; the
// optional methods only where the real layer has them.
sqlite3_vfs WrapperOf(sqlite3_vfs* pReal) {
    sqlite3_vfs vfs{};
    vfs.iVersion = pReal->iVersion;
    vfs.szOsFile = static_cast<int>(sizeof(WrappedFile)) + pReal->szOsFile;
    vfs.mxPathname = pReal->mxPathname;
    vfs.zName = kVfsName;
    vfs.xOpen = Open;
    vfs.xDelete = Delete;
    vfs.xAccess = Access;
    vfs.xFullPathname = FullPathname;
    vfs.xDlOpen = pReal->xDlOpen ? DlOpen : nullptr;
    vfs.xDlError = pReal->xDlError ? DlError : nullptr;
    vfs.xDlSym = pReal->xDlSym ? DlSym : nullptr;
    vfs.xDlClose = pReal->xDlClose ? DlClose : nullptr;
    vfs.xRandomness = Randomness;
    vfs.xSleep = Sleep;
    vfs.xCurrentTime = CurrentTime;
    vfs.xGetLastError = pReal->xGetLastError ? GetLastError : nullptr;
    if (pReal->iVersion >= 2 && pReal->xCurrentTimeInt64) vfs.xCurrentTimeInt64 = CurrentTimeInt64;
    if (pReal->iVersion >= 3) {
        vfs.xSetSystemCall = pReal->xSetSystemCall ? SetSystemCall : nullptr;
        vfs.xGetSystemCall = pReal->xGetSystemCall ? GetSystemCall : nullptr;
        vfs.xNextSystemCall = pReal->xNextSystemCall ? NextSystemCall : nullptr;
    }
    return vfs;
}

}  // namespace

ScopedFailingVfs::ScopedFailingVfs(const QString& sUserDatabase) {
    LayerState& st = State();
    if (st.bActive) Abort("only one guard may be alive at a time");
    sqlite3_vfs* pDefault = sqlite3_vfs_find(nullptr);
    if (pDefault == nullptr) Abort("SQLite has no default file layer");
    if (pDefault == &st.vfs) Abort("the failing layer is still the default");
    // A connection left open by an earlier guard may still use the layer; its description may
    // only change if the real layer is the same.
    if (st.pReal != nullptr && st.pReal != pDefault) Abort("the default file layer changed");
    st.pReal = pDefault;
    st.vfs = WrapperOf(pDefault);
    st.sUserDatabase = sUserDatabase;
    st.bArmed = false;
    st.bFired = false;
    st.counts = {};
    ++st.iGuard;
    st.bActive = true;
    if (sqlite3_vfs_register(&st.vfs, 1) != SQLITE_OK) Abort("registering the layer failed");
}

ScopedFailingVfs::~ScopedFailingVfs() {
    LayerState& st = State();
    st.bActive = false;
    st.bArmed = false;
    // Registering the previous layer as default again unlinks it first; then ours goes.
    if (sqlite3_vfs_register(st.pReal, 1) != SQLITE_OK ||
        sqlite3_vfs_unregister(&st.vfs) != SQLITE_OK)
        Abort("restoring the previous default file layer failed");
}

void ScopedFailingVfs::Arm(const VfsFault& fault) {
    LayerState& st = State();
    st.fault = fault;
    st.bArmed = true;
    st.bFired = false;
    st.counts = {};
}

void ScopedFailingVfs::Disarm() {
    LayerState& st = State();
    st.bArmed = false;
    st.counts = {};
}

bool ScopedFailingVfs::Fired() const {
    return State().bFired;
}

int ScopedFailingVfs::Count(VfsFile file, VfsStep step) const {
    return State().counts[static_cast<int>(file)][static_cast<int>(step)];
}

}  // namespace tolva::test
