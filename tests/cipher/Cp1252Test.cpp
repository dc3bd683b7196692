// The Windows-1252 conversion: lossless for all bytes, "?" for characters outside the page.
#include "text/Cp1252.h"

#include <gtest/gtest.h>

#include <QSet>

namespace tolva {
namespace {

TEST(Cp1252, EveryByteRoundTripsThroughItsOwnCharacter) {
    QByteArray all;
    for (int b = 0; b < 256; ++b) all.append(static_cast<char>(b));
    const QString text = FromCp1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(ToCp1252(text), all);

    QSet<char16_t> seen;
    for (int b = 0; b < 256; ++b) {
        EXPECT_EQ(Cp1252Code(text[b]), b) << b;
        seen.insert(text[b].unicode());
    }
    EXPECT_EQ(seen.size(), 256);
}

TEST(Cp1252, MapsTheWindowsCharactersAndTheUndefinedBytes) {
    const QByteArray bytes("\x80\x81\x8A\x8D\x8F\x90\x9D\x9F\xC4\xDF\xE4", 11);
    EXPECT_EQ(FromCp1252(bytes), QString::fromUtf16(u"€\u0081Š\u008D\u008F\u0090\u009DŸÄßä"));
    EXPECT_EQ(FromCp1252(QByteArray("Gr\xFC\xDF\x65 \x80 5", 9)), QStringLiteral("Grüße € 5"));
}

TEST(Cp1252, CharactersOutsideThePageBecomeQuestionMarks) {
    // U+0080 and U+009F are not in the page: their bytes hold "€" and "Ÿ".
    for (char16_t outside : {u'\u0080', u'\u009F', u'Ω', u'\u20AD', u'\uFFFF'}) {
        EXPECT_EQ(Cp1252Code(QChar(outside)), -1) << int(outside);
        EXPECT_EQ(ToCp1252(QString(QChar(outside))), QByteArray("?")) << int(outside);
    }
    // A character beyond U+FFFF is one character, so one "?".
    EXPECT_EQ(ToCp1252(QString::fromUtf16(u"a😀b")), QByteArray("a?b"));
}

}  // namespace
}  // namespace tolva
