// Restore: an archive's rows put back into a user database, as one verified transaction.
#pragma once

#include "common/Result.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace tolva {

// Codes of a refused restore besides the sqlite3 and file codes.
inline constexpr int kCodeKonflikt = -7;      // an id is taken by other content; nothing changed
inline constexpr int kCodeNichtGewollt = -8;  // the question was answered "Nein"

// What to put back, from where, into where.
struct RestoreChoice {
    QString sArchiv;     // the archive; opened read-only, never changed
    QString sDatenbank;  // the user database
    QString sPasswort;   // the archive's password, when it carries one
    // The archive's account ids whose rows go back; all when not given. Items go with the
    // collective order they belong to.
    std::optional<std::vector<qint64>> konten;
    // A row whose id is taken by other content gets a fresh id instead of refusing the
    // restore; rows of the archive that refer to it follow.
    bool bNeueIds = false;
    bool bSichern = true;  // a backup of the user database first, under a name of its own
    bool bFragen = true;   // ask before anything is written, naming the counts
};

// One table of the restore: what went back and what was there already.
struct RestoreCount {
    QString sTabelle;       // the table's name in the database
    QString sName;          // as people call its rows ("Umsätze", "Sammelaufträge", ...)
    qint64 lImArchiv = 0;   // the rows of the choice in the archive
    qint64 lZurueck = 0;    // inserted
    qint64 lVorhanden = 0;  // skipped: equal to a row of the user database but for the id
    qint64 lNeueIds = 0;    // of lZurueck: with a fresh id
};

struct RestoreReport {
    std::vector<RestoreCount> tabellen;  // the six tables of moved rows, then Konten and the
                                         // reference tables that got rows
    QString sSicherung;                  // the backup written; empty when none
};

// Where a restore reports its progress; either may be empty. Lines as a run writes them into
// its progress list; the bar in per cent.
struct RestoreProgress {
    std::function<void(const QString&)> onLine;
    std::function<void(int)> onPercent;
};

// The rows of the choice in the archive, per table, for the question before a restore. Opens
// the archive read-only under the password rule of every reader (an archive with a password
// needs it: BrowseFile::PasswordNeeded tells). Fails for an account id the archive does not
// hold.
Result<std::vector<RestoreCount>> CountArchiveRows(const RestoreChoice& wahl);

// The whole restore. In order: the archive is opened and checked (password, completeness) and
// its rows counted; the user database is checked against it (same columns by name and order,
// same schema version, no trigger on a table that gets rows); the question (with bFragen,
// through the message-box seam, "Nein" by default); the backup (with bSichern: a new file
// "<database>.vor-Zurückholen-JJJJMMTT-HHMMSS.BKA" beside it that never replaces a file);
// then one transaction that puts the rows back by these rules:
// - a row equal to a row of the user database in every field but the id is skipped;
// - else a row whose id is free goes back with it; a row whose id is taken is a conflict:
//   the restore fails with kCodeKonflikt and a German message naming the table and the first
//   ids, unless bNeueIds (fresh ids above the table's largest);
// - accounts attach to the live account that is the same account (same bank, same account
//   number once unscrambled), else come back under their id (or a fresh one), with their
//   number if no live account has it, else the largest live number + 1; banks likewise;
//   categories that restored bookings refer to come back when the database lacks them;
// - every inserted row is read back and checked against what was selected (count and
//   checksum) before the commit.
// A failure (also a cancellation request) rolls everything back: the user database is as
// before (a written backup stays and is named in the report's message). The archive's bytes
// never change.
Result<RestoreReport> StartRestore(const RestoreChoice& wahl, const RestoreProgress& fortschritt);

}  // namespace tolva
