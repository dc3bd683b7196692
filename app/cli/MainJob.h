// The main job of tolva-archiv: the wizard, on the demo database or a given one.
#pragma once

#include "cli/Commands.h"

#include <QStringList>

namespace tolva {

// Opens the wizard on the demo database in the user's data folder, made on first use.
int RunMainJob(const CommandStreams& io);

// "--db PATH": the wizard on PATH as a small host (prints the chosen archive, exit 0; else 1);
// with --first-page it closes as soon as its first page is painted (start-up, for timing).
// "pages --db PATH --out DIR": pictures of every page of both jobs.
int RunWindowCommand(const QStringList& args, const CommandStreams& io);

}  // namespace tolva
