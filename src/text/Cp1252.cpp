// Windows-1252, the 8-bit code page of scrambled texts, converted without loss.
#include "text/Cp1252.h"

#include <array>

namespace tolva {

namespace {

// Characters of the bytes 0x80 to 0x9F; every other byte is the character of the same code.
// The five bytes the code page leaves undefined keep the control character of their code.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};

QChar CharOfByte(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) return QChar(kHighControls[byte - 0x80]);
    return QChar(static_cast<char16_t>(byte));
}

}  // namespace

QString FromCp1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = CharOfByte(static_cast<unsigned char>(bytes[i]));
    return text;
}

QByteArray ToCp1252(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        // A character beyond the 16-bit range is one character, so one "?".
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
        const int code = Cp1252Code(c);
        bytes.append(code < 0 ? '?' : static_cast<char>(code));
    }
    return bytes;
}

int Cp1252Code(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return u;
    for (int i = 0; i < static_cast<int>(kHighControls.size()); ++i)
        if (kHighControls[i] == u) return 0x80 + i;
    return -1;
}

}  // namespace tolva
