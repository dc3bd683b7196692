// The reopen proof of a file under its final name, and the path length SQLite accepts.
#include "files/ReopenCheck.h"

#include "database/Connection.h"
#include "database/ConnectionText.h"
#include "database/Keying.h"

#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

namespace tolva {

Status CheckPathLength(const QString& sPfad, const QString& sWas) {
    const qsizetype lLaenge = QFile::encodeName(QFileInfo(sPfad).absoluteFilePath()).size();
    if (lLaenge <= kLaengsterPfad) return Status::Ok();
    return Status::Fail(QStringLiteral("%1 „%2“ hat einen Pfad von %3 Byte; eine Datenbank lässt "
                                       "sich nur unter höchstens %4 Byte wieder öffnen. Bitte "
                                       "wählen Sie einen kürzeren Namen oder Ordner.")
                            .arg(sWas, sPfad)
                            .arg(lLaenge)
                            .arg(kLaengsterPfad));
}

Status ProveReopens(const QString& sPfad, const char* sPruefung, const QString& sWas) {
    const auto fehlgeschlagen = [&](const QString& sGrund) {
        return Status::Fail(QStringLiteral("%1 „%2“ lässt sich unter ihrem Namen nicht wieder "
                                           "öffnen: %3")
                                .arg(sWas, sPfad, sGrund));
    };
    if (Status s = CheckPathLength(sPfad, sWas); !s.ok()) return s;
    sqlite3* db = nullptr;
    int rc =
        sqlite3_open_v2(QFile::encodeName(sPfad).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    Status st = rc == SQLITE_OK ? Status::Ok() : Status(DatabaseError(db, rc, sPfad));
    if (st) st = ApplyKey(db, QLatin1String(kDatenbankPasswort));
    sqlite3_stmt* stmt = nullptr;
    if (st) {
        rc = sqlite3_prepare_v2(db, sPruefung, -1, &stmt, nullptr);
        if (rc == SQLITE_OK) rc = sqlite3_step(stmt);
        if (rc != SQLITE_ROW)
            st = rc == SQLITE_DONE
                     ? Status::Fail(QStringLiteral("Sie enthält nicht, was geschrieben wurde."))
                     : Status(DatabaseError(db, rc, sPfad));
    }
    sqlite3_finalize(stmt);
    sqlite3_close_v2(db);
    return st ? Status::Ok() : fehlgeschlagen(st.description());
}

bool IsDatabaseFile(const QString& sPfad) {
    const QFileInfo info(sPfad);
    if (!info.isFile()) return false;
    {
        QFile f(sPfad);
        if (f.open(QIODevice::ReadOnly) && f.read(16) == QByteArray("SQLite format 3", 16))
            return true;
    }
    return CheckPathLength(sPfad, QString()).ok() &&
           ProveReopens(sPfad, "SELECT count(*) FROM sqlite_master", QString()).ok();
}

}  // namespace tolva
