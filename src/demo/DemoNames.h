// DemoNames: the German word lists from which the demo-database generator builds its rows.
#pragma once

#include <span>

namespace tolva::demo {

// One bank of the demo data. The BLZ is made of the region prefix (3 digits), the group
// digit and four digits of the generator; the BIC of the four letters, "DE" and the two
// location characters.
struct BankEntry {
    const char* sName;
    const char* sOrt;
    const char* sBlzRegion;  // 3 digits
    char cGruppe;            // 4th BLZ digit: the banking group
    const char* sBicBank;    // 4 letters
    const char* sBicOrt;     // 2 characters
};

// One category of the tree; lParent is the index of the parent entry, -1 for a root.
// Parents come before their children.
struct CategoryEntry {
    const char* sName;
    int lParent;
};

std::span<const BankEntry> Banks();
std::span<const CategoryEntry> Categories();
std::span<const char* const> FirstNames();
std::span<const char* const> LastNames();
// Notes that users attach to bookings.
std::span<const char* const> Notes();
// Titles of collective orders; "%m" stands for the month ("07/2013"), "%q" for the quarter.
std::span<const char* const> CollectiveTitles();
// Purposes of single orders and collective items; placeholders as in the booking texts.
std::span<const char* const> OrderPurposes();
// German month names, January first.
std::span<const char* const> MonthNames();

}  // namespace tolva::demo
