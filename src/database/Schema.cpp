// The host's schema: every table and index of user databases, the template and archives.
#include "database/Schema.h"

#include "database/Connection.h"
#include "database/ConnectionText.h"
#include "database/Keying.h"

#include <QCoreApplication>

#include <sqlite3.h>

namespace tolva {
namespace {

// Fields in the order the row copier relies on (it copies by position).
constexpr const char* kTables = R"(
CREATE TABLE Optionen (Version INTEGER, Paßwort BLOB);
CREATE TABLE BankDaten (id INTEGER PRIMARY KEY, BLZ TEXT, BIC TEXT, Name TEXT, Ort TEXT);
CREATE TABLE Konten (id INTEGER PRIMARY KEY, Nr INTEGER, KontoName BLOB, KontoNummer BLOB,
  bankID INTEGER, IBAN TEXT, Waehrung TEXT);
CREATE TABLE Umsätze (id INTEGER PRIMARY KEY, KontoID INTEGER, Buchungsdatum TEXT, Valuta TEXT,
  BuchungsID TEXT, Betrag INTEGER, Empfaenger TEXT, Verwendungszweck TEXT, KategorieID INTEGER);
CREATE TABLE UmsZusatz (id INTEGER PRIMARY KEY, KontoID INTEGER, Buchungsdatum TEXT,
  BuchungsID TEXT, Notiz TEXT);
CREATE TABLE OffeneUmsätze (id INTEGER PRIMARY KEY, KontoID INTEGER, Buchungsdatum TEXT,
  Betrag INTEGER, Verwendungszweck TEXT);
CREATE TABLE Aufträge (id INTEGER PRIMARY KEY, KontoID INTEGER, Status INTEGER, Datum TEXT,
  Betrag INTEGER, Empfaenger TEXT, Verwendungszweck TEXT);
CREATE TABLE SammelAufträge (id INTEGER PRIMARY KEY, KontoID INTEGER, Status INTEGER,
  Datum TEXT, AusfDatum BLOB, Bezeichnung TEXT);
CREATE TABLE SammelEinzel (id INTEGER PRIMARY KEY, SammelID INTEGER, Betrag INTEGER,
  Empfaenger TEXT, Verwendungszweck TEXT);
CREATE TABLE Kategorien (id INTEGER PRIMARY KEY, Name TEXT, ParentID INTEGER);
CREATE TABLE Empfänger (id INTEGER PRIMARY KEY, Name TEXT, IBAN TEXT, BIC TEXT);
CREATE TABLE Daten (id INTEGER PRIMARY KEY, Daten BLOB, Flag INTEGER, Typ INTEGER, Datum TEXT);
)";

// The indexes that the candidate survey and the archive run select by.
constexpr const char* kIndexes = R"(
CREATE INDEX ixUmsaetzeKontoDatum ON Umsätze (KontoID, Buchungsdatum);
CREATE INDEX ixUmsZusatzKontoDatum ON UmsZusatz (KontoID, Buchungsdatum);
CREATE INDEX ixUmsZusatzBuchungsID ON UmsZusatz (BuchungsID);
CREATE INDEX ixOffeneUmsaetzeKontoDatum ON OffeneUmsätze (KontoID, Buchungsdatum);
CREATE INDEX ixAuftraegeStatusDatum ON Aufträge (Status, Datum);
CREATE INDEX ixSammelAuftraegeStatusDatum ON SammelAufträge (Status, Datum);
CREATE INDEX ixSammelEinzelSammelID ON SammelEinzel (SammelID);
)";

}  // namespace

Status CreateSchema(sqlite3* db, int lVersion) {
    if (!db)
        return Status::Fail(
            QCoreApplication::translate("Schema", "Die Datenbank ist nicht geöffnet."),
            SQLITE_MISUSE, ErrorKind::Sqlite);
    const QByteArray sql = QByteArray("SAVEPOINT schema;") + kTables + kIndexes +
                           "INSERT INTO Optionen (Version, Paßwort) VALUES (" +
                           QByteArray::number(lVersion) + ", NULL); RELEASE schema;";
    const int rc = sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        const Error error = DatabaseError(db, rc);
        sqlite3_exec(db, "ROLLBACK TO schema; RELEASE schema;", nullptr, nullptr, nullptr);
        return error;
    }
    return Status::Ok();
}

}  // namespace tolva
