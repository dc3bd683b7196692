// DemoText: fixed-size UTF-8 texts and the placeholder templates of the demo rows.
#pragma once

#include "demo/DemoCalendar.h"
#include "demo/DemoRandom.h"

#include <QByteArray>
#include <QString>

#include <cstddef>

namespace tolva::demo {

// A UTF-8 text built without allocating. Input beyond the capacity is dropped at a
// character boundary, so the text stays valid UTF-8.
class TextBuffer {
  public:
    static constexpr int kCapacity = 255;

    void Clear() { lLaenge_ = 0; }
    void Append(const char* sText);
    void Append(const char* sText, int lLaenge);
    void Append(char c) { Append(&c, 1); }
    // The number in decimal, padded with zeros on the left to lStellen digits.
    void AppendNumber(quint64 lWert, int lStellen = 1);

    const char* Data() const { return aText_; }
    int Size() const { return lLaenge_; }
    QString ToString() const { return QString::fromUtf8(aText_, lLaenge_); }

  private:
    char aText_[kCapacity + 1] = {};
    int lLaenge_ = 0;
};

// Appends sVorlage to out with its placeholders filled in for the given day:
//   %d "dd.MM"  %t a time "hh.mm"  %m "MM/yyyy"  %M month name and year ("Juli 2013")
//   %y "yyyy"  %q the quarter (1-4)  %n a number of 6 to 8 digits  %p a person's name
//   %% a percent sign
void ExpandTemplate(const char* sVorlage, const CalendarDay& day, DemoRandom& rng, TextBuffer& out);

// Appends "Vorname Nachname" from the name lists.
void AppendPersonName(DemoRandom& rng, TextBuffer& out);

}  // namespace tolva::demo
