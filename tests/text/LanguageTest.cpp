// Which language the program and the component choose, and the formats of the language shown.
#include "text/DisplayFormat.h"
#include "text/Language.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <limits>

namespace tolva {
namespace {

// TOLVA_LANG for the length of a scope (the tests run with TOLVA_LANG=de).
class ScopedEnvironment {
  public:
    explicit ScopedEnvironment(const char* sWert) : alt_(qgetenv("TOLVA_LANG")) {
        if (sWert)
            qputenv("TOLVA_LANG", sWert);
        else
            qunsetenv("TOLVA_LANG");
    }
    ~ScopedEnvironment() { qputenv("TOLVA_LANG", alt_); }

  private:
    QByteArray alt_;
};

TEST(LanguageTest, NamesAndLocalesChooseTheFirstLanguageWithTexts) {
    EXPECT_EQ(LanguageFromName(u"en_GB.UTF-8"), Sprache::Englisch);
    EXPECT_EQ(LanguageFromName(u"en-Latn-US"), Sprache::Englisch);
    EXPECT_EQ(LanguageFromName(u"DE_at"), Sprache::Deutsch);
    EXPECT_EQ(LanguageFromName(u"english"), std::nullopt);
    EXPECT_EQ(LanguageFromName(u"fr"), std::nullopt);
    EXPECT_EQ(LanguageFromName(u""), std::nullopt);
    EXPECT_EQ(LanguageFromLocales({"fr-FR", "en-GB", "de"}), Sprache::Englisch);
    EXPECT_EQ(LanguageFromLocales({"fr-FR", "de-DE", "en"}), Sprache::Deutsch);
    // The C locale, and a locale without texts: the system's own German.
    EXPECT_EQ(LanguageFromLocales({"C"}), Sprache::Deutsch);
    EXPECT_EQ(LanguageFromLocales({"fr-FR", "fr"}), Sprache::Deutsch);
}

TEST(LanguageTest, TheOptionGoesBeforeTheEnvironmentAndTheEnvironmentBeforeTheLocale) {
    {
        ScopedEnvironment env("en_US.UTF-8");
        EXPECT_EQ(ChooseProgramLanguage(QStringLiteral("de")), Sprache::Deutsch);
        EXPECT_EQ(ChooseProgramLanguage(QString()), Sprache::Englisch);
        EXPECT_EQ(ChooseProgramLanguage(QStringLiteral("klingonisch")), std::nullopt);
        EXPECT_EQ(ChooseHostLanguage(), Sprache::Englisch);
    }
    {
        // An unknown TOLVA_LANG is passed over: the locale decides (the tests' C locale: German).
        ScopedEnvironment env("xx");
        EXPECT_EQ(ChooseProgramLanguage(QString()),
                  LanguageFromLocales(QLocale::system().uiLanguages()));
    }
    {
        // Inside a host without TOLVA_LANG: the host's default locale, when it set one.
        ScopedEnvironment env(nullptr);
        const QLocale frueher;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        EXPECT_EQ(ChooseHostLanguage(), Sprache::Englisch);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Austria));
        EXPECT_EQ(ChooseHostLanguage(), Sprache::Deutsch);
        QLocale::setDefault(frueher);
    }
}

TEST(LanguageTest, AmountsDatesAndCountsFollowTheLanguageShown) {
    const qint64 lKleinste = std::numeric_limits<qint64>::min();
    EXPECT_EQ(DisplayCents(123456789), QStringLiteral("1.234.567,89 €"));
    EXPECT_EQ(DisplayCents(12345), QStringLiteral("123,45 €"));
    EXPECT_EQ(DisplayCents(-5), QStringLiteral("-0,05 €"));
    EXPECT_EQ(DisplayCents(lKleinste), QStringLiteral("-92.233.720.368.547.758,08 €"));
    EXPECT_EQ(DisplayDate(QDate(2026, 12, 6)), QStringLiteral("06.12.2026"));
    EXPECT_EQ(DisplayIsoDate(QStringLiteral("2026-01-31 12:00:00")), QStringLiteral("31.01.2026"));
    EXPECT_EQ(DisplayIsoDate(QStringLiteral("kein Datum")), QStringLiteral("kein Datum"));
    EXPECT_EQ(DisplayCount(1234567), QStringLiteral("1.234.567"));
    {
        ScopedLanguage englisch(Sprache::Englisch);
        const QLocale frueher;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        EXPECT_EQ(DisplayCents(123456789), QStringLiteral("€1,234,567.89"));
        EXPECT_EQ(DisplayCents(-5), QStringLiteral("-€0.05"));
        EXPECT_EQ(DisplayDate(QDate(2026, 12, 6)), QStringLiteral("12/6/2026"));
        EXPECT_EQ(DisplayCount(1234567), QStringLiteral("1,234,567"));
        // A British user writes the day first; a German one who chose English gets the US form.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        EXPECT_EQ(DisplayDate(QDate(2026, 12, 6)), QStringLiteral("06/12/2026"));
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        EXPECT_EQ(DisplayDate(QDate(2026, 12, 6)), QStringLiteral("12/6/2026"));
        QLocale::setDefault(frueher);
    }
    EXPECT_EQ(DisplayCents(-123456), QStringLiteral("-1.234,56 €"));
}

}  // namespace
}  // namespace tolva
