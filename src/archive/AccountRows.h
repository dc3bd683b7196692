// AccountRows: the user database's accounts as every list of them shows them (the wizard's grid,
// the command line's form, the plan before "Starten").
#pragma once

#include "common/Result.h"

#include <QString>

#include <vector>

namespace tolva {

class Connection;

struct AccountRow {
    qint64 lKontoID = 0;
    QString sName;    // KontoName, plain
    QString sNummer;  // KontoNummer, plain
    QString sIban;    // IBAN
    QString sBankID;  // Konten.bankID as its text; empty when it is Null
    QString sBank;    // the bank's name; empty when the account names no known bank
    QString sLabel;   // what tells it apart from the other accounts (AccountNames.h)
};

// Every account of the user database, in the table's order, with its bank's name and its
// label among all accounts. Fails when Konten or BankDaten cannot be read, or Konten lacks id
// or bankID; a missing name, number or IBAN column reads as empty.
Result<std::vector<AccountRow>> ReadAccounts(Connection& cnDatenbank);

}  // namespace tolva
