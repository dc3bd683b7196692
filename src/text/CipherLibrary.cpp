// CipherLibrary: finds the cipher library at run time and hands out its CBF entry.
#include "text/CipherLibrary.h"

#include <QFile>
#include <QFileInfo>

#include <dlfcn.h>

namespace tolva {

namespace {

constexpr char kLibraryName[] = "liborvcbf.so";

// The real folder of the shared library (or program) this module was linked into, with every
// link on the way resolved.
QString OwnFolder() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&OwnFolder), &info) == 0 || info.dli_fname == nullptr)
        return {};
    const QFileInfo eigene(QFile::decodeName(info.dli_fname));
    const QString sEcht = eigene.canonicalFilePath();
    return sEcht.isEmpty() ? eigene.absolutePath() : QFileInfo(sEcht).absolutePath();
}

void* OpenLibrary(const QByteArray& path) {
    return dlopen(path.constData(), RTLD_NOW | RTLD_LOCAL);
}

}  // namespace

CipherLibrary& CipherLibrary::Instance() {
    static CipherLibrary instance;
    return instance;
}

void CipherLibrary::SetPath(const QString& sPfad) {
    std::lock_guard lock(mutex_);
    if (sPfad == path_) return;
    Unload();
    path_ = sPfad;
}

CipherLibrary::CbfEntry CipherLibrary::Cbf() {
    std::lock_guard lock(mutex_);
    if (!tried_) Load();
    return cbf_;
}

void CipherLibrary::Unload() {
    if (handle_ != nullptr) dlclose(handle_);
    handle_ = nullptr;
    cbf_ = nullptr;
    tried_ = false;
}

void CipherLibrary::Load() {
    tried_ = true;
    if (!path_.isEmpty()) {
        handle_ = OpenLibrary(QFile::encodeName(path_));
    } else {
        const QString folder = OwnFolder();
        if (!folder.isEmpty())
            handle_ = OpenLibrary(QFile::encodeName(folder + QLatin1Char('/') + kLibraryName));
        if (handle_ == nullptr) handle_ = OpenLibrary(kLibraryName);
    }
    if (handle_ == nullptr) return;
    cbf_ = reinterpret_cast<CbfEntry>(dlsym(handle_, "CBF"));
    if (cbf_ == nullptr) {
        dlclose(handle_);
        handle_ = nullptr;
    }
}

}  // namespace tolva
