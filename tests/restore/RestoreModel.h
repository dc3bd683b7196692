// RestoreModel: what a restore must make of a user database, worked out plainly by the rules.
#pragma once

#include "restore/Restore.h"

#include <QString>
#include <QStringList>

#include <map>
#include <set>

namespace tolva::test {

// A stored value as SQLite's quote() writes it: NULL, 42, 'Text', X'0A1B'. Equal strings are
// equal values of the same type.
using Value = QString;
// Every field of a row in column order.
using Row = QStringList;

struct Table {
    QStringList spalten;
    std::map<qint64, Row> zeilen;  // by rowid
    // The index of a column, -1 without it.
    int Column(const char* sName) const {
        return static_cast<int>(spalten.indexOf(QString::fromUtf8(sName)));
    }
};
// Every table of a file by name.
using Snapshot = std::map<QString, Table>;

// Reads every table of a keyed file with plain queries.
Snapshot ReadSnapshot(const QString& sPfad);

// The values as the files hold them.
bool IsNull(const Value& v);
qint64 IntOf(const Value& v);
QString TextOf(const Value& v);
Value IntValue(qint64 n);
Value TextValue(const QString& s);

// A row as one line of a failure message.
QString Shown(const Row& zeile);

// One table's counts as a restore reports them.
struct TableCount {
    qint64 lImArchiv = 0;
    qint64 lZurueck = 0;
    qint64 lVorhanden = 0;
    qint64 lGeaendert = 0;
    qint64 lNeueIds = 0;
    bool operator==(const TableCount&) const = default;
};

// Which rules a restore's outcome rests on, for the tally of what the histories exercised.
enum class Outcome {
    EditedKept,         // a booking edited since is kept (rule 3b)
    IdenticalPayments,  // of equal archive rows some are there, some go back (3a)
    FreshIds,           // a row, account, bank or category under a fresh id
    Conflict,           // refused: an id is taken
    UnknownAccount,     // refused: rows of an account the archive lacks
    AccountMapped,      // rows of an account go where the user named
    CategoryRemapped,   // a booking's category is found or brought back under another id
    AccountRecreated,   // an account's id holds another account, or it moved to another id
    AccountBack,        // an account the database lacks comes back
    OrphanItems,        // items whose collective order the archive lacks
    kAnzahl
};
const char* OutcomeName(Outcome outcome);

// What a restore of the choice must do to the database.
struct Expected {
    bool bAbgelehnt = false;
    std::set<int> codes;                    // the codes a refusal may carry
    Snapshot nachher;                       // the whole database afterwards; unchanged when refused
    std::map<QString, TableCount> zaehler;  // per table of moved rows
    qint64 lZeilen = 0;                     // archive rows of the choice, all tables
    std::set<Outcome> outcomes;
};

// The rules of restore/RestoreIdentity.h applied to the archive and the database as read before
// the restore, for the choice's konten, zuordnung and bNeueIds. A refusal for an account the
// archive lacks may also come as a conflict: which of the two is found first is the engine's.
Expected ModelRestore(const Snapshot& archiv, const Snapshot& lebend, const RestoreChoice& wahl);

// The rows in which two snapshots differ, at most lHoechstens lines, each naming the table and
// the rowid with the expected and the actual row.
QStringList Differences(const Snapshot& soll, const Snapshot& ist, int lHoechstens);

}  // namespace tolva::test
