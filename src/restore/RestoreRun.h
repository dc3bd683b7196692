// RestoreRun: the transaction of one restore on the user database, with the archive attached
// read-only; Restore.cpp drives it. Private to the restore room.
#pragma once

#include "archive/BulkCopy.h"
#include "restore/HashFilter.h"
#include "restore/Restore.h"
#include "restore/RestoreIdentity.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>

#include <map>
#include <optional>
#include <set>
#include <vector>

#include <sqlite3.h>

namespace tolva {

class Connection;

// The schema name under which the archive is attached to the user database's connection.
inline constexpr const char* kArchivSchema = "archiv";
// The archive's tables of the accounts and banks that archived rows refer to besides those
// of Konten and BankDaten; archives made before runs wrote them lack them.
inline constexpr const char* kVerwiesenKonten = "tolva_Konten";
inline constexpr const char* kVerwiesenBanken = "tolva_BankDaten";

// The tables of moved rows in the order they go back (collective orders before their items),
// with what people call their rows and the line that tells how many went back (the name in
// it, so that a language can say one row otherwise than several).
struct RestoreTable {
    const char* sTabelle;
    const char* sName;
    const char* sZurueckgeholt;
};
inline constexpr RestoreTable kRestoreTables[] = {
    {"Umsätze", QT_TRANSLATE_NOOP("RestoreNames", "Umsätze"),
     QT_TRANSLATE_N_NOOP("RestoreRows", "%1 Umsätze zurückgeholt")},
    {"UmsZusatz", QT_TRANSLATE_NOOP("RestoreNames", "Umsatzzusätze"),
     QT_TRANSLATE_N_NOOP("RestoreRows", "%1 Umsatzzusätze zurückgeholt")},
    {"OffeneUmsätze", QT_TRANSLATE_NOOP("RestoreNames", "offene Umsätze"),
     QT_TRANSLATE_N_NOOP("RestoreRows", "%1 offene Umsätze zurückgeholt")},
    {"Aufträge", QT_TRANSLATE_NOOP("RestoreNames", "gesendete Aufträge"),
     QT_TRANSLATE_N_NOOP("RestoreRows", "%1 gesendete Aufträge zurückgeholt")},
    {"SammelAufträge", QT_TRANSLATE_NOOP("RestoreNames", "gesendete Sammelaufträge"),
     QT_TRANSLATE_N_NOOP("RestoreRows", "%1 gesendete Sammelaufträge zurückgeholt")},
    {"SammelEinzel", QT_TRANSLATE_NOOP("RestoreNames", "Einzelaufträge"),
     QT_TRANSLATE_N_NOOP("RestoreRows", "%1 Einzelaufträge zurückgeholt")}};
// What people call the rows of the other tables that get rows.
inline constexpr const char* kNameKonten = QT_TRANSLATE_NOOP("RestoreNames", "Konten");
inline constexpr const char* kNameBanken = QT_TRANSLATE_NOOP("RestoreNames", "Banken");
inline constexpr const char* kNameKategorien = QT_TRANSLATE_NOOP("RestoreNames", "Kategorien");

// The refusal of a damaged archive (kCodeBeschaedigt) in the language shown: "Das Archiv „…“
// ist beschädigt: <sWas>", that nothing was put back, and how to salvage what still reads.
Status DamagedArchive(const QString& sArchiv, const QString& sWas);

// Whether the table is one of kRestoreTables.
bool IsMovedTable(const QString& sTabelle);
// The first field of the first row of sql as a number (0 without a row); failures name sDatei.
Result<qint64> FirstInt(sqlite3* db, const QString& sql, const QString& sDatei);
// "1,2,3".
QString IdList(const std::vector<qint64>& ids);
// Whether the attached archive has the table (the reference tables of newer archives).
Result<bool> ArchiveHasTable(sqlite3* db, const char* sTabelle);

// The accounts that rows of the choice refer to and that neither the archive carries nor
// wahl.zuordnung names (see FindMissingAccounts).
Result<std::vector<MissingAccount>> MissingAccountsOf(Connection& cn, const RestoreChoice& wahl);

// Attaches the archive file read-only ("?mode=ro") as "archiv", keyed like every file of the
// component. Precondition: cn was opened with URI names allowed and is not in a transaction.
Status AttachArchive(Connection& cn, const QString& sArchiv);

// Checks, reading only, what putting rows back by position assumes: every table the restore
// reads has the same columns by name and order in archive and user database, both carry the
// same schema version, and no trigger sits on a table that gets rows (it would change what
// the checks read back). Fails with a message naming the table.
Status CheckRestoreTables(Connection& cn);

// " AND <the choice>" on archive row "a" of the table; empty for every row. The choice is
// wahl.konten (else every account) less the accounts wahl.zuordnung leaves out. Items go with
// their collective order: the archive's, else the user database's, whose account is a chosen
// account's live id (konten: archive id → live id where known).
QString ChoiceCondition(const QString& sTabelle, const RestoreChoice& wahl,
                        const std::map<qint64, qint64>& konten);

// The rows of one table of the choice in the attached archive, before any account is matched
// (items of orders the archive lacks count with the live order of the same account id).
Result<qint64> CountSelected(Connection& cn, const QString& sTabelle, const RestoreChoice& wahl);

// One restore inside the open transaction of cn: first every decision (the plan), then, when
// asked to, the inserts. Not copyable; single use.
class RestoreRun {
  public:
    // vorab: per table the rows of the choice in the archive (CountSelected before the
    // transaction), for the progress bar.
    RestoreRun(Connection& cn, const RestoreChoice& wahl, const RestoreProgress& fortschritt,
               std::map<QString, qint64> vorab);
    ~RestoreRun();
    RestoreRun(const RestoreRun&) = delete;
    RestoreRun& operator=(const RestoreRun&) = delete;

    // Decides where every row of the choice goes (accounts, banks, categories, the six
    // tables) and, with bSchreiben, inserts what goes back, each inserted row checked. Returns
    // the report's counts. A refusal of accounts or items comes before any insert; one of the
    // rows of a table (a conflict, a pair that is not equal) may come after rows of it and of
    // earlier tables were inserted: on any failure the caller rolls back.
    Result<std::vector<RestoreCount>> Run(bool bSchreiben);

    // For the row functions of the statements: one inserted row with its hash, one row
    // looked at.
    void CountRow(qint64 id, quint64 lHash);
    // For tolva_klar: whether an archive row of the choice, of the table being restored, goes
    // back as it stands: no live row has its id, its content or its identity key. The others
    // are kept for the pairing. schluessel: its BuchungsID (null for tables without one).
    // Precondition: Sifting().
    bool Sift(qint64 id, std::optional<qint64> konto, std::optional<qint64> verweis,
              sqlite3_value* schluessel, quint64 lRest);
    // The seal's count and checksum per table (of a sealed archive whose seal matched): every
    // table of moved rows that the pass reads whole is compared with it, and a difference
    // refuses the restore (kCodeBeschaedigt). Given only for a restore of the whole archive.
    // Not owned; must outlive Run.
    void CheckAgainstSeal(const std::map<QString, Pruefsumme>* siegel) { siegel_ = siegel; }
    // For tolva_siegelzeile: one archive row of the table being read, as the seal hashes it.
    void SealRow(quint64 lHash) { versiegelt_.Add(Pruefsumme{1, lHash}); }
    // Whether a table is being restored, so that Sift may be asked.
    bool Sifting() const { return aktuellerPlan_ != nullptr; }
    // What a reference of an archive row becomes: its account, or the reference of the table
    // being planned or inserted (a booking's category, an item's collective order).
    enum class Abbildung { Konto, Verweis };
    std::optional<qint64> Mapped(Abbildung art, const std::optional<qint64>& wert) const;
    // The fate of an archive row of the table being planned or inserted; null when the row
    // is not of the choice.
    const Zuordnung* Fate(qint64 id) const;
    // Whether id is among the ids inserted into the table being read back.
    bool WasInserted(qint64 id) const;
    void Tick();

  private:
    struct NeueZeile {                  // an account, bank or category that comes back
        qint64 alt = 0;                 // its id in the archive
        qint64 id = 0;                  // its id in the user database
        QString sQuelle;                // the archive's table that holds it
        QString sNr;                    // accounts: the Nr it gets, as SQL
        std::optional<qint64> verweis;  // accounts: bankID; categories: ParentID, mapped
    };

    // Accounts and banks (RestoreAccounts.cpp): fills konten_ and plans what comes back.
    Status PlanAccounts();
    Status InsertAccounts();
    // Categories by name path (RestoreCategories.cpp): fills kategorien_.
    Status PlanCategories();
    Status InsertCategories();
    // One table of moved rows (RestoreRows.cpp). The live table is read once for its ids and
    // row hashes; then one pass over the archive in id order, piece by piece, inserts every
    // row that nothing in the database matches (with bSchreiben; each piece read back while
    // its pages are in the cache) and keeps the others, which are then paired by
    // RestoreIdentity's rules, checked field by field, and inserted or left.
    Status RestoreRows(const RestoreTable& tabelle, int lNummer, bool bSchreiben);
    // The rows of sVon (an SQL FROM part whose table is "a", in id order) as the pairing sees
    // them, each with its account as read; bArchiv: references mapped as they would go back.
    using IdentitySink = std::function<void(const IdentityRow&, const std::optional<qint64>&)>;
    Status ReadIdentities(const QString& sTabelle, const QString& sVon, bool bArchiv,
                          const IdentitySink& sink);
    // A row as the pairing sees it, from its id, account, reference, BuchungsID and the hash
    // of its other fields; bArchiv: references mapped as they would go back.
    IdentityRow Identity(qint64 id, std::optional<qint64> konto, std::optional<qint64> verweis,
                         sqlite3_value* schluessel, quint64 lRest, bool bArchiv) const;
    // The pass over the archive; inserts with bSchreiben, else only sifts.
    Status SiftRows(const QString& sTabelle, bool bSchreiben);
    // The kept rows: paired, checked, and the ones going back inserted with bSchreiben.
    Status ResolveKept(const QString& sTabelle, const QString& sName, qint64 lMaxLebend,
                       bool bSchreiben);
    // Items whose collective order is neither in the archive nor in the user database.
    Status CheckItemsHaveOrders();
    // The expression a column of archive row "a" goes back with: its references mapped.
    QString Expression(const QString& sTabelle, const QString& sSpalte) const;
    // The table's progress line.
    void Report(const RestoreTable& tabelle, const RestoreCount& zaehler);
    // Inserts the rows of "SELECT <ausdruecke> <sRest>" into main.<sTabelle>, counting and
    // hashing each in the statement; checks the count of changes and adds to the table's tally.
    Result<qint64> InsertCounted(const QString& sTabelle, const QStringList& ausdruecke,
                                 const QString& sRest);
    // Inserts the planned accounts, banks or categories from their archive tables.
    // sVerweis: the column that NeueZeile::verweis replaces; Nr is replaced by sNr when given.
    Status InsertPlanned(const QString& sTabelle, const std::vector<NeueZeile>& zeilen,
                         const char* sVerweis);
    // Reads every row inserted into main.<sTabelle> since the last call back by its id and
    // compares count and checksum with their tally, then forgets both. Ids close together are
    // read in one pass over their range; scattered ones through a temporary table of them.
    Status VerifyInserted(const QString& sTabelle);
    // Refuses (kCodeKonflikt) naming the table and its first conflicting ids.
    Status Conflict(const QString& sName, qint64 lAnzahl, const std::vector<qint64>& ids) const;
    Status Exec(const QString& sql);
    RestoreCount& Counts(const QString& sTabelle, const QString& sName);

    Connection& cn_;
    sqlite3* db_;
    const RestoreChoice& wahl_;
    const RestoreProgress& fortschritt_;
    std::map<QString, QStringList> spalten_;  // per table its columns, in order
    std::map<QString, qint64> vorab_;
    // Plan: archive id → id in the user database.
    std::map<qint64, qint64> konten_;      // every account of the choice
    std::map<qint64, qint64> kategorien_;  // categories bookings of the choice refer to
    std::map<qint64, qint64> sammel_;      // collective orders of the choice
    // Per table of moved rows: the archive rows of the choice that something in the database
    // matched, and their fates.
    struct TablePlan {
        std::vector<qint64> ids;                             // archive ids, ascending
        std::vector<Zuordnung> verbleib;                     // per id
        qint64 lPaare = 0;                                   // rows there already or edited since
        const std::map<qint64, qint64>* verweise = nullptr;  // what the reference maps by
        mutable size_t lZeiger = 0;  // the last row asked about (statements go in id order)
        // While the table is sifted: every live id (ascending) and the hashes of the live
        // rows' content and identity keys; the archive rows kept for the pairing, and of the
        // others their number and largest id.
        std::vector<qint64> lebendeIds;
        std::vector<quint64> lebendeInhalte;  // per live id
        size_t lLebendZeiger = 0;
        HashFilter inhalte;
        HashFilter schluessel;
        std::vector<IdentityRow> behalten;
        std::vector<qint64> selbe;  // ids whose live row is equal: they pair before all others
        qint64 lKlar = 0;
        qint64 lMaxKlar = 0;
    };
    const std::map<QString, Pruefsumme>* siegel_ = nullptr;
    Pruefsumme versiegelt_;  // the rows of the table being read, as the seal sums them
    std::vector<TablePlan> plaene_ = std::vector<TablePlan>(std::size(kRestoreTables));
    TablePlan* aktuellerPlan_ = nullptr;
    std::vector<NeueZeile> neueBanken_;
    std::vector<NeueZeile> neueKonten_;
    std::vector<NeueZeile> neueKategorien_;
    std::map<QString, Pruefsumme>
        gezaehlt_;  // per table: what the inserts tallied, not yet read back
    std::vector<RestoreCount> zaehler_;
    qint64 lGesamt_ = 0;  // rows the progress bar goes over
    qint64 lErledigt_ = 0;
    int lProzent_ = -1;
    std::map<QString, std::vector<qint64>> ids_;  // per table: the ids inserted, not yet read back
    Pruefsumme* aktuell_ = nullptr;               // the tally of the table being inserted into
    std::vector<qint64>* aktuelleIds_ = nullptr;
    // While a table is read back: its inserted ids as bits from lErste_ on.
    std::vector<bool> bereich_;
    qint64 lErste_ = 0;
};

}  // namespace tolva
