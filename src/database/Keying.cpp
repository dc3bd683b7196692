// Keys a freshly opened SQLCipher handle with the passphrase and the fixed cipher settings.
#include "database/Keying.h"

#include "database/Connection.h"

#include <QCoreApplication>

#include <sqlite3.h>

namespace tolva {

// An empty passphrase leaves the file unkeyed (a plain SQLite file).
Status ApplyKey(sqlite3* db, const QString& passphrase) {
    if (!db)
        return Status::Fail(
            QCoreApplication::translate("Keying", "Die Datenbank ist nicht geöffnet."),
            SQLITE_MISUSE, ErrorKind::Sqlite);
    if (passphrase.isEmpty()) return Status::Ok();
    QString sSchluessel = passphrase;
    sSchluessel.replace(u'\'', QStringLiteral("''"));
    const QByteArray sql = (QStringLiteral("PRAGMA key = '") + sSchluessel +
                            QStringLiteral("'; PRAGMA cipher_page_size = 4096; "
                                           "PRAGMA kdf_iter = 4000;"))
                               .toUtf8();
    const int rc = sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) return DatabaseError(db, rc);
    return Status::Ok();
}

}  // namespace tolva
