// DemoStatement: one prepared sqlite3 INSERT of the demo-database generator, run many times.
#include "demo/DemoStatement.h"

#include "database/Connection.h"

#include <sqlite3.h>

namespace tolva::demo {

DemoStatement::~DemoStatement() {
    sqlite3_finalize(stmt_);
}

Status DemoStatement::Prepare(sqlite3* db, const char* sSql) {
    db_ = db;
    const int rc = sqlite3_prepare_v2(db, sSql, -1, &stmt_, nullptr);
    if (rc != SQLITE_OK) return Status(DatabaseError(db, rc));
    return Status::Ok();
}

void DemoStatement::BindInt(int lIndex, qint64 lWert) {
    sqlite3_bind_int64(stmt_, lIndex, lWert);
}

void DemoStatement::BindText(int lIndex, const char* sText, int lLaenge) {
    sqlite3_bind_text(stmt_, lIndex, sText, lLaenge, SQLITE_STATIC);
}

void DemoStatement::BindText(int lIndex, const QString& sText) {
    const QByteArray aUtf8 = sText.toUtf8();
    sqlite3_bind_text(stmt_, lIndex, aUtf8.constData(), static_cast<int>(aUtf8.size()),
                      SQLITE_TRANSIENT);
}

void DemoStatement::BindBlob(int lIndex, const QByteArray& aDaten) {
    if (aDaten.isEmpty())
        sqlite3_bind_zeroblob(stmt_, lIndex, 0);
    else
        sqlite3_bind_blob(stmt_, lIndex, aDaten.constData(), static_cast<int>(aDaten.size()),
                          SQLITE_TRANSIENT);
}

Status DemoStatement::Run() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_DONE) {
        sqlite3_reset(stmt_);
        return Status::Ok();
    }
    Status fehler(DatabaseError(db_, rc));  // read the message before the reset
    sqlite3_reset(stmt_);
    return fehler;
}

}  // namespace tolva::demo
