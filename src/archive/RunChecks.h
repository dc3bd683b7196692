// What an archive run assumes of the user database, checked before anything is written.
#pragma once

#include "common/Result.h"

#include <QString>

#include <vector>

namespace tolva {

class Connection;

// The choices of one run that the checks depend on.
struct RunChoice {
    QString sStichtag;                     // the cut-off in the stored form (FormatSqlDatum)
    std::vector<QString> aKontenAuswahl;   // ids of the ticked accounts
    std::vector<QString> aKontenMitDaten;  // ids of the accounts whose rows are copied
    bool bEntfernen = false;               // archived rows are removed from the user database
};

// Checks what copying by position and removing by statement assume, on the open user
// database and the template sVorlage, and fails with a message in the language shown that names the
// table and what is wrong:
// - every table the run copies has the template's columns, by name and in order;
// - no trigger sits on a table the run deletes from (with bEntfernen) or changes (Konten,
//   when an account to be copied has a negative number): it would change rows that are
//   never archived;
// - the unscrambled execution date (AusfDatum) of every collective order it looks at is in
//   the stored form JJJJ-MM-TT (the dates the copying statements select by are checked by
//   them, row by row, before anything is removed);
// - the user database and its folder can be written when the run changes the database.
// A missing template and a template of another schema version pass: the run itself reports
// those as it always has. Reads only; changes nothing.
Status CheckUserDatabase(Connection& cnDatenbank, const QString& sVorlage, const RunChoice& wahl);

}  // namespace tolva
