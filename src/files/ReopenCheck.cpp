// The reopen proof of a file under its final name, and the path length SQLite accepts.
#include "files/ReopenCheck.h"

#include "database/Connection.h"
#include "database/ConnectionText.h"
#include "database/Keying.h"
#include "files/ArchiveFile.h"
#include "files/FileSystem.h"
#include "files/ReadOnlyVfs.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <fcntl.h>
#include <cerrno>

namespace tolva {

Status CheckPathLength(const QString& sPfad, const QString& sWas) {
    const qsizetype lLaenge = QFile::encodeName(QFileInfo(sPfad).absoluteFilePath()).size();
    if (lLaenge <= kLaengsterPfad) return Status::Ok();
    return Status::Fail(
        QCoreApplication::translate("ReopenCheck",
                                    "%1 „%2“ hat einen Pfad von %3 Byte; eine Datenbank lässt "
                                    "sich nur unter höchstens %4 Byte wieder öffnen. Bitte "
                                    "wählen Sie einen kürzeren Namen oder Ordner.")
            .arg(sWas, sPfad, QString::number(lLaenge), QString::number(kLaengsterPfad)));
}

Status ProveReopens(const QString& sPfad, const char* sPruefung, const QString& sWas,
                    bool bWalModus) {
    const auto fehlgeschlagen = [&](const QString& sGrund) {
        return Status::Fail(
            QCoreApplication::translate("ReopenCheck",
                                        "%1 „%2“ lässt sich unter ihrem Namen nicht wieder "
                                        "öffnen: %3")
                .arg(sWas, sPfad, sGrund));
    };
    if (Status s = CheckPathLength(sPfad, sWas); !s.ok()) return s;
    // A file in WAL mode is opened as its readers open it; the "-wal" and "-shm" files that
    // SQLite makes for that are removed again afterwards (the caller holds the name).
    QStringList neu;
    if (bWalModus)
        for (const char* sZusatz : {"-wal", "-shm"})
            if (!QFileInfo::exists(sPfad + QLatin1String(sZusatz)))
                neu << sPfad + QLatin1String(sZusatz);
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(sPfad).constData(), &db, SQLITE_OPEN_READONLY,
                             bWalModus ? nullptr : ReadOnlyVfsName());
    Status st = rc == SQLITE_OK ? Status::Ok() : Status(DatabaseError(db, rc, sPfad));
    if (st) st = ApplyKey(db, QLatin1String(kDatenbankPasswort));
    sqlite3_stmt* stmt = nullptr;
    if (st) {
        rc = sqlite3_prepare_v2(db, sPruefung, -1, &stmt, nullptr);
        if (rc == SQLITE_OK) rc = sqlite3_step(stmt);
        if (rc != SQLITE_ROW)
            st = rc == SQLITE_DONE
                     ? Status::Fail(QCoreApplication::translate(
                           "ReopenCheck", "Sie enthält nicht, was geschrieben wurde."))
                     : Status(DatabaseError(db, rc, sPfad));
    }
    sqlite3_finalize(stmt);
    sqlite3_close_v2(db);
    for (const QString& sNeu : neu)
        if (QFileInfo::exists(sNeu) && Files().Remove(QFile::encodeName(sNeu).constData()) != 0 &&
            st)
            st = FileFailure(
                QCoreApplication::translate("ReopenCheck", "Die Datei kann nicht entfernt werden:"),
                sNeu, errno);
    return st ? Status::Ok() : fehlgeschlagen(st.description());
}

bool IsDatabaseFile(const QString& sPfad) {
    const QFileInfo info(sPfad);
    if (!info.isFile()) return false;
    {
        // Without waiting: a pipe put under the name since the look above is not read. A file
        // that cannot be looked into is taken for one: it is never replaced unseen.
        const int fd = Files().Open(QFile::encodeName(sPfad).constData(),
                                    O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0);
        if (fd < 0) return true;
        char kopf[16] = {};
        const ssize_t n = Files().Read(fd, kopf, sizeof kopf);
        Files().Close(fd);
        if (n < 0 || (n == sizeof kopf &&
                      QByteArray(kopf, sizeof kopf) == QByteArray("SQLite format 3", 16)))
            return true;
    }
    // A file with a log or shared memory beside it is a database in WAL mode, which the layer
    // that never writes cannot open.
    for (const char* sZusatz : {"-wal", "-shm"})
        if (QFileInfo::exists(sPfad + QLatin1String(sZusatz))) return true;
    return ProveReopens(sPfad, "SELECT count(*) FROM sqlite_master", QString()).ok();
}

}  // namespace tolva
