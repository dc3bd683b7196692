// CipherLibrary: finds the cipher library at run time and hands out its CBF entry.
#pragma once

#include "cipher/orvcbf.h"

#include <QString>

#include <mutex>

namespace tolva {

class CipherLibrary {
  public:
    using CbfEntry = decltype(&CBF);

    // The one instance of the process; it keeps the loaded library until the path changes.
    static CipherLibrary& Instance();

    // An empty path means the default: liborvcbf.so in the folder of the library that holds
    // this module, else wherever the dynamic loader finds liborvcbf.so. A path that is set
    // is used alone.
    void SetPath(const QString& sPfad);
    // CBF of the library at the current path, or nullptr when it cannot be loaded. The
    // pointer stays valid until the next SetPath.
    CbfEntry Cbf();

    CipherLibrary(const CipherLibrary&) = delete;
    CipherLibrary& operator=(const CipherLibrary&) = delete;

  private:
    CipherLibrary() = default;
    void Unload();
    void Load();

    std::mutex mutex_;
    QString path_;
    void* handle_ = nullptr;
    CbfEntry cbf_ = nullptr;
    bool tried_ = false;
};

}  // namespace tolva
