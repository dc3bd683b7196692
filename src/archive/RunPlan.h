// The plan of an archive run: what a run with the current choices will archive, per account,
// counted on the user database before "Starten".
#pragma once

#include "common/Result.h"

#include <QDate>
#include <QString>

#include <map>
#include <vector>

namespace tolva {

class Connection;
class HostTools;

// The rows of one account (or the totals) that the run will archive.
struct PlanKonto {
    qint64 lKontoID = 0;
    QString sKonto;  // its label as the run's progress lines give it
    QString sBank;   // its bank's name; empty when the account names no known bank
    qint64 lUmsaetze = 0;
    qint64 lZusaetze = 0;
    qint64 lOffene = 0;
    qint64 lAuftraege = 0;
    qint64 lSammel = 0;
    qint64 lEinzel = 0;  // items of collective orders, counted with their order's account
};

struct RunPlan {
    std::vector<PlanKonto> aKonten;  // ticked accounts with anything to archive, in tick order
    PlanKonto summe;                 // the totals (lKontoID 0)
};

// What a plan reads: the open user database, the host's date texts and what the survey
// counted on the way (bookings per account before dGezaehlt; may be empty). Not owned.
struct PlanSource {
    Connection& cnDatenbank;
    HostTools& tools;
    const std::map<qint64, qint64>& aUmsaetzeGezaehlt;
    QDate dGezaehlt;
};

// Counts what a run for the ticked accounts and the cut-off selects, with the run's own
// selections (RunSelection.h): one grouped query per table on its indexes (the bookings only
// for accounts that the survey did not count on the way), the scrambled execution dates of
// the collective orders read one by one as the run reads them.
Result<RunPlan> MakeRunPlan(const PlanSource& quelle, const std::vector<QString>& aKontenAuswahl,
                            const QDate& dStichtag);

// Only the bookings of the plan (its summe.lUmsaetze): what the survey counted on the way when
// it counted every ticked account for this day, else one count.
Result<qint64> CountPlannedBookings(const PlanSource& quelle,
                                    const std::vector<QString>& aKontenAuswahl,
                                    const QDate& dStichtag);

}  // namespace tolva
