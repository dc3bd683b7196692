// Descriptions in the language shown of SQLCipher result codes, naming the database file where
// useful.
#include "database/Connection.h"

#include <QCoreApplication>

#include <sqlite3.h>

namespace tolva {

Error DatabaseError(sqlite3* db, int rc, const QString& sDatei) {
    // " „file“" to be placed after "Datenbank"/"Datei", or nothing without a file name.
    const QString sName = sDatei.isEmpty()
                              ? QString()
                              : QCoreApplication::translate("DatabaseError", " „%1“").arg(sDatei);
    const bool bPasst = db && (sqlite3_errcode(db) & 0xff) == (rc & 0xff);
    const QString sMeldung = QString::fromUtf8(bPasst ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
    QString s;
    switch (rc & 0xff) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            s = QCoreApplication::translate(
                    "DatabaseError",
                    "Die Datenbank%1 wird gerade von einem anderen Programm benutzt.")
                    .arg(sName);
            break;
        case SQLITE_NOTADB:
            s = QCoreApplication::translate(
                    "DatabaseError",
                    "Die Datei%1 ist keine Datenbank dieses Programms, oder der "
                    "Datenbankschlüssel passt nicht.")
                    .arg(sName);
            break;
        case SQLITE_CORRUPT:
            s = QCoreApplication::translate("DatabaseError", "Die Datenbank%1 ist beschädigt.")
                    .arg(sName);
            break;
        case SQLITE_FULL:
            s = QCoreApplication::translate(
                    "DatabaseError",
                    "Der Datenträger ist voll. Die Datenbank%1 konnte nicht geschrieben "
                    "werden.")
                    .arg(sName);
            break;
        case SQLITE_READONLY:
            s = QCoreApplication::translate(
                    "DatabaseError",
                    "Die Datenbank%1 ist schreibgeschützt und kann nicht geändert werden.")
                    .arg(sName);
            break;
        case SQLITE_CANTOPEN:
            s = QCoreApplication::translate("DatabaseError",
                                            "Die Datenbank%1 kann nicht geöffnet werden.")
                    .arg(sName);
            break;
        case SQLITE_IOERR:
            s = QCoreApplication::translate("DatabaseError",
                                            "Beim Lesen oder Schreiben der Datenbank%1 ist ein "
                                            "Ein-/Ausgabefehler aufgetreten.")
                    .arg(sName);
            break;
        case SQLITE_PERM:
        case SQLITE_AUTH:
            s = QCoreApplication::translate("DatabaseError",
                                            "Der Zugriff auf die Datenbank%1 wurde verweigert.")
                    .arg(sName);
            break;
        case SQLITE_CONSTRAINT:
            s = QCoreApplication::translate(
                    "DatabaseError",
                    "Der Datensatz verletzt eine Regel der Datenbank%1 und wurde nicht "
                    "gespeichert (%2).")
                    .arg(sName, sMeldung);
            break;
        case SQLITE_INTERRUPT:
            s = QCoreApplication::translate("DatabaseError", "Der Vorgang wurde abgebrochen.");
            break;
        case SQLITE_NOMEM:
            s = QCoreApplication::translate(
                    "DatabaseError", "Für die Datenbank%1 ist nicht genügend Arbeitsspeicher frei.")
                    .arg(sName);
            break;
        default:
            s = QCoreApplication::translate("DatabaseError", "Fehler in der Datenbank%1: %2")
                    .arg(sName, sMeldung);
            break;
    }
    return Error{s, rc, ErrorKind::Sqlite};
}

}  // namespace tolva
