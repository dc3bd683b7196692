// A new database file with the schema.
#include "files/DatabaseFile.h"

#include "database/Connection.h"
#include "database/ConnectionText.h"
#include "database/Keying.h"
#include "files/FileSystem.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

namespace tolva {

Status CreateDatabaseFile(const QString& sPfad, int lVersion) {
    if (QFileInfo::exists(sPfad))
        return Status::Fail(
            QCoreApplication::translate(
                "DatabaseFile", "Die Datei „%1“ gibt es bereits; sie wird nicht überschrieben.")
                .arg(sPfad),
            SQLITE_CANTOPEN, ErrorKind::Sqlite);
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(sPfad).constData(), &db,
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    Status st = rc == SQLITE_OK ? Status::Ok() : Status(DatabaseError(db, rc, sPfad));
    if (st) st = ApplyKey(db, QLatin1String(kDatenbankPasswort));
    if (st) st = CreateSchema(db, lVersion);
    rc = sqlite3_close(db);
    if (st && rc != SQLITE_OK) st = DatabaseError(nullptr, rc, sPfad);
    if (!st) {
        Files().Remove(QFile::encodeName(sPfad).constData());  // the half-made file of this call
        return Status::Fail(
            QCoreApplication::translate("DatabaseFile",
                                        "Die Datenbank „%1“ konnte nicht angelegt werden: %2")
                .arg(sPfad, st.description()),
            st.error().code, st.error().kind);
    }
    return Status::Ok();
}

}  // namespace tolva
