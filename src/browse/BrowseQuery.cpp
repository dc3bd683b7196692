// Prepared statements of the browse room, and the search folding in C++ and in SQL.
#include "browse/BrowseQuery.h"

#include "browse/BrowseFile.h"
#include "database/Connection.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace tolva {

QString FoldForSearch(const QString& sText) {
    const QString sZerlegt = sText.normalized(QString::NormalizationForm_D);
    QString sOhneZeichen;
    sOhneZeichen.reserve(sZerlegt.size());
    for (const QChar c : sZerlegt)
        if (c.category() != QChar::Mark_NonSpacing) sOhneZeichen += c;
    QString sGefaltet = sOhneZeichen.toCaseFolded();
    sGefaltet.replace(QChar(0x00DF), QStringLiteral("ss"));
    return sGefaltet;
}

namespace {

constexpr char32_t kErsteZweiByte = 0x80;  // the characters that UTF-8 writes in two bytes
constexpr char32_t kEndeZweiByte = 0x800;

// The folded UTF-8 of every two-byte character, made once with FoldForSearch. Decomposing,
// dropping marks and case folding all work character by character, so folding a text
// character by character through this table gives what FoldForSearch gives for the whole.
struct TwoByteFolds {
    TwoByteFolds() {
        for (char32_t c = kErsteZweiByte; c < kEndeZweiByte; ++c) {
            const QByteArray f = FoldForSearch(QString::fromUcs4(&c, 1)).toUtf8();
            texte.push_back(f);
            lLaengste = std::max(lLaengste, int(f.size()));
        }
    }
    std::vector<QByteArray> texte;
    int lLaengste = 0;  // bytes of the longest folded character
};

// Folds UTF-8 made of one- and two-byte characters (nearly every stored text) into a buffer
// from sqlite3_malloc; null for anything else, which then goes through FoldForSearch.
char* FoldShortCharacters(const unsigned char* p, int n, int& lAus) {
    static const TwoByteFolds tabelle;
    // Each character of one or two bytes gives at most lLaengste bytes.
    auto* aus = static_cast<char*>(
        sqlite3_malloc64(sqlite3_uint64(n) * std::max(1, tabelle.lLaengste) + 1));
    if (!aus) return nullptr;
    char* z = aus;
    for (int i = 0; i < n; ++i) {
        const unsigned char b = p[i];
        if (b < 0x80) {
            *z++ = char(b >= 'A' && b <= 'Z' ? b + ('a' - 'A') : b);
            continue;
        }
        if (b < 0xC2 || b > 0xDF || i + 1 >= n || (p[i + 1] & 0xC0) != 0x80) {
            sqlite3_free(aus);
            return nullptr;
        }
        const QByteArray& f =
            tabelle.texte[char32_t((b & 0x1F) << 6 | (p[++i] & 0x3F)) - kErsteZweiByte];
        std::memcpy(z, f.constData(), size_t(f.size()));
        z += f.size();
    }
    lAus = int(z - aus);
    return aus;
}

// tolva_falte(text): FoldForSearch in SQL; NULL stays NULL.
void FoldFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const unsigned char* p = sqlite3_value_text(argv[0]);
    const int n = sqlite3_value_bytes(argv[0]);
    int lAus = 0;
    if (char* aus = p ? FoldShortCharacters(p, n, lAus) : nullptr) {
        sqlite3_result_text(ctx, aus, lAus, sqlite3_free);
        return;
    }
    if (!p) {
        sqlite3_result_error_nomem(ctx);
        return;
    }
    const QByteArray gefaltet =
        FoldForSearch(QString::fromUtf8(reinterpret_cast<const char*>(p), n)).toUtf8();
    sqlite3_result_text(ctx, gefaltet.constData(), int(gefaltet.size()), SQLITE_TRANSIENT);
}

}  // namespace

Status RegisterSearchFold(sqlite3* db) {
    const int rc =
        sqlite3_create_function_v2(db, "tolva_falte", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
                                   nullptr, FoldFunction, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) return DatabaseError(db, rc);
    return Status::Ok();
}

}  // namespace tolva
