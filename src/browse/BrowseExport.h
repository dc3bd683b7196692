// Export of shown bookings as CSV, and one search across the live database and every archive.
#pragma once

#include "browse/BrowseFile.h"

#include <QStringList>

#include <map>

class QIODevice;

namespace tolva {

// What the CSV says of the accounts and categories that bookings refer to.
struct CsvNames {
    std::map<qint64, QString> konten;      // label per account id (BrowseFile::AccountLabels)
    std::map<qint64, QString> nummern;     // number, else IBAN (BrowseFile::AccountNumbers)
    std::map<qint64, QString> kategorien;  // path per category id (BrowseFile::CategoryPaths)
};
// Reads them from datei.
Result<CsvNames> ReadCsvNames(BrowseFile& datei);

// Writes rows as CSV the way German spreadsheets read it and an accountant takes it: UTF-8
// with a byte-order mark, semicolons, CR LF line ends, dates TT.MM.JJJJ, amounts with a decimal
// comma and neither thousands separator nor currency ("-1234,56"). Columns: Konto;
// Kontonummer/IBAN; Buchungsdatum; Valuta; Betrag; Empfänger; Verwendungszweck; Kategorie;
// BuchungsID. An account id that namen lacks gets UnknownAccountLabel and no number, a
// category id it lacks an empty cell. A text cell that a spreadsheet would take for a formula
// (it begins with "=", "+", "-", "@", a tab or a carriage return) gets a leading "'"; amounts
// never do. Fields holding ";", '"', CR or LF are quoted with their quotes doubled. ziel must
// be open for writing; a failed write is reported with the device's reason, and what was
// written stays.
Status WriteBookingsCsv(const std::vector<BookingRow>& rows, const CsvNames& namen,
                        QIODevice& ziel);
// The same for every booking of datei that the filter lets through, in its order, with the
// names read from datei; streamed (an export of a million bookings is never held in memory).
Status WriteBookingsCsv(BrowseFile& datei, const BookingFilter& filter, QIODevice& ziel);

// Refuses, with a German message naming sZiel, a CSV target that would replace a database:
// one of geschuetzt (the shown file, the user database) or its "-journal", "-wal" or "-shm"
// file, compared by canonical path, and any existing file that is a database (an archive, a
// backup, a user database of ours, any SQLite file) or the side file of one. Never writes.
Status CheckCsvTarget(const QString& sZiel, const QStringList& geschuetzt);

// CheckCsvTarget, then the CSV of every booking of datei that the filter lets through written
// beside sZiel and renamed over it when complete: never half a file under the name. Whether
// an existing file may be replaced is the caller's question.
Status ExportBookingsCsv(BrowseFile& datei, const BookingFilter& filter, const QString& sZiel,
                         const QStringList& geschuetzt);

// One hit of a search.
struct SearchHit {
    QString sDatei;  // the file's full path
    QString sKonto;
    BookingRow buchung;
};

// A file that a search left out, and why.
struct SkippedFile {
    QString sDatei;  // full path
    Error grund;     // German; code kCodePasswortFehlt or kCodePasswortFalsch for the password
};

struct SearchResult {
    std::vector<SearchHit> treffer;          // newest first (date, then file, then id)
    std::vector<SkippedFile> uebersprungen;  // in the order the files were searched
    bool bGekuerzt = false;                  // more hits than lHoechstens: the newest are kept
};

// The archives (*.aba, hidden ones too) in sOrdner that SearchEverywhere searches besides the
// database sDatenbank (which is left out when it lies there), by full path in name order.
QStringList ArchivesToSearch(const QString& sOrdner, const QString& sDatenbank);

// Searches the bookings of the live database sDatenbank (may be empty: none) and of every
// archive (*.aba) in sOrdner (may be empty: none) for sText, as BookingFilter's text does.
// Archives with a password are skipped unless aPasswoerter holds theirs (by full path); files
// that cannot be read are skipped, each with a German message naming it and the reason. A text
// that folds to nothing finds nothing. Within a day, hits are ordered by file path, then
// newest id first. lHoechstens > 0 keeps only that many hits, the newest. Never writes.
SearchResult SearchEverywhere(const QString& sText, const QString& sDatenbank,
                              const QString& sOrdner,
                              const std::map<QString, QString>& aPasswoerter = {},
                              qint64 lHoechstens = 0);

}  // namespace tolva
