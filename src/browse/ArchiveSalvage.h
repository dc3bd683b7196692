// ArchiveSalvage: the rows of a damaged archive that can still be read, written into a new
// archive made the way a run makes one, with a seal of its own that names where it came from.
#pragma once

#include "common/Result.h"

#include <QString>

#include <optional>
#include <vector>

namespace tolva {

// The code of the refusal of an existing new file without bErsetzen.
inline constexpr int kCodeZielVorhanden = -11;

// What to salvage into what.
struct SalvageRequest {
    QString sArchiv;         // the damaged archive; opened read-only as every reader opens it
    QString sPasswort;       // its password, when it carries one
    QString sZiel;           // the new archive
    QString sVorlage;        // the archive template the new archive is made from
    bool bErsetzen = false;  // an existing sZiel that is no database may be replaced
};

// One table: what its seal said, what was read, what was lost.
struct SalvagedTable {
    QString sTabelle;
    std::optional<qint64> lImSiegel;  // the seal's count; none: no usable seal
    qint64 lGerettet = 0;             // rows read and written into the new archive
    bool bBeschaedigt = false;        // part of the table did not read
    // Rows lost: the seal's count less the rows read; without a seal unknown (none), or 0 when
    // the table read whole.
    std::optional<qint64> Verloren() const;
};

struct SalvageReport {
    QString sZiel;                        // the new archive, written
    std::vector<SalvagedTable> tabellen;  // every table of the damaged archive but the seal
    bool bSiegel = false;                 // the damaged archive's seal was read and matched
    qint64 lVerloren = 0;                 // rows lost as far as the seal tells
    bool bVerluste = false;               // rows were lost (or, unsealed, may have been)
};

// "Umsätze: 9.812 von 10.000 gerettet, 188 verloren"; unsealed "Umsätze: 9.812 gerettet" with
// ", Teile nicht lesbar" when part did not read.
QString SalvageLine(const SalvagedTable& t);

// Reads every table of sArchiv by rowid ranges (SalvageReader.h) and writes what reads into a
// new archive: a copy of the template under a temporary name in a private folder beside sZiel
// (its name locked for the whole job), every table and index the damaged archive has and the
// template lacks made from the damaged archive's own definitions, the template's rows replaced
// by the rows read, the new file's indexes built, a new seal over what it holds with a
// "gerettet_aus" row (the damaged file's name, the rows lost and its seal's hash), each table's
// count and checksum read back and compared with what was written, flushed, renamed to sZiel
// and proved to reopen there. The damaged file is never written.
// Refuses before anything is written when sZiel is the damaged file under any spelling, is a
// database (any SQLite file, archive or backup), exists and bErsetzen is false, or when the
// damaged archive does not open at all (its salt, its first page or the password record
// damaged, or its password missing or wrong: BrowseFile::PasswordNeeded tells). On any
// failure nothing is left under sZiel (an existing file replaced with bErsetzen is gone).
Result<SalvageReport> SalvageArchive(const SalvageRequest& auftrag);

}  // namespace tolva
