// BrowseFile: opening a file strictly for reading, its accounts, orders and collective orders.
#include "browse/BrowseFile.h"

#include "archive/AccountNames.h"

#include "files/ReadOnlyVfs.h"

#include "browse/BrowseQuery.h"
#include "database/Connection.h"
#include "database/ConnectionText.h"
#include "database/Keying.h"
#include "text/ModCrypt.h"
#include "text/PlainText.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <sqlite3.h>

#include <chrono>
#include <set>
#include <thread>

namespace tolva {
namespace {

constexpr int kBusyTimeoutMs = 1500;
// The password sits at every third place of the 52-character record, up to place 48.
constexpr int kPasswortSchritt = 3;
constexpr int kPasswortEnde = 48;

Error FileError(const QString& sText, int rc) {
    return Error{sText, rc, ErrorKind::Sqlite};
}

// Refusals that need no look inside the file. A non-empty "-journal" beside it is the trace
// of a writer that died mid-transaction: the file holds half of a change, and rolling it back
// would be a write.
std::optional<Error> CheckBeforeOpening(const QString& sPfad) {
    const QFileInfo info(sPfad);
    if (!info.exists())
        return FileError(
            QCoreApplication::translate("BrowseFile", "Die Datei „%1“ wurde nicht gefunden.")
                .arg(sPfad),
            SQLITE_CANTOPEN);
    if (!info.isFile())
        return FileError(
            QCoreApplication::translate("BrowseFile", "„%1“ ist keine Datei.").arg(sPfad),
            SQLITE_CANTOPEN);
    if (info.size() == 0)
        return FileError(QCoreApplication::translate("BrowseFile",
                                                     "Die Datei „%1“ ist leer und keine Datenbank.")
                             .arg(sPfad),
                         SQLITE_NOTADB);
    const QFileInfo journal(sPfad + QStringLiteral("-journal"));
    if (journal.exists() && journal.size() > 0)
        return FileError(
            QCoreApplication::translate("BrowseFile",
                                        "Die Datei „%1“ wurde nicht vollständig geschrieben: Das "
                                        "Programm, das sie zuletzt geändert hat, wurde dabei "
                                        "unterbrochen. Sie wird erst wieder gelesen, wenn dieses "
                                        "Programm sie geöffnet hat.")
                .arg(sPfad),
            SQLITE_CANTOPEN);
    return std::nullopt;
}

// A file shorter than the pages its header counts has lost its end.
std::optional<Error> CheckComplete(sqlite3* db, const QString& sPfad) {
    Query seiten(db, "PRAGMA page_count", sPfad);
    Query groesse(db, "PRAGMA page_size", sPfad);
    if (!seiten.Next() || !groesse.Next()) {
        const Status& st = seiten.status().ok() ? groesse.status() : seiten.status();
        if (!st.ok()) return st.error();
        return std::nullopt;
    }
    if (seiten.Int(0) * groesse.Int(0) > QFileInfo(sPfad).size())
        return FileError(
            QCoreApplication::translate("BrowseFile",
                                        "Die Datenbank „%1“ ist beschädigt: Die Datei ist "
                                        "unvollständig.")
                .arg(sPfad),
            SQLITE_CORRUPT);
    return std::nullopt;
}

// The password that the first Optionen row carries; empty for none. Fails when the file has
// no Optionen table with a password field: then it is no file of ours.
Result<QString> StoredPassword(sqlite3* db, const QString& sPfad) {
    Query optionen(db, "SELECT Paßwort FROM Optionen LIMIT 1", sPfad);
    if (!optionen.Next()) {
        const Status& st = optionen.status();
        if (st.ok()) return QString();
        // SQLITE_ERROR here is a missing table or field.
        if (!IsSqlite(st.error(), SQLITE_ERROR)) return st.error();
        return FileError(
            QCoreApplication::translate("BrowseFile",
                                        "Die Datei „%1“ ist keine Datenbank dieses Programms (%2).")
                .arg(sPfad, QString::fromUtf8(sqlite3_errmsg(db))),
            SQLITE_NOTADB);
    }
    const QString sSatz = Decrypt(optionen.Blob(0), true);
    QString sPasswort;
    for (qsizetype p = kPasswortSchritt; p <= kPasswortEnde && p <= sSatz.size();
         p += kPasswortSchritt)
        sPasswort += sSatz[p - 1];
    while (!sPasswort.isEmpty() && (sPasswort.back() == u' ' || sPasswort.back() == QChar(0)))
        sPasswort.chop(1);
    return sPasswort;
}

Status CheckPassword(sqlite3* db, const QString& sPfad, QString sPasswort) {
    const Result<QString> gespeichert = StoredPassword(db, sPfad);
    if (!gespeichert.ok() || gespeichert.value().isEmpty()) return gespeichert.status();
    while (sPasswort.endsWith(u' ')) sPasswort.chop(1);
    if (sPasswort.isEmpty())
        return Status::Fail(QCoreApplication::translate("BrowseFile",
                                                        "Das Archiv „%1“ ist mit einem Passwort "
                                                        "geschützt. Bitte geben Sie das Passwort "
                                                        "ein.")
                                .arg(sPfad),
                            kCodePasswortFehlt);
    if (sPasswort != gespeichert.value())
        return Status::Fail(QCoreApplication::translate(
                                "BrowseFile", "Das Passwort für das Archiv „%1“ ist falsch.")
                                .arg(sPfad),
                            kCodePasswortFalsch);
    return Status::Ok();
}

// How many virtual machine steps pass between two looks at the cancel flag, and how long a
// wait for a lock sleeps between two tries.
constexpr int kSchritteJeBlick = 4000;
constexpr int kWarteschrittMs = 10;

bool Cancelled(void* pAbbruch) {
    return static_cast<const std::atomic<bool>*>(pAbbruch)->load(std::memory_order_relaxed);
}

int StopWhenCancelled(void* pAbbruch) {
    return Cancelled(pAbbruch) ? 1 : 0;
}

// sqlite3_busy_timeout's wait, in short sleeps that end early on the cancel flag.
int WaitUnlessCancelled(void* pAbbruch, int lVersuche) {
    if (Cancelled(pAbbruch) || lVersuche * kWarteschrittMs >= kBusyTimeoutMs) return 0;
    std::this_thread::sleep_for(std::chrono::milliseconds(kWarteschrittMs));
    return 1;
}

}  // namespace

void WatchCancel(sqlite3* db, const std::atomic<bool>* pAbbruch) {
    if (!pAbbruch) {
        sqlite3_busy_timeout(db, kBusyTimeoutMs);
        return;
    }
    void* flag = const_cast<std::atomic<bool>*>(pAbbruch);
    sqlite3_busy_handler(db, WaitUnlessCancelled, flag);
    sqlite3_progress_handler(db, kSchritteJeBlick, StopWhenCancelled, flag);
    // A step that reads many pages without looking at the flag (the check of every page)
    // stops at its next read of an archive's file.
    FailReadsWhenCancelled(db, pAbbruch);
}

namespace {

// Keys the handle and proves that the key opens a complete file of ours.
Status PrepareConnection(sqlite3* db, const QString& sPfad, const QString& sPasswort,
                         bool bPasswortPruefen, const std::atomic<bool>* pAbbruch) {
    WatchCancel(db, pAbbruch);
    if (Status st = ApplyKey(db, QLatin1String(kDatenbankPasswort)); !st)
        return DatabaseError(db, st.error().code, sPfad);
    // The first read: a wrong key or a foreign file fails here.
    const int rc =
        sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) return DatabaseError(db, rc, sPfad);
    if (std::optional<Error> fehler = CheckComplete(db, sPfad)) return *fehler;
    if (bPasswortPruefen) {
        if (Status st = CheckPassword(db, sPfad, sPasswort); !st) return st;
    } else if (Result<QString> satz = StoredPassword(db, sPfad); !satz.ok()) {
        return satz.status();
    }
    sqlite3_exec(
        db,
        QStringLiteral("PRAGMA cache_size = -%1").arg(Connection::kCacheKiB).toUtf8().constData(),
        nullptr, nullptr, nullptr);
    return RegisterSearchFold(db);
}

}  // namespace

Result<sqlite3*> OpenSecondConnection(const QString& sPfad, const std::atomic<bool>* pAbbruch) {
    sqlite3* db = nullptr;
    const int rc =
        sqlite3_open_v2(QFile::encodeName(sPfad).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    Status st = rc == SQLITE_OK ? Status::Ok() : Status(DatabaseError(db, rc, sPfad));
    if (st) {
        WatchCancel(db, pAbbruch);
        st = ApplyKey(db, QLatin1String(kDatenbankPasswort));
    }
    if (!st) {
        sqlite3_close_v2(db);
        return st.error();
    }
    return db;
}

QString UnknownAccountLabel(qint64 lKontoID) {
    return QCoreApplication::translate("BrowseFile", "Konto %1").arg(lKontoID);
}

QString UnknownAccountLabelGerman(qint64 lKontoID) {
    return QStringLiteral("Konto %1").arg(lKontoID);
}

BrowseFile::BrowseFile(QString sPfad, sqlite3* db, bool bArchiv)
    : sPfad_(std::move(sPfad)), db_(db), bArchiv_(bArchiv) {}

BrowseFile::~BrowseFile() {
    sqlite3_close_v2(db_);
}

void BrowseFile::Interrupt() {
    sqlite3_interrupt(db_);
}

bool BrowseFile::PasswordNeeded(const Error& fehler) {
    return IsEngine(fehler, kCodePasswortFehlt) || IsEngine(fehler, kCodePasswortFalsch);
}

Result<std::unique_ptr<BrowseFile>> BrowseFile::Open(const QString& sPfad, const QString& sPasswort,
                                                     bool bPasswortPruefen,
                                                     const std::atomic<bool>* pAbbruch) {
    if (std::optional<Error> fehler = CheckBeforeOpening(sPfad)) return *fehler;
    sqlite3* db = nullptr;
    // An archive is read through the layer that never writes, not even beside the file; the
    // user database as every reader of it reads it (in WAL mode through its "-wal" and "-shm").
    const int rc = sqlite3_open_v2(QFile::encodeName(sPfad).constData(), &db, SQLITE_OPEN_READONLY,
                                   bPasswortPruefen ? ReadOnlyVfsName() : nullptr);
    Status st = rc == SQLITE_OK ? Status::Ok() : Status(DatabaseError(db, rc, sPfad));
    if (st) st = PrepareConnection(db, sPfad, sPasswort, bPasswortPruefen, pAbbruch);
    if (!st) {
        sqlite3_close_v2(db);
        return st.error();
    }
    return std::unique_ptr<BrowseFile>(new BrowseFile(sPfad, db, bPasswortPruefen));
}

Result<std::map<qint64, QString>> BrowseFile::AccountLabels() {
    std::vector<AccountName> namen;
    Query q(db_, "SELECT id, KontoName, KontoNummer, IBAN FROM Konten", sPfad_);
    while (q.Next())
        namen.push_back(AccountName{q.Int(0), PlainText(Decrypt(q.Blob(1), false)),
                                    PlainText(Decrypt(q.Blob(2), false)), q.Text(3)});
    if (!q.status()) return q.status();
    return DistinctAccountLabels(namen);
}

Result<std::map<qint64, QString>> BrowseFile::AccountNumbers() {
    std::map<qint64, QString> nummern;
    Query q(db_, "SELECT id, KontoNummer, IBAN FROM Konten", sPfad_);
    while (q.Next()) {
        QString s = PlainText(Decrypt(q.Blob(1), false));
        if (s.isEmpty()) s = q.Text(2).trimmed();
        if (!s.isEmpty()) nummern[q.Int(0)] = s;
    }
    if (!q.status()) return q.status();
    return nummern;
}

Result<std::map<qint64, QString>> BrowseFile::CategoryPaths() {
    struct Kategorie {
        QString sName;
        qint64 lParent = 0;  // 0: none
    };
    std::map<qint64, Kategorie> kategorien;
    Query q(db_, "SELECT id, Name, ParentID FROM Kategorien", sPfad_);
    while (q.Next()) kategorien[q.Int(0)] = {q.Text(1), q.IsNull(2) ? 0 : q.Int(2)};
    if (!q.status()) return q.status();
    std::map<qint64, QString> pfade;
    for (const auto& eintrag : kategorien) {
        QStringList namen;
        std::set<qint64> gesehen;
        for (auto it = kategorien.find(eintrag.first);
             it != kategorien.end() && gesehen.insert(it->first).second;
             it = it->second.lParent != 0 ? kategorien.find(it->second.lParent) : kategorien.end())
            namen.prepend(it->second.sName);
        pfade[eintrag.first] = namen.join(QStringLiteral(" / "));
    }
    return pfade;
}

Result<std::vector<OrderRow>> BrowseFile::Orders(std::optional<qint64> lKontoID) {
    QByteArray sql =
        "SELECT id, KontoID, Status, Datum, Betrag, Empfaenger, Verwendungszweck FROM Aufträge";
    if (lKontoID) sql += " WHERE KontoID = ?1";
    Query q(db_, sql + " ORDER BY Datum, id", sPfad_);
    if (lKontoID) q.Bind(1, *lKontoID);
    std::vector<OrderRow> zeilen;
    while (q.Next())
        zeilen.push_back(
            OrderRow{q.Int(0), q.Int(1), q.Int(2), q.Text(3), q.Int(4), q.Text(5), q.Text(6)});
    if (!q.status()) return q.status();
    return zeilen;
}

Result<std::vector<CollectiveRow>> BrowseFile::CollectiveOrders(std::optional<qint64> lKontoID) {
    QByteArray sql =
        "SELECT s.id, s.KontoID, s.Status, s.Datum, s.AusfDatum, s.Bezeichnung, count(e.id), "
        "coalesce(sum(e.Betrag), 0) FROM SammelAufträge s "
        "LEFT JOIN SammelEinzel e ON e.SammelID = s.id";
    if (lKontoID) sql += " WHERE s.KontoID = ?1";
    Query q(db_, sql + " GROUP BY s.id ORDER BY s.Datum, s.id", sPfad_);
    if (lKontoID) q.Bind(1, *lKontoID);
    std::vector<CollectiveRow> zeilen;
    while (q.Next())
        zeilen.push_back(CollectiveRow{q.Int(0), q.Int(1), q.Int(2), q.Text(3),
                                       PlainText(Decrypt(q.Blob(4), false)), q.Text(5), q.Int(6),
                                       q.Int(7)});
    if (!q.status()) return q.status();
    return zeilen;
}

}  // namespace tolva
