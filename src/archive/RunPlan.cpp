// The plan of an archive run, counted with the run's own selections.
#include "archive/RunPlan.h"

#include "archive/AccountNames.h"
#include "archive/AccountRows.h"
#include "archive/ModArchiv.h"
#include "archive/RunSelection.h"
#include "database/Recordset.h"
#include "hostlib/HostTools.h"

#include <QStringList>

#include <map>

namespace tolva {
namespace {

using Konten = std::map<qint64, PlanKonto>;

// Runs "SELECT key, count(*) ..." and adds each group's count to the field of its account,
// found through konto (the key itself, or the account that the key belongs to).
Status AddCounts(Connection& cnDatenbank, const QString& sql, Konten& konten,
                 qint64 PlanKonto::*feld, const std::map<qint64, qint64>* kontoVon = nullptr) {
    Recordset rs;
    if (Status s = rs.Open(sql, cnDatenbank); !s.ok()) return s;
    while (!rs.Eof()) {
        qint64 id = rs.Field(0).toLongLong();
        if (kontoVon) {
            const auto it = kontoVon->find(id);
            id = it == kontoVon->end() ? 0 : it->second;
        }
        if (id != 0) konten[id].*feld += rs.Field(1).toLongLong();
        if (Status s = rs.MoveNext(); !s.ok()) return s;
    }
    return Status::Ok();
}

qint64 Total(const PlanKonto& k) {
    return k.lUmsaetze + k.lZusaetze + k.lOffene + k.lAuftraege + k.lSammel + k.lEinzel;
}

}  // namespace

Result<RunPlan> MakeRunPlan(const PlanSource& quelle, const std::vector<QString>& aKontenAuswahl,
                            const QDate& dStichtag) {
    const QString sIds = TickedAccountIds(aKontenAuswahl);
    const QString sStichtag = quelle.tools.FormatSqlDatum(dStichtag);
    Konten konten;

    // The survey counted the bookings of the same accounts before the same day with the
    // run's condition; only those it could not count are counted here.
    std::vector<QString> ungezaehlt;
    for (const QString& sKonto : aKontenAuswahl) {
        const qint64 id = sKonto.trimmed().toLongLong();
        const auto it = quelle.aUmsaetzeGezaehlt.find(id);
        if (quelle.dGezaehlt == dStichtag && it != quelle.aUmsaetzeGezaehlt.end())
            konten[id].lUmsaetze = it->second;
        else
            ungezaehlt.push_back(sKonto);
    }
    qint64 PlanKonto::*const buchungsFelder[] = {&PlanKonto::lUmsaetze, &PlanKonto::lZusaetze,
                                                 &PlanKonto::lOffene};
    for (size_t i = 0; i < std::size(kBookingTables); ++i) {
        const BookingTable& b = kBookingTables[i];
        const QString sWelche = i == 0 ? TickedAccountIds(ungezaehlt) : sIds;
        if (i == 0 && ungezaehlt.empty()) continue;
        if (Status s = AddCounts(quelle.cnDatenbank,
                                 QStringLiteral("SELECT KontoID, count(*) FROM ") +
                                     QString::fromUtf8(b.tabelle) + QStringLiteral(" WHERE ") +
                                     BookingDateCondition(b, sStichtag) +
                                     QStringLiteral(" AND KontoID IN (") + sWelche +
                                     QStringLiteral(") GROUP BY KontoID"),
                                 konten, buchungsFelder[i]);
            !s.ok())
            return s.error();
    }
    if (Status s = AddCounts(quelle.cnDatenbank,
                             QStringLiteral("SELECT KontoID, count(*) FROM Aufträge") +
                                 OrderWhere(dStichtag, sIds) + QStringLiteral(" GROUP BY KontoID"),
                             konten, &PlanKonto::lAuftraege);
        !s.ok())
        return s.error();
    if (Status s = AddCounts(quelle.cnDatenbank,
                             QStringLiteral("SELECT KontoID, count(*) FROM SammelAufträge") +
                                 CollectiveOrderWhere(dStichtag, sIds) +
                                 QStringLiteral(" GROUP BY KontoID"),
                             konten, &PlanKonto::lSammel);
        !s.ok())
        return s.error();

    // Items go with their order's scrambled execution date, read order by order.
    std::map<qint64, qint64> kontoVon;  // collective order -> account
    QStringList sammelIds;
    {
        Recordset rs;
        if (Status s = rs.Open(QStringLiteral("SELECT id, KontoID, AusfDatum FROM SammelAufträge") +
                                   ItemSourceWhere(sIds),
                               quelle.cnDatenbank);
            !s.ok())
            return s.error();
        while (!rs.Eof()) {
            if (ItemsGo(rs.Field(2).toByteArray(), sStichtag)) {
                kontoVon[rs.Field(0).toLongLong()] = rs.Field(1).toLongLong();
                sammelIds << QString::number(rs.Field(0).toLongLong());
            }
            if (Status s = rs.MoveNext(); !s.ok()) return s.error();
        }
    }
    if (!sammelIds.isEmpty())
        if (Status s = AddCounts(quelle.cnDatenbank,
                                 QStringLiteral("SELECT SammelID, count(*) FROM SammelEinzel "
                                                "WHERE SammelID IN (") +
                                     sammelIds.join(QLatin1Char(',')) +
                                     QStringLiteral(") GROUP BY SammelID"),
                                 konten, &PlanKonto::lEinzel, &kontoVon);
            !s.ok())
            return s.error();

    // Banks by name and what people tell the accounts by, in the order of the ticks.
    std::map<qint64, QString> banken;
    std::map<qint64, AccountName> namen;
    {
        Result<std::vector<AccountRow>> alle = ReadAccounts(quelle.cnDatenbank);
        if (!alle.ok()) return alle.error();
        for (const AccountRow& k : alle.value()) {
            banken[k.lKontoID] = k.sBank;
            namen[k.lKontoID] = AccountName{k.lKontoID, k.sName, k.sNummer, k.sIban};
        }
    }
    RunPlan plan;
    std::vector<AccountName> gezeigt;
    for (const QString& sKonto : aKontenAuswahl) {
        const auto it = konten.find(sKonto.trimmed().toLongLong());
        if (it == konten.end() || Total(it->second) == 0) continue;
        PlanKonto k = it->second;
        k.lKontoID = it->first;
        const auto name = namen.find(k.lKontoID);
        gezeigt.push_back(name != namen.end() ? name->second : AccountName{k.lKontoID, {}, {}, {}});
        k.sBank = banken[k.lKontoID];
        konten.erase(it);  // an account ticked twice is listed once
        for (qint64 PlanKonto::*feld :
             {&PlanKonto::lUmsaetze, &PlanKonto::lZusaetze, &PlanKonto::lOffene,
              &PlanKonto::lAuftraege, &PlanKonto::lSammel, &PlanKonto::lEinzel})
            plan.summe.*feld += k.*feld;
        plan.aKonten.push_back(std::move(k));
    }
    const std::map<qint64, QString> labels = DistinctAccountLabels(gezeigt);
    for (PlanKonto& k : plan.aKonten) k.sKonto = labels.at(k.lKontoID);
    return plan;
}

Result<qint64> CountPlannedBookings(const PlanSource& quelle,
                                    const std::vector<QString>& aKontenAuswahl,
                                    const QDate& dStichtag) {
    // What the survey counted for the same day, when it counted every ticked account.
    if (quelle.dGezaehlt == dStichtag) {
        std::map<qint64, qint64> gezaehlt;  // an account ticked twice counts once
        bool bVollstaendig = true;
        for (const QString& sKonto : aKontenAuswahl) {
            const auto it = quelle.aUmsaetzeGezaehlt.find(sKonto.trimmed().toLongLong());
            if (it == quelle.aUmsaetzeGezaehlt.end()) {
                bVollstaendig = false;
                break;
            }
            gezaehlt.insert(*it);
        }
        if (bVollstaendig) {
            qint64 lSumme = 0;
            for (const auto& [id, n] : gezaehlt) lSumme += n;
            return lSumme;
        }
    }
    Recordset rs;
    if (Status s = rs.Open(
            QStringLiteral("SELECT count(*) FROM Umsätze WHERE ") +
                BookingDateCondition(kBookingTables[0], quelle.tools.FormatSqlDatum(dStichtag)) +
                QStringLiteral(" AND KontoID IN (") + TickedAccountIds(aKontenAuswahl) +
                QLatin1Char(')'),
            quelle.cnDatenbank);
        !s.ok())
        return s.error();
    return rs.Eof() ? 0 : rs.Field(0).toLongLong();
}

}  // namespace tolva
