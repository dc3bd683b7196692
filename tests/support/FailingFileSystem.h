// A FileSystem for tests that passes every call to the POSIX one and fails the n-th call of a
// chosen kind with a chosen errno.
#pragma once

#include "files/FileSystem.h"

#include <map>
#include <set>

namespace tolva::test {

enum class FileStep {
    MakeFolder,  // MakePrivateFolder
    Create,      // Open with O_CREAT
    Open,        // Open without O_CREAT
    Read,
    Write,
    Close,  // of a descriptor opened for writing
    Flush,
    SyncFolder,
    Rename,
    Link,
    Remove,  // Remove and RemoveFolder
    SetMode,
    Lock,
};

class FailingFileSystem : public FileSystem {
  public:
    // Counters to zero; the n-th call of kind schritt fails with lFehler, once.
    void Arm(FileStep schritt, int n, int lFehler);
    void Disarm() { n_ = 0; }
    bool Fired() const { return bFired_; }

    char* MakePrivateFolder(char* muster) override;
    int Open(const char* pfad, int flags, mode_t modus) override;
    ssize_t Read(int fd, void* puffer, size_t n) override;
    ssize_t Write(int fd, const void* puffer, size_t n) override;
    int Close(int fd) override;
    int Flush(int fd) override;
    int SyncFolder(int fd) override;
    int Rename(const char* alt, const char* neu) override;
    int Link(const char* alt, const char* neu) override;
    int Symlink(const char* ziel, const char* name) override;
    int Remove(const char* pfad) override;
    int RemoveFolder(const char* pfad) override;
    int SetMode(int fd, mode_t modus) override;
    int Lock(int fd, int operation) override;

  private:
    // Counts a call of kind schritt; true (and errno set) when it is the one to fail.
    bool Fails(FileStep schritt);

    FileStep schritt_ = FileStep::Write;
    int n_ = 0;  // 0: nothing armed
    int lFehler_ = 0;
    bool bFired_ = false;
    std::map<FileStep, int> anzahl_;
    std::set<int> schreibend_;  // descriptors opened for writing
};

}  // namespace tolva::test
