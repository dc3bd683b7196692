// ArchiveCheck: an archive read whole, page by page and row by row, and compared with the seal
// its run wrote into it (ArchiveSeal.h): is it still what it was when it was made?
#pragma once

#include <QString>

#include <atomic>
#include <optional>
#include <vector>

namespace tolva {

// What a check found, from best to worst but NichtGeprueft, which found nothing.
enum class PruefZustand {
    InOrdnung,      // sealed, every page readable, every table as its seal says
    OhneSiegel,     // made before seals: every page and row readable, nothing to compare with
    Beschaedigt,    // readable, but rows differ from the seal or the seal from its own rows
    NichtLesbar,    // pages that do not decrypt or a file that is no archive
    NichtGeprueft,  // the archive has a password and the right one was not given
};

// One table as the seal records it and as the file holds it.
struct TabellenPruefung {
    QString sTabelle;
    std::optional<qint64> lErwartet;  // the seal's count; none: the table is not in the seal
    std::optional<qint64> lGelesen;   // the rows read; none: the file has no such table
    bool bGleich = true;              // count and checksum equal the seal's
};

struct ArchivePruefung {
    QString sDatei;
    PruefZustand eZustand = PruefZustand::NichtLesbar;
    QString sGrund;            // NichtLesbar, NichtGeprueft: why, in the language shown
    qint64 lZeilen = 0;        // the rows read, in every table
    bool bSiegelPasst = true;  // the seal's hash is the one its rows give
    // Every table of the seal and of the file but the seal's own, by name; empty when the file
    // could not be read.
    std::vector<TabellenPruefung> tabellen;
};

// The check's one line in the fixed German that --json writes ("meldung"), whatever the
// language shown: "in Ordnung", "ohne Siegel (1.234 Zeilen lesbar)", the differences
// ("Umsätze: 3 Zeilen fehlen; Siegel passt nicht zu seinen Zeilen"), "nicht lesbar: …" or
// "nicht geprüft: …". sGrund in it stays as the check wrote it (in the language shown while it
// ran); table names as the file spells them.
QString CheckText(const ArchivePruefung& pruefung);
// The same line for people: in the language shown, its counts in that language's format.
QString ShownCheckText(const ArchivePruefung& pruefung);

// The state as JSON names it: "in_ordnung", "ohne_siegel", "beschaedigt", "nicht_lesbar",
// "nicht_geprueft".
const char* CheckStateName(PruefZustand eZustand);

// Opens sPfad as every reader does (BrowseFile::Open: read-only, never written beside it, an
// archive with a password only with it), runs SQLite's integrity check over every page (each
// page's HMAC is checked as it is decrypted, so a damaged page fails to read) and meanwhile,
// on a second read-only connection, counts and sums every row of every table and compares
// them with the seal, whose hash it recomputes from its rows. Never changes the file.
// With pAbbruch another thread can stop the check: once *pAbbruch is true, both connections
// stop their statements and waits for a lock within a few thousand steps (BrowseFile::Open),
// and the result is NichtGeprueft ("Die Prüfung wurde abgebrochen."), whatever was read. The
// flag must outlive the call. (SQLite checks the pages of every tree in one step that looks
// at no flag; it stops at its next read of the file.)
ArchivePruefung CheckArchive(const QString& sPfad, const QString& sPasswort = QString(),
                             const std::atomic<bool>* pAbbruch = nullptr);

// The tables of the archive that do not read whole (each read row by row as CheckArchive reads
// it), by name; empty when the file does not open at all or every table reads. Never changes
// the file.
std::vector<QString> UnreadableTables(const QString& sPfad, const QString& sPasswort = QString());

}  // namespace tolva
