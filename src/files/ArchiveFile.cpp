// File steps of an archive run, through the FileSystem seam so that every failure has its
// reason and a test can cause any of them.
#include "files/ArchiveFile.h"

#include "database/Cancel.h"
#include "files/FileSystem.h"

#include <QCoreApplication>
#include <QDir>
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
        if (fd >= 0) Files().Close(fd);
    }
};

Status WriteAll(int fd, const char* p, ssize_t n, const QString& sAnzeige) {
    for (ssize_t geschrieben = 0; geschrieben < n;) {
        const ssize_t w = Files().Write(fd, p + geschrieben, static_cast<size_t>(n - geschrieben));
        if (w < 0) {
            if (errno == EINTR) continue;
            return FileFailure(QCoreApplication::translate(
                                   "ArchiveFile", "Die Datei kann nicht geschrieben werden:"),
                               sAnzeige, errno);
        }
        geschrieben += w;
    }
    return Status::Ok();
}

Status CopyContents(const BlockReader& lesen, int out, const QString& sAnzeige) {
    static constexpr qint64 kBlock = 1 << 20;
    QByteArray puffer(kBlock, Qt::Uninitialized);
    for (;;) {
        if (Status s = CheckCancel(); !s.ok()) return s;
        const Result<qint64> gelesen = lesen(puffer.data(), kBlock);
        if (!gelesen.ok()) return gelesen.status();
        if (gelesen.value() == 0) return Status::Ok();
        if (Status s = WriteAll(out, puffer.constData(), gelesen.value(), sAnzeige); !s.ok())
            return s;
    }
}

// Whether a failed link() says only that the file system has no hard links.
bool NoHardLinks(int errorNumber) {
    return errorNumber == EPERM || errorNumber == EOPNOTSUPP || errorNumber == EXDEV ||
           errorNumber == EMLINK || errorNumber == ENOSYS;
}

// A copy of the symbolic link sLink under the new name sName (EEXIST when taken).
Status CopyLink(const QString& sLink, const QString& sName) {
    QByteArray ziel(4096, Qt::Uninitialized);
    const ssize_t n = ::readlink(Native(sLink).constData(), ziel.data(), ziel.size());
    if (n < 0 || n >= ziel.size())
        return FileFailure(QCoreApplication::translate(
                               "ArchiveFile", "Die Verknüpfung kann nicht gelesen werden:"),
                           sLink, n < 0 ? errno : ENAMETOOLONG);
    ziel.truncate(n);
    if (Files().Symlink(ziel.constData(), Native(sName).constData()) != 0)
        return FileFailure(
            QCoreApplication::translate("ArchiveFile", "Die Datei kann nicht angelegt werden:"),
            sName, errno);
    return Status::Ok();
}

}  // namespace

Status FileFailure(const QString& sWas, const QString& sPfad, int errorNumber) {
    return Status::Fail(QCoreApplication::translate("ArchiveFile", "%1 „%2“: %3")
                            .arg(sWas, sPfad, FileErrorText(errorNumber)),
                        errorNumber, ErrorKind::System);
}

QString FileErrorText(int errorNumber) {
    switch (errorNumber) {
        case ENOENT:
            return QCoreApplication::translate("ArchiveFile",
                                               "Die Datei oder der Ordner existiert nicht.");
        case EACCES:
        case EPERM:
            return QCoreApplication::translate("ArchiveFile", "Zugriff verweigert.");
        case EROFS:
            return QCoreApplication::translate("ArchiveFile",
                                               "Der Datenträger ist schreibgeschützt.");
        case ENOSPC:
        case EDQUOT:
            return QCoreApplication::translate("ArchiveFile", "Der Datenträger ist voll.");
        case EISDIR:
            return QCoreApplication::translate("ArchiveFile", "Der Name gehört zu einem Ordner.");
        case ENOTDIR:
            return QCoreApplication::translate("ArchiveFile",
                                               "Ein Teil des Pfades ist kein Ordner.");
        case ENAMETOOLONG:
            return QCoreApplication::translate("ArchiveFile", "Der Pfad ist zu lang.");
        case EEXIST:
            return QCoreApplication::translate("ArchiveFile",
                                               "Eine Datei dieses Namens existiert bereits.");
        case ELOOP:
            return QCoreApplication::translate("ArchiveFile",
                                               "Der Name ist eine symbolische Verknüpfung.");
        case EIO:
            return QCoreApplication::translate("ArchiveFile",
                                               "Ein-/Ausgabefehler des Datenträgers.");
        default:
            return QCoreApplication::translate("ArchiveFile", "Systemfehler %1 (%2).")
                .arg(QString::number(errorNumber),
                     QString::fromLocal8Bit(std::strerror(errorNumber)));
    }
}

mode_t PrivateCopyMode(const QString& sDatenbank) {
    struct stat info {};
    if (::stat(Native(sDatenbank).constData(), &info) != 0) return S_IRUSR | S_IWUSR;
    return (info.st_mode & 0777) | S_IRUSR | S_IWUSR;
}

Status CopyToNewFile(const QString& sQuelle, const QString& sZiel, mode_t lModus,
                     const QString& sAnzeige) {
    // Never waiting: a pipe or device under the name is refused, not read.
    FileDescriptor in{
        Files().Open(Native(sQuelle).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC, 0)};
    if (in.fd < 0)
        return FileFailure(
            QCoreApplication::translate("ArchiveFile", "Die Datei kann nicht gelesen werden:"),
            sQuelle, errno);
    struct stat info {};
    if (::fstat(in.fd, &info) != 0 || !S_ISREG(info.st_mode))
        return Status::Fail(
            QCoreApplication::translate("ArchiveFile", "„%1“ ist keine gewöhnliche Datei.")
                .arg(sQuelle));
    const BlockReader lesen = [&](char* puffer, qint64 lMax) -> Result<qint64> {
        for (;;) {
            const ssize_t n = Files().Read(in.fd, puffer, static_cast<size_t>(lMax));
            if (n >= 0) return static_cast<qint64>(n);
            if (errno != EINTR)
                return FileFailure(QCoreApplication::translate(
                                       "ArchiveFile", "Die Datei kann nicht gelesen werden:"),
                                   sQuelle, errno)
                    .error();
        }
    };
    return CopyToNewFile(lesen, sZiel, lModus, sAnzeige);
}

Status CopyToNewFile(const BlockReader& lesen, const QString& sZiel, mode_t lModus,
                     const QString& sAnzeige) {
    FileDescriptor out{Files().Open(Native(sZiel).constData(),
                                    O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                                    S_IRUSR | S_IWUSR)};
    if (out.fd < 0)
        return FileFailure(
            QCoreApplication::translate("ArchiveFile", "Die Datei kann nicht angelegt werden:"),
            sAnzeige, errno);
    // From here on the name is this call's own: a failure removes it.
    Status s;
    // A file system without permissions (a FAT stick) refuses the call for a file of our own;
    // who may read there is set when it is mounted.
    if (Files().SetMode(out.fd, lModus) != 0 && errno != EPERM && errno != EOPNOTSUPP)
        s = FileFailure(QCoreApplication::translate(
                            "ArchiveFile", "Die Rechte der Datei können nicht gesetzt werden:"),
                        sAnzeige, errno);
    if (s.ok()) s = CopyContents(lesen, out.fd, sAnzeige);
    const int fd = out.fd;
    out.fd = -1;
    if (Files().Close(fd) != 0 && s.ok())
        s = FileFailure(
            QCoreApplication::translate("ArchiveFile", "Die Datei kann nicht geschrieben werden:"),
            sAnzeige, errno);
    if (!s.ok()) Files().Remove(Native(sZiel).constData());
    return s;
}

Status FlushFile(const QString& sPfad, const QString& sAnzeige) {
    FileDescriptor f{
        Files().Open(Native(sPfad).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0)};
    if (f.fd < 0 || Files().Flush(f.fd) != 0)
        return FileFailure(
            QCoreApplication::translate("ArchiveFile",
                                        "Die Datei kann nicht auf den Datenträger geschrieben "
                                        "werden:"),
            sAnzeige, errno);
    return Status::Ok();
}

Status RenameFile(const QString& sQuelle, const QString& sZiel) {
    if (Files().Rename(Native(sQuelle).constData(), Native(sZiel).constData()) != 0)
        return FileFailure(
            QCoreApplication::translate("ArchiveFile", "Die Datei kann nicht umbenannt werden:"),
            sZiel, errno);
    return Status::Ok();
}

Status MoveToNewName(const QString& sQuelle, const QString& sZiel) {
    if (Files().Link(Native(sQuelle).constData(), Native(sZiel).constData()) == 0) {
        // The file has its name; an old name that stays is removed with the caller's folder.
        Files().Remove(Native(sQuelle).constData());
        return Status::Ok();
    }
    const int fehler = errno;
    if (fehler != EEXIST && NoHardLinks(fehler) && !EntryExists(sZiel))
        return RenameFile(sQuelle, sZiel);
    return FileFailure(
        QCoreApplication::translate("ArchiveFile", "Die Datei kann nicht angelegt werden:"), sZiel,
        NoHardLinks(fehler) ? EEXIST : fehler);
}

Status SyncFolder(const QString& sOrdner) {
    FileDescriptor dir{
        Files().Open(Native(sOrdner).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0)};
    if (dir.fd < 0 || Files().SyncFolder(dir.fd) != 0)
        return FileFailure(
            QCoreApplication::translate("ArchiveFile",
                                        "Der Ordner kann nicht auf den Datenträger geschrieben "
                                        "werden:"),
            sOrdner, errno);
    return Status::Ok();
}

QString CanonicalName(const QString& sPfad) {
    // Links are resolved before "..", as the system resolves them; only a part of the folder
    // that does not exist yet is kept as written (without "." and doubled "/").
    const QString sAbsolut = QFileInfo(sPfad).absoluteFilePath();
    QString sVorne = sAbsolut.left(qMax<qsizetype>(0, sAbsolut.lastIndexOf(QLatin1Char('/'))));
    QString sHinten = sAbsolut.mid(sVorne.size());
    while (!sVorne.isEmpty()) {
        const QString sEcht = QFileInfo(sVorne).canonicalFilePath();
        if (!sEcht.isEmpty())
            return QDir::cleanPath((sEcht == QLatin1String("/") ? QString() : sEcht) + sHinten);
        const qsizetype p = sVorne.lastIndexOf(QLatin1Char('/'));
        sHinten = sVorne.mid(p) + sHinten;
        sVorne = sVorne.left(p);
    }
    return QDir::cleanPath(sHinten);
}

QStringList SpellingsOf(const QString& sPfad) {
    QStringList namen{CanonicalName(sPfad)};
    const QString sEcht = QFileInfo(sPfad).canonicalFilePath();
    if (!sEcht.isEmpty() && sEcht != namen.front()) namen << sEcht;
    return namen;
}

Status RemoveFile(const QString& sPfad, const QString& sWas) {
    if (Files().Remove(Native(sPfad).constData()) == 0 || errno == ENOENT) return Status::Ok();
    return FileFailure(sWas, sPfad, errno);
}

bool EntryExists(const QString& sPfad) {
    struct stat info {};
    return !sPfad.isEmpty() && ::lstat(Native(sPfad).constData(), &info) == 0;
}

Result<QString> KeepReplacedArchive(const QString& sArchivDatei) {
    const QFileInfo info(sArchivDatei);
    const QString sEndung = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    const QString sStamm = sArchivDatei.left(sArchivDatei.size() - sEndung.size());
    struct stat alt {};
    if (::lstat(Native(sArchivDatei).constData(), &alt) != 0)
        return FileFailure(QCoreApplication::translate(
                               "ArchiveFile", "Das bisherige Archiv kann nicht gelesen werden:"),
                           sArchivDatei, errno);
    for (int n = 1; n <= 100; ++n) {
        const QString sName = sStamm + QStringLiteral(" (ersetzt") +
                              (n == 1 ? QString() : QLatin1Char(' ') + QString::number(n)) +
                              QStringLiteral(")") + sEndung;
        if (Files().Link(Native(sArchivDatei).constData(), Native(sName).constData()) == 0)
            return sName;
        if (errno == EEXIST) continue;
        if (!NoHardLinks(errno))
            return FileFailure(
                QCoreApplication::translate("ArchiveFile",
                                            "Das bisherige Archiv kann nicht aufbewahrt werden:"),
                sName, errno);
        // No hard links here (a FAT stick, some network shares): a copy keeps it as well.
        Status s = S_ISLNK(alt.st_mode)
                       ? CopyLink(sArchivDatei, sName)
                       : CopyToNewFile(sArchivDatei, sName, alt.st_mode & 07777, sName);
        if (!s.ok() && IsSystem(s.error(), EEXIST)) continue;
        if (!s.ok()) return s;  // nothing was made under sName
        if (!S_ISLNK(alt.st_mode))
            if (Status f = FlushFile(sName, sName); !f.ok()) {
                Files().Remove(Native(sName).constData());
                return f;
            }
        return sName;
    }
    return Status::Fail(QCoreApplication::translate(
                            "ArchiveFile",
                            "Für das bisherige Archiv „%1“ ist kein freier Name zum Aufbewahren "
                            "zu finden.")
                            .arg(sArchivDatei));
}

}  // namespace tolva
