// ArchiveSeal: what an archive must hold, recorded by the run that made it (per table its row
// count and checksum, the cut-off, the source, the time, the program) and sealed with a
// SHA-256 hash, so that a later check can tell whether the file is still whole.
//
// The seal proves fixity against rot and accidental edits, not against deliberate tampering:
// the archive's key is fixed and public and its password record is only scrambled, so whoever
// changes rows on purpose can write a matching seal as well.
//
// The seal lives in the archive as one table of the component's own, which hosts never read:
//
//   CREATE TABLE TolvaSiegel (Art TEXT, Wert TEXT, Anzahl INTEGER, Pruefsumme TEXT)
//
//   Art          Wert                        Anzahl        Pruefsumme
//   "format"     "1"
//   "stichtag"   the cut-off, JJJJ-MM-TT
//   "quelle"     the user database's file name (no folder)
//   "erstellt"   the run's time in UTC, JJJJ-MM-TTTHH:MM:SSZ
//   "programm"   the program's version ("5.1.0")
//   "gerettet_aus" the damaged archive's file   the rows lost  its seal's hash (64 hex
//                name (no folder)                             digits; empty: it had none)
//   "tabelle"    a table's name                its row count  its checksum, 16 hex digits
//   "siegel"     the SHA-256 hash, 64 lowercase hex digits
//
// The "gerettet_aus" row stands only in an archive that a salvage (ArchiveSalvage.h) wrote from a
// damaged one; a run's archive has none, and its seal's text and hash are as they always were.
//
// One "tabelle" row stands for every table of the archive but TolvaSiegel itself; the checksum
// is TableChecksum's sum of the rows' hashes, as 16 lowercase hex digits of the unsigned 64-bit
// value (leading zeros kept).
//
// The hash is SHA-256 over the UTF-8 bytes of this text, every line ending with one LF (0x0A):
//
//   format 1
//   stichtag <stichtag>
//   quelle <quelle>
//   erstellt <erstellt>
//   programm <programm>
//   gerettet_aus <datei> TAB <verloren> TAB <hash>   only when the seal has that row
//   tabelle <name> TAB <count> TAB <checksum>     once per table, ordered by the bytes of
//                                                 the names' UTF-8 (memcmp order)
//
// with one space (0x20) after the keyword, one TAB (0x09) between a table's fields, the count
// in decimal digits without sign, separators or leading zeros (0 is "0"), and in every value a
// backslash written as "\\", a TAB as "\t", an LF as "\n" and a CR as "\r".
#pragma once

#include "common/Result.h"
#include "database/TableChecksum.h"

#include <QByteArray>
#include <QString>

#include <map>
#include <optional>

struct sqlite3;

namespace tolva {

// The table of the seal.
inline constexpr const char* kSiegelTabelle = "TolvaSiegel";
// The form of the seal that this program writes and reads.
inline constexpr int kSiegelFormat = 1;

// What a salvaged archive was salvaged from.
struct SealSource {
    QString sDatei;        // the damaged archive's file name (no folder)
    qint64 lVerloren = 0;  // the rows of the damaged archive that could not be read
    QString sSiegel;       // the damaged archive's seal hash; empty when it had none
    bool operator==(const SealSource&) const = default;
};

struct ArchiveSeal {
    QString sStichtag;                      // JJJJ-MM-TT
    QString sQuelle;                        // file name of the user database
    QString sErstellt;                      // JJJJ-MM-TTTHH:MM:SSZ
    QString sProgramm;                      // version of the program that wrote it
    std::optional<SealSource> gerettetAus;  // only in a salvaged archive
    std::map<QString, Pruefsumme> tabellen;
    QString sSiegel;  // the hash as stored (hex); empty until written
    // False when the table holds a row of another form (unknown kind, a second value, a
    // checksum that is no hex number, another format): then the seal cannot match its rows.
    bool bFormGueltig = true;
};

// The canonical text of the seal's values (see above).
QByteArray SealText(const ArchiveSeal& siegel);
// SHA-256 of SealText as 64 lowercase hex digits.
QString SealHash(const ArchiveSeal& siegel);
// Whether the stored hash is the one its values give.
bool SealMatches(const ArchiveSeal& siegel);

// Makes the seal's table in main of db (which must not have one yet), writes its rows and
// sets siegel.sSiegel. Runs inside the caller's transaction. Failures name sDatei.
Status WriteSeal(sqlite3* db, ArchiveSeal& siegel, const QString& sDatei);

// The seal in main of db; nothing when the file has no seal table (an archive made before
// seals). Failures name sDatei.
Result<std::optional<ArchiveSeal>> ReadSeal(sqlite3* db, const QString& sDatei);

}  // namespace tolva
