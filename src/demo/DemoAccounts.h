// DemoAccounts: the banks, accounts and payees of a demo database, planned before writing.
#pragma once

#include "demo/DemoBookings.h"
#include "demo/DemoRandom.h"

#include <QString>

#include <vector>

namespace tolva::demo {

struct BankPlan {
    qint64 id = 0;
    QString sBlz;
    QString sBic;
    QString sName;
    QString sOrt;
};

struct AccountPlan {
    qint64 id = 0;
    qint64 lNr = 0;  // negative for some accounts, as the host leaves them
    AccountKind kind = AccountKind::Giro;
    QString sName;    // may be empty: the label then falls back to the number
    QString sNummer;  // 10 digits
    qint64 lBankID = 0;
    QString sIban;
    int lGewicht = 1;   // share of the bookings
    int lStartTag = 0;  // calendar index of the first day with bookings
};

struct PayeePlan {
    QString sName;
    QString sIban;
    QString sBic;
};

// lBanken banks with distinct BLZ; names repeat with a branch suffix past the name list.
std::vector<BankPlan> PlanBanks(int lBanken, DemoRandom& rng);

// lKonten accounts over the banks (every bank gets an account while there are enough).
// Account 0 is a current account that has bookings from the first day; others may open
// later, but never within the last 60 days of lTage.
std::vector<AccountPlan> PlanAccounts(int lKonten, const std::vector<BankPlan>& aBanken, int lTage,
                                      DemoRandom& rng);

// The companies of the booking kinds and some private persons, each with IBAN and BIC.
std::vector<PayeePlan> PlanPayees(DemoRandom& rng);

// "DE" + check digits + BLZ + the account number padded to 10 digits.
// Precondition: sBlz has 8 digits, sKontoNummer at most 10.
QString GermanIban(const QString& sBlz, const QString& sKontoNummer);

}  // namespace tolva::demo
