// Archive folders with entries that are no archives, and paths with blanks and umlauts.
#include "BadInputFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>

#include <sqlite3.h>

namespace tolva::test {
namespace {

const QString kOeffnenFehler =
    QStringLiteral("Fehler beim Öffnen der Datenbank. Eventuell ist es keine Tolva-Backup-Datei");

// The output of "tolva-archiv list": entry name -> the indented lines below its entry.
// Every entry line must have the form "name vom dd.MM.yyyy[ hh:mm:ss]".
QMap<QString, QStringList> ParseList(const QString& sAusgabe) {
    static const QRegularExpression eintrag(
        QStringLiteral("^(\\S.*) vom \\d\\d\\.\\d\\d\\.\\d{4}( \\d\\d:\\d\\d:\\d\\d)?$"));
    QMap<QString, QStringList> liste;
    QString sName;
    for (const QString& sZeile : sAusgabe.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (sZeile.startsWith(QStringLiteral("    "))) {
            EXPECT_FALSE(sName.isEmpty()) << sZeile.toStdString();
            liste[sName] << sZeile.mid(4);
            continue;
        }
        const QRegularExpressionMatch m = eintrag.match(sZeile);
        EXPECT_TRUE(m.hasMatch()) << "not an entry: " << sZeile.toStdString();
        sName = m.captured(1);
        liste[sName];
    }
    return liste;
}

// Rows of a keyed database that an SQL count yields; -1 when it cannot be read.
qint64 CountRows(const QString& sDb, const char* sql) {
    sqlite3* db = nullptr;
    qint64 n = -1;
    if (sqlite3_open_v2(QFile::encodeName(sDb).constData(), &db, SQLITE_OPEN_READONLY, nullptr) ==
            SQLITE_OK &&
        sqlite3_exec(db,
                     "PRAGMA key = 'kiwi+banane'; PRAGMA cipher_page_size = 4096; "
                     "PRAGMA kdf_iter = 4000;",
                     nullptr, nullptr, nullptr) == SQLITE_OK) {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) == SQLITE_OK &&
            sqlite3_step(stmt) == SQLITE_ROW)
            n = sqlite3_column_int64(stmt, 0);
        sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
    return n;
}

const QString kBeschreibung = QStringLiteral("Alle Daten älter als 01.12.2023, erstellt am ");

TEST_F(BadInputTest, ArchiveFolderWithEntriesThatAreNoArchives) {
    const QString sOrdner = MakeFolder(QStringLiteral("archive"));
    const Lauf erstellt = Create(UserDb(), sOrdner + QStringLiteral("/echt.aba"));
    ASSERT_EQ(erstellt.lExitCode, 0) << erstellt.sFehler.toStdString();
    ASSERT_TRUE(QDir(sOrdner).mkdir(QStringLiteral("x.aba")));
    {
        QFile leer(sOrdner + QStringLiteral("/y.aba"));
        ASSERT_TRUE(leer.open(QIODevice::WriteOnly));
        QFile text(sOrdner + QStringLiteral("/z.aba"));
        ASSERT_TRUE(text.open(QIODevice::WriteOnly));
        text.write("Dies ist eine Notiz und kein Archiv.\n");
    }
    const QStringList aDateien{QStringLiteral("echt.aba"), QStringLiteral("y.aba"),
                               QStringLiteral("z.aba")};

    const Lauf lauf = RunTool({QStringLiteral("list"), sOrdner});
    EXPECT_EQ(lauf.lExitCode, 0) << lauf.sFehler.toStdString();
    const QMap<QString, QStringList> liste = ParseList(lauf.sAusgabe);
    EXPECT_EQ(liste.keys(), aDateien) << lauf.sAusgabe.toStdString();  // the folder left out
    EXPECT_EQ(liste.value(QStringLiteral("y.aba")), QStringList{kOeffnenFehler});
    EXPECT_EQ(liste.value(QStringLiteral("z.aba")), QStringList{kOeffnenFehler});
    const QStringList aEcht = liste.value(QStringLiteral("echt.aba"));
    ASSERT_EQ(aEcht.size(), 1) << lauf.sAusgabe.toStdString();
    EXPECT_TRUE(aEcht[0].startsWith(kBeschreibung)) << aEcht[0].toStdString();
}

TEST_F(BadInputTest, PathWithBlanksAndUmlauts) {
    const QString sOrdner = MakeFolder(QStringLiteral("Mein Ordner/Bänke ä"));
    const QString sDb = sOrdner + QStringLiteral("/Kunde Öztürk.db");
    const QString sZiel = sOrdner + QStringLiteral("/Archiv Straße 2023.aba");
    ASSERT_TRUE(QFile::copy(UserDb(), sDb));
    const char* const kVorStichtag =
        "SELECT count(*) FROM Umsätze WHERE Buchungsdatum < '2023-12-01'";
    ASSERT_GT(CountRows(sDb, kVorStichtag), 0);

    const Lauf lauf = Create(sDb, sZiel);
    ASSERT_EQ(lauf.lExitCode, 0) << lauf.sFehler.toStdString();
    EXPECT_TRUE(lauf.sFehler.contains(QStringLiteral("Die Daten wurden erfolgreich archiviert.")))
        << lauf.sFehler.toStdString();
    EXPECT_TRUE(QFileInfo(sZiel).isFile());
    EXPECT_TRUE(
        QDir(sOrdner)
            .entryList({QStringLiteral(".tolva-*")}, QDir::AllEntries | QDir::Hidden | QDir::System)
            .isEmpty());
    EXPECT_EQ(CountRows(sDb, kVorStichtag), 0);
    EXPECT_GT(CountRows(sZiel, "SELECT count(*) FROM Umsätze"), 0);

    const Lauf liste = RunTool({QStringLiteral("list"), sOrdner + QLatin1Char('/')});
    EXPECT_EQ(liste.lExitCode, 0) << liste.sFehler.toStdString();
    const QMap<QString, QStringList> eintraege = ParseList(liste.sAusgabe);
    EXPECT_EQ(eintraege.keys(), QStringList{QStringLiteral("Archiv Straße 2023.aba")})
        << liste.sAusgabe.toStdString();
    const QStringList aZeilen = eintraege.value(QStringLiteral("Archiv Straße 2023.aba"));
    ASSERT_EQ(aZeilen.size(), 1);
    EXPECT_TRUE(aZeilen[0].startsWith(kBeschreibung)) << aZeilen[0].toStdString();
}

}  // namespace
}  // namespace tolva::test
