// modCrypt with the real cipher library: round trips, padding, unreadable output, the key
// range, and what happens when the library is missing. (The exact bytes: KnownAnswerTest.)
#include "text/Cp1252.h"
#include "text/ModCrypt.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSet>
#include <QTemporaryDir>

namespace tolva {
namespace {

QString Padded(const QString& sText) {
    return sText + QString((4 - sText.size() % 4) % 4, QChar(0));
}

QByteArray Scrambled(const QString& sText, bool bFlag) {
    Result<QByteArray> result = Encrypt(sText, bFlag);
    EXPECT_TRUE(result.ok()) << result.status().description().toStdString();
    return result.ok() ? result.value() : QByteArray();
}

const QStringList kTypicalTexts = {
    QStringLiteral("Girokonto"),
    QStringLiteral("DE89 3704 0044 0532 0130 00"),
    QStringLiteral("2013-07-05"),
    QStringLiteral("Archiv bis 30.06.2013, erstellt am 05.07.2013 um 14:03:59"),
    QStringLiteral("aaaaaaaaaaaaaaaaaaaaaaaa"),
    QStringLiteral("Überweisung Miete März – 850,00 €"),
};

class ModCrypt : public testing::Test {
  protected:
    void SetUp() override {
        SetCipherLibraryPath(QString());
        ASSERT_TRUE(CipherLibraryLoaded()) << "liborvcbf.so not found next to the library";
    }
    void TearDown() override { SetCipherLibraryPath(QString()); }
};

TEST_F(ModCrypt, EveryFirstCharacterOfThePageRoundTripsWithBothFlags) {
    for (bool bFlag : {true, false}) {
        for (int b = 0; b < 256; ++b) {
            const QString sFirst = FromCp1252(QByteArray(1, static_cast<char>(b)));
            // Lengths 1 to 8 cover every amount of padding.
            const QString sText = sFirst + QStringLiteral("Konto 4711 ä€");
            for (qsizetype n = 1; n <= 8; ++n) {
                const QString sPlain = sText.left(n);
                const QByteArray sCipher = Scrambled(sPlain, bFlag);
                ASSERT_EQ(sCipher.size(), Padded(sPlain).size());
                ASSERT_EQ(Decrypt(sCipher, bFlag), Padded(sPlain)) << b << " " << n;
            }
        }
    }
    // Stored texts that are not a multiple of 4 long are padded before unscrambling too.
    EXPECT_EQ(Decrypt(QByteArray("abcde"), false).size(), 8);
}

TEST_F(ModCrypt, LeavesNoPlainByteReadable) {
    QStringList aTexte = kTypicalTexts;
    for (int b = 0; b < 256; ++b)
        aTexte << FromCp1252(QByteArray(1, static_cast<char>(b))) + kTypicalTexts[3];
    for (bool bFlag : {true, false}) {
        for (const QString& sText : aTexte) {
            const QByteArray sPlain = ToCp1252(Padded(sText));
            const QByteArray sCipher = Scrambled(sText, bFlag);
            ASSERT_EQ(sCipher.size(), sPlain.size());
            // Byte 0 depends on the first character alone, but is never that character.
            for (qsizetype i = 0; i < sPlain.size(); ++i)
                EXPECT_NE(sCipher[i], sPlain[i]) << sText.toStdString() << " @" << i;
            EXPECT_FALSE(sCipher.contains(sPlain.mid(1, 3))) << sText.toStdString();
        }
    }
    // Runs of one character do not give runs in the output.
    const QByteArray sRun = Scrambled(kTypicalTexts[4], false);
    QSet<char> distinct(sRun.begin() + 1, sRun.end());
    EXPECT_GT(distinct.size(), 16);
}

TEST_F(ModCrypt, AFirstCharacterBeyondThePageIsAKeyRangeError) {
    for (const QString& sText :
         {QStringLiteral("Ωmega"), QString::fromUtf16(u"\u0100"), QString::fromUtf16(u"😀 Gruß")}) {
        const Result<QByteArray> result = Encrypt(sText, false);
        ASSERT_FALSE(result.ok()) << sText.toStdString();
        EXPECT_TRUE(result.error().description.startsWith(QStringLiteral("Überlauf")));
    }
    // Outside the page, but below U+0100: the key still fits, the character is stored as "?".
    const Result<QByteArray> result = Encrypt(QString::fromUtf16(u"\u0080ab"), false);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.value().size(), 4);
    // Characters beyond the page later in the text are no error.
    EXPECT_EQ(Decrypt(Scrambled(QStringLiteral("aΩ"), true), true),
              QString::fromUtf16(u"a?\0\0", 4));
}

TEST(ModCryptWithoutLibrary, TextsPassUnchangedButPadded) {
    QTemporaryDir dir;
    QFile notALibrary(dir.filePath("liborvcbf.so"));
    ASSERT_TRUE(notALibrary.open(QIODevice::WriteOnly));
    notALibrary.write("no ELF here");
    notALibrary.close();

    for (const QString& sPfad : {dir.filePath("fehlt/liborvcbf.so"), notALibrary.fileName()}) {
        SetCipherLibraryPath(sPfad);
        EXPECT_FALSE(CipherLibraryLoaded());
        EXPECT_EQ(Scrambled(QStringLiteral("Hallo"), true), QByteArray("Hallo\0\0\0", 8));
        EXPECT_EQ(Decrypt(QByteArray("Tolva"), false), QString::fromUtf16(u"Tolva\0\0\0", 8));
        EXPECT_EQ(Scrambled(QString(), false), QByteArray());
        EXPECT_FALSE(Encrypt(QStringLiteral("Ωmega"), false).ok());
    }
    SetCipherLibraryPath(QString());
    EXPECT_TRUE(CipherLibraryLoaded());
}

}  // namespace
}  // namespace tolva
