// Keyed database files for the engine tests, made and read back with the raw sqlite3 API so
// that the checks do not lean on the Recordset layer that the engine itself uses.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <ostream>

struct sqlite3;

namespace tolva::test {

// A keyed database file opened with the raw API and the fixed key. Any failure fails the
// running test; the object then holds no handle and every query returns nothing.
class RawDatabase {
  public:
    explicit RawDatabase(const QString& sPfad);
    ~RawDatabase();
    RawDatabase(const RawDatabase&) = delete;
    RawDatabase& operator=(const RawDatabase&) = delete;

    // Runs one or more statements; fails the test on an error.
    void Exec(const QString& sql);
    // Every row of a query, its fields joined by '|': NULL as "NULL", BLOBs as x'hex'.
    QStringList Rows(const QString& sql);
    // The first field of the first row as a whole number (0 when there is no row).
    qint64 Number(const QString& sql);
    // The first field of the first row as bytes (a BLOB's bytes, a text's UTF-8).
    QByteArray Bytes(const QString& sql);

  private:
    sqlite3* db_ = nullptr;
};

// Makes a new keyed database with the host's schema.
QString NewSchemaFile(const QString& sPfad);

// The whole content of a file (empty when it cannot be read).
QByteArray FileBytes(const QString& sPfad);

// Copies a file, failing the test when that does not work.
void CopyFileForTest(const QString& sQuelle, const QString& sZiel);

// "PRAGMA integrity_check" of the file: "ok" for a sound database.
QString IntegrityCheck(const QString& sPfad);

}  // namespace tolva::test

// Readable QString values in test failure messages.
inline void PrintTo(const QString& sText, std::ostream* os) {
    *os << '"' << sText.toStdString() << '"';
}
