// DemoStatement: one prepared sqlite3 INSERT of the demo-database generator, run many times.
#pragma once

#include "common/Result.h"

#include <QByteArray>
#include <QString>

struct sqlite3;
struct sqlite3_stmt;

namespace tolva::demo {

// Owns its prepared statement. Bind the parameters (1-based), then Run; Run resets the
// statement so that it can be bound again. Texts bound with BindText(const char*, int)
// must stay unchanged until Run. Not copyable.
class DemoStatement {
  public:
    DemoStatement() = default;
    ~DemoStatement();
    DemoStatement(const DemoStatement&) = delete;
    DemoStatement& operator=(const DemoStatement&) = delete;

    // Precondition: db is open and keyed; the statement is not yet prepared.
    Status Prepare(sqlite3* db, const char* sSql);

    void BindInt(int lIndex, qint64 lWert);
    void BindText(int lIndex, const char* sText, int lLaenge);  // UTF-8, not copied
    void BindText(int lIndex, const QString& sText);            // copied
    // Scrambled values: an empty value is stored as an empty BLOB, never as Null.
    void BindBlob(int lIndex, const QByteArray& aDaten);  // copied

    // Steps the statement to its end and resets it.
    Status Run();

  private:
    sqlite3* db_ = nullptr;
    sqlite3_stmt* stmt_ = nullptr;
};

}  // namespace tolva::demo
