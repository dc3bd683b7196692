// Connection texts and the mapping of Jet date literals in SQL texts.
#include "database/ConnectionText.h"
#include "database/SqlDialect.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace tolva {
namespace {

TEST(ConnectionText, PathsWithSemicolonsOrQuotesSurviveTheRoundTrip) {
    for (const QString& sPfad :
         {QStringLiteral("/daten/Bank.dat"), QStringLiteral("/tmp/a;b/Bank.dat"),
          QStringLiteral("\"quoted\" ;name.aba"), QStringLiteral("/tmp/trailing blank ")}) {
        const auto teile = ParseConnectionText(BuildConnectionText(sPfad));
        ASSERT_TRUE(teile.has_value()) << sPfad.toStdString();
        EXPECT_EQ(teile->dataSource, sPfad);
        EXPECT_EQ(teile->password, QStringLiteral("kiwi+banane"));
    }
}

TEST(SqlDialect, MapsJetDateLiteralsToStoredDates) {
    EXPECT_EQ(MapSqlDialect(QStringLiteral(" WHERE Status = 4 and Datum < #2013/7/5#")),
              QStringLiteral(" WHERE Status = 4 and Datum < '2013-07-05'"));
    EXPECT_EQ(MapSqlDialect(QStringLiteral("Datum BETWEEN #999/12/31# AND #2024/02/29#")),
              QStringLiteral("Datum BETWEEN '0999-12-31' AND '2024-02-29'"));
    EXPECT_EQ(MapSqlDialect(QStringLiteral("#2013/10/15#")), QStringLiteral("'2013-10-15'"));
    // A quoted file name (as AttachSource writes it) stays as it is; mapping goes on after it.
    EXPECT_EQ(MapSqlDialect(QStringLiteral("x = '/a/#2013/7/5#/O''Neil.dat' AND d < #2013/7/5#")),
              QStringLiteral("x = '/a/#2013/7/5#/O''Neil.dat' AND d < '2013-07-05'"));
}

}  // namespace
}  // namespace tolva
