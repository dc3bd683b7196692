// tolva-archiv: entry of the command line; dispatches to the commands.
#include "cli/Commands.h"
#include "cli/DemoDbCommand.h"
#include "cli/MainJob.h"

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
    {"show", tolva::RunShowCommand, "zeigt Konten und Umsätze eines Archivs"},
    {"search", tolva::RunSearchCommand, "sucht einen Text in der Datenbank und allen Archiven"},
    {"restore", tolva::RunRestoreCommand, "holt die Daten eines Archivs in die Datenbank zurück"},
};

QString UsageText() {
    QString s;
    QTextStream out(&s);
    out << "Aufruf: tolva-archiv [BEFEHL] [OPTIONEN]\n\n"
        << "Ohne Befehl öffnet tolva-archiv den Assistenten auf der Demo-Datenbank\n"
           "(sie wird beim ersten Mal angelegt).\n\nBefehle:\n";
    const auto zeile = [&out](const QString& sLinks, const QString& sRechts) {
        out << "  " << sLinks.leftJustified(26) << ' ' << sRechts << '\n';
    };
    zeile(QStringLiteral("--db PFAD"), QStringLiteral("öffnet den Assistenten auf PFAD"));
    for (const Command& befehl : kCommands)
        zeile(QString::fromUtf8(befehl.sName), QString::fromUtf8(befehl.sZweck));
    zeile(QStringLiteral("pages"),
          QStringLiteral("zeichnet jede Seite des Assistenten als PNG, ohne Bildschirm"));
    zeile(QStringLiteral("--version, -V"), QStringLiteral("zeigt die Version"));
    out << "\n\"tolva-archiv help BEFEHL\" oder \"tolva-archiv BEFEHL --help\" zeigt die "
           "Optionen eines Befehls.\n";
    return s;
}

}  // namespace

int main(int argc, char** argv) {
    // The wizard makes its own QApplication; only the other commands get a core application.
    QStringList roh;
    for (int i = 0; i < argc; ++i) roh << QString::fromLocal8Bit(argv[i]);
    if (roh.size() < 2) return tolva::RunMainJob();
    // "help BEFEHL" is "BEFEHL --help"; the version also after a command ("create -V").
    if (roh[1] == QLatin1String("help") && roh.size() == 3)
        roh = QStringList{roh[0], roh[2], QStringLiteral("--help")};
    const auto istVersion = [](const QString& s) {
        return s == QLatin1String("--version") || s == QLatin1String("-V");
    };
    const QString& sBefehl = roh[1];
    if (sBefehl == QLatin1String("--help") || sBefehl == QLatin1String("-h") ||
        (sBefehl == QLatin1String("help") && roh.size() == 2)) {
        QTextStream(stdout) << UsageText();
        return 0;
    }
    if (istVersion(sBefehl) || (roh.size() == 3 && istVersion(roh[2]))) {
        QTextStream(stdout) << "tolva-archiv " << TOLVA_VERSION << '\n';
        return 0;
    }
    if (sBefehl == QLatin1String("pages") || sBefehl.startsWith(QLatin1String("--")))
        return tolva::RunWindowCommand(roh.mid(1));
    // The create job through the window and the browser: the window library makes its own
    // application object.
    if (sBefehl == QLatin1String("create") && roh.contains(QLatin1String("--wizard")))
        return tolva::RunCreateCommand(roh.mid(2));
    if (sBefehl == QLatin1String("show") && roh.contains(QLatin1String("--window")))
        return tolva::RunShowCommand(roh.mid(2));

    QCoreApplication app(argc, argv);
    for (const Command& befehl : kCommands)
        if (roh[1] == QLatin1String(befehl.sName)) return befehl.run(roh.mid(2));
    QTextStream(stderr) << "tolva-archiv: unbekannter Befehl „" << roh[1] << "“\n\n" << UsageText();
    return 2;
}
