// AccountNames: the one rule that names accounts for people where they are listed together
// (the account grid, the plan before "Starten", the browser's tree and its CSV).
#pragma once

#include <QString>

#include <map>
#include <vector>

namespace tolva {

// What a person can tell an account by, as plain text (the scrambled fields read already).
struct AccountName {
    qint64 lKontoID = 0;
    QString sName;    // KontoName
    QString sNummer;  // KontoNummer
    QString sIban;    // IBAN
};

// The label of an account on its own: its name; without one its number; without either
// "Konto <id>".
QString PlainAccountLabel(const AccountName& k);

// Labels for accounts listed together, by id. An account keeps its plain label unless another
// one of the list would look the same (ignoring case and runs of blanks); then each of them
// adds its number in brackets, or "…" and the IBAN's last four characters when it has no
// number (or its number is its label already), or its id when it has neither. Labels that are
// still alike after that add the id as well, so no two labels of the list are alike.
std::map<qint64, QString> DistinctAccountLabels(const std::vector<AccountName>& konten);

}  // namespace tolva
