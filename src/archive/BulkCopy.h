// Set-based copying from the user database (attached as "quelle") into the archive, with a
// running row count and a content checksum of every row copied.
#pragma once

#include "common/Result.h"
#include "database/TableChecksum.h"

#include <QString>
#include <QStringList>

#include <functional>

struct sqlite3;

namespace tolva {

class Connection;

// The schema name under which the user database is attached to the archive connection.
inline constexpr const char* kQuellSchema = "quelle";

// Attaches the user database file read-only-in-use to the archive connection as "quelle", with
// its own normal locking (so the user connection can take its write lock later), and
// registers the row functions. Precondition: cnArchiv open and not in a transaction.
Status AttachSource(Connection& cnArchiv, const QString& sDatenbank);
// Detaches it again, releasing every lock on the user database. Safe when not attached.
Status DetachSource(Connection& cnArchiv);
bool SourceAttached(Connection& cnArchiv);

// The message about a selected date of another form than JJJJ-MM-TT.
QString DateFormText(const QString& sTabelle, const QString& sFeld, const QString& sWert);

// A date field whose every selected value must have the form YYYY-MM-DD (bPraefix: begin with
// it); no field named: no check.
struct DateForm {
    QString sFeld;
    bool bPraefix = false;
};

// Copies the rows of "SELECT * FROM <sQuelle><sRest>" (sRest: an optional where text, Jet date
// literals allowed) from quelle into main.<sZiel> in one statement. onRow is called with the
// number of rows selected so far, as each row is selected. A selected row whose datum has
// another form ends the statement with a message that names it. Returns what was copied.
// Precondition: AttachSource ran on cnArchiv.
Result<Pruefsumme> CopySelection(Connection& cnArchiv, const QString& sQuelle, const QString& sRest,
                                 const QString& sZiel, const std::function<void(qint64)>& onRow,
                                 const DateForm& datum = {});

}  // namespace tolva
