// File steps of an archive run, on POSIX calls so that every failure has its reason.
#include "archive/ArchiveFile.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

namespace tolva {
namespace {

QByteArray Native(const QString& sPfad) {
    return QFile::encodeName(sPfad);
}

// Closes a descriptor when it goes out of scope.
struct FileDescriptor {
    int fd = -1;
    ~FileDescriptor() {
        if (fd >= 0) ::close(fd);
    }
};

Status FileFailure(const QString& sWas, const QString& sPfad, int errorNumber) {
    return Status::Fail(
        sWas + QStringLiteral(" \"") + sPfad + QStringLiteral("\": ") + FileErrorText(errorNumber),
        errorNumber);
}

}  // namespace

QString TemporaryArchivePath(const QString& sArchivDatei) {
    return sArchivDatei + QStringLiteral(".tmp");
}

QString FileErrorText(int errorNumber) {
    switch (errorNumber) {
        case ENOENT:
            return QStringLiteral("Die Datei oder der Ordner existiert nicht.");
        case EACCES:
        case EPERM:
            return QStringLiteral("Zugriff verweigert.");
        case EROFS:
            return QStringLiteral("Der Datenträger ist schreibgeschützt.");
        case ENOSPC:
        case EDQUOT:
            return QStringLiteral("Der Datenträger ist voll.");
        case EISDIR:
            return QStringLiteral("Der Name gehört zu einem Ordner.");
        case ENOTDIR:
            return QStringLiteral("Ein Teil des Pfades ist kein Ordner.");
        case ENAMETOOLONG:
            return QStringLiteral("Der Pfad ist zu lang.");
        case EIO:
            return QStringLiteral("Ein-/Ausgabefehler des Datenträgers.");
        default:
            return QStringLiteral("Systemfehler %1 (%2).")
                .arg(errorNumber)
                .arg(QString::fromLocal8Bit(std::strerror(errorNumber)));
    }
}

Status CopyFileReplacing(const QString& sQuelle, const QString& sZiel) {
    FileDescriptor in{::open(Native(sQuelle).constData(), O_RDONLY | O_CLOEXEC)};
    if (in.fd < 0)
        return FileFailure(QStringLiteral("Die Datei kann nicht gelesen werden:"), sQuelle, errno);
    // The copy is no easier to read for others than its source (a backup of a private
    // database stays private), and its owner may always write it (an archive made from a
    // read-only template).
    struct stat quelle {};
    if (::fstat(in.fd, &quelle) != 0)
        return FileFailure(QStringLiteral("Die Datei kann nicht gelesen werden:"), sQuelle, errno);
    FileDescriptor out{::open(Native(sZiel).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC,
                              (quelle.st_mode & 0777) | S_IRUSR | S_IWUSR)};
    if (out.fd < 0)
        return FileFailure(QStringLiteral("Die Datei kann nicht angelegt werden:"), sZiel, errno);
    static constexpr size_t kBlock = 1 << 20;
    QByteArray puffer(kBlock, Qt::Uninitialized);
    for (;;) {
        const ssize_t gelesen = ::read(in.fd, puffer.data(), kBlock);
        if (gelesen == 0) break;
        if (gelesen < 0) {
            if (errno == EINTR) continue;
            return FileFailure(QStringLiteral("Die Datei kann nicht gelesen werden:"), sQuelle,
                               errno);
        }
        for (ssize_t geschrieben = 0; geschrieben < gelesen;) {
            const ssize_t w = ::write(out.fd, puffer.constData() + geschrieben,
                                      static_cast<size_t>(gelesen - geschrieben));
            if (w < 0) {
                if (errno == EINTR) continue;
                return FileFailure(QStringLiteral("Die Datei kann nicht geschrieben werden:"),
                                   sZiel, errno);
            }
            geschrieben += w;
        }
    }
    if (::close(out.fd) != 0) {
        out.fd = -1;
        return FileFailure(QStringLiteral("Die Datei kann nicht geschrieben werden:"), sZiel,
                           errno);
    }
    out.fd = -1;
    return Status::Ok();
}

Result<QString> KeepReplacedArchive(const QString& sArchivDatei) {
    const QFileInfo info(sArchivDatei);
    const QString sEndung = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    const QString sStamm = sArchivDatei.left(sArchivDatei.size() - sEndung.size());
    for (int n = 1; n <= 100; ++n) {
        const QString sName = sStamm + QStringLiteral(" (ersetzt") +
                              (n == 1 ? QString() : QLatin1Char(' ') + QString::number(n)) +
                              QStringLiteral(")") + sEndung;
        if (::link(Native(sArchivDatei).constData(), Native(sName).constData()) == 0) return sName;
        if (errno == EEXIST) continue;
        // No hard links here (a FAT stick, some network shares): a copy keeps it as well.
        if (QFileInfo::exists(sName)) continue;
        if (Status s = CopyFileReplacing(sArchivDatei, sName); !s.ok()) {
            QFile::remove(sName);
            return s;
        }
        if (Status s = FlushFile(sName); !s.ok()) {
            QFile::remove(sName);
            return s;
        }
        return sName;
    }
    return Status::Fail(QStringLiteral("Für das bisherige Archiv \"") + sArchivDatei +
                        QStringLiteral("\" ist kein freier Name zum Aufbewahren zu finden."));
}

Status FlushFile(const QString& sPfad) {
    FileDescriptor f{::open(Native(sPfad).constData(), O_RDONLY | O_CLOEXEC)};
    if (f.fd < 0 || ::fsync(f.fd) != 0)
        return FileFailure(QStringLiteral("Die Datei kann nicht gesichert werden:"), sPfad, errno);
    return Status::Ok();
}

Status ReplaceFile(const QString& sQuelle, const QString& sZiel) {
    if (::rename(Native(sQuelle).constData(), Native(sZiel).constData()) != 0)
        return FileFailure(QStringLiteral("Die Datei kann nicht umbenannt werden:"), sZiel, errno);
    // The new name is durable only once the folder itself is on the disk.
    const QString ordner = QFileInfo(sZiel).absolutePath();
    FileDescriptor dir{::open(Native(ordner).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (dir.fd >= 0) ::fsync(dir.fd);
    return Status::Ok();
}

}  // namespace tolva
