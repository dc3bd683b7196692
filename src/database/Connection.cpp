// Connection: opens, keys, locks and closes one SQLCipher database file; transactions and SQL.
#include "database/Connection.h"

#include "database/Cancel.h"
#include "database/ConnectionText.h"
#include "database/Keying.h"
#include "database/SqlDialect.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

namespace tolva {
namespace {

constexpr int kBusyTimeoutMs = 1500;

Status notOpen() {
    return Status::Fail(QCoreApplication::translate(
                            "Connection", "Die Verbindung zur Datenbank ist nicht geöffnet."),
                        SQLITE_MISUSE, ErrorKind::Sqlite);
}

// Runs one query that yields a single number.
int queryNumber(sqlite3* db, const char* sql, qint64& value) {
    sqlite3_stmt* stmt = nullptr;
    int rc = sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
    if (rc != SQLITE_OK) return rc;
    rc = sqlite3_step(stmt);
    if (rc == SQLITE_ROW) value = sqlite3_column_int64(stmt, 0);
    const int rcEnde = sqlite3_finalize(stmt);
    return rc == SQLITE_ROW ? SQLITE_OK : rcEnde;
}

// A file shorter than the pages its header counts has lost its end. (A write-ahead log next
// to the file may hold pages that the file has not got yet; then nothing can be told.)
bool isTruncated(sqlite3* db, const QString& sDatei, int& rc) {
    qint64 lSeiten = 0, lSeitenGroesse = 0;
    rc = queryNumber(db, "PRAGMA page_count", lSeiten);
    if (rc == SQLITE_OK) rc = queryNumber(db, "PRAGMA page_size", lSeitenGroesse);
    if (rc != SQLITE_OK || QFileInfo::exists(sDatei + QStringLiteral("-wal"))) return false;
    return lSeiten * lSeitenGroesse > QFileInfo(sDatei).size();
}

// Asked by SQLite every kProgressSteps virtual-machine steps: a non-zero answer ends the
// statement with SQLITE_INTERRUPT.
constexpr int kProgressSteps = 4096;
int CancelCheck(void*) {
    return CancelRequested() ? 1 : 0;
}

}  // namespace

Connection::~Connection() {
    Close();
}

Status Connection::Open(const QString& connectionText, const QString&, const QString&, long) {
    if (db_)
        return Status::Fail(
            QCoreApplication::translate("Connection",
                                        "Die Verbindung zur Datenbank „%1“ ist bereits geöffnet.")
                .arg(dataSource_),
            SQLITE_MISUSE, ErrorKind::Sqlite);
    const auto teile = ParseConnectionText(connectionText);
    if (!teile)
        return Status::Fail(QCoreApplication::translate(
                                "Connection", "Die Verbindungsangabe nennt keine Datenbankdatei."),
                            SQLITE_MISUSE, ErrorKind::Sqlite);
    const QString sDatei = teile->dataSource;
    // What the messages call the file.
    const QString sName = displayName_.isEmpty() ? sDatei : displayName_;
    const QFileInfo info(sDatei);
    if (!info.exists())
        return Status::Fail(
            QCoreApplication::translate("Connection", "Die Datenbank „%1“ wurde nicht gefunden.")
                .arg(sName),
            SQLITE_CANTOPEN, ErrorKind::Sqlite);
    if (!info.isFile())
        return Status::Fail(
            QCoreApplication::translate("Connection", "„%1“ ist keine Datei.").arg(sName),
            SQLITE_CANTOPEN, ErrorKind::Sqlite);
    if (info.size() == 0)
        return Status::Fail(QCoreApplication::translate(
                                "Connection", "Die Datei „%1“ ist leer und keine Datenbank.")
                                .arg(sName),
                            SQLITE_NOTADB, ErrorKind::Sqlite);

    sqlite3* db = nullptr;
    const auto fail = [&](Error error) {
        sqlite3_close_v2(db);
        return Status(std::move(error));
    };
    // With URI names on, only an absolute path is sure to be read as a path.
    const QString sOeffnen = uriNames_ ? info.absoluteFilePath() : sDatei;
    int rc = sqlite3_open_v2(QFile::encodeName(sOeffnen).constData(), &db,
                             SQLITE_OPEN_READWRITE | (uriNames_ ? SQLITE_OPEN_URI : 0), nullptr);
    if (rc != SQLITE_OK) return fail(DatabaseError(db, rc, sName));
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    if (Status st = ApplyKey(db, teile->password); !st)
        return fail(DatabaseError(db, st.error().code, sName));
    // The first read: a wrong key or a foreign file fails here.
    rc = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) return fail(DatabaseError(db, rc, sName));
    if (isTruncated(db, sDatei, rc))
        return fail(Error{
            QCoreApplication::translate(
                "Connection", "Die Datenbank „%1“ ist beschädigt: Die Datei ist unvollständig.")
                .arg(sName),
            SQLITE_CORRUPT, ErrorKind::Sqlite});
    if (rc != SQLITE_OK) return fail(DatabaseError(db, rc, sName));
    if (mode_ == adModeShareExclusive) {
        // Takes the exclusive lock now and keeps it until the handle closes. "main." keeps
        // files attached later (a user database in WAL mode among them) in normal locking.
        rc = sqlite3_exec(db, "PRAGMA main.locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE; COMMIT;",
                          nullptr, nullptr, nullptr);
        if (rc != SQLITE_OK) return fail(DatabaseError(db, rc, sName));
    }
    // Page cache per connection. Bulk copies keep the indexes' insertion points in memory
    // with it; with SQLCipher's default of 2 MiB a 500,000-row copy runs about four times
    // slower, while more than 8 MiB gains nothing measurable and would take the wizard's
    // process above 64 MiB. Pages are taken only as they are used.
    sqlite3_exec(db, QStringLiteral("PRAGMA cache_size = -%1").arg(kCacheKiB).toUtf8().constData(),
                 nullptr, nullptr, nullptr);
    sqlite3_progress_handler(db, kProgressSteps, CancelCheck, nullptr);
    db_ = db;
    dataSource_ = sDatei;
    inTransaction_ = false;
    return Status::Ok();
}

Status Connection::BeginTrans() {
    if (!db_) return notOpen();
    if (inTransaction_)
        return Status::Fail(
            QCoreApplication::translate("Connection",
                                        "Auf der Datenbank „%1“ ist bereits eine Transaktion "
                                        "offen.")
                .arg(dataSource_),
            SQLITE_MISUSE, ErrorKind::Sqlite);
    return Execute(QStringLiteral("BEGIN IMMEDIATE"));
}

Status Connection::CommitTrans() {
    if (!db_) return notOpen();
    if (!inTransaction_)
        return Status::Fail(QCoreApplication::translate(
                                "Connection", "Auf der Datenbank „%1“ ist keine Transaktion offen.")
                                .arg(dataSource_),
                            SQLITE_MISUSE, ErrorKind::Sqlite);
    return Execute(QStringLiteral("COMMIT"));
}

Status Connection::RollbackTrans() {
    if (!db_) return notOpen();
    if (!inTransaction_)
        return Status::Fail(QCoreApplication::translate(
                                "Connection", "Auf der Datenbank „%1“ ist keine Transaktion offen.")
                                .arg(dataSource_),
                            SQLITE_MISUSE, ErrorKind::Sqlite);
    return Execute(QStringLiteral("ROLLBACK"));
}

Status Connection::SetCacheKiB(int lKiB) {
    return Execute(QStringLiteral("PRAGMA main.cache_size = -%1").arg(lKiB));
}

Status Connection::Execute(const QString& sql) {
    if (!db_) return notOpen();
    const QByteArray text = MapSqlDialect(sql).toUtf8();
    const int rc = sqlite3_exec(db_, text.constData(), nullptr, nullptr, nullptr);
    // A statement may open or end a transaction, and a failure may end one.
    inTransaction_ = !sqlite3_get_autocommit(db_);
    if (rc != SQLITE_OK) return DatabaseError(db_, rc, MessageName());
    return Status::Ok();
}

Status Connection::PrepareCommit() {
    if (!db_) return notOpen();
    int rc = sqlite3_db_cacheflush(db_);
    // The journal went to the disk before the first page was written; now the pages follow.
    sqlite3_file* datei = nullptr;
    if (rc == SQLITE_OK) rc = sqlite3_file_control(db_, "main", SQLITE_FCNTL_FILE_POINTER, &datei);
    if (rc == SQLITE_OK && datei && datei->pMethods)
        rc = datei->pMethods->xSync(datei, SQLITE_SYNC_FULL);
    if (rc != SQLITE_OK) return DatabaseError(db_, rc, MessageName());
    return Status::Ok();
}

void Connection::Close() {
    if (!db_) return;
    if (!sqlite3_get_autocommit(db_)) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close_v2(db_);
    db_ = nullptr;
    inTransaction_ = false;
    dataSource_.clear();
}

QString Connection::MessageName() const {
    return displayName_.isEmpty() ? dataSource_ : displayName_;
}

}  // namespace tolva
