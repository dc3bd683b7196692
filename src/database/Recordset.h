// Recordset: the ADO-like cursor over a table or an SQL text of one Connection.
#pragma once

#include "common/Result.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <vector>

struct sqlite3_stmt;

namespace tolva {

class Connection;

// Cursor, lock and option values as the component passes them.
inline constexpr int adOpenKeyset = 1;
inline constexpr int adOpenStatic = 3;
inline constexpr int adLockOptimistic = 3;
inline constexpr long adCmdTableDirect = 512;
inline constexpr long adCmdUnspecified = -1;
inline constexpr int adStateClosed = 0;
inline constexpr int adStateOpen = 1;

// A source without a blank is a table name and walks the table in its stored (rowid)
// order; such a recordset can also add rows (AddNew/Update) and change the current row
// (field assignment, then Update). Any other source is an SQL text, mapped by
// MapSqlDialect, and is read-only. Rows are read from the database as the cursor moves:
// memory does not grow with the table. Field values are QVariant: null, qint64, double,
// QString (TEXT) or QByteArray (BLOB).
//
// Ownership: the recordset owns its statements; the Connection must stay open while the
// recordset is open. Not copyable.
class Recordset {
  public:
    Recordset();
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    // Opens the source and stands on its first row (EOF and BOF when it has none).
    // Precondition: State() == adStateClosed and connection is open.
    Status Open(const QString& source, Connection& connection, int cursorType = adOpenKeyset,
                int lockType = adLockOptimistic, long options = adCmdUnspecified);
    int State() const;
    void Close();

    // Moving past the last row sets EOF; moving on an empty or closed recordset fails.
    Status MoveFirst();
    Status MoveNext();
    bool Eof() const;
    bool Bof() const;
    // Number of rows of the source, counted by the database when first asked.
    Result<qint64> RecordCount();

    int FieldCount() const;
    QString FieldName(int index) const;
    // Index of a field by name (ASCII letters compared case-insensitively), -1 when unknown.
    int FieldIndex(const QString& name) const;

    // Value of a field of the current row (or of the row being added or changed).
    // Precondition for the positional form: 0 <= index < FieldCount() and a current row.
    QVariant Field(int index) const;
    Result<QVariant> Field(const QString& name) const;

    // Assigns a field of the row being added (after AddNew) or of the current row; the
    // change is stored by Update. Only table-name recordsets can be changed.
    Status SetField(int index, const QVariant& value);
    Status SetField(const QString& name, const QVariant& value);

    // Starts a new row with every field Null; Update stores it.
    Status AddNew();
    // Stores the new row, or the assigned fields of the current row.
    Status Update();

    // Adds a row holding the current row of `quelle` field by field by position and stores
    // it, without converting the values: the fast path of the row copier.
    // Precondition: this is an open table-name recordset, quelle stands on a row and has no
    // more fields than this one.
    Status AppendCopyOf(const Recordset& quelle);

  private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

}  // namespace tolva
