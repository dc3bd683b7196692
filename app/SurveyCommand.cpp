// tolva-archiv survey: what the summary page would say, and the accounts taken.
#include "Arguments.h"
#include "CommandSession.h"
#include "Commands.h"

#include "archive/ModArchiv.h"
#include "state/SharedState.h"
#include "survey/Survey.h"

#include <QTextStream>

namespace tolva {

int RunSurveyCommand(const QStringList& args) {
    Result<Arguments> parsed = ParseArguments(
        args, {QStringLiteral("db"), QStringLiteral("before"), QStringLiteral("accounts")}, {});
    if (!parsed.ok()) return Fail(parsed.error().description, 2);
    const Arguments& a = parsed.value();
    if (!a.Has(QStringLiteral("db")) || !a.Has(QStringLiteral("before")) || !a.positionen.isEmpty())
        return Fail(QStringLiteral("Aufruf: tolva-archiv survey --db PFAD --before JJJJ-MM-TT "
                                   "[--accounts ID,ID,...]"),
                    2);
    Result<SurveyChoice> auswahl = ParseSurveyChoice(a);
    if (!auswahl.ok()) return Fail(auswahl.error().description, 2);

    CommandSession session;
    if (Status s = session.Open(a.Value(QStringLiteral("db"))); !s.ok())
        return Fail(s.description());
    if (Status s = session.RunSurvey(auswahl.value().dStichtag, auswahl.value().konten); !s.ok())
        return Fail(s.description());

    const SharedState& g = Shared();
    QTextStream out(stdout);
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
