// Runs the command-line program of this build as a test does, and keeps what it said.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace tolva::test {

struct ProgramRun {
    int lExitCode = -1;  // -1: did not end in time or did not start; -2: crashed
    QString sOut;
    QString sErr;
};

// Runs sProgramm with args in the test's environment plus TOLVA_SETTINGS = sSettings (when
// given) and the "NAME=VALUE" entries of aUmgebung, in a session of its own without a
// controlling terminal; modifier runs in the child before the program starts. A program that does
// not start, or does not end within lTimeoutMs, is killed and fails the test.
ProgramRun RunProgram(const QString& sProgramm, const QStringList& args,
                      const QString& sSettings = QString(), const QStringList& aUmgebung = {},
                      const std::function<void()>& modifier = {}, int lTimeoutMs = 120000);

// The tolva-archiv of this build: in bin/ beside the library folder that TOLVA_DATA_DIR names.
QString ProgramOfThisBuild();

}  // namespace tolva::test
