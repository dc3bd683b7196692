// The host's date texts carry two-digit months and days, so that SQL dates compare as text
// and archive names sort by date.
#include "hostlib/HostTools.h"

#include <gtest/gtest.h>

namespace tolva {
namespace {

TEST(HostTools, DatesCarryTwoDigitMonthsAndDays) {
    StandardHostTools tools;
    EXPECT_EQ(tools.FormatSqlDatum(QDate(2013, 7, 5)), QStringLiteral("2013-07-05"));
    EXPECT_EQ(tools.FormatDatum(QDate(2013, 7, 5)), QStringLiteral("05.07.2013"));
    EXPECT_EQ(tools.FormatDateiDatum(QStringLiteral("05.07.2013")), QStringLiteral("2013-07-05"));
}

}  // namespace
}  // namespace tolva
