// Reading the first line of a file or a stream.
#include "files/FirstLine.h"

#include "files/ArchiveFile.h"
#include "files/FileSystem.h"

#include <QCoreApplication>
#include <QFile>

#include <fcntl.h>
#include <cerrno>

namespace tolva {
namespace {

Result<QByteArray> TooLong(const QString& sAnzeige) {
    return Error{QCoreApplication::translate("FirstLine",
                                             "Die erste Zeile aus %1 ist länger als %2 Zeichen.")
                     .arg(sAnzeige, QString::number(kErsteZeileHoechstens))};
}

}  // namespace

Result<QByteArray> ReadFirstLineOf(int fd, const QString& sAnzeige) {
    QByteArray zeile;
    for (;;) {
        char c = 0;
        const ssize_t n = Files().Read(fd, &c, 1);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0)
            return Error{
                QCoreApplication::translate("FirstLine", "Aus %1 kann nicht gelesen werden: %2")
                    .arg(sAnzeige, FileErrorText(errno)),
                errno, ErrorKind::System};
        if (n == 0 || c == '\n') break;
        if (zeile.size() >= kErsteZeileHoechstens) return TooLong(sAnzeige);
        zeile += c;
    }
    if (zeile.endsWith('\r')) zeile.chop(1);
    return zeile;
}

Result<QByteArray> ReadFirstLine(const QString& sPfad) {
    const int fd = Files().Open(QFile::encodeName(sPfad).constData(), O_RDONLY | O_CLOEXEC, 0);
    if (fd < 0)
        return FileFailure(
                   QCoreApplication::translate("FirstLine", "Die Datei kann nicht gelesen werden:"),
                   sPfad, errno)
            .error();
    Result<QByteArray> zeile =
        ReadFirstLineOf(fd, QCoreApplication::translate("FirstLine", "der Datei „%1“").arg(sPfad));
    Files().Close(fd);
    return zeile;
}

}  // namespace tolva
