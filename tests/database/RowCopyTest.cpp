// Copying rows between two database files through AppendCopyOf.
#include "DatabaseFiles.h"

#include "database/Connection.h"
#include "database/Recordset.h"

#include <gtest/gtest.h>

namespace tolva {
namespace {

using test::QueryRows;

class RowCopyTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(
            test::OpenDatabase(quelle, folder.NewDatabase(QStringLiteral("Bank.dat"))).ok());
        ASSERT_TRUE(test::OpenDatabase(ziel, folder.NewDatabase(QStringLiteral("Archiv.aba")),
                                       Connection::adModeShareExclusive)
                        .ok());
    }
    // n bookings with every kind of value, some Nulls, dates before and after 2013-07-05.
    void fillUmsaetze(int n) {
        ASSERT_TRUE(quelle
                        .Execute(QStringLiteral(
                                     "WITH RECURSIVE z(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM "
                                     "z WHERE i < %1) INSERT INTO Umsätze SELECT i, i %% 3, "
                                     "date('2013-01-01', '+' || (i %% 365) || ' days'), NULL, "
                                     "'B' || i, i * 100 - 5000, 'Empfänger ' || i, "
                                     "CASE WHEN i %% 7 = 0 THEN NULL ELSE x'00ff' || i END, "
                                     "i * 0.5 FROM z")
                                     .arg(n)
                                     .replace(QStringLiteral("%%"), QStringLiteral("%")))
                        .ok());
    }

    test::ScratchFolder folder;
    Connection quelle, ziel;
};

TEST_F(RowCopyTest, CopiesSelectedRowsFieldByFieldBetweenFiles) {
    fillUmsaetze(2000);
    const QString sAuswahl = QStringLiteral(" WHERE Buchungsdatum < '2013-07-05'");
    Recordset rsQuelle, rsZiel;
    ASSERT_TRUE(rsQuelle
                    .Open(QStringLiteral("SELECT * FROM Umsätze") + sAuswahl, quelle, adOpenStatic,
                          adLockOptimistic, adCmdUnspecified)
                    .ok());
    ASSERT_TRUE(
        rsZiel
            .Open(QStringLiteral("Umsätze"), ziel, adOpenKeyset, adLockOptimistic, adCmdTableDirect)
            .ok());
    const qint64 lAnzahl = rsQuelle.RecordCount().value();
    ASSERT_GT(lAnzahl, 500);
    ASSERT_TRUE(ziel.BeginTrans().ok());
    qint64 n = 0;
    while (!rsQuelle.Eof()) {
        ASSERT_TRUE(rsZiel.AppendCopyOf(rsQuelle).ok());
        ASSERT_TRUE(rsQuelle.MoveNext().ok());
        ++n;
    }
    ASSERT_TRUE(ziel.CommitTrans().ok());
    EXPECT_EQ(n, lAnzahl);

    const QString sVergleich = QStringLiteral(
        "SELECT id, KontoID, Buchungsdatum, quote(Valuta), BuchungsID, Betrag, Empfaenger, "
        "quote(Verwendungszweck), typeof(KategorieID), KategorieID FROM Umsätze");
    const QStringList archiviert = QueryRows(ziel.Handle(), sVergleich + " ORDER BY id");
    EXPECT_EQ(archiviert.size(), lAnzahl);
    EXPECT_EQ(archiviert, QueryRows(quelle.Handle(), sVergleich + sAuswahl + " ORDER BY id"));
}

TEST_F(RowCopyTest, CopiesTheChangedValuesOfTheCurrentRow) {
    ASSERT_TRUE(quelle
                    .Execute(QStringLiteral("INSERT INTO Konten (id, Nr, KontoName) VALUES "
                                            "(4, -3, x'4b'), (5, 2, x'4c')"))
                    .ok());
    Recordset rsQuelle, rsZiel;
    ASSERT_TRUE(rsQuelle.Open(QStringLiteral("Konten"), quelle).ok());
    ASSERT_TRUE(rsZiel.Open(QStringLiteral("Konten"), ziel).ok());
    ASSERT_TRUE(rsQuelle.SetField(QStringLiteral("Nr"), 3).ok());
    ASSERT_TRUE(rsQuelle.Update().ok());
    ASSERT_TRUE(rsZiel.AppendCopyOf(rsQuelle).ok());
    ASSERT_TRUE(rsQuelle.SetField(QStringLiteral("Nr"), -1).ok());
    ASSERT_TRUE(rsQuelle.Update().ok());
    ASSERT_TRUE(rsQuelle.MoveNext().ok());
    ASSERT_TRUE(rsZiel.AppendCopyOf(rsQuelle).ok());
    EXPECT_EQ(rsZiel.Field(0), QVariant(qint64(5)));  // the added row is current

    // A row that cannot be stored fails alone; the next one goes in.
    const Status doppelt = rsZiel.AppendCopyOf(rsQuelle);
    ASSERT_FALSE(doppelt.ok());
    EXPECT_TRUE(doppelt.description().contains(QStringLiteral("verletzt eine Regel")));
    ASSERT_TRUE(quelle.Execute(QStringLiteral("INSERT INTO Konten (id, Nr) VALUES (6, 9)")).ok());
    ASSERT_TRUE(rsQuelle.MoveNext().ok());
    ASSERT_TRUE(rsZiel.AppendCopyOf(rsQuelle).ok());
    ASSERT_TRUE(rsQuelle.MoveNext().ok());
    EXPECT_FALSE(rsZiel.AppendCopyOf(rsQuelle).ok());  // at the end: no current row

    EXPECT_EQ(QueryRows(ziel.Handle(), QStringLiteral("SELECT id, Nr, hex(KontoName) FROM Konten")),
              (QStringList{"4|3|4B", "5|2|4C", "6|9|"}));
    EXPECT_EQ(QueryRows(quelle.Handle(), QStringLiteral("SELECT id, Nr FROM Konten")),
              (QStringList{"4|-1", "5|2", "6|9"}));
}

TEST_F(RowCopyTest, RefusesSourcesWiderThanTheTargetAndReadOnlyTargets) {
    ASSERT_TRUE(quelle
                    .Execute(QStringLiteral("INSERT INTO Kategorien VALUES (1, 'a', NULL);"
                                            "INSERT INTO Empfänger VALUES (1, 'b', 'DE', 'X')"))
                    .ok());
    Recordset rsBreit, rsSchmal, rsAbfrage;
    ASSERT_TRUE(rsBreit.Open(QStringLiteral("Empfänger"), quelle).ok());
    ASSERT_TRUE(rsSchmal.Open(QStringLiteral("Kategorien"), ziel).ok());
    EXPECT_FALSE(rsSchmal.AppendCopyOf(rsBreit).ok());
    ASSERT_TRUE(rsAbfrage.Open(QStringLiteral("SELECT * FROM Kategorien"), ziel).ok());
    Recordset rsKategorie;
    ASSERT_TRUE(rsKategorie.Open(QStringLiteral("Kategorien"), quelle).ok());
    EXPECT_FALSE(rsAbfrage.AppendCopyOf(rsKategorie).ok());
    EXPECT_EQ(QueryRows(ziel.Handle(), QStringLiteral("SELECT count(*) FROM Kategorien")),
              QStringList{"0"});
}

}  // namespace
}  // namespace tolva
