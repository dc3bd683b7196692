// The date field: what may be typed, what it means, and how an invalid date looks.
#include "browser/DateField.h"

#include <QValidator>

namespace tolva {
namespace {

const QString kFormat = QStringLiteral("dd.MM.yyyy");
constexpr int kJahrStellen = 4;
constexpr int kTeilStellen = 2;  // day and month
const QColor kUngueltig(0xb0, 0x1c, 0x1c);

// The date of a text "T.M.JJJJ" with one or two digits for day and month; null otherwise.
QDate ParseDate(const QString& sText) {
    const QStringList teile = sText.split(QLatin1Char('.'));
    if (teile.size() != 3 || teile[2].size() != kJahrStellen) return {};
    for (const QString& teil : teile) {
        if (teil.isEmpty() || (teil.size() > kTeilStellen && &teil != &teile[2])) return {};
        for (const QChar c : teil)
            if (c < QLatin1Char('0') || c > QLatin1Char('9')) return {};
    }
    return QDate(teile[2].toInt(), teile[1].toInt(), teile[0].toInt());
}

// Lets through digits and dots in the shape T.M.JJJJ: a third digit of the day or the month
// starts the next part with a dot of its own; a fifth digit of the year, a dot that ends
// nothing and any other character are refused. The cursor keeps its place among the digits.
class DateValidator : public QValidator {
  public:
    using QValidator::QValidator;

    State validate(QString& sText, int& lPos) const override {
        QString aus;
        int lNeuPos = 0;
        int lTeil = 0;     // 0 day, 1 month, 2 year
        int lStellen = 0;  // digits in the current part
        for (int i = 0; i < sText.size(); ++i) {
            const QChar c = sText[i];
            if (c == QLatin1Char('.')) {
                if (lStellen == 0 || lTeil == 2) return Invalid;
                aus += c;
                ++lTeil;
                lStellen = 0;
            } else if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
                if (lStellen == (lTeil == 2 ? kJahrStellen : kTeilStellen)) {
                    if (lTeil == 2) return Invalid;
                    aus += QLatin1Char('.');
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
        return aus.isEmpty() || ParseDate(aus).isValid() ? Acceptable : Intermediate;
    }
};

}  // namespace

DateField::DateField(QWidget* parent) : QLineEdit(parent) {
    setValidator(new DateValidator(this));
    setPlaceholderText(tr("offen"));
    setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00.00.00000")) + 16);
    connect(this, &QLineEdit::textChanged, this, &DateField::TextChanged);
    ShowState();
}

void DateField::SetDate(const QDate& dDatum) {
    setText(dDatum.isValid() ? dDatum.toString(kFormat) : QString());
}

void DateField::TextChanged() {
    const QDate d = ParseDate(text());
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
    if (dDatum_.isValid() && text() != dDatum_.toString(kFormat)) SetDate(dDatum_);
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
    setToolTip(bUngueltig ? tr("Kein gültiges Datum") : tr("TT.MM.JJJJ, leer: offen"));
}

}  // namespace tolva
