// Reading generated demo databases back in tests: open with the fixed key, query, dump.
#include "DemoQueries.h"

#include "archive/ModCrypt.h"
#include "database/ConnectionText.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace tolva::test {

namespace {

QVariant ColumnValue(sqlite3_stmt* stmt, int i) {
    switch (sqlite3_column_type(stmt, i)) {
        case SQLITE_INTEGER:
            return QVariant(static_cast<qint64>(sqlite3_column_int64(stmt, i)));
        case SQLITE_FLOAT:
            return QVariant(sqlite3_column_double(stmt, i));
        case SQLITE_TEXT:
            return QVariant(
                QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, i)),
                                  sqlite3_column_bytes(stmt, i)));
        case SQLITE_BLOB: {
            const int n = sqlite3_column_bytes(stmt, i);
            const char* p = static_cast<const char*>(sqlite3_column_blob(stmt, i));
            return QVariant(n == 0 ? QByteArray("") : QByteArray(p, n));
        }
        default:
            return QVariant();
    }
}

}  // namespace

std::unique_ptr<Connection> OpenDemo(const QString& sPfad) {
    auto connection = std::make_unique<Connection>();
    const Status st = connection->Open(BuildConnectionText(sPfad));
    EXPECT_TRUE(st.ok()) << st.description().toStdString();
    return connection;
}

std::vector<std::vector<QVariant>> QueryRows(const Connection& connection, const QString& sql) {
    std::vector<std::vector<QVariant>> aZeilen;
    sqlite3_stmt* stmt = nullptr;
    const QByteArray aSql = sql.toUtf8();
    const int rc = sqlite3_prepare_v2(connection.Handle(), aSql.constData(), -1, &stmt, nullptr);
    EXPECT_EQ(rc, SQLITE_OK) << sqlite3_errmsg(connection.Handle()) << " in " << aSql.constData();
    if (rc != SQLITE_OK) return aZeilen;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        std::vector<QVariant> zeile;
        for (int i = 0; i < sqlite3_column_count(stmt); ++i) zeile.push_back(ColumnValue(stmt, i));
        aZeilen.push_back(std::move(zeile));
    }
    sqlite3_finalize(stmt);
    return aZeilen;
}

QVariant QueryValue(const Connection& connection, const QString& sql) {
    const auto aZeilen = QueryRows(connection, sql);
    if (aZeilen.empty() || aZeilen.front().empty()) return QVariant();
    return aZeilen.front().front();
}

qint64 QueryInt(const Connection& connection, const QString& sql) {
    return QueryValue(connection, sql).toLongLong();
}

QByteArray DumpTable(const Connection& connection, const QString& sTabelle) {
    const bool bMitId = sTabelle != QLatin1String("Optionen");
    QByteArray aText;
    const auto aZeilen =
        QueryRows(connection,
                  QStringLiteral("SELECT * FROM %1%2").arg(sTabelle, bMitId ? " ORDER BY id" : ""));
    for (const auto& zeile : aZeilen) {
        for (const QVariant& wert : zeile) {
            aText += wert.typeName() ? wert.typeName() : "null";
            aText += ':';
            aText += wert.typeId() == QMetaType::QByteArray ? wert.toByteArray().toHex()
                                                            : wert.toString().toUtf8();
            aText += '|';
        }
        aText += '\n';
    }
    return aText;
}

QString Unscrambled(const QByteArray& aDaten, bool bFlag) {
    QString sText = Decrypt(aDaten, bFlag);
    while (sText.endsWith(QChar(0))) sText.chop(1);
    return sText;
}

}  // namespace tolva::test
