// A command of tolva-archiv run in the test's process.
#include "CommandHere.h"

#include "cli/Commands.h"
#include "hostlib/HostServices.h"
#include "hostlib/IniHostServices.h"
#include "state/SharedState.h"

#include <QBuffer>
#include <QTextStream>

#include <map>
#include <memory>

namespace tolva::test {

ProgramRun RunCommandHere(const QStringList& args, const QString& sSettings) {
    using Befehl = int (*)(const QStringList&, const CommandStreams&);
    static const std::map<QString, Befehl> kBefehle = {
        {QStringLiteral("survey"), RunSurveyCommand},
        {QStringLiteral("create"), RunCreateCommand},
        {QStringLiteral("list"), RunListCommand},
        {QStringLiteral("show"), RunShowCommand},
        {QStringLiteral("search"), RunSearchCommand},
        {QStringLiteral("restore"), RunRestoreCommand},
        {QStringLiteral("verify"), RunVerifyCommand}};
    ResetSharedState();
    InstallHostServices(std::make_shared<IniHostServices>(sSettings));
    QByteArray aAusgabe;
    QBuffer ausgabe(&aAusgabe);
    ausgabe.open(QIODevice::WriteOnly);
    ProgramRun lauf;
    {
        QTextStream out(&ausgabe);
        QTextStream err(&lauf.sErr);
        const auto it = kBefehle.find(args.value(0));
        lauf.lExitCode = it == kBefehle.end() ? -1 : it->second(args.mid(1), {out, err});
        out.flush();
        err.flush();
    }
    InstallHostServices(nullptr);
    ResetSharedState();
    lauf.sOut = QString::fromUtf8(aAusgabe);
    return lauf;
}

}  // namespace tolva::test
