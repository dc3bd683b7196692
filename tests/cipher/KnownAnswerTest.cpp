// The exact bytes of scrambled texts. User databases and archives on disk hold these bytes, so
// scrambling must keep writing them and unscrambling must keep reading them; the literals
// were taken from the cipher as it stands.
#include "text/ModCrypt.h"

#include <gtest/gtest.h>

namespace tolva {
namespace {

class KnownAnswers : public testing::Test {
  protected:
    void SetUp() override {
        SetCipherLibraryPath(QString());
        ASSERT_TRUE(CipherLibraryLoaded()) << "liborvcbf.so not found next to the library";
    }
};

TEST_F(KnownAnswers, TextsScrambleToTheStoredBytesAndBack) {
    const struct {
        QString sText;
        bool bFlag;
        const char* hex;
    } answers[] = {
        {QStringLiteral("Girokonto"), true, "8a33d35478b29a12acf0f219"},
        {QStringLiteral("Girokonto"), false, "395cd2674f4e1fe4cd4ca7c2"},
        {QStringLiteral("Überweisung Miete März – 850,00 €"), false,
         "3eeb37a2ef308da352ff0af80b967235dfec95a0110f66ddf8dec62aa45b2ff279b1f959"},
        {QStringLiteral("€ Spareinlage"), true, "0667e557f5cf353b12aef94976ad50a7"},
        {QStringLiteral("2023-11-30"), false, "7e5dfacd61471f979f7d44e6"},
        {QStringLiteral("ä"), true, "3ce08ccb"},
        {QString(), true, ""},
        {QString(), false, ""},
    };
    for (const auto& a : answers) {
        SCOPED_TRACE(a.sText.toStdString() + (a.bFlag ? " / true" : " / false"));
        const QByteArray stored = QByteArray::fromHex(a.hex);
        const Result<QByteArray> scrambled = Encrypt(a.sText, a.bFlag);
        ASSERT_TRUE(scrambled.ok());
        EXPECT_EQ(scrambled.value().toHex().toStdString(), a.hex);
        // Read back with the code-0 padding up to a multiple of 4.
        EXPECT_EQ(Decrypt(stored, a.bFlag).toStdString(),
                  a.sText.leftJustified(stored.size(), QChar(0)).toStdString());
    }
}

TEST_F(KnownAnswers, AStoredPasswordRecordUnscramblesToItsFillerAndPassword) {
    // Optionen.Paßwort of a database whose password is "Spar€ä1".
    const QByteArray stored = QByteArray::fromHex(
        "1fcf3762db4f2d367230fab6275287f20ccdc41eac13eff2da6163fbe7b58592ca9d9f75ee1f9e91cd44a344b8"
        "4fb5a37f9ff331");
    const QString sSatz = Decrypt(stored, true);
    EXPECT_EQ(sSatz.toStdString(), "KxS7qpLma2Rrt9€Wzä4H1p8 Nv 3B c6 Yd 5F g1 Jk 0Q s8ßu");
    QString sPasswort;
    for (qsizetype lPos = 3; lPos <= 48 && lPos <= sSatz.size(); lPos += 3)
        sPasswort += sSatz[lPos - 1];
    EXPECT_EQ(sPasswort.toStdString(), "Spar€ä1         ");
}

}  // namespace
}  // namespace tolva
