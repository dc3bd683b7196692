// FileSystem: every file step the product takes on a user's name behind one small interface,
// so that a test can make any of them fail. The default is the POSIX file system.
#pragma once

#include <sys/types.h>

#include <memory>

namespace tolva {

// Every call behaves as its POSIX namesake: -1 (or null) and errno on failure. Single-threaded
// use, as the run is.
class FileSystem {
  public:
    virtual ~FileSystem() = default;
    virtual char* MakePrivateFolder(char* muster);           // mkdtemp: a new folder, mode 0700
    virtual int MakeFolder(const char* pfad, mode_t modus);  // mkdir
    virtual int Open(const char* pfad, int flags, mode_t modus);  // open; creates with O_CREAT
    virtual ssize_t Read(int fd, void* puffer, size_t n);
    virtual ssize_t Write(int fd, const void* puffer, size_t n);
    virtual int Close(int fd);
    virtual int Flush(int fd);       // fsync of a file
    virtual int SyncFolder(int fd);  // fsync of a folder, so that its entries are on the disk
    virtual int Rename(const char* alt, const char* neu);
    virtual int Link(const char* alt, const char* neu);
    virtual int Symlink(const char* ziel, const char* name);
    virtual int Remove(const char* pfad);        // unlink
    virtual int RemoveFolder(const char* pfad);  // rmdir
    virtual int SetMode(int fd, mode_t modus);   // fchmod
    virtual int Lock(int fd, int operation);     // flock
};

// The process-wide instance: the installed one, else the POSIX default. Passing null to
// InstallFileSystem returns to the default. Install only while no run is under way.
FileSystem& Files();
void InstallFileSystem(std::shared_ptr<FileSystem> fs);

}  // namespace tolva
