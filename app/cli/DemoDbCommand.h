// DemoDbCommand: "tolva-archiv demo-db", which makes a demo banking database.
#pragma once

#include "cli/Commands.h"

#include <QStringList>

// Runs the command with the arguments that follow "demo-db". Prints the summary on io.out;
// returns 0 on success, 1 when the database could not be made (German message on io.err),
// 2 on bad usage (with the usage line).
int RunDemoDbCommand(const QStringList& args, const tolva::CommandStreams& io);
