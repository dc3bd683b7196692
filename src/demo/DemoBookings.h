// DemoBookings: what a demo booking is about -- its kind, payee, purpose, amount, category.
#pragma once

#include "demo/DemoCalendar.h"
#include "demo/DemoRandom.h"
#include "demo/DemoText.h"

#include <array>
#include <vector>

namespace tolva::demo {

// Kinds of account; each has its own mix of bookings.
enum class AccountKind { Giro = 0, Kreditkarte = 1, Tagesgeld = 2, Sparkonto = 3 };
inline constexpr int kAccountKinds = 4;

// The fields of one booking besides account, dates and id.
struct BookingFields {
    qint64 lBetrag = 0;       // cents, negative for money going out
    qint64 lKategorieID = 0;  // id in Kategorien (categories are written in list order)
    TextBuffer sEmpfaenger;
    TextBuffer sZweck;
};

// Makes the fields of bookings. Holds only the kind tables; Make is const and may be used
// for any number of bookings.
class BookingMaker {
  public:
    BookingMaker();

    // Fills `fields` with a booking of an account of the given kind on the given day.
    void Make(AccountKind kind, const CalendarDay& day, DemoRandom& rng,
              BookingFields& fields) const;

    // Companies that money is transferred to or received from: the rows of Empfänger.
    static std::vector<const char*> TransferPayees();

  private:
    std::array<std::vector<int>, kAccountKinds> aSummen_;  // running weight sums per kind
    std::vector<qint64> aKategorien_;                      // category id per booking kind
};

// The id of a category of the name list (its position + 1), 0 when there is none.
qint64 CategoryId(const char* sName);

}  // namespace tolva::demo
