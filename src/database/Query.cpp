// Query: one prepared statement with its failure kept as a message in the language shown.
#include "database/Query.h"

#include "database/Connection.h"

#include <sqlite3.h>

namespace tolva {

Query::Query(sqlite3* db, const QByteArray& sql, const QString& sDatei) : db_(db), sDatei_(sDatei) {
    const int rc = sqlite3_prepare_v2(db_, sql.constData(), int(sql.size()), &stmt_, nullptr);
    if (rc != SQLITE_OK) Fail(rc);
}

Query::~Query() {
    sqlite3_finalize(stmt_);
}

void Query::Fail(int rc) {
    if (status_.ok()) status_ = DatabaseError(db_, rc, sDatei_);
}

void Query::Bind(int n, qint64 lWert) {
    if (!stmt_) return;
    if (const int rc = sqlite3_bind_int64(stmt_, n, lWert); rc != SQLITE_OK) Fail(rc);
}

void Query::Bind(int n, const QString& sWert) {
    if (!stmt_) return;
    const QByteArray text = sWert.toUtf8();
    const int rc =
        sqlite3_bind_text(stmt_, n, text.constData(), int(text.size()), SQLITE_TRANSIENT);
    if (rc != SQLITE_OK) Fail(rc);
}

bool Query::Next() {
    if (!stmt_ || !status_.ok()) return false;
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc != SQLITE_DONE) Fail(rc);
    return false;
}

void Query::Reset() {
    if (stmt_) sqlite3_reset(stmt_);
}

qint64 Query::Int(int n) const {
    return sqlite3_column_int64(stmt_, n);
}

QString Query::Text(int n) const {
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, n));
    if (!p) return QString();
    return QString::fromUtf8(p, sqlite3_column_bytes(stmt_, n));
}

QByteArray Query::Blob(int n) const {
    const auto* p = static_cast<const char*>(sqlite3_column_blob(stmt_, n));
    return p ? QByteArray(p, sqlite3_column_bytes(stmt_, n)) : QByteArray();
}

int Query::ColumnCount() const {
    return sqlite3_column_count(stmt_);
}

bool Query::IsNull(int n) const {
    return sqlite3_column_type(stmt_, n) == SQLITE_NULL;
}

}  // namespace tolva
