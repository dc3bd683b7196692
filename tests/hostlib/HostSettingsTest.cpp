// Settings of the default host: persistence across instances and defaults.
#include "hostlib/HostServices.h"
#include "hostlib/IniHostServices.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tolva {
namespace {

TEST(HostSettings, StoredValueSurvivesANewHostInstanceAndOverridesTheDefault) {
    QTemporaryDir dir;
    const QString ini = dir.filePath("sub/folder/host.ini");  // folders do not exist yet
    {
        IniHostServices host(ini);
        EXPECT_EQ(host.GetSetting(601), QString());
        host.SetSetting(601, QStringLiteral("/home/anna/Archive mit Ümlaut/"));
        host.SetSetting(58, QStringLiteral("Mein Banking"));
    }
    IniHostServices later(ini);
    EXPECT_EQ(later.GetSetting(601), QStringLiteral("/home/anna/Archive mit Ümlaut/"));
    EXPECT_EQ(later.GetSetting(58), QStringLiteral("Mein Banking"));
    later.SetSetting(601, QString());
    EXPECT_EQ(IniHostServices(ini).GetSetting(601), QString());  // empty stays empty
}

TEST(HostSettings, DefaultsPointAtTheShippedFilesAndGiveReadableColours) {
    QTemporaryDir dir;
    IniHostServices host(dir.filePath("host.ini"));
    const QString data = IniHostServices::DataFolder();
    ASSERT_TRUE(data.endsWith('/'));
    EXPECT_EQ(host.GetSetting(3), data);
    EXPECT_TRUE(QFile::exists(host.GetSetting(3) + "HbLeer.dat")) << qPrintable(data);
    EXPECT_EQ(host.GetSetting(2), data + "skin/");
    EXPECT_EQ(host.GetSetting(58), QStringLiteral("Tolva"));

    // Background light, button text dark: OLE colours are 0x00BBGGRR.
    auto brightness = [](const QString& ole) {
        bool ok = false;
        const long v = ole.toLong(&ok);
        EXPECT_TRUE(ok) << qPrintable(ole);
        return (v & 0xFF) + ((v >> 8) & 0xFF) + ((v >> 16) & 0xFF);
    };
    EXPECT_GT(brightness(host.GetSetting(10)), 600);
    EXPECT_LT(brightness(host.GetSetting(17)), 250);
    EXPECT_GT(brightness(host.GetSetting(10)) - brightness(host.GetSetting(11)), 150);
    EXPECT_EQ(host.GetSetting(9999), QString());
}

}  // namespace
}  // namespace tolva
