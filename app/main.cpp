// tolva-archiv: entry of the command line; chooses the language, builds the terminal's
// application and dispatches to the commands through one table.
#include "cli/Commands.h"
#include "cli/DemoDbCommand.h"
#include "cli/MainJob.h"
#include "cli/WindowLibrary.h"
#include "text/Language.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

#include <optional>

namespace {

int RunPagesCommand(const QStringList& args, const tolva::CommandStreams& io) {
    return tolva::RunWindowCommand(QStringList{QStringLiteral("pages")} + args, io);
}

struct Command {
    const char* sName;
    int (*run)(const QStringList& args, const tolva::CommandStreams& io);  // the args after it
    const char* sZweck;  // untranslated: QCoreApplication::translate("Main", sZweck)
};

const Command kCommands[] = {
    {"demo-db", RunDemoDbCommand, QT_TRANSLATE_NOOP("Main", "legt eine Demo-Datenbank an")},
    {"survey", tolva::RunSurveyCommand,
     QT_TRANSLATE_NOOP("Main", "zeigt, welche Konten Daten vor dem Stichtag haben")},
    {"create", tolva::RunCreateCommand,
     QT_TRANSLATE_NOOP("Main", "erstellt ein Archiv (wie \"Starten\" im Assistenten)")},
    {"list", tolva::RunListCommand,
     QT_TRANSLATE_NOOP("Main", "listet die Archive eines Ordners mit Beschreibung")},
    {"show", tolva::RunShowCommand,
     QT_TRANSLATE_NOOP("Main", "zeigt Konten und Umsätze eines Archivs")},
    {"search", tolva::RunSearchCommand,
     QT_TRANSLATE_NOOP("Main", "sucht einen Text in der Datenbank und allen Archiven")},
    {"verify", tolva::RunVerifyCommand,
     QT_TRANSLATE_NOOP("Main", "prüft, ob Archive noch vollständig und unverändert sind")},
    {"restore", tolva::RunRestoreCommand,
     QT_TRANSLATE_NOOP("Main", "holt die Daten eines Archivs in die Datenbank zurück")},
    {"pages", RunPagesCommand,
     QT_TRANSLATE_NOOP("Main", "zeichnet jede Seite des Assistenten als PNG, ohne Bildschirm")},
};

QString UsageText() {
    QString s;
    QTextStream out(&s);
    out << QCoreApplication::translate("Main",
                                       "Aufruf: tolva-archiv [BEFEHL] [OPTIONEN]\n\n"
                                       "Ohne Befehl öffnet tolva-archiv den Assistenten auf der "
                                       "Demo-Datenbank\n(sie wird beim ersten Mal angelegt).\n\n"
                                       "Befehle:\n");
    const auto zeile = [&out](const QString& sLinks, const QString& sRechts) {
        out << "  " << sLinks.leftJustified(26) << ' ' << sRechts << '\n';
    };
    zeile(QCoreApplication::translate("Main", "--db PFAD"),
          QCoreApplication::translate("Main", "öffnet den Assistenten auf PFAD"));
    for (const Command& befehl : kCommands)
        zeile(QString::fromUtf8(befehl.sName), QCoreApplication::translate("Main", befehl.sZweck));
    zeile(QStringLiteral("--version, -V"),
          QCoreApplication::translate("Main", "zeigt die Version"));
    zeile(QStringLiteral("--lang de|en"),
          QCoreApplication::translate(
              "Main", "Sprache der Texte (Vorgabe: TOLVA_LANG, sonst die Sprache des Systems)"));
    out << QCoreApplication::translate("Main",
                                       "\n\"tolva-archiv help BEFEHL\" oder \"tolva-archiv "
                                       "BEFEHL --help\" zeigt die Optionen eines Befehls.\n");
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
    // The language first: every text after it is shown in it. The terminal's texts need an
    // application for their translations; the window library ends it while a window shows.
    const std::optional<QString> sLang = TakeLanguageOption(roh);
    const std::optional<tolva::Sprache> sprache =
        sLang ? tolva::ChooseProgramLanguage(*sLang) : std::nullopt;
    if (!sprache) {
        // Said in the language the program would have chosen without the option.
        const tolva::TerminalApplication app(argc, argv, *tolva::ChooseProgramLanguage(QString()));
        err << QCoreApplication::translate("Main", "tolva-archiv: --lang erwartet de oder en")
            << '\n';
        return 2;
    }
    tolva::SetProgramLanguage(*sprache);
    const tolva::TerminalApplication app(argc, argv, *sprache);
    if (roh.size() < 2) return tolva::RunMainJob(io);
    // "help BEFEHL" is "BEFEHL --help"; the version also after a command ("create -V").
    if (roh[1] == QLatin1String("help") && roh.size() == 3)
        roh = QStringList{roh[0], roh[2], QStringLiteral("--help")};
    const auto istVersion = [](const QString& s) {
        return s == QLatin1String("--version") || s == QLatin1String("-V");
    };
    const QString& sBefehl = roh[1];
    if (sBefehl == QLatin1String("--help") || sBefehl == QLatin1String("-h") ||
        (sBefehl == QLatin1String("help") && roh.size() == 2)) {
        out << UsageText();
        return 0;
    }
    if (istVersion(sBefehl) || (roh.size() == 3 && istVersion(roh[2]))) {
        out << "tolva-archiv " << TOLVA_VERSION << '\n';
        return 0;
    }
    // Options of the program itself ("--db PFAD"): the wizard on that database.
    if (sBefehl.startsWith(QLatin1String("--"))) return tolva::RunWindowCommand(roh.mid(1), io);

    for (const Command& befehl : kCommands)
        if (sBefehl == QLatin1String(befehl.sName)) return befehl.run(roh.mid(2), io);
    err << QCoreApplication::translate("Main", "tolva-archiv: unbekannter Befehl „%1“").arg(sBefehl)
        << "\n\n"
        << UsageText();
    return 2;
}
