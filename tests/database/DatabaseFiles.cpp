// Scratch database files for the database tests.
#include "DatabaseFiles.h"

#include "database/ConnectionText.h"
#include "database/Schema.h"
#include "files/DatabaseFile.h"

#include <QProcess>

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace tolva::test {

QString ScratchFolder::NewDatabase(const QString& sName) {
    const QString sPfad = Path(sName);
    const Status st = CreateDatabaseFile(sPfad);
    EXPECT_TRUE(st.ok()) << st.description().toStdString();
    return sPfad;
}

Status OpenDatabase(Connection& cn, const QString& sPfad, int lMode) {
    cn.SetMode(lMode);
    return cn.Open(BuildConnectionText(sPfad));
}

QStringList QueryRows(sqlite3* db, const QString& sql) {
    QStringList rows;
    sqlite3_stmt* stmt = nullptr;
    const QByteArray text = sql.toUtf8();
    EXPECT_EQ(sqlite3_prepare_v2(db, text.constData(), -1, &stmt, nullptr), SQLITE_OK)
        << sqlite3_errmsg(db);
    while (stmt && sqlite3_step(stmt) == SQLITE_ROW) {
        QStringList fields;
        for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
            const auto* value = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
            fields << (value ? QString::fromUtf8(value) : QStringLiteral("NULL"));
        }
        rows << fields.join(u'|');
    }
    sqlite3_finalize(stmt);
    return rows;
}

ShellResult RunSqlcipherShell(const QString& sPfad, const QString& sSql) {
    QProcess shell;
    shell.setProcessChannelMode(QProcess::MergedChannels);
    shell.start(QStringLiteral("/usr/bin/sqlcipher"), {sPfad});
    if (!shell.waitForStarted(5000)) return {};
    shell.write(("PRAGMA key = 'kiwi+banane';\nPRAGMA cipher_page_size = 4096;\n"
                 "PRAGMA kdf_iter = 4000;\n" +
                 sSql + u'\n')
                    .toUtf8());
    shell.closeWriteChannel();
    if (!shell.waitForFinished(10000)) return {};
    return {QString::fromUtf8(shell.readAll()), shell.exitCode()};
}

}  // namespace tolva::test
