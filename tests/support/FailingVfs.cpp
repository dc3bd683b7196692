// The failing file layer: a sqlite3_vfs whose xOpen opens the real layer's file in place and
// swaps in a copy of its methods in which only the counted calls are wrapped.
#include "FailingVfs.h"

#include <QDir>
#include <QFileInfo>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <map>

namespace tolva::test {
namespace {

constexpr const char* kVfsName = "tolva-failing";
constexpr int kFileKinds = 4;
constexpr int kStepKinds = 5;

// Our part of a counted file: the last bytes of our szOsFile, after the real layer's file.
struct Trailer {
    const sqlite3_io_methods* pReal;  // the real layer's methods for this file
    VfsFile kind;
    int iGuard;
};
static_assert(alignof(Trailer) <= 8 && sizeof(Trailer) % 8 == 0);  // SQLite aligns files to 8

// The layer's state is static, not part of the guard, so that a file still open when the guard
// ends keeps valid methods and merely stops being counted.
struct LayerState {
    bool bActive = false;  // a guard is alive
    int iGuard = 0;        // counts guards, so a file counts only for the guard that opened it
    QString sUserDatabase;
    sqlite3_vfs* pReal = nullptr;
    sqlite3_vfs vfs{};
    // Per real methods table, its copy with the counted calls wrapped (map nodes never move).
    std::map<const sqlite3_io_methods*, sqlite3_io_methods> wrapped;
    bool bArmed = false;
    bool bFired = false;
    VfsFault fault{VfsFile::UserDatabase, VfsStep::Write};
    std::array<std::array<int, kStepKinds>, kFileKinds> counts{};
};

LayerState& State() {
    static LayerState state;
    return state;
}

Trailer* TrailerOf(sqlite3_file* pFile) {
    return reinterpret_cast<Trailer*>(reinterpret_cast<char*>(pFile) + State().vfs.szOsFile -
                                      sizeof(Trailer));
}

// Makes method M of the copied table count its call as step S and fail it when it is the armed
// one, returning the fault's rc; otherwise it calls the real M on the same file.
template <VfsStep S, auto M>
void Wrap(sqlite3_io_methods& methods) {
    methods.*M = [](sqlite3_file* pFile, auto... args) {
        LayerState& st = State();
        const Trailer& t = *TrailerOf(pFile);
        if (st.bActive && t.iGuard == st.iGuard) {
            const int n = ++st.counts[static_cast<int>(t.kind)][static_cast<int>(S)];
            if (st.bArmed && !st.bFired && st.fault.datei == t.kind && st.fault.schritt == S &&
                st.fault.n == n) {
                st.bFired = true;
                return st.fault.rc;
            }
        }
        return (t.pReal->*M)(pFile, args...);
    };
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
    for (QLatin1String suffix :
         {QLatin1String(""), QLatin1String("-journal"), QLatin1String("-wal")}) {
        if (sPath.endsWith(suffix) && ComparablePath(sPath.chopped(suffix.size())) == sUser) {
            *pKind = suffix.isEmpty() ? VfsFile::UserDatabase : VfsFile::UserJournal;
            return true;
        }
    }
    const QString sName = QFileInfo(sPath).fileName();
    if (sName.endsWith(QLatin1String(".aba"))) {
        *pKind = VfsFile::NamedArchive;
        return true;
    }
    *pKind = VfsFile::Archive;
    return sName == QLatin1String("archiv") || sName == QLatin1String("archiv-journal") ||
           sName == QLatin1String("archiv-wal");
}

// Opens the real file in place; a counted file gets the wrapped copy of its methods.
int Open(sqlite3_vfs*, const char* zName, sqlite3_file* pFile, int flags, int* pOutFlags) {
    LayerState& st = State();
    Trailer t{nullptr, VfsFile::UserDatabase, st.iGuard};
    const bool bCounted = zName != nullptr && st.bActive && Classify(zName, &t.kind);
    const int rc = st.pReal->xOpen(st.pReal, zName, pFile, flags, pOutFlags);
    if (rc != SQLITE_OK || pFile->pMethods == nullptr || !bCounted) return rc;
    t.pReal = pFile->pMethods;
    auto [it, bNew] = st.wrapped.try_emplace(t.pReal, *t.pReal);
    if (bNew) {
        using M = sqlite3_io_methods;
        Wrap<VfsStep::Read, &M::xRead>(it->second);
        Wrap<VfsStep::Write, &M::xWrite>(it->second);
        Wrap<VfsStep::Sync, &M::xSync>(it->second);
        Wrap<VfsStep::Truncate, &M::xTruncate>(it->second);
        Wrap<VfsStep::Lock, &M::xLock>(it->second);
    }
    *TrailerOf(pFile) = t;
    pFile->pMethods = &it->second;
    return SQLITE_OK;
}

// Sets each method M the real layer has to one that calls the real M with the real layer.
template <auto... M>
void Forward(sqlite3_vfs& vfs, const sqlite3_vfs& real) {
    ((real.*M
          ? void(vfs.*M = [](sqlite3_vfs*,
                             auto... args) { return (State().pReal->*M)(State().pReal, args...); })
          : void()),
     ...);
}

[[noreturn]] void Abort(const char* zText) {
    std::fprintf(stderr, "ScopedFailingVfs: %s\n", zText);
    std::abort();
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
    // Our layer: the real one's description with our xOpen, room for the trailer, and forwarders
    // for the other methods, the optional ones only where the real layer has them.
    st.vfs = {};
    st.vfs.iVersion = pDefault->iVersion;
    st.vfs.szOsFile = (pDefault->szOsFile + 7) / 8 * 8 + static_cast<int>(sizeof(Trailer));
    st.vfs.mxPathname = pDefault->mxPathname;
    st.vfs.zName = kVfsName;
    st.vfs.xOpen = Open;
    using V = sqlite3_vfs;
    Forward<&V::xDelete, &V::xAccess, &V::xFullPathname, &V::xDlOpen, &V::xDlError, &V::xDlSym,
            &V::xDlClose, &V::xRandomness, &V::xSleep, &V::xCurrentTime, &V::xGetLastError>(
        st.vfs, *pDefault);
    if (pDefault->iVersion >= 2) Forward<&V::xCurrentTimeInt64>(st.vfs, *pDefault);
    if (pDefault->iVersion >= 3)
        Forward<&V::xSetSystemCall, &V::xGetSystemCall, &V::xNextSystemCall>(st.vfs, *pDefault);
    st.sUserDatabase = sUserDatabase;
    st.bArmed = st.bFired = false;
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
