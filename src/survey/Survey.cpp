// The candidate survey over the ticked accounts, and the banks of the accounts it finds.
#include "survey/Survey.h"

#include "database/Recordset.h"
#include "state/ArchivForm.h"
#include "state/SharedState.h"

#include <QLocale>

namespace tolva {
namespace {

// The three count queries, in the order in which they qualify an account.
const QString kZaehlKoepfe[] = {
    QStringLiteral("select count(*) from umsätze where KontoID = "),
    QStringLiteral("select count(*) from UmsZusatz where KontoID = "),
    QStringLiteral("select count(*) from OffeneUmsätze where KontoID = "),
};

}  // namespace

void FindAccountsWithData() {
    SharedState& g = Shared();
    g.aUmsaetzeGezaehlt.clear();
    g.dUmsaetzeGezaehlt = g.dStichtag;
    if (!g.cnDatenbank || !g.oTools) return;
    Recordset rs;
    for (const QString& sEintrag : g.aKontenAuswahl) {
        const qint64 konto = sEintrag.trimmed().toLongLong();
        for (const QString& kopf : kZaehlKoepfe) {
            const QString datum = g.oTools->FormatSqlDatum(g.dStichtag);
            const QString sql = kopf + QString::number(konto) +
                                QStringLiteral(" AND Buchungsdatum < '") + datum +
                                QStringLiteral("'");
            const Status opened =
                rs.Open(sql, *g.cnDatenbank, adOpenKeyset, adLockOptimistic, adCmdTableDirect);
            if (!opened.ok() || rs.State() != adStateOpen || rs.Eof()) {
                rs.Close();
                break;  // the remaining queries of this account are not asked
            }
            const qint64 anzahl = rs.Field(0).toLongLong();
            rs.Close();
            if (&kopf == &kZaehlKoepfe[0]) g.aUmsaetzeGezaehlt[konto] = anzahl;
            if (anzahl == 0) continue;
            g.aKontenMitDaten.push_back(QString::number(konto));
            g.aAnzahlDaten.push_back(anzahl);
            break;
        }
    }
}

Status CollectBanks() {
    SharedState& g = Shared();
    if (!g.oArchivForm && !g.aKontenMitDaten.empty())
        return Status::Fail(QStringLiteral("Die Kontenliste des Assistenten fehlt."));
    std::vector<QString> liste;
    for (const QString& konto : g.aKontenMitDaten) {
        const QString bank = QString::number(GetAccountBank(konto));
        if (std::find(liste.begin(), liste.end(), bank) == liste.end()) liste.push_back(bank);
    }
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
    const QString konten =
        m == 1 ? QStringLiteral("1 Konto(") : QString::number(m) + QStringLiteral(" Konten");
    return QStringLiteral("Es wurden Daten für ") + QString::number(n) +
           QStringLiteral(" Institut(e) und ") + konten + QStringLiteral(" gefunden.") +
           QStringLiteral("\r\n") +
           QStringLiteral("Um die Daten zu archivieren, klicken Sie auf 'Starten'");
}

QString NoDataText(const QDate& dStichtag) {
    return QStringLiteral("Es wurden keine Daten vor dem ") +
           dStichtag.toString(QStringLiteral("dd.MM.yyyy")) + QStringLiteral(" gefunden.");
}

}  // namespace tolva
