// The main job of tolva-archiv: the demo database in the user's data folder.
#pragma once

namespace tolva {

// Makes the demo database on first use and prints what it holds.
int RunMainJob();

}  // namespace tolva
