// The schema of new database files and the archive template that the build writes.
#include "DatabaseFiles.h"

#include "database/Connection.h"
#include "database/ConnectionText.h"
#include "database/Schema.h"
#include "files/DatabaseFile.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace tolva {
namespace {

using test::QueryRows;

// Table -> "name type pk" of each field in order, as the archive format fixes them.
const QList<std::pair<QString, QStringList>> kFelder = {
    {"Optionen", {"Version INTEGER 0", "Paßwort BLOB 0"}},
    {"BankDaten", {"id INTEGER 1", "BLZ TEXT 0", "BIC TEXT 0", "Name TEXT 0", "Ort TEXT 0"}},
    {"Konten",
     {"id INTEGER 1", "Nr INTEGER 0", "KontoName BLOB 0", "KontoNummer BLOB 0", "bankID INTEGER 0",
      "IBAN TEXT 0", "Waehrung TEXT 0"}},
    {"Umsätze",
     {"id INTEGER 1", "KontoID INTEGER 0", "Buchungsdatum TEXT 0", "Valuta TEXT 0",
      "BuchungsID TEXT 0", "Betrag INTEGER 0", "Empfaenger TEXT 0", "Verwendungszweck TEXT 0",
      "KategorieID INTEGER 0"}},
    {"UmsZusatz",
     {"id INTEGER 1", "KontoID INTEGER 0", "Buchungsdatum TEXT 0", "BuchungsID TEXT 0",
      "Notiz TEXT 0"}},
    {"OffeneUmsätze",
     {"id INTEGER 1", "KontoID INTEGER 0", "Buchungsdatum TEXT 0", "Betrag INTEGER 0",
      "Verwendungszweck TEXT 0"}},
    {"Aufträge",
     {"id INTEGER 1", "KontoID INTEGER 0", "Status INTEGER 0", "Datum TEXT 0", "Betrag INTEGER 0",
      "Empfaenger TEXT 0", "Verwendungszweck TEXT 0"}},
    {"SammelAufträge",
     {"id INTEGER 1", "KontoID INTEGER 0", "Status INTEGER 0", "Datum TEXT 0", "AusfDatum BLOB 0",
      "Bezeichnung TEXT 0"}},
    {"SammelEinzel",
     {"id INTEGER 1", "SammelID INTEGER 0", "Betrag INTEGER 0", "Empfaenger TEXT 0",
      "Verwendungszweck TEXT 0"}},
    {"Kategorien", {"id INTEGER 1", "Name TEXT 0", "ParentID INTEGER 0"}},
    {"Empfänger", {"id INTEGER 1", "Name TEXT 0", "IBAN TEXT 0", "BIC TEXT 0"}},
    {"Daten", {"id INTEGER 1", "Daten BLOB 0", "Flag INTEGER 0", "Typ INTEGER 0", "Datum TEXT 0"}},
};

// Checks tables, fields, indexes and the Optionen row of an open database.
void expectSchema(Connection& cn) {
    QStringList tabellen;
    for (const auto& [sTabelle, felder] : kFelder) {
        tabellen << sTabelle;
        QStringList gefunden;
        for (const QString& zeile :
             QueryRows(cn.Handle(), QStringLiteral("PRAGMA table_info(\"%1\")").arg(sTabelle))) {
            const QStringList teile = zeile.split(u'|');  // cid|name|type|notnull|default|pk
            gefunden << teile[1] + u' ' + teile[2] + u' ' + teile[5];
        }
        EXPECT_EQ(gefunden, felder) << sTabelle.toStdString();
        if (sTabelle != QStringLiteral("Optionen")) {
            EXPECT_EQ(
                QueryRows(cn.Handle(), QStringLiteral("SELECT count(*) FROM \"%1\"").arg(sTabelle)),
                QStringList{"0"});
        }
    }
    tabellen.sort();
    EXPECT_EQ(QueryRows(cn.Handle(), QStringLiteral("SELECT name FROM sqlite_master WHERE type = "
                                                    "'table' ORDER BY name")),
              tabellen);

    QStringList indexe;
    for (const QString& zeile : QueryRows(cn.Handle(), QStringLiteral("SELECT name, tbl_name FROM "
                                                                      "sqlite_master WHERE type = "
                                                                      "'index'"))) {
        const QStringList teile = zeile.split(u'|');
        QStringList spalten;
        for (const QString& spalte :
             QueryRows(cn.Handle(), QStringLiteral("PRAGMA index_info(\"%1\")").arg(teile[0])))
            spalten << spalte.split(u'|').value(2);
        indexe << teile[1] + u'(' + spalten.join(u',') + u')';
    }
    indexe.sort();
    EXPECT_EQ(indexe, (QStringList{"Aufträge(Status,Datum)", "OffeneUmsätze(KontoID,Buchungsdatum)",
                                   "SammelAufträge(Status,Datum)", "SammelEinzel(SammelID)",
                                   "UmsZusatz(BuchungsID)", "UmsZusatz(KontoID,Buchungsdatum)",
                                   "Umsätze(KontoID,Buchungsdatum)"}));
    EXPECT_EQ(
        QueryRows(cn.Handle(), QStringLiteral("SELECT Version, typeof(Paßwort) FROM Optionen")),
        QStringList{"5|null"});
}

TEST(Schema, CreateDatabaseFileNeverTouchesAnExistingFile) {
    test::ScratchFolder folder;
    const QString sPfad = folder.Path(QStringLiteral("Da.dat"));
    QFile datei(sPfad);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write("Inhalt");
    datei.close();
    const Status st = CreateDatabaseFile(sPfad);
    ASSERT_FALSE(st.ok());
    EXPECT_TRUE(st.description().contains(sPfad));
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    EXPECT_EQ(datei.readAll(), QByteArray("Inhalt"));
    // A folder that is not there: no file, no half-made database.
    const QString sTief = folder.Path(QStringLiteral("fehlt/Neu.dat"));
    EXPECT_FALSE(CreateDatabaseFile(sTief).ok());
    EXPECT_FALSE(QFileInfo::exists(sTief));
}

// The build makes the template with CreateDatabaseFile, so this covers new files too.
TEST(Schema, BuildWritesAKeyedEmptyTemplate) {
    const QString sVorlage =
        qEnvironmentVariable("TOLVA_DATA_DIR") + QLatin1String(kTemplateFileName);
    ASSERT_TRUE(QFileInfo::exists(sVorlage)) << sVorlage.toStdString();
    Connection cn;
    ASSERT_TRUE(test::OpenDatabase(cn, sVorlage).ok());
    expectSchema(cn);
    cn.Close();
    // Any SQLCipher 3 shell opens it with the three key lines, and only with them.
    const auto shell =
        test::RunSqlcipherShell(sVorlage, QStringLiteral("SELECT Version FROM Optionen;"));
    EXPECT_EQ(shell.sAusgabe.trimmed(), QStringLiteral("5"));
    const auto ohneSeiten = test::RunSqlcipherShell(
        sVorlage, QStringLiteral("PRAGMA cipher_page_size = 1024;\nSELECT Version FROM Optionen;"));
    EXPECT_FALSE(ohneSeiten.sAusgabe.trimmed().endsWith(u'5')) << ohneSeiten.sAusgabe.toStdString();
}

}  // namespace
}  // namespace tolva
