// A folder made level by level.
#include "files/Folders.h"

#include "files/ArchiveFile.h"
#include "files/FileSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace tolva {

Status MakeFolders(const QString& sPfad) {
    const QString sVoll = QDir::cleanPath(QFileInfo(sPfad).absoluteFilePath());
    int fehler = 0;
    qsizetype p = 0;
    while (p >= 0) {
        p = sVoll.indexOf(QLatin1Char('/'), p + 1);
        const QString sEbene = p < 0 ? sVoll : sVoll.left(p);
        if (Files().MakeFolder(QFile::encodeName(sEbene).constData(), 0777) != 0 && errno != EEXIST)
            fehler = errno;
    }
    if (QFileInfo(sVoll).isDir()) return Status::Ok();
    return FileFailure(
        QCoreApplication::translate("Folders", "Der Ordner kann nicht angelegt werden:"), sVoll,
        fehler ? fehler : ENOTDIR);
}

}  // namespace tolva
