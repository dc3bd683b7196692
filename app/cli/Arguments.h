// The options of one command of tolva-archiv, parsed with QCommandLineParser; its help text
// and its errors in the program's language.
#pragma once

#include "cli/Commands.h"
#include "common/Result.h"

#include <QCommandLineParser>
#include <QDate>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

namespace tolva {

// One option: "--name WERT" when sWert is set, else a switch.
struct OptionDefinition {
    OptionDefinition(QString name, QString wert, QString hilfe, bool pflicht = false)
        : sName(std::move(name)),
          sWert(std::move(wert)),
          sHilfe(std::move(hilfe)),
          bPflicht(pflicht) {}
    QString sName;
    QString sWert;  // the value's name in the help ("PFAD"); empty: a switch
    QString sHilfe;
    bool bPflicht = false;
};

// The options several commands share, with one help text: "--db PFAD" (required), the user
// database, and "--before DATUM" (required), the cut-off date.
OptionDefinition DatabaseOption();
OptionDefinition CutOffOption();

// What a command takes: its options and its positional arguments.
struct CommandDefinition {
    CommandDefinition(QString befehl, QString zweck, std::vector<OptionDefinition> optionen_,
                      QString positionen = QString(), int min = 0, int max = 0)
        : sBefehl(std::move(befehl)),
          sZweck(std::move(zweck)),
          optionen(std::move(optionen_)),
          sPositionen(std::move(positionen)),
          lPositionenMin(min),
          lPositionenMax(max) {}
    QString sBefehl;  // "create"; empty for options that follow the program's name itself
    QString sZweck;   // one line for the help
    std::vector<OptionDefinition> optionen;
    QString sPositionen;  // "ORDNER" for the help; empty: none
    int lPositionenMin = 0;
    int lPositionenMax = 0;
};

// The parsed arguments of one command.
class Arguments {
  public:
    bool Has(const QString& sName) const;
    QString Value(const QString& sName) const;
    QStringList Values(const QString& sName) const;  // every value of a repeated option
    bool Flag(const QString& sName) const { return Has(sName); }
    const QStringList& positionen() const { return positionen_; }

  private:
    friend std::optional<Arguments> ParseCommand(const CommandDefinition&, const QStringList&, int*,
                                                 const CommandStreams&);
    std::shared_ptr<QCommandLineParser> parser_;
    QStringList positionen_;
};

// Parses args (the arguments after the command's name). When the command is done already, it
// returns nothing and *lStatus holds the exit status: 0 after --help (the help on out), 2
// after a German message on err that names the unknown or missing option or value.
std::optional<Arguments> ParseCommand(const CommandDefinition& befehl, const QStringList& args,
                                      int* lStatus, const CommandStreams& io);

// Prints sFehler and the command's usage line on err; returns 2, the exit status for it.
int RefuseArguments(const CommandDefinition& befehl, const QString& sFehler, QTextStream& err);

// The help of one command, as --help prints it.
QString HelpText(const CommandDefinition& befehl);

// A date as TT.MM.JJJJ or JJJJ-MM-TT, or in the form dates are shown in (DisplayDateFormat).
Result<QDate> ParseDate(const QString& sText);

}  // namespace tolva
