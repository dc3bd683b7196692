// Connection: opening real keyed files, refusing bad or missing ones, and the exclusive lock.
#include "DatabaseFiles.h"

#include "database/Connection.h"
#include "database/ConnectionText.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace tolva {
namespace {

using test::OpenDatabase;
using test::QueryRows;
using test::ScratchFolder;

const QString kInUse = QStringLiteral("wird gerade von einem anderen Programm benutzt");

// Fills Kategorien with n rows in one statement.
void fillKategorien(Connection& cn, int n) {
    ASSERT_TRUE(cn.Execute(QStringLiteral("WITH RECURSIVE z(i) AS (SELECT 1 UNION ALL SELECT i+1 "
                                          "FROM z WHERE i < %1) INSERT INTO Kategorien "
                                          "SELECT i, 'Kategorie ' || i, NULL FROM z")
                               .arg(n))
                    .ok());
}

// Each bad file fails with a German text naming the file, leaves the connection closed and
// the file as it was.
void expectOpenFails(const QString& sPfad, const QString& sConnectionText, int lCode,
                     const QString& sTeil) {
    const qint64 lGroesse = QFileInfo(sPfad).size();
    Connection cn;
    const Status st = cn.Open(sConnectionText);
    ASSERT_FALSE(st.ok());
    EXPECT_EQ(st.error().code & 0xff, lCode) << st.description().toStdString();
    EXPECT_TRUE(st.description().contains(sTeil)) << st.description().toStdString();
    EXPECT_TRUE(st.description().contains(sPfad)) << st.description().toStdString();
    EXPECT_EQ(cn.State(), Connection::adStateClosed);
    EXPECT_EQ(cn.Handle(), nullptr);
    EXPECT_EQ(QFileInfo(sPfad).size(), lGroesse);
}

TEST(ConnectionOpen, RefusesFilesItCannotUse) {
    ScratchFolder folder;
    const QString sBank = folder.NewDatabase(QStringLiteral("Bank.dat"));
    // Another key does not open the file.
    QString sFremderSchluessel = BuildConnectionText(sBank);
    sFremderSchluessel.replace(QStringLiteral("kiwi+banane"), QStringLiteral("apfel+birne"));
    expectOpenFails(sBank, sFremderSchluessel, SQLITE_NOTADB, QStringLiteral("Datenbankschlüssel"));

    // A text file named like a database.
    const QString sText = folder.Path(QStringLiteral("Notizen.dat"));
    QFile text(sText);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write(QByteArray("Dies ist keine Datenbank, nur ein Text.\n").repeated(300));
    text.close();
    expectOpenFails(sText, BuildConnectionText(sText), SQLITE_NOTADB,
                    QStringLiteral("keine Datenbank"));

    // An empty file is no database either (and is not turned into one).
    const QString sLeer = folder.Path(QStringLiteral("Leer.dat"));
    ASSERT_TRUE(QFile(sLeer).open(QIODevice::WriteOnly));
    expectOpenFails(sLeer, BuildConnectionText(sLeer), SQLITE_NOTADB, QStringLiteral("leer"));
    EXPECT_EQ(QFileInfo(sLeer).size(), 0);

    // A folder.
    expectOpenFails(folder.Path(QString()), BuildConnectionText(folder.Path(QString())),
                    SQLITE_CANTOPEN, QStringLiteral("keine Datei"));
}

TEST(ConnectionOpen, RefusesATruncatedDatabase) {
    ScratchFolder folder;
    const QString sPfad = folder.NewDatabase(QStringLiteral("Bank.dat"));
    {
        Connection cn;
        ASSERT_TRUE(OpenDatabase(cn, sPfad).ok());
        fillKategorien(cn, 5000);
    }
    const qint64 lGroesse = QFileInfo(sPfad).size();
    ASSERT_GT(lGroesse, 20 * 4096);
    for (const qint64 lNeu : {lGroesse / 2 / 4096 * 4096, lGroesse - 100}) {
        ASSERT_TRUE(QFile::resize(sPfad, lNeu));
        expectOpenFails(sPfad, BuildConnectionText(sPfad), SQLITE_CORRUPT,
                        QStringLiteral("beschädigt"));
    }
}

TEST(ConnectionOpen, MissingFileIsReportedAndNotCreated) {
    ScratchFolder folder;
    const QString sPfad = folder.Path(QStringLiteral("Fehlt.dat"));
    Connection cn;
    const Status st = OpenDatabase(cn, sPfad);
    ASSERT_FALSE(st.ok());
    EXPECT_EQ(st.description(),
              QStringLiteral("Die Datenbank „%1“ wurde nicht gefunden.").arg(sPfad));
    EXPECT_EQ(cn.State(), Connection::adStateClosed);
    EXPECT_FALSE(QFileInfo::exists(sPfad));
    EXPECT_FALSE(QFileInfo::exists(sPfad + QStringLiteral("-journal")));
    // A missing folder on the way is not made either.
    const QString sTief = folder.Path(QStringLiteral("neu/Bank.dat"));
    EXPECT_FALSE(OpenDatabase(cn, sTief).ok());
    EXPECT_FALSE(QFileInfo::exists(folder.Path(QStringLiteral("neu"))));
}

TEST(ConnectionLocking, ExclusiveModeKeepsOtherConnectionsAndProcessesOut) {
    ScratchFolder folder;
    const QString sPfad = folder.NewDatabase(QStringLiteral("Archiv.aba"));
    Connection exklusiv;
    ASSERT_TRUE(OpenDatabase(exklusiv, sPfad, Connection::adModeShareExclusive).ok());
    EXPECT_EQ(exklusiv.Mode(), Connection::adModeShareExclusive);

    Connection zweite;
    const Status st = OpenDatabase(zweite, sPfad);
    ASSERT_FALSE(st.ok());
    EXPECT_EQ(st.description(), QStringLiteral("Die Datenbank „%1“ %2.").arg(sPfad, kInUse));
    EXPECT_EQ(zweite.State(), Connection::adStateClosed);

    // Another process neither reads nor writes.
    const auto shell =
        test::RunSqlcipherShell(sPfad, QStringLiteral("SELECT Version FROM Optionen;"));
    EXPECT_TRUE(shell.sAusgabe.contains(QStringLiteral("locked"))) << shell.sAusgabe.toStdString();
    EXPECT_FALSE(shell.sAusgabe.contains(u'5'));

    // The exclusive connection itself works normally, in and out of transactions.
    ASSERT_TRUE(
        exklusiv.Execute(QStringLiteral("INSERT INTO Kategorien VALUES (1, 'a', NULL)")).ok());
    ASSERT_TRUE(exklusiv.BeginTrans().ok());
    ASSERT_TRUE(
        exklusiv.Execute(QStringLiteral("INSERT INTO Kategorien VALUES (2, 'b', NULL)")).ok());
    ASSERT_TRUE(exklusiv.CommitTrans().ok());
    EXPECT_FALSE(OpenDatabase(zweite, sPfad).ok());

    exklusiv.Close();
    EXPECT_FALSE(QFileInfo::exists(sPfad + QStringLiteral("-journal")));
    ASSERT_TRUE(OpenDatabase(zweite, sPfad).ok());
    EXPECT_EQ(QueryRows(zweite.Handle(), QStringLiteral("SELECT count(*) FROM Kategorien")),
              QStringList{QStringLiteral("2")});
    zweite.Close();
    EXPECT_EQ(test::RunSqlcipherShell(sPfad, QStringLiteral("SELECT Version FROM Optionen;"))
                  .sAusgabe.trimmed(),
              QStringLiteral("5"));
}

}  // namespace
}  // namespace tolva
