// Inside of Recordset: the statements and cursor state that its two source files share.
#pragma once

#include "database/Connection.h"
#include "database/Recordset.h"

#include <QCoreApplication>

#include <sqlite3.h>

namespace tolva {

namespace recordset_detail {
// A call that the recordset's state does not allow.
inline Status usage(const QString& sText) {
    return Status::Fail(sText, SQLITE_MISUSE, ErrorKind::Sqlite);
}
inline Status noCurrentRow() {
    return usage(QCoreApplication::translate("Recordset", "Es gibt keinen aktuellen Datensatz."));
}
}  // namespace recordset_detail

struct Recordset::Impl {
    sqlite3* db = nullptr;
    QString sDatei;  // for messages
    QString source;
    QString table;  // empty for an SQL text
    QString walkSql;
    sqlite3_stmt* walk = nullptr;  // the walk; for a table its column 0 is the rowid
    int offset = 0;                // result column of field 0
    QStringList names;
    bool open = false;
    bool onRow = false;  // the walk stands on a row
    bool eof = true;
    bool bof = true;
    qint64 recordCount = -1;

    // After Update or AppendCopyOf the current row is the stored row (re-read by rowid on
    // demand) until the cursor moves on.
    bool viewStored = false;
    qint64 storedRowid = 0;
    sqlite3_stmt* stored = nullptr;  // SELECT rowid, * FROM T WHERE rowid = ?
    mutable bool storedOnRow = false;

    enum class Edit { None, Add, Change };
    Edit edit = Edit::None;
    std::vector<QVariant> buffer;
    std::vector<bool> assigned;
    sqlite3_stmt* insert = nullptr;  // INSERT INTO T (all fields) VALUES (?, ...), kept

    Error dbError(int rc) const { return DatabaseError(db, rc, sDatei); }
    int prepare(const QString& sql, sqlite3_stmt** stmt) const {
        const QByteArray text = sql.toUtf8();
        return sqlite3_prepare_v2(db, text.constData(), int(text.size()) + 1, stmt, nullptr);
    }

    // Walking (Recordset.cpp).
    sqlite3_stmt* row() const;  // the statement on the current row, or null when none
    Status step();              // the walk's next row
    Status showStored(qint64 rowid);
    void leaveStored();

    // Changing (RecordsetEdit.cpp).
    Status writable() const;  // fails unless this is an open table
    Status ensureInsert();
    Status storeNewRow();
    Status storeChangedRow();
};

}  // namespace tolva
