// The backup copy: checkpoint, read transaction, byte copy, flush, rename.
#include "files/Backup.h"

#include "database/Connection.h"
#include "database/ConnectionText.h"
#include "files/ArchiveFile.h"
#include "files/ReopenCheck.h"
#include "files/RunFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>
#include <sys/stat.h>

namespace tolva {
namespace {

constexpr int kVersuche = 5;

// The first field of the first row of a query, as text.
Result<QString> QueryText(Connection& cn, const char* sql) {
    sqlite3_stmt* stmt = nullptr;
    int rc = sqlite3_prepare_v2(cn.Handle(), sql, -1, &stmt, nullptr);
    QString sWert;
    if (rc == SQLITE_OK && (rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        sWert = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
        rc = SQLITE_DONE;
    }
    sqlite3_finalize(stmt);
    if (rc != SQLITE_DONE) return DatabaseError(cn.Handle(), rc, cn.MessageName());
    return sWert;
}

qint64 FileSize(const QString& sPfad) {
    struct stat info {};
    return ::stat(QFile::encodeName(sPfad).constData(), &info) == 0 ? info.st_size : 0;
}

// Opens a read transaction on cn in which the database file alone holds every committed row:
// for a WAL database the log is checkpointed and truncated first, and the transaction counts
// only when no other program wrote to the log before it began (then no checkpoint can change
// the file while it lasts).
Status BeginStableRead(Connection& cn, const QString& sDatenbank) {
    Result<QString> modus = QueryText(cn, "PRAGMA journal_mode");
    if (!modus.ok()) return modus.status();
    const bool bWal = modus.value().compare(QLatin1String("wal"), Qt::CaseInsensitive) == 0;
    for (int versuch = 0; versuch < kVersuche; ++versuch) {
        if (bWal) {
            // busy | log frames | frames checkpointed; busy after the busy timeout: another
            // program keeps reading or writing the log.
            Result<QString> busy = QueryText(cn, "PRAGMA wal_checkpoint(TRUNCATE)");
            if (!busy.ok()) return busy.status();
            if (busy.value() != QLatin1String("0")) break;
        }
        if (Status s = cn.Execute(QStringLiteral("BEGIN; SELECT count(*) FROM sqlite_master"));
            !s.ok())
            return s;
        if (!bWal || FileSize(sDatenbank + QStringLiteral("-wal")) == 0) return Status::Ok();
        (void)cn.RollbackTrans();  // a writer came first; the read only looked
    }
    return DatabaseError(nullptr, SQLITE_BUSY, sDatenbank);
}

}  // namespace

Status WriteBackup(const QString& sDatenbank, RunFolder& ordner, const QString& sSicherung,
                   bool bNeuerName) {
    const QString sTemp = ordner.PathOf(RunFolder::kSicherungsDatei);
    Connection cn;
    Status s = cn.Open(BuildConnectionText(sDatenbank));
    if (s.ok()) s = BeginStableRead(cn, sDatenbank);
    if (s.ok()) {
        // The bytes are read through the connection's own descriptor: closing a second one
        // would drop the locks of this process on the file.
        sqlite3_file* datei = nullptr;
        const int rc = sqlite3_file_control(cn.Handle(), "main", SQLITE_FCNTL_FILE_POINTER, &datei);
        sqlite3_int64 lGroesse = 0;
        if (rc != SQLITE_OK || !datei || !datei->pMethods ||
            datei->pMethods->xFileSize(datei, &lGroesse) != SQLITE_OK)
            s = DatabaseError(cn.Handle(), rc == SQLITE_OK ? SQLITE_IOERR : rc, sDatenbank);
        sqlite3_int64 lStelle = 0;
        const BlockReader lesen = [&](char* puffer, qint64 lMax) -> Result<qint64> {
            const int n = static_cast<int>(qMin<sqlite3_int64>(lMax, lGroesse - lStelle));
            if (n <= 0) return qint64{0};
            const int rcLesen = datei->pMethods->xRead(datei, puffer, n, lStelle);
            if (rcLesen != SQLITE_OK) return DatabaseError(nullptr, rcLesen, sDatenbank);
            lStelle += n;
            return qint64{n};
        };
        if (s.ok()) s = CopyToNewFile(lesen, sTemp, PrivateCopyMode(sDatenbank), sSicherung);
    }
    if (s.ok()) s = FlushFile(sTemp, sSicherung);
    cn.Close();
    if (s.ok()) s = bNeuerName ? MoveToNewName(sTemp, sSicherung) : RenameFile(sTemp, sSicherung);
    if (!s.ok()) return s;
    s = SyncFolder(QFileInfo(sSicherung).absolutePath());
    // A backup that does not open under its name is no backup: it goes back into the private
    // folder, which takes it away.
    if (s.ok())
        s = ProveReopens(sSicherung, "SELECT count(*) FROM sqlite_master",
                         QCoreApplication::translate("Backup", "Die Sicherungsdatei"), true);
    if (!s.ok()) (void)RenameFile(sSicherung, sTemp);
    return s;
}

}  // namespace tolva
