// Name locks, the run's private folders, and the removal of what killed runs left behind.
#include "files/RunFolder.h"

#include "files/ArchiveFile.h"
#include "files/FileSystem.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <map>
#include <vector>

namespace tolva {
namespace {

const QString kPrefix = QStringLiteral(".tolva-");

QByteArray Native(const QString& sPfad) {
    return QFile::encodeName(sPfad);
}

QString KeyOf(const QString& sName) {
    return QString::fromLatin1(
        QCryptographicHash::hash(sName.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

QString LockPath(const QString& sOrdner, const QString& sKey) {
    return sOrdner + QLatin1Char('/') + kPrefix + sKey + QStringLiteral(".lock");
}

bool SameInode(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Whether sName is a file that a run makes in its private folder.
bool IsRunFileName(const QString& sName) {
    for (const char* stamm :
         {RunFolder::kArchivDatei, RunFolder::kSicherungsDatei, RunFolder::kExportDatei})
        for (const char* zusatz : {"", "-journal", "-wal", "-shm"})
            if (sName == QLatin1String(stamm) + QLatin1String(zusatz)) return true;
    return false;
}

// A failed removal, told by the folder that the user knows; the run's own names stay out.
Status LeftBehind(const QString& sPfad, int errorNumber) {
    const QString sOrdner = QFileInfo(sPfad).absolutePath();
    return Status::Fail(
        QCoreApplication::translate("RunFolder",
                                    "Im Ordner „%1/“ konnte eine Arbeitsdatei des Laufs nicht "
                                    "entfernt werden: %2 Der nächste Lauf in diesen Ordner "
                                    "entfernt sie.")
            .arg(sOrdner, FileErrorText(errorNumber)),
        errorNumber, ErrorKind::System);
}

// Removes the private folder sPfad and the run's files in it; a folder holding anything else
// is left as it is.
Status RemovePrivateFolder(const QString& sPfad) {
    DIR* dir = ::opendir(Native(sPfad).constData());
    if (!dir) return errno == ENOENT ? Status::Ok() : LeftBehind(sPfad, errno);
    QStringList dateien;
    bool bFremd = false;
    while (const dirent* e = ::readdir(dir)) {
        const QString sName = QFile::decodeName(e->d_name);
        if (sName == QLatin1String(".") || sName == QLatin1String("..")) continue;
        struct stat info {};
        const QString sDatei = sPfad + QLatin1Char('/') + sName;
        if (!IsRunFileName(sName) || ::lstat(Native(sDatei).constData(), &info) != 0 ||
            !(S_ISREG(info.st_mode) || S_ISLNK(info.st_mode)))
            bFremd = true;
        dateien << sDatei;
    }
    ::closedir(dir);
    if (bFremd) return Status::Ok();
    Status ergebnis;
    for (const QString& sDatei : dateien)
        if (Files().Remove(Native(sDatei).constData()) != 0 && errno != ENOENT && ergebnis.ok())
            ergebnis = LeftBehind(sPfad, errno);
    if (Files().RemoveFolder(Native(sPfad).constData()) != 0 && errno != ENOENT && ergebnis.ok())
        ergebnis = LeftBehind(sPfad, errno);
    return ergebnis;
}

}  // namespace

NameLock::NameLock(NameLock&& other) noexcept
    : fd_(other.fd_), sOrdner_(std::move(other.sOrdner_)), sKey_(std::move(other.sKey_)) {
    other.fd_ = -1;
}

NameLock& NameLock::operator=(NameLock&& other) noexcept {
    if (this != &other) {
        (void)Release();  // a lock file left here is reused or removed by a later run
        fd_ = other.fd_;
        sOrdner_ = std::move(other.sOrdner_);
        sKey_ = std::move(other.sKey_);
        other.fd_ = -1;
    }
    return *this;
}

QString LockFileOf(const QString& sPfad) {
    const QString sName = CanonicalName(sPfad);
    const qsizetype p = sName.lastIndexOf(QLatin1Char('/'));
    return LockPath(sName.left(p), KeyOf(sName.mid(p + 1)));
}

Result<NameLock> NameLock::Acquire(const QString& sPfad) {
    const QString sName = CanonicalName(sPfad);
    const qsizetype p = sName.lastIndexOf(QLatin1Char('/'));
    const QString sOrdner = sName.left(p);
    if (!QFileInfo(sOrdner.isEmpty() ? QStringLiteral("/") : sOrdner).isDir())
        return FileFailure(QCoreApplication::translate("RunFolder", "Der Ordner existiert nicht:"),
                           sOrdner, ENOENT);
    return AcquireKey(sOrdner, KeyOf(sName.mid(p + 1)), sPfad);
}

Result<NameLock> NameLock::AcquireKey(const QString& sOrdner, const QString& sKey,
                                      const QString& sAnzeige) {
    const QString sSperre = LockPath(sOrdner, sKey);
    const QByteArray pfad = Native(sSperre);
    const auto fremd = [&] {
        return Status::Fail(
            QCoreApplication::translate(
                "RunFolder", "„%1“ ist keine Sperrdatei der Archivierung; bitte entfernen Sie sie.")
                .arg(sSperre));
    };
    // A run that held the name may remove the lock file between our open and our lock; the
    // lock then sits on a name that is gone, so the name is tried again.
    for (int versuch = 0; versuch < 100; ++versuch) {
        // Whatever else lies under the name (a pipe, a socket, a device, a link, a folder)
        // is somebody else's, and is never opened: opening a pipe would wait for a writer.
        struct stat vorher {};
        if (::lstat(pfad.constData(), &vorher) == 0 && !S_ISREG(vorher.st_mode)) return fremd();
        // Made here (O_EXCL) or there already; one made here goes again when it cannot lock.
        // Without blocking: a pipe put there since the look above is not waited on either.
        bool bNeu = true;
        int fd = Files().Open(pfad.constData(),
                              O_RDONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                              S_IRUSR | S_IWUSR);
        if (fd < 0 && errno == EEXIST) {
            bNeu = false;
            fd = Files().Open(pfad.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0);
            if (fd < 0 && errno == ENOENT) continue;       // removed in between: make it anew
            if (fd < 0 && errno == ELOOP) return fremd();  // a link put there since
        }
        if (fd < 0)
            return FileFailure(QCoreApplication::translate(
                                   "RunFolder", "Im Ordner kann keine Datei angelegt werden:"),
                               sOrdner + QLatin1Char('/'), errno);
        NameLock lock;
        lock.fd_ = fd;
        lock.sOrdner_ = sOrdner;
        lock.sKey_ = sKey;
        struct stat offen {};
        // A lock file is empty; a file of that name with content is somebody else's.
        if (::fstat(fd, &offen) != 0 || !S_ISREG(offen.st_mode) || offen.st_size != 0) {
            Files().Close(fd);
            lock.fd_ = -1;
            return fremd();
        }
        if (Files().Lock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int fehler = errno;
            // Nobody holds a lock file that was just made and could not be locked.
            if (bNeu && fehler != EWOULDBLOCK) Files().Remove(pfad.constData());
            Files().Close(fd);
            lock.fd_ = -1;
            if (fehler == EWOULDBLOCK)
                return Status::Fail(
                    QCoreApplication::translate("RunFolder",
                                                "Die Datei „%1“ wird gerade von einem anderen "
                                                "Archivierungslauf geschrieben. Bitte warten "
                                                "Sie, bis er beendet ist, oder wählen Sie "
                                                "einen anderen Namen.")
                        .arg(sAnzeige),
                    kCodeNameGesperrt);
            return Status::Fail(
                QCoreApplication::translate("RunFolder",
                                            "Der Ordner „%1/“ liegt auf einem Datenträger "
                                            "ohne Dateisperren (%2). Dort kann nicht sicher "
                                            "archiviert werden; bitte wählen Sie einen "
                                            "anderen Ordner.")
                    .arg(sOrdner, FileErrorText(fehler)),
                fehler, ErrorKind::System);
        }
        struct stat benannt {};
        if (::lstat(pfad.constData(), &benannt) == 0 && SameInode(benannt, offen)) return lock;
        Files().Close(fd);
        lock.fd_ = -1;
    }
    return Status::Fail(
        QCoreApplication::translate("RunFolder", "Die Datei „%1“ kann nicht gesperrt werden.")
            .arg(sAnzeige));
}

Status NameLock::Release() {
    if (fd_ < 0) return Status::Ok();
    const QByteArray pfad = Native(LockPath(sOrdner_, sKey_));
    struct stat offen {};
    struct stat benannt {};
    Status s;
    // Only the lock file this lock sits on is removed, never one that another run made since.
    if (::fstat(fd_, &offen) == 0 && ::lstat(pfad.constData(), &benannt) == 0 &&
        SameInode(offen, benannt) && offen.st_size == 0 && Files().Remove(pfad.constData()) != 0)
        s = LeftBehind(QFile::decodeName(pfad), errno);
    Files().Close(fd_);  // a descriptor that was only read: nothing to lose
    fd_ = -1;
    return s;
}

RunFolder& RunFolder::operator=(RunFolder&& other) noexcept {
    if (this != &other) {
        (void)Remove();  // the folder being given up; a later run removes what is left
        lock_ = std::move(other.lock_);
        sPfad_ = std::move(other.sPfad_);
        other.sPfad_.clear();
    }
    return *this;
}

Result<RunFolder> RunFolder::Create(NameLock lock) {
    if (!lock.Held())
        return Status::Fail(
            QCoreApplication::translate("RunFolder", "Der Name ist nicht gesperrt."));
    QByteArray muster =
        Native(lock.Folder() + QLatin1Char('/') + kPrefix + lock.Key() + QStringLiteral(".XXXXXX"));
    if (!Files().MakePrivateFolder(muster.data()))
        return FileFailure(QCoreApplication::translate(
                               "RunFolder", "Im Ordner kann kein Arbeitsordner angelegt werden:"),
                           lock.Folder() + QLatin1Char('/'), errno);
    RunFolder ordner;
    ordner.lock_ = std::move(lock);
    ordner.sPfad_ = QFile::decodeName(muster);
    return ordner;
}

QString RunFolder::PathOf(const char* sName) const {
    return sPfad_ + QLatin1Char('/') + QLatin1String(sName);
}

Status RunFolder::Remove() {
    Status s;
    if (!sPfad_.isEmpty()) s = RemovePrivateFolder(sPfad_);
    sPfad_.clear();
    if (Status l = lock_.Release(); s.ok()) s = l;
    return s;
}

Status RemoveStaleRunFolders(const NameLock& eigene) {
    if (!eigene.Held()) return Status::Ok();
    return RemoveStaleRunFolders(eigene.Folder(), eigene.Key());
}

Status RemoveStaleRunFoldersIn(const QString& sOrdner) {
    const QString sEcht = QFileInfo(sOrdner).canonicalFilePath();
    if (sEcht.isEmpty()) return Status::Ok();  // no folder, nothing left in it
    return RemoveStaleRunFolders(sEcht, QString());
}

Status RemoveStaleRunFolders(const QString& sOrdner, const QString& sEigenerKey) {
    static const QRegularExpression kMuster(
        QStringLiteral("^\\.tolva-([0-9a-f]{16})\\.(lock|[A-Za-z0-9]{6})$"));
    std::map<QString, std::vector<QString>> ordnerJeSchluessel;  // key -> private folders
    const QDir dir(sOrdner);
    for (const QFileInfo& info :
         dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        const QRegularExpressionMatch m = kMuster.match(info.fileName());
        if (!m.hasMatch()) continue;
        auto& liste = ordnerJeSchluessel[m.captured(1)];
        if (m.captured(2) != QLatin1String("lock") && info.isDir() && !info.isSymLink())
            liste.push_back(info.absoluteFilePath());
    }
    Status ergebnis;
    for (const auto& [sKey, ordner] : ordnerJeSchluessel) {
        NameLock fremde;
        if (sKey != sEigenerKey) {
            // Only a name that no live run holds is free; its lock file goes with the lock.
            // A lock file that is no plain file is never waited on: its folders stay.
            Result<NameLock> lock = NameLock::AcquireKey(sOrdner, sKey, sKey);
            if (!lock.ok()) continue;
            fremde = std::move(lock).value();
        }
        for (const QString& sOrdner : ordner)
            if (Status s = RemovePrivateFolder(sOrdner); !s.ok() && ergebnis.ok()) ergebnis = s;
    }
    return ergebnis;
}

}  // namespace tolva
