// RestoreRun: the transaction of one restore on the user database, with the archive attached
// read-only; Restore.cpp drives it. Private to the restore room.
#pragma once

#include "archive/BulkCopy.h"
#include "restore/Restore.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <map>
#include <optional>
#include <vector>

struct sqlite3;

namespace tolva {

class Connection;

// The schema name under which the archive is attached to the user database's connection.
inline constexpr const char* kArchivSchema = "archiv";

// The tables of moved rows in the order they go back (collective orders before their items),
// with what people call their rows.
struct RestoreTable {
    const char* sTabelle;
    const char* sName;
};
inline constexpr RestoreTable kRestoreTables[] = {{"Umsätze", "Umsätze"},
                                                  {"UmsZusatz", "Umsatzzusätze"},
                                                  {"OffeneUmsätze", "offene Umsätze"},
                                                  {"Aufträge", "gesendete Aufträge"},
                                                  {"SammelAufträge", "gesendete Sammelaufträge"},
                                                  {"SammelEinzel", "Einzelaufträge"}};

// The first field of the first row of sql as a number (0 without a row); failures name sDatei.
Result<qint64> FirstInt(sqlite3* db, const QString& sql, const QString& sDatei);
// "1,2,3".
QString IdList(const std::vector<qint64>& ids);

// Attaches the archive file read-only ("?mode=ro") as "archiv", keyed like every file of the
// component. Precondition: cn was opened with URI names allowed and is not in a transaction.
Status AttachArchive(Connection& cn, const QString& sArchiv);

// Checks, reading only, what putting rows back by position assumes: every table the restore
// reads has the same columns by name and order in archive and user database, both carry the
// same schema version, and no trigger sits on a table that gets rows (it would change what
// the checks read back). Fails with a German message naming the table.
Status CheckRestoreTables(Connection& cn);

// " AND <the choice's accounts>" on archive row "a" of the table; empty for all accounts.
// Items go with their collective order: the archive's, else the user database's, whose
// account is the chosen account's live id (konten: archive id → live id where they differ).
QString ChoiceCondition(const QString& sTabelle, const RestoreChoice& wahl,
                        const std::map<qint64, qint64>& konten);

// The rows of one table of the choice in the attached archive (konten as for ChoiceCondition).
Result<qint64> CountSelected(Connection& cn, const QString& sTabelle, const RestoreChoice& wahl,
                             const std::map<qint64, qint64>& konten = {});

// One restore inside the open transaction of cn. Not copyable; single use.
class RestoreRun {
  public:
    // vorab: per table the rows of the choice in the archive (CountSelected before the
    // transaction), for the progress bar and the counts.
    RestoreRun(Connection& cn, const RestoreChoice& wahl, const RestoreProgress& fortschritt,
               std::map<QString, qint64> vorab);
    ~RestoreRun();
    RestoreRun(const RestoreRun&) = delete;
    RestoreRun& operator=(const RestoreRun&) = delete;

    // Accounts, banks, the six tables of moved rows and the categories they need, each
    // inserted row checked; the report's counts. On failure the caller rolls back.
    Result<std::vector<RestoreCount>> Run();

    // For the row functions of the statements: one inserted row with its hash, one row
    // looked at.
    void CountRow(qint64 id, quint64 lHash);
    // Whether id is among the ids inserted into the table being read back.
    bool WasInserted(qint64 id) const;
    void Tick();

  private:
    // Accounts and banks (RestoreAccounts.cpp): fills konten_ and inserts what is missing.
    Status RestoreAccounts();
    Status RestoreCategories();
    // One table of moved rows (RestoreRows.cpp).
    Status RestoreRows(const RestoreTable& tabelle, int lNummer);
    // The condition on archive row "a" that no live row equals it (see RestoreRows.cpp).
    QString Missing(const QString& qT, const QString& sGleich) const;
    // The table's progress line, and its counts into the report.
    void Report(const RestoreCount& zaehler);
    // The expression a column of archive row "a" goes back with: a reference that follows a
    // row which came back under another id, else the column itself.
    QString MappedColumn(const QString& sTabelle, const QString& sSpalte) const;
    // Inserts the rows of "SELECT <ausdruecke> <sRest>" into main.<sTabelle>, counting and
    // hashing each in the statement; checks the count of changes and adds to the table's tally.
    Result<qint64> InsertCounted(const QString& sTabelle, const QStringList& ausdruecke,
                                 const QString& sRest);
    // Reads every row inserted into main.<sTabelle> so far back by its id and compares count
    // and checksum with the tally. Ids close together are read in one pass over their range;
    // scattered ones through a temporary table of them.
    Status VerifyInserted(const QString& sTabelle);
    // Refuses (kCodeKonflikt) naming the table and its first conflicting ids.
    Status Conflict(const QString& sName, qint64 lAnzahl, const std::vector<qint64>& ids) const;
    Status Exec(const QString& sql);
    Result<qint64> QueryInt(const QString& sql);

    Connection& cn_;
    sqlite3* db_;
    const RestoreChoice& wahl_;
    const RestoreProgress& fortschritt_;
    std::map<QString, QStringList> spalten_;  // per table its columns, in order
    std::map<QString, qint64> vorab_;
    std::map<qint64, qint64> konten_;         // archive account id → live id, where they differ
    bool bSammelVerschoben_ = false;          // a collective order came back under another id
    std::map<QString, Pruefsumme> gezaehlt_;  // per table: what the inserts tallied
    std::vector<RestoreCount> zaehler_;
    qint64 lGesamt_ = 0;  // rows the progress bar goes over
    qint64 lErledigt_ = 0;
    int lProzent_ = -1;
    std::map<QString, std::vector<qint64>> ids_;  // per table: the ids inserted
    Pruefsumme* aktuell_ = nullptr;               // the tally of the table being inserted into
    std::vector<qint64>* aktuelleIds_ = nullptr;
    // While a table is read back: its inserted ids as bits from lErste_ on.
    std::vector<bool> bereich_;
    qint64 lErste_ = 0;
};

}  // namespace tolva
