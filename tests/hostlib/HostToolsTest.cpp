// The host's date texts: SQL form orders like the dates, and the file-name form.
#include "hostlib/HostTools.h"

#include <gtest/gtest.h>

namespace tolva {
namespace {

TEST(HostTools, SqlDatesCompareAsTextLikeTheDates) {
    StandardHostTools tools;
    EXPECT_EQ(tools.FormatSqlDatum(QDate(2013, 7, 5)), QStringLiteral("2013-07-05"));
    EXPECT_EQ(tools.FormatDatum(QDate(2013, 7, 5)), QStringLiteral("05.07.2013"));
    const QDate dates[] = {QDate(999, 12, 31), QDate(2009, 12, 31), QDate(2010, 1, 1),
                           QDate(2010, 1, 10), QDate(2010, 2, 1),   QDate(2026, 12, 6)};
    for (size_t i = 1; i < std::size(dates); ++i)
        EXPECT_LT(tools.FormatSqlDatum(dates[i - 1]).compare(tools.FormatSqlDatum(dates[i])), 0)
            << i;
}

TEST(HostTools, FileDatesAreIsoAndNeverCarryPathCharacters) {
    StandardHostTools tools;
    EXPECT_EQ(tools.FormatDateiDatum(QStringLiteral("05.07.2013")), QStringLiteral("2013-07-05"));
    EXPECT_EQ(tools.FormatDateiDatum(QStringLiteral("5.7.2013")), QStringLiteral("2013-07-05"));
    const QString odd = tools.FormatDateiDatum(QStringLiteral("7/5/13 x:y"));
    EXPECT_FALSE(odd.contains('/'));
    EXPECT_FALSE(odd.contains(':'));
    EXPECT_FALSE(odd.contains(' '));
}

}  // namespace
}  // namespace tolva
