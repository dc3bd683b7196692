// tolva-archiv survey: what the summary page would say, and the accounts taken.
#include "cli/Arguments.h"
#include "cli/CommandSession.h"
#include "cli/Commands.h"

#include "archive/ModArchiv.h"
#include "archive/RunPlan.h"
#include "state/SharedState.h"
#include "survey/Survey.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <QTextStream>

namespace tolva {
namespace {

QString PlanLine(const PlanKonto& k) {
    QStringList felder{k.lKontoID ? QString::number(k.lKontoID) : QString(), k.sKonto, k.sBank};
    for (qint64 n : {k.lUmsaetze, k.lZusaetze, k.lOffene, k.lAuftraege, k.lSammel, k.lEinzel})
        felder << QString::number(n);
    return felder.join(QLatin1Char('\t'));
}

QJsonObject PlanObject(const PlanKonto& k) {
    return QJsonObject{{QStringLiteral("id"), k.lKontoID},
                       {QStringLiteral("konto"), k.sKonto},
                       {QStringLiteral("bank"), k.sBank},
                       {QStringLiteral("umsaetze"), k.lUmsaetze},
                       {QStringLiteral("zusaetze"), k.lZusaetze},
                       {QStringLiteral("offene"), k.lOffene},
                       {QStringLiteral("auftraege"), k.lAuftraege},
                       {QStringLiteral("sammelauftraege"), k.lSammel},
                       {QStringLiteral("einzelauftraege"), k.lEinzel}};
}

QJsonObject PlanJson(const RunPlan& plan) {
    QJsonArray konten;
    for (const PlanKonto& k : plan.aKonten) konten.append(PlanObject(k));
    return QJsonObject{{QStringLiteral("konten"), konten},
                       {QStringLiteral("summe"), PlanObject(plan.summe)}};
}

}  // namespace

const CommandDefinition& SurveyDefinition() {
    static const CommandDefinition definition{
        QStringLiteral("survey"),
        QCoreApplication::translate("SurveyCommand",
                                    "Zeigt, welche Konten Daten vor dem Stichtag haben (wie "
                                    "Seite 5 des Assistenten)."),
        {DatabaseOption(),
         CutOffOption(),
         {QStringLiteral("accounts"), QStringLiteral("ID,..."),
          QCoreApplication::translate("SurveyCommand", "nur diese Konten (sonst alle)")},
         {QStringLiteral("json"), QString(),
          QCoreApplication::translate("SurveyCommand", "gibt das Ergebnis als JSON aus")},
         {QStringLiteral("times"), QString(),
          QCoreApplication::translate(
              "SurveyCommand", "nennt auf stderr, wie lange Suche und Übersicht gedauert haben")}}};
    return definition;
}

int RunSurveyCommand(const QStringList& args, const CommandStreams& io) {
    int lStatus = 0;
    const std::optional<Arguments> a = ParseCommand(SurveyDefinition(), args, &lStatus, io);
    if (!a) return lStatus;
    Result<SurveyChoice> auswahl = ParseSurveyChoice(*a);
    if (!auswahl.ok()) return Fail(io.err, auswahl.error().description, 2);

    CommandSession session(io.out);
    if (Status s = session.Open(a->Value(QStringLiteral("db"))); !s.ok())
        return Fail(io.err, s.description());
    QElapsedTimer uhr;
    uhr.start();
    if (Status s = session.RunSurvey(auswahl.value().dStichtag, auswahl.value().konten); !s.ok())
        return Fail(io.err, s.description());
    const qint64 lSucheNs = uhr.nsecsElapsed();

    const SharedState& g = Shared();
    uhr.restart();
    const Result<RunPlan> plan =
        MakeRunPlan(PlanSource{*g.cnDatenbank, *g.oTools, g.aUmsaetzeGezaehlt, g.dUmsaetzeGezaehlt},
                    g.aKontenAuswahl, g.dStichtag);
    if (!plan.ok()) return Fail(io.err, plan.error().description);
    // What entering the summary page costs: the survey, then the plan under it.
    if (a->Flag(QStringLiteral("times")))
        io.err << QCoreApplication::translate("SurveyCommand", "Suche %1 ms, Übersicht %2 ms")
                      .arg(QString::number(double(lSucheNs) / 1e6, 'f', 1),
                           QString::number(double(uhr.nsecsElapsed()) / 1e6, 'f', 1))
               << Qt::endl;
    QTextStream& out = io.out;
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
            {QStringLiteral("konten"), konten},
            {QStringLiteral("plan"), PlanJson(plan.value())}};
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
    // The plan as the summary page shows it, one account per line, then the totals.
    out << QCoreApplication::translate("SurveyCommand",
                                       "Konto-ID\tKonto\tBank\tUmsätze\tZusätze\tOffene\t"
                                       "Aufträge\tSammelaufträge\tEinzelaufträge")
        << Qt::endl;
    for (const PlanKonto& k : plan.value().aKonten) out << PlanLine(k) << Qt::endl;
    PlanKonto summe = plan.value().summe;
    summe.sKonto = QCoreApplication::translate("SurveyCommand", "Zusammen");
    out << PlanLine(summe) << Qt::endl;
    return 0;
}

}  // namespace tolva
