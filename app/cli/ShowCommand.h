// tolva-archiv show: what an archive (or a user database) holds, read without changing it.
#pragma once

#include "cli/Arguments.h"

#include "browse/BrowseFile.h"

namespace tolva {

// The options of show.
const CommandDefinition& ShowDefinition();

// What show is asked for, checked: the file, its password, the filter and how much to print.
// The browser window takes the same choice.
struct ShowChoice {
    QString sDatei;  // full path
    QString sPasswort;
    QString sDatenbank;  // full path, with --window only: where "Zurückholen …" puts rows back
    BookingFilter filter;
    qint64 lHoechstens = 100;  // bookings printed; 0: all
    bool bCsv = false;
    bool bJson = false;
    bool bZeiten = false;  // --times: how long the first screen and further pieces took
    bool bMonate = false;  // --months: per month and year instead of the bookings
    QString sPdf;          // --pdf: the printed statement's file (full path); empty: none
    bool bJa = false;      // --yes: an existing file may be replaced without asking
};
// Fails with a message in the language shown that names the bad option (exit 2).
Result<ShowChoice> ParseShowChoice(const Arguments& a);

}  // namespace tolva
