// DateField: a field for a date typed as the language shown writes it, empty for "no date".
#pragma once

#include <QDate>
#include <QLineEdit>

namespace tolva {

// Takes a date typed digit by digit in the order and with the separator of DisplayDateFormat()
// (German TT.MM.JJJJ, American M/D/YYYY): the separators may be typed or left out (15022023
// shows 15.02.2023), a day or month of one digit ends with its separator (1.2.2023, shown as
// 01.02.2023 once the field is left). Empty, it shows "offen" and holds no date. A text that is
// no whole, valid date stays as typed, holds no date, and once the field is left shows red with
// the tooltip "Kein gültiges Datum". Tab always leaves the field. Owned by its parent.
class DateField : public QLineEdit {
    Q_OBJECT
  public:
    explicit DateField(QWidget* parent);

    // The date shown; null when the field is empty or holds no valid date.
    QDate Date() const { return dDatum_; }
    // Shows dDatum as DisplayDate does; a null date empties the field.
    void SetDate(const QDate& dDatum);

  signals:
    // Date() changed: a whole valid date was entered, or the field's date went away.
    void DateChanged(const QDate& dDatum);

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void TextChanged();
    void ShowState();

    QDate dDatum_;
};

}  // namespace tolva
