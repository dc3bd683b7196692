// DemoText: fixed-size UTF-8 texts and the placeholder templates of the demo rows.
#include "demo/DemoText.h"

#include "demo/DemoNames.h"

#include <cstring>

namespace tolva::demo {

void TextBuffer::Append(const char* sText) {
    Append(sText, static_cast<int>(std::strlen(sText)));
}

void TextBuffer::Append(const char* sText, int lLaenge) {
    int lPlatz = kCapacity - lLaenge_;
    if (lLaenge > lPlatz) {
        lLaenge = lPlatz;
        // Do not split a multi-byte character: drop its continuation bytes and lead byte.
        while (lLaenge > 0 && (static_cast<unsigned char>(sText[lLaenge]) & 0xC0) == 0x80)
            --lLaenge;
    }
    std::memcpy(aText_ + lLaenge_, sText, static_cast<size_t>(lLaenge));
    lLaenge_ += lLaenge;
    aText_[lLaenge_] = 0;
}

void TextBuffer::AppendNumber(quint64 lWert, int lStellen) {
    char aZiffern[24];
    int n = 0;
    do {
        aZiffern[n++] = static_cast<char>('0' + lWert % 10);
        lWert /= 10;
    } while (lWert != 0 && n < 20);
    while (n < lStellen && n < 20) aZiffern[n++] = '0';
    char aText[24];
    for (int i = 0; i < n; ++i) aText[i] = aZiffern[n - 1 - i];
    Append(aText, n);
}

void AppendPersonName(DemoRandom& rng, TextBuffer& out) {
    const auto aVornamen = FirstNames();
    const auto aNachnamen = LastNames();
    out.Append(aVornamen[rng.Below(aVornamen.size())]);
    out.Append(' ');
    out.Append(aNachnamen[rng.Below(aNachnamen.size())]);
}

void ExpandTemplate(const char* sVorlage, const CalendarDay& day, DemoRandom& rng,
                    TextBuffer& out) {
    for (const char* p = sVorlage; *p != 0; ++p) {
        if (*p != '%' || p[1] == 0) {
            const char* pEnde = p;
            while (pEnde[1] != 0 && pEnde[1] != '%') ++pEnde;
            out.Append(p, static_cast<int>(pEnde - p + 1));
            p = pEnde;
            continue;
        }
        ++p;
        switch (*p) {
            case 'd':
                out.AppendNumber(static_cast<quint64>(day.lTag), 2);
                out.Append('.');
                out.AppendNumber(static_cast<quint64>(day.lMonat), 2);
                break;
            case 't':
                out.AppendNumber(rng.Below(14) + 8, 2);
                out.Append('.');
                out.AppendNumber(rng.Below(60), 2);
                break;
            case 'm':
                out.AppendNumber(static_cast<quint64>(day.lMonat), 2);
                out.Append('/');
                out.AppendNumber(static_cast<quint64>(day.lJahr), 4);
                break;
            case 'M':
                out.Append(MonthNames()[static_cast<size_t>(day.lMonat - 1)]);
                out.Append(' ');
                out.AppendNumber(static_cast<quint64>(day.lJahr), 4);
                break;
            case 'y':
                out.AppendNumber(static_cast<quint64>(day.lJahr), 4);
                break;
            case 'q':
                out.AppendNumber(static_cast<quint64>((day.lMonat - 1) / 3 + 1));
                break;
            case 'n':
                out.AppendNumber(static_cast<quint64>(rng.Between(100000, 99999999)));
                break;
            case 'p':
                AppendPersonName(rng, out);
                break;
            default:
                out.Append(*p);
                break;
        }
    }
}

}  // namespace tolva::demo
