// The candidate survey: which ticked accounts hold data before the cut-off, and their banks.
#pragma once

#include "common/Result.h"

#include <QDate>
#include <QString>

#include <functional>
#include <map>
#include <vector>

namespace tolva {

class Connection;
class HostTools;

// What the survey found for the ticked accounts and a cut-off.
struct Survey {
    QDate dStichtag;                       // the cut-off it counted for
    std::vector<QString> aKontenMitDaten;  // ticked accounts with data before it, in tick order
    std::vector<qint64> aAnzahlDaten;      // parallel: the count that qualified each one
    // Each ticked account's bookings before the cut-off that it could count on the way (the
    // plan takes them instead of counting again).
    std::map<qint64, qint64> aUmsaetzeGezaehlt;
    std::vector<QString> aInstitute;  // the distinct banks of aKontenMitDaten, first seen first
};

// The bank id of an account (0 when it names none).
using BankOfAccount = std::function<qint64(qint64 lKontoID)>;

// Counts, for each account of aKontenAuswahl, its bookings, booking extras and open bookings
// dated before dStichtag (in that order, up to the first table that has any) and finds the
// accounts' banks through bankOf. Fails with the first count that cannot run.
Result<Survey> RunSurvey(Connection& cnDatenbank, HostTools& tools,
                         const std::vector<QString>& aKontenAuswahl, const QDate& dStichtag,
                         const BankOfAccount& bankOf);

// Fills aKontenMitDaten and aAnzahlDaten (appending; the caller resets them) with the
// accounts of aKontenAuswahl that hold a booking, booking extra or open booking dated before
// dStichtag, each with the count of the first table that has such rows. A query that cannot
// run leaves that account out. Also keeps, in aUmsaetzeGezaehlt, each account's bookings
// before dStichtag as counted on the way. Preconditions: cnDatenbank open, oTools set.
void FindAccountsWithData();

// Replaces aInstitute by the distinct banks of aKontenMitDaten in first-seen order; leaves it
// untouched when there are none. Fails only when the account grid cannot be read.
// Precondition: oArchivForm set.
Status CollectBanks();

// The bank id in column 1 of the grid row whose row data equals sId (compared as numbers);
// 0 when no row carries it. Precondition: oArchivForm set.
qint64 GetAccountBank(const QString& sId);

// The summary text of the create side's summary page for m accounts at n banks.
QString SummaryText(qint64 n, qint64 m);

// "Es wurden keine Daten vor dem <date> gefunden." in the language shown, the date in its form.
QString NoDataText(const QDate& dStichtag);

}  // namespace tolva
