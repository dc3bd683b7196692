// tolva-archiv: entry of the command line; dispatches to the commands.
#include "Commands.h"
#include "DemoDbCommand.h"
#include "MainJob.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

namespace {

struct Command {
    const char* sName;
    int (*run)(const QStringList& args);  // gets the arguments after the command name
    const char* sZweck;
};

const Command kCommands[] = {
    {"demo-db", RunDemoDbCommand, "legt eine Demo-Datenbank an"},
    {"survey", tolva::RunSurveyCommand, "zeigt, welche Konten Daten vor dem Stichtag haben"},
    {"create", tolva::RunCreateCommand, "erstellt ein Archiv (wie \"Starten\" im Assistenten)"},
    {"list", tolva::RunListCommand, "listet die Archive eines Ordners mit Beschreibung"},
};

int Usage() {
    QTextStream err(stderr);
    err << "Aufruf: tolva-archiv BEFEHL [ARGUMENTE]\nBefehle:\n";
    for (const Command& befehl : kCommands)
        err << "  " << befehl.sName << "  " << QString::fromUtf8(befehl.sZweck) << '\n';
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    // The wizard makes its own QApplication; only the other commands get a core application.
    QStringList roh;
    for (int i = 0; i < argc; ++i) roh << QString::fromLocal8Bit(argv[i]);
    if (roh.size() < 2) return tolva::RunMainJob();
    if (roh[1] == QLatin1String("--db") || roh[1] == QLatin1String("pages"))
        return tolva::RunWindowCommand(roh.mid(1));
    // The create job through the window: the wizard makes its own application object.
    if (roh[1] == QLatin1String("create") && roh.contains(QLatin1String("--wizard")))
        return tolva::RunCreateCommand(roh.mid(2));

    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args[1] == QLatin1String("--help") || args[1] == QLatin1String("-h")) return Usage();
    for (const Command& befehl : kCommands)
        if (args[1] == QLatin1String(befehl.sName)) return befehl.run(args.mid(2));
    QTextStream(stderr) << "tolva-archiv: unbekannter Befehl „" << args[1] << "“\n";
    return Usage();
}
