// The candidate survey over the ticked accounts, and the banks of the accounts it finds.
#include "survey/Survey.h"

#include "database/Recordset.h"
#include "hostlib/HostTools.h"
#include "state/ArchivForm.h"
#include "state/SharedState.h"
#include "text/DisplayFormat.h"

#include <QCoreApplication>
#include <QLocale>

namespace tolva {
namespace {

// The three count queries, in the order in which they qualify an account.
const QString kZaehlKoepfe[] = {
    QStringLiteral("select count(*) from umsätze where KontoID = "),
    QStringLiteral("select count(*) from UmsZusatz where KontoID = "),
    QStringLiteral("select count(*) from OffeneUmsätze where KontoID = "),
};

// The counting of the survey. A count that cannot run ends its account's counting; with
// bUebergehen the account is left out and the next one counted, else the survey fails.
Status CountAccounts(Connection& cnDatenbank, HostTools& tools,
                     const std::vector<QString>& aKontenAuswahl, Survey& survey, bool bUebergehen) {
    const QString datum = tools.FormatSqlDatum(survey.dStichtag);
    Recordset rs;
    for (const QString& sEintrag : aKontenAuswahl) {
        const qint64 konto = sEintrag.trimmed().toLongLong();
        for (const QString& kopf : kZaehlKoepfe) {
            const QString sql = kopf + QString::number(konto) +
                                QStringLiteral(" AND Buchungsdatum < '") + datum +
                                QStringLiteral("'");
            const Status opened =
                rs.Open(sql, cnDatenbank, adOpenKeyset, adLockOptimistic, adCmdTableDirect);
            if (!opened.ok() || rs.State() != adStateOpen || rs.Eof()) {
                rs.Close();
                if (!bUebergehen)
                    return opened.ok()
                               ? Status::Fail(QCoreApplication::translate("Survey",
                                                                          "Die Abfrage „%1“ gibt "
                                                                          "keine Zeile zurück.")
                                                  .arg(sql))
                               : opened;
                break;  // the remaining queries of this account are not asked
            }
            const qint64 anzahl = rs.Field(0).toLongLong();
            rs.Close();
            if (&kopf == &kZaehlKoepfe[0]) survey.aUmsaetzeGezaehlt[konto] = anzahl;
            if (anzahl == 0) continue;
            survey.aKontenMitDaten.push_back(QString::number(konto));
            survey.aAnzahlDaten.push_back(anzahl);
            break;
        }
    }
    return Status::Ok();
}

// The distinct banks of the accounts, in first-seen order.
std::vector<QString> DistinctBanks(const std::vector<QString>& aKonten,
                                   const BankOfAccount& bankOf) {
    std::vector<QString> liste;
    for (const QString& konto : aKonten) {
        const QString bank = QString::number(bankOf(konto.trimmed().toLongLong()));
        if (std::find(liste.begin(), liste.end(), bank) == liste.end()) liste.push_back(bank);
    }
    return liste;
}

}  // namespace

Result<Survey> RunSurvey(Connection& cnDatenbank, HostTools& tools,
                         const std::vector<QString>& aKontenAuswahl, const QDate& dStichtag,
                         const BankOfAccount& bankOf) {
    Survey survey;
    survey.dStichtag = dStichtag;
    if (Status s = CountAccounts(cnDatenbank, tools, aKontenAuswahl, survey, false); !s.ok())
        return s.error();
    survey.aInstitute = DistinctBanks(survey.aKontenMitDaten, bankOf);
    return survey;
}

void FindAccountsWithData() {
    SharedState& g = Shared();
    g.aUmsaetzeGezaehlt.clear();
    g.dUmsaetzeGezaehlt = g.dStichtag;
    if (!g.cnDatenbank || !g.oTools) return;
    Survey survey;
    survey.dStichtag = g.dStichtag;
    (void)CountAccounts(*g.cnDatenbank, *g.oTools, g.aKontenAuswahl, survey, true);
    g.aKontenMitDaten.insert(g.aKontenMitDaten.end(), survey.aKontenMitDaten.begin(),
                             survey.aKontenMitDaten.end());
    g.aAnzahlDaten.insert(g.aAnzahlDaten.end(), survey.aAnzahlDaten.begin(),
                          survey.aAnzahlDaten.end());
    g.aUmsaetzeGezaehlt = std::move(survey.aUmsaetzeGezaehlt);
}

Status CollectBanks() {
    SharedState& g = Shared();
    if (!g.oArchivForm && !g.aKontenMitDaten.empty())
        return Status::Fail(
            QCoreApplication::translate("Survey", "Die Kontenliste des Assistenten fehlt."));
    std::vector<QString> liste = DistinctBanks(
        g.aKontenMitDaten, [](qint64 id) { return GetAccountBank(QString::number(id)); });
    if (!liste.empty()) g.aInstitute = std::move(liste);
    return Status::Ok();
}
qint64 GetAccountBank(const QString& sId) {
    const ArchivForm* form = Shared().oArchivForm;
    if (!form) return 0;
    bool idOk = false;
    const qint64 id = sId.trimmed().toLongLong(&idOk);
    if (!idOk) return 0;
    const int zeilen = form->AccountRowCount();
    for (int r = 0; r < zeilen; ++r) {
        bool ok = false;
        const qint64 daten = form->AccountRowData(r).toLongLong(&ok);
        if (ok && daten == id) return form->AccountRowBank(r).trimmed().toLongLong();
    }
    return 0;
}

QString SummaryText(qint64 n, qint64 m) {
    // The counts stay plain numbers, as the system writes them.
    if (m == 1)
        return QCoreApplication::translate("Survey",
                                           "Es wurden Daten für %1 Institut(e) und 1 Konto( "
                                           "gefunden.\r\nUm die Daten zu archivieren, klicken Sie "
                                           "auf 'Starten'",
                                           nullptr, PluralCount(n))
            .arg(QString::number(n));
    return QCoreApplication::translate("Survey",
                                       "Es wurden Daten für %1 Institut(e) und %2 Konten "
                                       "gefunden.\r\nUm die Daten zu archivieren, klicken Sie "
                                       "auf 'Starten'",
                                       nullptr, PluralCount(n))
        .arg(QString::number(n), QString::number(m));
}

QString NoDataText(const QDate& dStichtag) {
    return QCoreApplication::translate("Survey", "Es wurden keine Daten vor dem %1 gefunden.")
        .arg(DisplayDate(dStichtag));
}

}  // namespace tolva
