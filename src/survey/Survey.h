// The candidate survey: which ticked accounts hold data before the cut-off, and their banks.
#pragma once

#include "common/Result.h"

#include <QDate>
#include <QString>

namespace tolva {

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

// "Es wurden keine Daten vor dem <date> gefunden." in the German short date form.
QString NoDataText(const QDate& dStichtag);

}  // namespace tolva
