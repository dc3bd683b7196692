// Query: the engine's prepared statement on a raw SQLite connection.
#pragma once

#include "common/Result.h"

#include <QByteArray>
#include <QString>

struct sqlite3;
struct sqlite3_stmt;

namespace tolva {

// One prepared statement on a connection (the engine's own or a read-only one). A failure
// (preparing, binding or stepping) is kept as a message in the language shown naming sDatei; Next
// then returns false and status() tells. Does not own the connection.
class Query {
  public:
    Query(sqlite3* db, const QByteArray& sql, const QString& sDatei);
    ~Query();
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    // Parameters count from 1.
    void Bind(int n, qint64 lWert);
    void Bind(int n, const QString& sWert);
    // Steps to the next row: true while there is one. Reset starts over (bindings stay).
    bool Next();
    void Reset();
    const Status& status() const { return status_; }

    qint64 Int(int n) const;
    QString Text(int n) const;  // NULL: a null QString
    QByteArray Blob(int n) const;
    bool IsNull(int n) const;
    int ColumnCount() const;
    sqlite3_stmt* Handle() const { return stmt_; }

  private:
    void Fail(int rc);
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
    QString sDatei_;
    Status status_;
};

}  // namespace tolva
