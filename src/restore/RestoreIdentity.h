// RestoreIdentity: what a row of an archive is in the user database, the one table of rules a
// restore follows, and the pairing of archive rows with live rows that applies them.
#pragma once

#include <QtGlobal>

#include <vector>

namespace tolva {

// The rules, in the order a restore applies them.
//
// 1. Accounts. The archive's accounts are its Konten rows and those of tolva_Konten (the
//    accounts that archived rows refer to besides those of Konten); its banks those of
//    BankDaten and tolva_BankDaten. An account's identity is its bank's key ("BLZ:" and the
//    trimmed bank code, else "Name:" and the trimmed bank name; a NULL bankID, or one without
//    a bank row, stands for itself) and its trimmed, unscrambled KontoNummer; without a
//    number its trimmed, unscrambled KontoName instead. An archive account of the choice
//    goes to, in this order: the live account the user named for it (or nowhere: its rows
//    stay out); the live account of the same id when that is the same account; the first
//    live account by id that is; else it comes back, under its id when no live account has
//    it, else under a fresh id (max of every live and archive account id, counting on in the
//    archive's id order) with fresh ids, else the restore is refused. An account that comes
//    back keeps its Nr when no live account (nor one brought back before it) has it, else it
//    gets the largest such Nr (at least 0) + 1; a NULL Nr stays NULL. Its bank is the first
//    live bank by id of the same key, else the archive's bank row comes back: under its id
//    when no live bank has it, else with fresh ids under max(every live and archive bank
//    id) + 1, counting on in the archive's bank id order, else the restore is refused; a
//    bankID without a bank row in the archive stays as it is. A KontoID that is no account
//    of the archive and not named by the user refuses the restore (kCodeKontoFehlt); an
//    account the user names must be one of the database's, else the restore is refused.
// 2. Categories. A category's identity is its name path: its Name and the Names of its
//    parents up to one whose ParentID is no category of the same file. The categories that
//    bookings of the choice refer to, with their parents, are found in the database by
//    path (the smallest live id of that path). One the database lacks comes back (the
//    smallest archive id of each path), its parents first: under its archive id when no
//    live category has it, else under a fresh id above every live and returning id, in the
//    archive's id order; its ParentID follows its parent. A KategorieID that is no archive
//    category stays as it is.
// 3. Rows of the six tables (bookings, extras, open bookings, orders, collective orders,
//    items, in this order). Each archive row of the choice is mapped first: KontoID by
//    rule 1, a booking's KategorieID by rule 2, an item's SammelID to where its collective
//    order went (below). Its content is every field but the id, mapped. Then:
//    a. Pairs of equal content: an archive row whose own id holds a live row of equal
//       content pairs with it; the remaining archive rows then pair, in id order, with the
//       remaining live rows of equal content, in id order. A paired row is there already.
//    b. Bookings and extras with a BuchungsID that is neither NULL nor empty: the archive
//       rows left unpaired, per (mapped KontoID, BuchungsID) in id order, pair with the
//       live rows left unpaired of that key, in id order: the same booking, edited since;
//       the live row stays as it is.
//    c. Every other archive row goes back: under its id when no live row has it; else,
//       with fresh ids, under max(largest live id, largest id going back) + 1, counting on
//       in the archive's id order; else the restore is refused (kCodeKonflikt).
//    A collective order goes to the live order it paired with, or to the id it went back
//    under. An item whose order is not in the archive keeps its SammelID when a live order
//    has that id (with a choice of accounts, only when that order's account is chosen).
//    Without a live order nothing tells whose it is: it belongs to no chosen account, and a
//    restore of every account is refused (kCodeKontoFehlt).

// One row as the pairing sees it: its id and hashes of its content and identity key. Equal
// hashes are taken as equal values; the restore compares every pair field by field before
// it commits.
struct IdentityRow {
    qint64 id = 0;
    quint64 lInhalt = 0;      // hash of every field but the id, references mapped
    quint64 lSchluessel = 0;  // hash of the identity key, when bSchluessel
    bool bSchluessel = false;
};

// What became of one archive row.
enum class Verbleib { Vorhanden, Geaendert, Zurueck };

struct Zuordnung {
    Verbleib verbleib = Verbleib::Zurueck;
    // The live row it paired with (Vorhanden, Geaendert); for Zurueck the id it goes back
    // under, which PairRows leaves at 0.
    qint64 lZiel = 0;
};

// Rules 3a and 3b: per archive row (in the order given) what becomes of it. archiv and
// lebend hold distinct ids each; lebend may hold any live rows, those that can pair with
// none are passed over.
std::vector<Zuordnung> PairRows(const std::vector<IdentityRow>& archiv,
                                const std::vector<IdentityRow>& lebend);

}  // namespace tolva
