// StatementLayout: the printed statement's page geometry, fonts and columns, and how a text is
// broken into the lines of a column. Arithmetic on a paint device's metrics; never paints.
#pragma once

#include <QHash>
#include <QList>
#include <QPointF>
#include <QRawFont>
#include <QRectF>
#include <QStringList>

#include <array>

class QPagedPaintDevice;

namespace tolva {

// The statement's columns of a booking, left to right.
enum class StatementColumn { Datum, Valuta, Empfaenger, Zweck, Betrag };
inline constexpr int kStatementColumns = 5;

// The kinds of text on a page, each a font of its own (by point size, so that a printer and a
// PDF lay out alike).
enum class StatementFont { Text, Fett, Kopf, Titel, Ueberschrift };

// Lengths are in the device's units (its resolution's dots); the device's resolution and page
// layout (paper, margins) are read once, in the constructor. Needs a QGuiApplication (fonts).
class StatementLayout {
  public:
    explicit StatementLayout(const QPagedPaintDevice& geraet);

    // The page's printable area within the margins; the header and the footer are inside it.
    const QRectF& Page() const { return seite_; }
    // Where the body goes: below the header, above the footer.
    const QRectF& Body() const { return rumpf_; }
    double HeaderY() const { return seite_.top(); }
    double FooterY() const { return rumpf_.bottom() + Mm(2); }

    double Mm(double lMillimeter) const { return lMillimeter * dpi_ / 25.4; }
    // The distance from one line's top to the next one's in that font.
    double LineHeight(StatementFont art) const { return zeilen_[int(art)]; }
    // From a line's top to its base line.
    double Ascent(StatementFont art) const { return oberlaengen_[int(art)]; }

    // A column's left edge and the width its text may take.
    double ColumnX(StatementColumn spalte) const { return spaltenX_[int(spalte)]; }
    double ColumnWidth(StatementColumn spalte) const { return spaltenBreite_[int(spalte)]; }

    // Texts are set glyph by glyph from the font's own advances, without shaping (no
    // ligatures, no kerning), so that measuring and painting agree to the dot and a painter can
    // take a whole line in one glyph run.
    const QRawFont& Glyphs(StatementFont art) const { return roh_[int(art)]; }
    // The glyphs of sText and their advances, appended.
    void Set(const QString& sText, StatementFont art, QList<quint32>& glyphen,
             QList<QPointF>& vorschuebe) const;
    // The glyph of a space in that font.
    quint32 Space(StatementFont art) const { return leer_[int(art)]; }
    double TextWidth(const QString& sText, StatementFont art) const;
    // sText broken into lines no wider than lBreite: at spaces where it can, inside a word that
    // is wider than lBreite by itself. Every character but the spaces at the breaks is kept,
    // in order; runs of white space count as one break. An empty text is one empty line.
    QStringList Wrap(const QString& sText, double lBreite, StatementFont art) const;

  private:
    double WordWidth(const QString& sWort, StatementFont art) const;

    double dpi_;
    QRectF seite_;
    QRectF rumpf_;
    std::array<QRawFont, 5> roh_;
    std::array<quint32, 5> leer_{};
    std::array<double, 5> zeilen_{};
    std::array<double, 5> oberlaengen_{};
    std::array<double, kStatementColumns> spaltenX_{};
    std::array<double, kStatementColumns> spaltenBreite_{};
    // The widths of words met before, per font (payees and purposes repeat their words); the
    // cache is cleared when it grows large.
    mutable std::array<QHash<QString, double>, 5> breiten_;
};

}  // namespace tolva
