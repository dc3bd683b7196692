// Connection texts and the mapping of Jet date literals in SQL texts.
#include "database/ConnectionText.h"
#include "database/SqlDialect.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace tolva {
namespace {

TEST(ConnectionText, BuildsTheComponentsTextAndReadsItBack) {
    const QString sText = BuildConnectionText(QStringLiteral("/daten/Bank.dat"));
    EXPECT_EQ(sText, QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/daten/Bank.dat;"
                                    "Jet OLEDB:Database Password=kiwi+banane;"));
    const auto teile = ParseConnectionText(sText);
    ASSERT_TRUE(teile.has_value());
    EXPECT_EQ(teile->dataSource, QStringLiteral("/daten/Bank.dat"));
    EXPECT_EQ(teile->password, QStringLiteral("kiwi+banane"));
}

TEST(ConnectionText, KeysIgnoreCaseAndBlanksAroundThem) {
    const auto teile = ParseConnectionText(
        QStringLiteral(" data SOURCE = /a/b c.dat ;  JET OLEDB:DATABASE PASSWORD=geheim"));
    ASSERT_TRUE(teile.has_value());
    EXPECT_EQ(teile->dataSource, QStringLiteral("/a/b c.dat"));
    EXPECT_EQ(teile->password, QStringLiteral("geheim"));
}

TEST(ConnectionText, PathsWithSemicolonsOrQuotesSurviveTheRoundTrip) {
    for (const QString& sPfad :
         {QStringLiteral("/tmp/a;b/Bank.dat"), QStringLiteral("\"quoted\" ;name.aba"),
          QStringLiteral("/tmp/trailing blank ")}) {
        const auto teile = ParseConnectionText(BuildConnectionText(sPfad));
        ASSERT_TRUE(teile.has_value()) << sPfad.toStdString();
        EXPECT_EQ(teile->dataSource, sPfad);
        EXPECT_EQ(teile->password, QStringLiteral("kiwi+banane"));
    }
}

TEST(ConnectionText, WithoutDataSourceNothingIsParsed) {
    EXPECT_FALSE(ParseConnectionText(QString()).has_value());
    EXPECT_FALSE(ParseConnectionText(QStringLiteral("Provider=x;Data Source=;")).has_value());
    EXPECT_FALSE(ParseConnectionText(QStringLiteral("DataSource=/x.dat")).has_value());
    const auto ohnePasswort = ParseConnectionText(QStringLiteral("Data Source=/x.dat"));
    ASSERT_TRUE(ohnePasswort.has_value());
    EXPECT_TRUE(ohnePasswort->password.isEmpty());
}

TEST(SqlDialect, MapsJetDateLiteralsToStoredDates) {
    EXPECT_EQ(MapSqlDialect(QStringLiteral(" WHERE Status = 4 and Datum < #2013/7/5#")),
              QStringLiteral(" WHERE Status = 4 and Datum < '2013-07-05'"));
    EXPECT_EQ(MapSqlDialect(QStringLiteral("Datum BETWEEN #999/12/31# AND #2024/02/29#")),
              QStringLiteral("Datum BETWEEN '0999-12-31' AND '2024-02-29'"));
    EXPECT_EQ(MapSqlDialect(QStringLiteral("#2013/10/15#")), QStringLiteral("'2013-10-15'"));
}

TEST(SqlDialect, LeavesQuotedTextCommentsAndNonDatesAlone) {
    const QStringList unveraendert = {
        QStringLiteral("SELECT * FROM Daten WHERE Notiz = '#2013/7/5#'"),
        QStringLiteral("SELECT \"#2013/7/5#\" FROM Daten"),
        QStringLiteral("SELECT [a#2013/7/5#] FROM Daten"),
        QStringLiteral("x = 'it''s #2013/7/5#' -- #2013/7/5#"),
        QStringLiteral("x /* #2013/7/5# */ = 1"),
        QStringLiteral("Datum < #2013/2/30#"),
        QStringLiteral("Datum < #2013/13/1#"),
        QStringLiteral("Datum < #12013/1/1#"),
        QStringLiteral("Datum < #2013/7/5"),
        QStringLiteral("Datum < # 2013/7/5#"),
        QStringLiteral("Datum < #2013-7-5#"),
        QStringLiteral("#"),
        QStringLiteral("'unterminated #2013/7/5#"),
    };
    for (const QString& sql : unveraendert) EXPECT_EQ(MapSqlDialect(sql), sql);
    // Text after a closed quote is mapped again.
    EXPECT_EQ(MapSqlDialect(QStringLiteral("Notiz = 'a''b' AND Datum < #2013/7/5#")),
              QStringLiteral("Notiz = 'a''b' AND Datum < '2013-07-05'"));
    EXPECT_EQ(MapSqlDialect(QStringLiteral("a = '#' AND b = #2013/1/2#")),
              QStringLiteral("a = '#' AND b = '2013-01-02'"));
}

}  // namespace
}  // namespace tolva
