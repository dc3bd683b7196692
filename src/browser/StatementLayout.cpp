// The statement's page geometry and the breaking of texts into a column's lines.
#include "browser/StatementLayout.h"

#include <QFont>
#include <QPagedPaintDevice>

namespace tolva {
namespace {

// Fonts with every German letter (DejaVu comes with Qt's offscreen platform everywhere).
constexpr const char* kSchrift = "DejaVu Sans";
constexpr double kPunkte[] = {8.5, 8.5, 7.5, 15, 10.5};  // by StatementFont
constexpr bool kFett[] = {false, true, false, true, true};
// The columns' shares of the body's width, and the gap after a text column.
constexpr double kAnteile[kStatementColumns] = {0.105, 0.105, 0.27, 0.35, 0.17};
constexpr double kLueckeMm = 2.5;
constexpr double kKopfMm = 9;  // the header's and the footer's height
constexpr qsizetype kCacheGrenze = 50000;

}  // namespace

StatementLayout::StatementLayout(const QPagedPaintDevice& geraet) {
    dpi_ = geraet.logicalDpiY();
    const QPageLayout seite = geraet.pageLayout();
    seite_ = QRectF(seite.paintRectPixels(geraet.logicalDpiX()));
    seite_.moveTopLeft(QPointF(0, 0));
    rumpf_ = seite_.adjusted(0, Mm(kKopfMm), 0, -Mm(kKopfMm));
    for (int i = 0; i < int(roh_.size()); ++i) {
        QFont f{QString::fromLatin1(kSchrift)};
        f.setPointSizeF(kPunkte[i]);
        f.setBold(kFett[i]);
        roh_[i] = QRawFont::fromFont(f);
        roh_[i].setPixelSize(kPunkte[i] * dpi_ / 72);
        leer_[i] = roh_[i].glyphIndexesForString(QStringLiteral(" ")).value(0);
        zeilen_[i] = (roh_[i].ascent() + roh_[i].descent() + roh_[i].leading()) * 1.1;
        oberlaengen_[i] = roh_[i].ascent();
    }
    double x = rumpf_.left();
    for (int i = 0; i < kStatementColumns; ++i) {
        const double lAnteil = kAnteile[i] * rumpf_.width();
        spaltenX_[i] = x;
        spaltenBreite_[i] = lAnteil - (i + 1 < kStatementColumns ? Mm(kLueckeMm) : 0);
        x += lAnteil;
    }
}

void StatementLayout::Set(const QString& sText, StatementFont art, QList<quint32>& glyphen,
                          QList<QPointF>& vorschuebe) const {
    const QRawFont& f = roh_[int(art)];
    const QList<quint32> neu = f.glyphIndexesForString(sText);
    glyphen += neu;
    vorschuebe += f.advancesForGlyphIndexes(neu);
}

double StatementLayout::TextWidth(const QString& sText, StatementFont art) const {
    const QRawFont& f = roh_[int(art)];
    double lBreite = 0;
    for (const QPointF& v : f.advancesForGlyphIndexes(f.glyphIndexesForString(sText)))
        lBreite += v.x();
    return lBreite;
}

double StatementLayout::WordWidth(const QString& sWort, StatementFont art) const {
    QHash<QString, double>& breiten = breiten_[int(art)];
    if (const auto it = breiten.constFind(sWort); it != breiten.constEnd()) return *it;
    if (breiten.size() > kCacheGrenze) breiten.clear();
    const double lBreite = TextWidth(sWort, art);
    breiten.insert(sWort, lBreite);
    return lBreite;
}

QStringList StatementLayout::Wrap(const QString& sText, double lBreite, StatementFont art) const {
    QStringList zeilen;
    QString sZeile;
    double lZeile = 0;
    const double lLeer = WordWidth(QStringLiteral(" "), art);
    const auto put = [&](const QString& sWort) {
        const double w = WordWidth(sWort, art);
        if (!sZeile.isEmpty() && lZeile + lLeer + w <= lBreite) {
            sZeile += QLatin1Char(' ') + sWort;
            lZeile += lLeer + w;
            return;
        }
        if (!sZeile.isEmpty()) zeilen << sZeile;
        sZeile = sWort;
        lZeile = w;
        // A word wider than the column fills lines of its own, character by character (a
        // surrogate pair stays whole).
        while (lZeile > lBreite && sZeile.size() > 1) {
            qsizetype n = 0;
            double lTeil = 0;
            while (n < sZeile.size()) {
                const qsizetype lang = sZeile[n].isHighSurrogate() ? 2 : 1;
                const double c = WordWidth(sZeile.mid(n, lang), art);
                if (n > 0 && lTeil + c > lBreite) break;
                lTeil += c;
                n += lang;
            }
            zeilen << sZeile.left(n);
            sZeile = sZeile.mid(n);
            lZeile = TextWidth(sZeile, art);
        }
    };
    qsizetype lAnfang = -1;
    for (qsizetype i = 0; i <= sText.size(); ++i) {
        const bool bLeer = i == sText.size() || sText[i].isSpace();
        if (bLeer && lAnfang >= 0) {
            put(sText.mid(lAnfang, i - lAnfang));
            lAnfang = -1;
        } else if (!bLeer && lAnfang < 0) {
            lAnfang = i;
        }
    }
    zeilen << sZeile;
    return zeilen;
}

}  // namespace tolva
