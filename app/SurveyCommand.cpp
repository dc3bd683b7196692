// tolva-archiv survey: what the summary page would say, and the accounts taken.
#include "Arguments.h"
#include "CommandSession.h"
#include "Commands.h"

#include "archive/ModArchiv.h"
#include "state/SharedState.h"
#include "survey/Survey.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace tolva {

const CommandDefinition& SurveyDefinition() {
    static const CommandDefinition definition{
        QStringLiteral("survey"),
        QStringLiteral("Zeigt, welche Konten Daten vor dem Stichtag haben (wie Seite 5 des "
                       "Assistenten)."),
        {{QStringLiteral("db"), QStringLiteral("PFAD"), QStringLiteral("die Benutzer-Datenbank"),
          true},
         {QStringLiteral("before"), QStringLiteral("DATUM"),
          QStringLiteral("der Stichtag, TT.MM.JJJJ oder JJJJ-MM-TT"), true},
         {QStringLiteral("accounts"), QStringLiteral("ID,..."),
          QStringLiteral("nur diese Konten (sonst alle)")},
         {QStringLiteral("json"), QString(), QStringLiteral("gibt das Ergebnis als JSON aus")}}};
    return definition;
}

int RunSurveyCommand(const QStringList& args) {
    int lStatus = 0;
    const std::optional<Arguments> a = ParseCommand(SurveyDefinition(), args, &lStatus);
    if (!a) return lStatus;
    Result<SurveyChoice> auswahl = ParseSurveyChoice(*a);
    if (!auswahl.ok()) return Fail(auswahl.error().description, 2);

    CommandSession session;
    if (Status s = session.Open(a->Value(QStringLiteral("db"))); !s.ok())
        return Fail(s.description());
    if (Status s = session.RunSurvey(auswahl.value().dStichtag, auswahl.value().konten); !s.ok())
        return Fail(s.description());

    const SharedState& g = Shared();
    QTextStream out(stdout);
    if (a->Flag(QStringLiteral("json"))) {
        QJsonArray konten;
        QString sLabel;
        for (size_t i = 0; i < g.aKontenMitDaten.size(); ++i) {
            sLabel.clear();
            GetAccountLabel(g.aKontenMitDaten[i].toLongLong(), sLabel);
            konten.append(QJsonObject{{QStringLiteral("id"), g.aKontenMitDaten[i].toLongLong()},
                                      {QStringLiteral("konto"), sLabel},
                                      {QStringLiteral("anzahl"), g.aAnzahlDaten[i]}});
        }
        const QJsonObject ergebnis{
            {QStringLiteral("stichtag"), g.dStichtag.toString(Qt::ISODate)},
            {QStringLiteral("institute"), static_cast<qint64>(g.aInstitute.size())},
            {QStringLiteral("konten"), konten}};
        out << QJsonDocument(ergebnis).toJson(QJsonDocument::Indented);
        return 0;
    }
    if (g.aKontenMitDaten.empty()) {
        out << NoDataText(g.dStichtag) << Qt::endl;
        return 0;
    }
    out << SummaryText(static_cast<qint64>(g.aInstitute.size()),
                       static_cast<qint64>(g.aKontenMitDaten.size()))
               .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        << Qt::endl;
    QString sLabel;
    for (size_t i = 0; i < g.aKontenMitDaten.size(); ++i) {
        sLabel.clear();
        GetAccountLabel(g.aKontenMitDaten[i].toLongLong(), sLabel);
        out << g.aKontenMitDaten[i] << '\t' << sLabel << '\t' << g.aAnzahlDaten[i] << Qt::endl;
    }
    return 0;
}

}  // namespace tolva
