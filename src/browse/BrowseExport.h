// Export of shown bookings as CSV.
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
// BuchungsID. An account id that namen lacks gets UnknownAccountLabelGerman and no number, a
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

// Refuses, with a message naming sZiel, an export's target (the CSV, the printed
// statement as PDF) that would replace a database:
// one of geschuetzt (the shown file, the user database) or its "-journal", "-wal" or "-shm"
// file, compared by canonical path, and any existing file that is a database (an archive, a
// backup, a user database of ours, any SQLite file) or the side file of one. Never writes.
Status CheckExportTarget(const QString& sZiel, const QStringList& geschuetzt);

// CheckExportTarget, then the CSV of every booking of datei that the filter lets through written
// beside sZiel and renamed over it when complete: never half a file under the name. Whether
// an existing file may be replaced is the caller's question.
Status ExportBookingsCsv(BrowseFile& datei, const BookingFilter& filter, const QString& sZiel,
                         const QStringList& geschuetzt);

}  // namespace tolva
