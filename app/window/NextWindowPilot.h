// Drives the next wizard window that opens in this process, for hosts that cannot click (the
// C host of the tests, which reaches the wizard only through the C entry).
#pragma once

// Arms the pilot for the next application object that the component makes: "create:TARGET"
// archives every booking of every account with removal into TARGET, with a backup beside it
// (TARGET.BKA); "view" chooses the view
// job and hands back the first archive; "cancel" cancels at once; "" or NULL disarms it.
// Exported from the public library; the mode is copied.
extern "C" void tolva_pilot_next_window(const char* modus);
