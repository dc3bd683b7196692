// Scratch database files for the database tests: keyed files with the schema in a temp folder.
#pragma once

#include "database/Connection.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <ostream>

struct sqlite3;

// Failure messages show texts as text.
inline void PrintTo(const QString& sText, std::ostream* os) {
    *os << '"' << sText.toStdString() << '"';
}

namespace tolva::test {

// A temporary folder that is removed with the object.
class ScratchFolder {
  public:
    QString Path(const QString& sName) const { return dir_.filePath(sName); }
    // A new keyed database with the schema; the test fails when it cannot be made.
    QString NewDatabase(const QString& sName);

  private:
    QTemporaryDir dir_;
};

// Opens sPfad with the component's connection text, in share mode lMode.
Status OpenDatabase(Connection& cn, const QString& sPfad, int lMode = Connection::adModeUnknown);

// Rows of an SQL text, each row its fields joined by '|' (NULL as "NULL"), read with the
// raw sqlite3 API so that the checks do not depend on the Recordset under test.
QStringList QueryRows(sqlite3* db, const QString& sql);

// Feeds the sqlcipher shell the fixed key pragmas and then sSql for the file; returns what it
// printed (standard output and error) and its exit code.
struct ShellResult {
    QString sAusgabe;
    int lExitCode = -1;
};
ShellResult RunSqlcipherShell(const QString& sPfad, const QString& sSql);

}  // namespace tolva::test
