// Parsing of one command's options with QCommandLineParser, in the program's language.
#include "cli/Arguments.h"

#include "text/DisplayFormat.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTextStream>

namespace tolva {
namespace {

QString Usage(const CommandDefinition& befehl) {
    QString s = QStringLiteral("tolva-archiv");
    if (!befehl.sBefehl.isEmpty()) s += QLatin1Char(' ') + befehl.sBefehl;
    for (const OptionDefinition& o : befehl.optionen) {
        QString teil = QStringLiteral("--") + o.sName;
        if (!o.sWert.isEmpty()) teil += QLatin1Char(' ') + o.sWert;
        s += o.bPflicht ? QLatin1Char(' ') + teil : QStringLiteral(" [") + teil + QLatin1Char(']');
    }
    if (!befehl.sPositionen.isEmpty()) s += QLatin1Char(' ') + befehl.sPositionen;
    return QCoreApplication::translate("Arguments", "Aufruf: %1").arg(s);
}

}  // namespace

int RefuseArguments(const CommandDefinition& befehl, const QString& sFehler, QTextStream& err) {
    err << sFehler << '\n' << Usage(befehl) << '\n';
    return 2;
}

bool Arguments::Has(const QString& sName) const {
    return parser_ && parser_->isSet(sName);
}

QString Arguments::Value(const QString& sName) const {
    return parser_ ? parser_->value(sName) : QString();
}

QStringList Arguments::Values(const QString& sName) const {
    return parser_ ? parser_->values(sName) : QStringList();
}

QString HelpText(const CommandDefinition& befehl) {
    QString s = Usage(befehl) + QStringLiteral("\n\n") + befehl.sZweck + QStringLiteral("\n");
    if (!befehl.optionen.empty()) s += QCoreApplication::translate("Arguments", "\nOptionen:\n");
    for (const OptionDefinition& o : befehl.optionen) {
        QString links = QStringLiteral("  --") + o.sName;
        if (!o.sWert.isEmpty()) links += QLatin1Char(' ') + o.sWert;
        s += links.leftJustified(32) + QLatin1Char(' ') + o.sHilfe + QLatin1Char('\n');
    }
    s += QStringLiteral("  --help").leftJustified(32) + QLatin1Char(' ') +
         QCoreApplication::translate("Arguments", "zeigt diese Hilfe") + QLatin1Char('\n');
    return s;
}

OptionDefinition DatabaseOption() {
    return {QStringLiteral("db"), QCoreApplication::translate("Arguments", "PFAD"),
            QCoreApplication::translate("Arguments", "die Benutzer-Datenbank"), true};
}

OptionDefinition CutOffOption() {
    return {QStringLiteral("before"), QCoreApplication::translate("Arguments", "DATUM"),
            QCoreApplication::translate("Arguments", "der Stichtag, TT.MM.JJJJ oder JJJJ-MM-TT"),
            true};
}

std::optional<Arguments> ParseCommand(const CommandDefinition& befehl, const QStringList& args,
                                      int* lStatus, const CommandStreams& io) {
    auto parser = std::make_shared<QCommandLineParser>();
    parser->setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    for (const OptionDefinition& o : befehl.optionen)
        parser->addOption(o.sWert.isEmpty() ? QCommandLineOption(o.sName, o.sHilfe)
                                            : QCommandLineOption(o.sName, o.sHilfe, o.sWert));
    parser->addOption(
        QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                           QCoreApplication::translate("Arguments", "zeigt diese Hilfe")));
    *lStatus = 0;
    if (!parser->parse(QStringList{QStringLiteral("tolva-archiv")} + args)) {
        const QStringList unbekannt = parser->unknownOptionNames();
        if (!unbekannt.isEmpty()) {
            const QString& n = unbekannt.front();
            *lStatus = RefuseArguments(
                befehl,
                QCoreApplication::translate("Arguments", "Unbekannte Option: %1%2")
                    .arg(n.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), n),
                io.err);
            return std::nullopt;
        }
        // QCommandLineParser names the option whose value is missing in quotes.
        static const QRegularExpression kName(QStringLiteral("'-*([^']+)'"));
        const QRegularExpressionMatch m = kName.match(parser->errorText());
        *lStatus = RefuseArguments(
            befehl,
            m.hasMatch() ? QCoreApplication::translate("Arguments",
                                                       "Die Option --%1 braucht einen "
                                                       "Wert.")
                               .arg(m.captured(1))
                         : parser->errorText(),
            io.err);
        return std::nullopt;
    }
    if (parser->isSet(QStringLiteral("help"))) {
        io.out << HelpText(befehl);
        return std::nullopt;
    }
    for (const OptionDefinition& o : befehl.optionen)
        if (o.bPflicht && !parser->isSet(o.sName)) {
            *lStatus = RefuseArguments(
                befehl,
                QCoreApplication::translate("Arguments", "Die Option --%1 fehlt.").arg(o.sName),
                io.err);
            return std::nullopt;
        }
    const QStringList positionen = parser->positionalArguments();
    if (positionen.size() < befehl.lPositionenMin || positionen.size() > befehl.lPositionenMax) {
        *lStatus = RefuseArguments(
            befehl,
            positionen.size() < befehl.lPositionenMin
                ? QCoreApplication::translate("Arguments", "Das Argument %1 fehlt.")
                      .arg(befehl.sPositionen)
                : QCoreApplication::translate("Arguments", "Überzähliges Argument: %1")
                      .arg(positionen.value(befehl.lPositionenMax)),
            io.err);
        return std::nullopt;
    }
    Arguments a;
    a.parser_ = std::move(parser);
    a.positionen_ = positionen;
    return a;
}

Result<QDate> ParseDate(const QString& sText) {
    // The fixed forms that scripts use, and the one the terminal shows dates in (M/d/yyyy in US
    // English), so that a date shown can be given back.
    const QString sGezeigt = DisplayDateFormat();
    QString sLocker = sGezeigt;  // leading zeros optional: 1/2/2024 as well as 01/02/2024
    sLocker.replace(QLatin1String("dd"), QLatin1String("d"))
        .replace(QLatin1String("MM"), QLatin1String("M"));
    for (const QString& form : {QStringLiteral("dd.MM.yyyy"), QStringLiteral("yyyy-MM-dd"),
                                QStringLiteral("d.M.yyyy"), sGezeigt, sLocker}) {
        const QDate d = QDate::fromString(sText.trimmed(), form);
        if (d.isValid()) return d;
    }
    if (sGezeigt == QLatin1String("dd.MM.yyyy"))
        return Error{
            QCoreApplication::translate(
                "Arguments", "Ungültiges Datum „%1“ (erwartet TT.MM.JJJJ oder JJJJ-MM-TT).")
                .arg(sText),
        };
    // The shown form as people write it: "M/D/YYYY", "DD/MM/YYYY".
    const QString sForm = sGezeigt.toUpper();
    return Error{
        QCoreApplication::translate("Arguments",
                                    "Ungültiges Datum „%1“ (erwartet %2, TT.MM.JJJJ oder "
                                    "JJJJ-MM-TT).")
            .arg(sText, sForm),
    };
}

}  // namespace tolva
