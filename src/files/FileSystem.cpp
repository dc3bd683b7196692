// The POSIX file system behind the FileSystem seam.
#include "files/FileSystem.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tolva {
namespace {

std::shared_ptr<FileSystem>& Instance() {
    static std::shared_ptr<FileSystem> instance;
    return instance;
}

}  // namespace

char* FileSystem::MakePrivateFolder(char* muster) {
    return ::mkdtemp(muster);
}
int FileSystem::MakeFolder(const char* pfad, mode_t modus) {
    return ::mkdir(pfad, modus);
}
int FileSystem::Open(const char* pfad, int flags, mode_t modus) {
    return ::open(pfad, flags, modus);
}
ssize_t FileSystem::Read(int fd, void* puffer, size_t n) {
    return ::read(fd, puffer, n);
}
ssize_t FileSystem::Write(int fd, const void* puffer, size_t n) {
    return ::write(fd, puffer, n);
}
int FileSystem::Close(int fd) {
    return ::close(fd);
}
int FileSystem::Flush(int fd) {
    return ::fsync(fd);
}
int FileSystem::SyncFolder(int fd) {
    return ::fsync(fd);
}
int FileSystem::Rename(const char* alt, const char* neu) {
    return ::rename(alt, neu);
}
int FileSystem::Link(const char* alt, const char* neu) {
    return ::link(alt, neu);
}
int FileSystem::Symlink(const char* ziel, const char* name) {
    return ::symlink(ziel, name);
}
int FileSystem::Remove(const char* pfad) {
    return ::unlink(pfad);
}
int FileSystem::RemoveFolder(const char* pfad) {
    return ::rmdir(pfad);
}
int FileSystem::SetMode(int fd, mode_t modus) {
    return ::fchmod(fd, modus);
}
int FileSystem::Lock(int fd, int operation) {
    return ::flock(fd, operation);
}

FileSystem& Files() {
    auto& instance = Instance();
    if (!instance) instance = std::make_shared<FileSystem>();
    return *instance;
}

void InstallFileSystem(std::shared_ptr<FileSystem> fs) {
    Instance() = std::move(fs);
}

}  // namespace tolva
