// Keyed database files for the engine tests, on the raw sqlite3 API.
#include "EngineFiles.h"

#include "database/ConnectionText.h"
#include "database/Keying.h"
#include "database/Schema.h"
#include "files/DatabaseFile.h"

#include <QFile>

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace tolva::test {

RawDatabase::RawDatabase(const QString& sPfad) {
    sqlite3* db = nullptr;
    int rc =
        sqlite3_open_v2(QFile::encodeName(sPfad).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc == SQLITE_OK) {
        const Status keyed = ApplyKey(db, QString::fromLatin1(kDatenbankPasswort));
        rc = keyed.ok()
                 ? sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr)
                 : SQLITE_ERROR;
    }
    if (rc != SQLITE_OK) {
        ADD_FAILURE() << "cannot open " << sPfad.toStdString() << ": " << sqlite3_errmsg(db);
        sqlite3_close_v2(db);
        return;
    }
    sqlite3_busy_timeout(db, 2000);
    db_ = db;
}

RawDatabase::~RawDatabase() {
    if (db_) sqlite3_close_v2(db_);
}

void RawDatabase::Exec(const QString& sql) {
    if (!db_) return;
    char* fehler = nullptr;
    if (sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &fehler) != SQLITE_OK)
        ADD_FAILURE() << sql.toStdString() << ": " << (fehler ? fehler : "?");
    sqlite3_free(fehler);
}

QStringList RawDatabase::Rows(const QString& sql) {
    QStringList rows;
    if (!db_) return rows;
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db_, sql.toUtf8().constData(), -1, &stmt, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << sql.toStdString() << ": " << sqlite3_errmsg(db_);
        return rows;
    }
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        QStringList fields;
        for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
            switch (sqlite3_column_type(stmt, i)) {
                case SQLITE_NULL:
                    fields << QStringLiteral("NULL");
                    break;
                case SQLITE_BLOB: {
                    const QByteArray blob(static_cast<const char*>(sqlite3_column_blob(stmt, i)),
                                          sqlite3_column_bytes(stmt, i));
                    fields << QStringLiteral("x'") + QString::fromLatin1(blob.toHex()) +
                                  QLatin1Char('\'');
                    break;
                }
                default:
                    fields << QString::fromUtf8(
                        reinterpret_cast<const char*>(sqlite3_column_text(stmt, i)));
            }
        }
        rows << fields.join(u'|');
    }
    sqlite3_finalize(stmt);
    return rows;
}

qint64 RawDatabase::Number(const QString& sql) {
    if (!db_) return 0;
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db_, sql.toUtf8().constData(), -1, &stmt, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << sql.toStdString() << ": " << sqlite3_errmsg(db_);
        return 0;
    }
    const qint64 wert = sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int64(stmt, 0) : 0;
    sqlite3_finalize(stmt);
    return wert;
}

QByteArray RawDatabase::Bytes(const QString& sql) {
    if (!db_) return {};
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db_, sql.toUtf8().constData(), -1, &stmt, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << sql.toStdString() << ": " << sqlite3_errmsg(db_);
        return {};
    }
    QByteArray wert;
    if (sqlite3_step(stmt) == SQLITE_ROW)
        wert = QByteArray(static_cast<const char*>(sqlite3_column_blob(stmt, 0)),
                          sqlite3_column_bytes(stmt, 0));
    sqlite3_finalize(stmt);
    return wert;
}

QString NewSchemaFile(const QString& sPfad) {
    const Status st = CreateDatabaseFile(sPfad);
    EXPECT_TRUE(st.ok()) << st.description().toStdString();
    return sPfad;
}

QByteArray FileBytes(const QString& sPfad) {
    QFile f(sPfad);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

void CopyFileForTest(const QString& sQuelle, const QString& sZiel) {
    QFile::remove(sZiel);
    ASSERT_TRUE(QFile::copy(sQuelle, sZiel))
        << sQuelle.toStdString() << " -> " << sZiel.toStdString();
    QFile::setPermissions(sZiel, QFile::ReadOwner | QFile::WriteOwner);
}

QString IntegrityCheck(const QString& sPfad) {
    RawDatabase db(sPfad);
    const QStringList rows = db.Rows(QStringLiteral("PRAGMA integrity_check"));
    return rows.join(u'\n');
}

}  // namespace tolva::test
