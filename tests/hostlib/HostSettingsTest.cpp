// Settings of the default host: persistence across instances and defaults.
#include "hostlib/HostServices.h"
#include "hostlib/IniHostServices.h"
#include "text/Language.h"

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

TEST(HostSettings, DefaultsPointAtTheShippedFiles) {
    QTemporaryDir dir;
    IniHostServices host(dir.filePath("host.ini"));
    const QString data = IniHostServices::DataFolder();
    ASSERT_TRUE(data.endsWith('/'));
    EXPECT_EQ(host.GetSetting(3), data);
    EXPECT_TRUE(QFile::exists(host.GetSetting(3) + "HbLeer.dat")) << qPrintable(data);
    EXPECT_EQ(host.GetSetting(2), data + "skin/");
    EXPECT_EQ(host.GetSetting(58), QStringLiteral("Tolva"));
    // The background's line is in the language shown: German's own picture, English's own.
    EXPECT_EQ(host.GetSetting(1001), data + "skin/hintergrund.png");
    {
        const ScopedLanguage englisch(Sprache::Englisch);
        EXPECT_EQ(host.GetSetting(1001), data + "skin/hintergrund_en.png");
        EXPECT_TRUE(QFile::exists(host.GetSetting(1001)));
    }
    EXPECT_EQ(host.GetSetting(1001), data + "skin/hintergrund.png");

    EXPECT_EQ(host.GetSetting(9999), QString());
}

}  // namespace
}  // namespace tolva
