// AttachKeyed: attaching a keyed file with the component's key.
#include "database/AttachKeyed.h"

#include "database/Connection.h"
#include "database/ConnectionText.h"
#include "database/SqlValue.h"

#include <QCoreApplication>
#include <QUrl>

#include <sqlite3.h>

namespace tolva {

Status AttachKeyed(Connection& cn, const QString& sPfad, const QString& sSchema, bool bNurLesen,
                   const QString& sName) {
    sqlite3* db = cn.Handle();
    if (!db)
        return Status::Fail(
            QCoreApplication::translate("AttachKeyed", "Die Datenbank ist nicht geöffnet."));
    const QString sDatei = bNurLesen
                               ? QStringLiteral("file:") +
                                     QString::fromLatin1(QUrl::toPercentEncoding(sPfad, "/")) +
                                     QStringLiteral("?mode=ro")
                               : sPfad;
    // Attached files take their cipher settings from the defaults.
    const QString sql = QStringLiteral(
                            "PRAGMA cipher_default_page_size = 4096; "
                            "PRAGMA cipher_default_kdf_iter = 4000; "
                            "ATTACH DATABASE %1 AS %2 KEY %3;")
                            .arg(SqlText(sDatei), QuoteIdentifier(sSchema),
                                 SqlText(QString::fromUtf8(kDatenbankPasswort)));
    if (const int rc = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr);
        rc != SQLITE_OK)
        return DatabaseError(db, rc, sName);
    const QByteArray sPruefen = QStringLiteral("SELECT count(*) FROM %1.sqlite_master")
                                    .arg(QuoteIdentifier(sSchema))
                                    .toUtf8();
    if (const int rc = sqlite3_exec(db, sPruefen.constData(), nullptr, nullptr, nullptr);
        rc != SQLITE_OK) {
        const Error fehler = DatabaseError(db, rc, sName);
        const QByteArray sLoesen =
            QStringLiteral("DETACH DATABASE %1").arg(QuoteIdentifier(sSchema)).toUtf8();
        sqlite3_exec(db, sLoesen.constData(), nullptr, nullptr, nullptr);
        return fehler;
    }
    return Status::Ok();
}

}  // namespace tolva
