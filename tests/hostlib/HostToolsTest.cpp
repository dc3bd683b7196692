// The host's date texts: SQL form orders like the dates, file-name form, factory.
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

class FixedTools : public StandardHostTools {
  public:
    QString FormatDatum(const QDate&) override { return QStringLiteral("heute"); }
};

TEST(HostTools, TheInstalledFactoryMakesTheObjects) {
    EXPECT_EQ(CreateHostTools()->FormatDatum(QDate(2020, 1, 2)), QStringLiteral("02.01.2020"));
    InstallHostToolsFactory([] { return std::make_unique<FixedTools>(); });
    EXPECT_EQ(CreateHostTools()->FormatDatum(QDate(2020, 1, 2)), QStringLiteral("heute"));
    InstallHostToolsFactory(nullptr);
    EXPECT_EQ(CreateHostTools()->FormatDatum(QDate(2020, 1, 2)), QStringLiteral("02.01.2020"));
}

}  // namespace
}  // namespace tolva
