// The failing FileSystem of the fault sweep.
#include "FailingFileSystem.h"

#include <fcntl.h>
#include <cerrno>

namespace tolva::test {

void FailingFileSystem::Arm(FileStep schritt, int n, int lFehler) {
    schritt_ = schritt;
    n_ = n;
    lFehler_ = lFehler;
    bFired_ = false;
    anzahl_.clear();
}

bool FailingFileSystem::Fails(FileStep schritt) {
    const int n = ++anzahl_[schritt];
    if (n_ == 0 || bFired_ || schritt != schritt_ || n != n_) return false;
    bFired_ = true;
    errno = lFehler_;
    return true;
}

char* FailingFileSystem::MakePrivateFolder(char* muster) {
    return Fails(FileStep::MakeFolder) ? nullptr : FileSystem::MakePrivateFolder(muster);
}
int FailingFileSystem::Open(const char* pfad, int flags, mode_t modus) {
    if (Fails((flags & O_CREAT) ? FileStep::Create : FileStep::Open)) return -1;
    const int fd = FileSystem::Open(pfad, flags, modus);
    if (fd >= 0 && (flags & O_ACCMODE) != O_RDONLY) schreibend_.insert(fd);
    return fd;
}
ssize_t FailingFileSystem::Read(int fd, void* puffer, size_t n) {
    return Fails(FileStep::Read) ? -1 : FileSystem::Read(fd, puffer, n);
}
ssize_t FailingFileSystem::Write(int fd, const void* puffer, size_t n) {
    return Fails(FileStep::Write) ? -1 : FileSystem::Write(fd, puffer, n);
}
int FailingFileSystem::Close(int fd) {
    // A failed close has closed the descriptor all the same, as on Linux.
    const bool bFehler = schreibend_.erase(fd) > 0 && Fails(FileStep::Close);
    const int rc = FileSystem::Close(fd);
    if (!bFehler) return rc;
    errno = lFehler_;
    return -1;
}
int FailingFileSystem::Flush(int fd) {
    return Fails(FileStep::Flush) ? -1 : FileSystem::Flush(fd);
}
int FailingFileSystem::SyncFolder(int fd) {
    return Fails(FileStep::SyncFolder) ? -1 : FileSystem::SyncFolder(fd);
}
int FailingFileSystem::Rename(const char* alt, const char* neu) {
    return Fails(FileStep::Rename) ? -1 : FileSystem::Rename(alt, neu);
}
int FailingFileSystem::Link(const char* alt, const char* neu) {
    return Fails(FileStep::Link) ? -1 : FileSystem::Link(alt, neu);
}
int FailingFileSystem::Symlink(const char* ziel, const char* name) {
    return Fails(FileStep::Link) ? -1 : FileSystem::Symlink(ziel, name);
}
int FailingFileSystem::Remove(const char* pfad) {
    return Fails(FileStep::Remove) ? -1 : FileSystem::Remove(pfad);
}
int FailingFileSystem::RemoveFolder(const char* pfad) {
    return Fails(FileStep::Remove) ? -1 : FileSystem::RemoveFolder(pfad);
}
int FailingFileSystem::SetMode(int fd, mode_t modus) {
    return Fails(FileStep::SetMode) ? -1 : FileSystem::SetMode(fd, modus);
}
int FailingFileSystem::Lock(int fd, int operation) {
    return Fails(FileStep::Lock) ? -1 : FileSystem::Lock(fd, operation);
}

}  // namespace tolva::test
