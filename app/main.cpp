// tolva-archiv: entry of the command line; builds the application and dispatches to the
// commands through one table.
#include "cli/Commands.h"
#include "cli/DemoDbCommand.h"
#include "cli/MainJob.h"
#include "text/Language.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

#include <algorithm>
#include <memory>
#include <optional>

namespace {

int RunPagesCommand(const QStringList& args, const tolva::CommandStreams& io) {
    return tolva::RunWindowCommand(QStringList{QStringLiteral("pages")} + args, io);
}

struct Command {
    const char* sName;
    int (*run)(const QStringList& args, const tolva::CommandStreams& io);  // the args after it
    const char* sZweck;
    // The options (separated by spaces) with which the command needs the window library (a
    // window, or fonts for a PDF): the library makes its own application object then. "" for a
    // command that always does.
    const char* sFenster;
};

const Command kCommands[] = {
    {"demo-db", RunDemoDbCommand, "legt eine Demo-Datenbank an", nullptr},
    {"survey", tolva::RunSurveyCommand, "zeigt, welche Konten Daten vor dem Stichtag haben",
     nullptr},
    {"create", tolva::RunCreateCommand, "erstellt ein Archiv (wie \"Starten\" im Assistenten)",
     "--wizard"},
    {"list", tolva::RunListCommand, "listet die Archive eines Ordners mit Beschreibung", nullptr},
    {"show", tolva::RunShowCommand, "zeigt Konten und Umsätze eines Archivs", "--window --pdf"},
    {"search", tolva::RunSearchCommand, "sucht einen Text in der Datenbank und allen Archiven",
     nullptr},
    {"verify", tolva::RunVerifyCommand, "prüft, ob Archive noch vollständig und unverändert sind",
     nullptr},
    {"restore", tolva::RunRestoreCommand, "holt die Daten eines Archivs in die Datenbank zurück",
     nullptr},
    {"pages", RunPagesCommand, "zeichnet jede Seite des Assistenten als PNG, ohne Bildschirm", ""},
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
    zeile(QStringLiteral("--version, -V"), QStringLiteral("zeigt die Version"));
    out << "\n\"tolva-archiv help BEFEHL\" oder \"tolva-archiv BEFEHL --help\" zeigt die "
           "Optionen eines Befehls.\n";
    return s;
}

// Takes "--lang X" or "--lang=X" out of the arguments, wherever it stands: X, "" when it is not
// there, or nullopt when the value is missing.
std::optional<QString> TakeLanguageOption(QStringList& roh) {
    for (qsizetype i = 1; i < roh.size(); ++i) {
        if (roh[i] == QLatin1String("--lang")) {
            if (i + 1 >= roh.size()) return std::nullopt;
            const QString sWert = roh[i + 1];
            roh.remove(i, 2);
            return sWert;
        }
        if (roh[i].startsWith(QLatin1String("--lang="))) {
            const QString sWert = roh[i].mid(7);
            roh.remove(i);
            return sWert;
        }
    }
    return QString();
}

}  // namespace

int main(int argc, char** argv) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    const tolva::CommandStreams io{out, err};
    QStringList roh;
    for (int i = 0; i < argc; ++i) roh << QString::fromLocal8Bit(argv[i]);
    // The language first: every text after it is shown in it.
    const std::optional<QString> sLang = TakeLanguageOption(roh);
    const std::optional<tolva::Sprache> sprache =
        sLang ? tolva::ChooseProgramLanguage(*sLang) : std::nullopt;
    if (!sprache) {
        err << "tolva-archiv: --lang erwartet de oder en\n";
        return 2;
    }
    tolva::SetProgramLanguage(*sprache);
    // The wizard makes its own QApplication; only the other commands get a core application,
    // and with it the translations of the language.
    if (roh.size() < 2) return tolva::RunMainJob(io);
    std::unique_ptr<QCoreApplication> app;
    std::unique_ptr<tolva::ScopedLanguage> uebersetzung;
    const auto konsole = [&] {
        app = std::make_unique<QCoreApplication>(argc, argv);
        uebersetzung = std::make_unique<tolva::ScopedLanguage>(*sprache);
    };
    // "help BEFEHL" is "BEFEHL --help"; the version also after a command ("create -V").
    if (roh[1] == QLatin1String("help") && roh.size() == 3)
        roh = QStringList{roh[0], roh[2], QStringLiteral("--help")};
    const auto istVersion = [](const QString& s) {
        return s == QLatin1String("--version") || s == QLatin1String("-V");
    };
    const QString& sBefehl = roh[1];
    if (sBefehl == QLatin1String("--help") || sBefehl == QLatin1String("-h") ||
        (sBefehl == QLatin1String("help") && roh.size() == 2)) {
        konsole();
        out << UsageText();
        return 0;
    }
    if (istVersion(sBefehl) || (roh.size() == 3 && istVersion(roh[2]))) {
        out << "tolva-archiv " << TOLVA_VERSION << '\n';
        return 0;
    }
    // Options of the program itself ("--db PFAD"): the wizard on that database.
    if (sBefehl.startsWith(QLatin1String("--"))) return tolva::RunWindowCommand(roh.mid(1), io);

    for (const Command& befehl : kCommands) {
        if (sBefehl != QLatin1String(befehl.sName)) continue;
        const QStringList args = roh.mid(2);
        const QStringList fenster = QString::fromLatin1(befehl.sFenster ? befehl.sFenster : "")
                                        .split(u' ', Qt::SkipEmptyParts);
        const bool bFenster =
            befehl.sFenster && (fenster.isEmpty() || std::any_of(fenster.begin(), fenster.end(),
                                                                 [&](const QString& sOption) {
                                                                     return args.contains(sOption);
                                                                 }));
        if (!bFenster) konsole();
        return befehl.run(args, io);
    }
    konsole();
    err << "tolva-archiv: unbekannter Befehl „" << sBefehl << "“\n\n" << UsageText();
    return 2;
}
