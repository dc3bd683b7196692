// Reading generated demo databases back in tests: open with the fixed key, query, dump.
#pragma once

#include "database/Connection.h"

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <memory>
#include <vector>

namespace tolva::test {

// Opens the file through the database layer with the fixed key; fails the test otherwise.
std::unique_ptr<Connection> OpenDemo(const QString& sPfad);

// The first column of the first row (Null -> invalid QVariant). TEXT comes back as QString,
// BLOB as QByteArray, integers as qint64.
QVariant QueryValue(const Connection& connection, const QString& sql);
qint64 QueryInt(const Connection& connection, const QString& sql);
// Every row of an SQL text, each a list of its column values.
std::vector<std::vector<QVariant>> QueryRows(const Connection& connection, const QString& sql);

// Every row of a table in id order (or stored order without id), with types, as one text.
QByteArray DumpTable(const Connection& connection, const QString& sTabelle);

// A decrypted scrambled value without the code-0 padding.
QString Unscrambled(const QByteArray& aDaten, bool bFlag);

// The tables that the generator fills (every table of the schema but Daten) and Daten.
inline const char* const kDemoTables[] = {
    "Optionen", "BankDaten",      "Konten",       "Umsätze",    "UmsZusatz", "OffeneUmsätze",
    "Aufträge", "SammelAufträge", "SammelEinzel", "Kategorien", "Empfänger", "Daten"};

}  // namespace tolva::test
