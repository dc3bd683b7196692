// Runs a command of tolva-archiv inside the test's process, as the program would run it.
#pragma once

#include "ProgramRun.h"

#include <QStringList>

namespace tolva::test {

// Runs the command args[0] with the arguments after it through the command library, with the
// default host on the settings file sSettings and a fresh shared state; what it writes to its
// output and error streams comes back as a process's would. An unknown command is exit -1.
ProgramRun RunCommandHere(const QStringList& args, const QString& sSettings);

}  // namespace tolva::test
