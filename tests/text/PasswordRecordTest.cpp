// The 52-character password record: filler kept in place, password at every third position.
#include "text/ModCrypt.h"

#include <gtest/gtest.h>

namespace tolva {
namespace {

// 52 distinct filler characters, so that every misplaced one shows.
const QString kAlterSatz = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");

bool IsPasswordPosition(qsizetype lPos) {
    return lPos % 3 == 0 && lPos <= 48;
}

void ExpectRecord(const QString& sSatz, const QString& sPasswort16) {
    ASSERT_EQ(sSatz.size(), 52);
    for (qsizetype lPos = 1; lPos <= 52; ++lPos) {
        const QChar expected =
            IsPasswordPosition(lPos) ? sPasswort16[lPos / 3 - 1] : kAlterSatz[lPos - 1];
        EXPECT_EQ(sSatz[lPos - 1], expected) << "position " << lPos;
    }
}

TEST(PasswordRecord, ReplaceKeepsTheFillerAndPlacesThePassword) {
    Result<QString> satz = ReplacePassword(kAlterSatz, QStringLiteral("Geheim!€"));
    ASSERT_TRUE(satz.ok());
    ExpectRecord(satz.value(), QStringLiteral("Geheim!€        "));

    satz = ReplacePassword(kAlterSatz, QStringLiteral("0123456789ABCDEF"));
    ASSERT_TRUE(satz.ok());
    ExpectRecord(satz.value(), QStringLiteral("0123456789ABCDEF"));

    satz = ReplacePassword(kAlterSatz, QString());
    ASSERT_TRUE(satz.ok());
    ExpectRecord(satz.value(), QString(16, QLatin1Char(' ')));
}

TEST(PasswordRecord, RefusesPasswordsLongerThanSixteen) {
    const QString sLang = QStringLiteral("0123456789ABCDEFG");
    const Result<QString> satz = ReplacePassword(kAlterSatz, sLang);
    ASSERT_FALSE(satz.ok());
    EXPECT_EQ(satz.error().description,
              QStringLiteral("Das Passwort darf höchstens 16 Zeichen lang sein."));

    QString sPasswort = sLang;
    EXPECT_FALSE(MergePassword(sPasswort, QStringLiteral("xy")).ok());
    EXPECT_EQ(sPasswort, sLang);
}

TEST(PasswordRecord, MergePadsTheCallersPassword) {
    QString sPasswort = QStringLiteral("abc");
    const Result<QString> satz = MergePassword(sPasswort, QStringLiteral("0123456789"));
    EXPECT_EQ(sPasswort, QStringLiteral("abc             "));
    ASSERT_TRUE(satz.ok());
    // Filler pairs as far as they reach, then the last 4 filler characters once more.
    EXPECT_EQ(satz.value(), QStringLiteral("01a23b45c67 89            6789"));
}

}  // namespace
}  // namespace tolva
