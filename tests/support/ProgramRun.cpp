// Running tolva-archiv from a test.
#include "ProgramRun.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <unistd.h>

namespace tolva::test {

ProgramRun RunProgram(const QString& sProgramm, const QStringList& args, const QString& sSettings,
                      const QStringList& aUmgebung, const std::function<void()>& modifier,
                      int lTimeoutMs) {
    QProcess prozess;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!sSettings.isEmpty()) env.insert(QStringLiteral("TOLVA_SETTINGS"), sSettings);
    for (const QString& s : aUmgebung) env.insert(s.section(u'=', 0, 0), s.section(u'=', 1));
    prozess.setProcessEnvironment(env);
    // A session of its own: the program never reaches the terminal the tests run on, where a
    // question would wait for nobody.
    prozess.setChildProcessModifier([modifier] {
        ::setsid();
        if (modifier) modifier();
    });
    prozess.start(sProgramm, args);
    ProgramRun lauf;
    if (!prozess.waitForStarted(10000) || !prozess.waitForFinished(lTimeoutMs)) {
        ADD_FAILURE() << sProgramm.toStdString()
                      << " did not run: " << prozess.errorString().toStdString();
        prozess.kill();
        prozess.waitForFinished();
        return lauf;
    }
    lauf.lExitCode = prozess.exitStatus() == QProcess::NormalExit ? prozess.exitCode() : -2;
    lauf.sOut = QString::fromUtf8(prozess.readAllStandardOutput());
    lauf.sErr = QString::fromUtf8(prozess.readAllStandardError());
    return lauf;
}

QString ProgramOfThisBuild() {
    return qEnvironmentVariable("TOLVA_DATA_DIR") + QStringLiteral("../bin/tolva-archiv");
}

}  // namespace tolva::test
