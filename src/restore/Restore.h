// Restore: an archive's rows put back into a user database by identity, as one verified
// transaction.
#pragma once

#include "common/Result.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace tolva {

// Codes of a refused restore besides the sqlite3 and file codes.
inline constexpr int kCodeKonflikt = -7;      // an id is taken by another row; nothing changed
inline constexpr int kCodeNichtGewollt = -8;  // the question was answered "Nein"
inline constexpr int kCodeKontoFehlt = -9;    // rows of an account the archive does not carry
inline constexpr int kCodeBeschaedigt = -10;  // the archive differs from its seal or does not read

// What to put back, from where, into where.
struct RestoreChoice {
    QString sArchiv;     // the archive; opened read-only, never changed
    QString sDatenbank;  // the user database
    QString sPasswort;   // the archive's password, when it carries one
    // The archive's account ids whose rows go back; all when not given. Items go with the
    // collective order they belong to.
    std::optional<std::vector<qint64>> konten;
    // Accounts named by the user: archive account id → live account id, or no value for
    // "nicht zurückholen" (the account's rows stay out, as if not chosen). Overrides the
    // account's identity; the only way back for rows of an account the archive lacks.
    std::map<qint64, std::optional<qint64>> zuordnung;
    // A row that goes back but whose id a live row holds gets a fresh id instead of refusing
    // the restore; rows of the archive that refer to it follow.
    bool bNeueIds = false;
    bool bSichern = true;  // a backup of the user database first, under a name of its own
    bool bFragen = true;   // ask before anything is written, naming the counts
    bool bProbe = false;   // only classify and report: no question, no backup, nothing written
    // About how many rows go back in one piece of the pass over a table; each piece is read
    // back while its pages are still in the cache. At least 1.
    qint64 lZeilenJeStueck = 16384;
};

// One table of the restore: what went back, what was there already, what was edited since.
struct RestoreCount {
    QString sTabelle;  // the table's name in the database
    // As people call its rows ("Umsätze", "gesendete Sammelaufträge", ...), in the fixed
    // German that --json writes; ShownRowsName gives it in the language shown.
    QString sName;
    qint64 lImArchiv = 0;   // the rows of the choice in the archive
    qint64 lZurueck = 0;    // inserted
    qint64 lVorhanden = 0;  // skipped: a live row equal in every field but the id
    qint64 lGeaendert = 0;  // skipped: the same booking, edited since; the live row is kept
    qint64 lNeueIds = 0;    // of lZurueck: with a fresh id
    std::vector<qint64> geaendert = {};  // the live ids of the first rows edited since
};

struct RestoreReport {
    std::vector<RestoreCount> tabellen;  // Konten, then the six tables of moved rows, then
                                         // the reference tables that got rows
    QString sSicherung;                  // the backup written; empty when none
};

// Where a restore reports its progress; either may be empty. Lines as a run writes them into
// its progress list; the bar in per cent.
struct RestoreProgress {
    std::function<void(const QString&)> onLine;
    std::function<void(int)> onPercent;
};

// An account that rows of the choice refer to but that the archive does not carry (archives
// written before runs kept every referred account): what refers to it.
struct MissingAccount {
    qint64 id = 0;         // the id the rows carry
    QStringList tabellen;  // as people call the rows, in the language shown ("gesendete Aufträge")
    qint64 lZeilen = 0;    // how many rows
};

// A RestoreCount's sName in the language shown.
QString ShownRowsName(const QString& sName);

// The rows of the choice in the archive, per table, for the question before a restore. Opens
// the archive read-only under the password rule of every reader (an archive with a password
// needs it: BrowseFile::PasswordNeeded tells). Fails for an account id the archive does not
// hold.
Result<std::vector<RestoreCount>> CountArchiveRows(const RestoreChoice& wahl);

// The accounts that rows of the choice refer to and that neither the archive carries nor the
// choice's zuordnung names, in id order; empty when every row has its account.
Result<std::vector<MissingAccount>> FindMissingAccounts(const RestoreChoice& wahl);

// The whole restore. In order: the archive is opened and checked (password, completeness) and
// its rows counted; the user database is checked against it (same columns by name and order,
// same schema version, no trigger on a table that gets rows); the rows are classified and
// the question names what goes back (with bFragen, through the message-box seam, "Nein" by
// default); the backup (with bSichern: a new file "<database>.vor-Zurückholen-JJJJMMTT-
// HHMMSS.BKA" beside it that never replaces a file); then one transaction that classifies
// again under the write lock and puts the rows back.
//
// What a row is, decided once for every restore (RestoreIdentity.h has the rules in detail):
//
// | rows of            | the same row in the database                              |
// |--------------------|-----------------------------------------------------------|
// | accounts           | same bank (bank code, else bank name) and same account    |
// |                    | number once unscrambled; without a number, the same name  |
// | banks              | same bank code, else the same name                        |
// | categories         | same name path (its name and the names of its parents)   |
// | bookings, extras   | same account and same BuchungsID, when it is not empty;   |
// |                    | a live row that differs otherwise is the booking edited   |
// |                    | since: kept as it is, counted as "seitdem geändert"       |
// | every other row    | equal in every field but the id, references mapped; as a  |
// |                    | multiset: (rows in the archive) - (equal rows in the      |
// |                    | database) of each kind go back, never fewer, never more   |
//
// A row that goes back keeps its id when it is free; an id a live row holds refuses the
// restore (kCodeKonflikt, nothing changed) unless bNeueIds. Rows of an account the archive
// does not carry are refused (kCodeKontoFehlt) unless zuordnung names it; items whose
// collective order is neither in the archive nor in the database likewise. Every inserted
// row is read back and checked (count and checksum), and every skipped row's match
// compared field by field, before the commit. A failure (also a cancellation request)
// rolls everything back: the user database is as before (a written backup stays and is
// named in the message). The archive's bytes never change. With bProbe the report tells
// what a restore would do and nothing is written.
//
// A damaged archive is refused (kCodeBeschaedigt), naming the damage and pointing to
// "tolva-archiv verify ARCHIV --salvage NEU.aba"; nothing of it goes back. Caught before
// anything is written (also before the question and the backup): an archive that does not
// open, a seal that does not match its own rows, a seal whose count of a table differs from
// the table's rows where the restore counts them anyway (the small tables always, the six
// tables of moved rows when every account is chosen), and a read error on the way. Caught
// only inside the transaction, which is then rolled back: in a restore of the whole archive a
// row changed while the counts stayed (each table of moved rows is summed as the seal sums it
// in the pass that puts its rows back, and compared at the end of that table; with the
// question or bProbe this comparison is made in the plan already, before anything is
// written), and a page that fails to read in the middle of the pass. Not caught: a row changed
// behind the seal in a restore of some accounts (the seal sums whole tables; summing every
// row for it would cost such a restore about a quarter more; `verify` finds it), damage in a
// table that this restore does not read (a payee the choice does not need), and any damage of
// an archive without a seal that still reads.
Result<RestoreReport> StartRestore(const RestoreChoice& wahl, const RestoreProgress& fortschritt);

}  // namespace tolva
