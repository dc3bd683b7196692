// The date field: what may be typed, what it means, and how an invalid date looks.
#include "browser/DateField.h"
#include "text/DisplayFormat.h"

#include <QCoreApplication>
#include <QValidator>

#include <array>

namespace tolva {
namespace {

constexpr int kJahrStellen = 4;
constexpr int kTeilStellen = 2;  // day and month
const QColor kUngueltig(0xb0, 0x1c, 0x1c);

// How the language shown writes a date: the order of day ('d'), month ('M') and year ('y'),
// and the character between them ("dd.MM.yyyy": d, M, y and '.'; "M/d/yyyy": M, d, y and '/').
struct DateShape {
    std::array<QChar, 3> teile{u'd', u'M', u'y'};
    QChar trenner = u'.';
};

DateShape ShapeOf(const QString& sFormat) {
    DateShape form;
    QString sTeile;
    QChar trenner;
    for (const QChar c : sFormat) {
        if (c == u'd' || c == u'M' || c == u'y') {
            if (sTeile.isEmpty() || sTeile.back() != c) sTeile += c;
        } else if (trenner.isNull() && !sTeile.isEmpty() && !c.isSpace()) {
            trenner = c;
        }
    }
    // A format that is not three parts with one separator keeps the German shape.
    if (sTeile.size() != 3 || trenner.isNull() || trenner.isDigit()) return form;
    for (int i = 0; i < 3; ++i) form.teile[size_t(i)] = sTeile[i];
    form.trenner = trenner;
    return form;
}

// The date of a text with one or two digits for day and month and four for the year, in the
// shape's order; null otherwise.
QDate ParseDate(const QString& sText, const DateShape& form) {
    const QStringList teile = sText.split(form.trenner);
    if (teile.size() != 3) return {};
    int lTag = 0, lMonat = 0, lJahr = 0;
    for (int i = 0; i < 3; ++i) {
        const QString& teil = teile[i];
        const bool bJahr = form.teile[size_t(i)] == u'y';
        if (teil.isEmpty() || (bJahr ? teil.size() != kJahrStellen : teil.size() > kTeilStellen))
            return {};
        for (const QChar c : teil)
            if (c < QLatin1Char('0') || c > QLatin1Char('9')) return {};
        (bJahr ? lJahr : form.teile[size_t(i)] == u'd' ? lTag : lMonat) = teil.toInt();
    }
    return QDate(lJahr, lMonat, lTag);
}

// The format as a person reads it: "TT.MM.JJJJ" in German.
QString FormatHint(const QString& sFormat) {
    const QString sBuchstaben = QCoreApplication::translate(
        "tolva::DateField", "TMJ", "the letters for day, month and year in a date pattern");
    if (sBuchstaben.size() != 3) return sFormat;
    QString sHinweis;
    for (const QChar c : sFormat)
        sHinweis += c == u'd'   ? sBuchstaben[0]
                    : c == u'M' ? sBuchstaben[1]
                    : c == u'y' ? sBuchstaben[2]
                                : c;
    return sHinweis;
}

// Lets through digits and separators in the shape's order: a third digit of the day or the
// month starts the next part with a separator of its own; a digit beyond the last part, a
// separator that ends nothing and any other character are refused. The cursor keeps its place
// among the digits.
class DateValidator : public QValidator {
  public:
    DateValidator(DateShape form, QObject* parent) : QValidator(parent), form_(form) {}

    State validate(QString& sText, int& lPos) const override {
        QString aus;
        int lNeuPos = 0;
        int lTeil = 0;     // the part being typed: 0, 1 or 2 in the shape's order
        int lStellen = 0;  // digits in the current part
        for (int i = 0; i < sText.size(); ++i) {
            const QChar c = sText[i];
            if (c == form_.trenner) {
                if (lStellen == 0 || lTeil == 2) return Invalid;
                aus += c;
                ++lTeil;
                lStellen = 0;
            } else if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
                if (lStellen ==
                    (form_.teile[size_t(lTeil)] == u'y' ? kJahrStellen : kTeilStellen)) {
                    if (lTeil == 2) return Invalid;
                    aus += form_.trenner;
                    ++lTeil;
                    lStellen = 0;
                }
                aus += c;
                ++lStellen;
            } else {
                return Invalid;
            }
            if (i < lPos) lNeuPos = static_cast<int>(aus.size());
        }
        sText = aus;
        lPos = lNeuPos;
        return aus.isEmpty() || ParseDate(aus, form_).isValid() ? Acceptable : Intermediate;
    }

  private:
    DateShape form_;
};

}  // namespace

DateField::DateField(QWidget* parent) : QLineEdit(parent) {
    setValidator(new DateValidator(ShapeOf(DisplayDateFormat()), this));
    setPlaceholderText(tr("offen"));
    setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00.00.00000")) + 16);
    connect(this, &QLineEdit::textChanged, this, &DateField::TextChanged);
    ShowState();
}

void DateField::SetDate(const QDate& dDatum) {
    setText(DisplayDate(dDatum));
}

void DateField::TextChanged() {
    const QDate d = ParseDate(text(), ShapeOf(DisplayDateFormat()));
    const bool bNeu = d != dDatum_;
    dDatum_ = d;
    ShowState();
    if (bNeu) emit DateChanged(d);
}

void DateField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    ShowState();
}

void DateField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // "1.2.2023" reads as the date it is.
    if (dDatum_.isValid() && text() != DisplayDate(dDatum_)) SetDate(dDatum_);
    ShowState();
}

void DateField::ShowState() {
    // While typing, a date on its way is no mistake yet.
    const bool bUngueltig = !hasFocus() && !text().isEmpty() && !dDatum_.isValid();
    QPalette farben;
    if (bUngueltig) {
        farben = palette();
        farben.setColor(QPalette::Text, kUngueltig);
    }
    setPalette(farben);
    setToolTip(bUngueltig ? tr("Kein gültiges Datum")
                          : tr("%1, leer: offen").arg(FormatHint(DisplayDateFormat())));
}

}  // namespace tolva
