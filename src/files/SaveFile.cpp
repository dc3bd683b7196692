// A whole file written in a private folder beside its name and renamed over it.
#include "files/SaveFile.h"

#include "files/ArchiveFile.h"
#include "files/FileSystem.h"
#include "files/RunFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>

#include <fcntl.h>
#include <sys/stat.h>
#include <cerrno>

namespace tolva {
namespace {

// A device that writes to a descriptor through the FileSystem seam; it keeps the first
// failure's errno.
class SeamDevice : public QIODevice {
  public:
    explicit SeamDevice(int fd) : fd_(fd) { open(QIODevice::WriteOnly); }
    int Fehler() const { return fehler_; }

  protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* daten, qint64 n) override {
        qint64 geschrieben = 0;
        while (geschrieben < n) {
            const ssize_t r =
                Files().Write(fd_, daten + geschrieben, static_cast<size_t>(n - geschrieben));
            if (r < 0 && errno == EINTR) continue;
            if (r <= 0) {
                fehler_ = r < 0 ? errno : ENOSPC;
                setErrorString(FileErrorText(fehler_));
                return -1;
            }
            geschrieben += r;
        }
        return n;
    }

  private:
    int fd_;
    int fehler_ = 0;
};

}  // namespace

Status WriteWholeFile(const QString& sZiel, const std::function<Status(QIODevice&)>& schreiben) {
    const QString sOrdner = QFileInfo(sZiel).absolutePath();
    Result<NameLock> sperre = NameLock::Acquire(sZiel);
    if (!sperre.ok()) return sperre.status();
    (void)RemoveStaleRunFolders(sperre.value());  // what killed exports left there
    Result<RunFolder> ordner = RunFolder::Create(std::move(sperre).value());
    if (!ordner.ok()) return ordner.status();
    RunFolder arbeit = std::move(ordner).value();
    const QString sNeu = arbeit.PathOf(RunFolder::kExportDatei);
    const int fd = Files().Open(QFile::encodeName(sNeu).constData(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                                S_IRUSR | S_IWUSR);  // bookings: for the owner alone
    if (fd < 0)
        return FileFailure(
            QCoreApplication::translate("SaveFile", "Die Datei kann nicht angelegt werden:"), sZiel,
            errno);
    Status s;
    {
        SeamDevice geraet(fd);
        s = schreiben(geraet);
        // A failed write is told with the file's name, whatever the writer made of it.
        if (geraet.Fehler())
            s = FileFailure(
                QCoreApplication::translate("SaveFile", "Die Datei kann nicht geschrieben werden:"),
                sZiel, geraet.Fehler());
    }
    if (s.ok() && Files().Flush(fd) != 0)
        s = FileFailure(
            QCoreApplication::translate("SaveFile",
                                        "Die Datei kann nicht auf den Datenträger geschrieben "
                                        "werden:"),
            sZiel, errno);
    if (Files().Close(fd) != 0 && s.ok())
        s = FileFailure(
            QCoreApplication::translate("SaveFile", "Die Datei kann nicht geschrieben werden:"),
            sZiel, errno);
    if (s.ok()) s = RenameFile(sNeu, sZiel);
    if (s.ok()) s = SyncFolder(sOrdner);
    // The file is complete under its name; what of the private folder cannot go is said.
    if (Status r = arbeit.Remove(); s.ok()) s = r;
    return s;
}

}  // namespace tolva
