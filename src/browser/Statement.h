// Statement: the bookings a filter lets through as a printed statement, on any paged device
// (a printer, a PDF). QtGui only: the command line writes it through the window library.
#pragma once

#include "browse/BrowseFile.h"

#include <QStringList>

class QIODevice;
class QPagedPaintDevice;

namespace tolva {

// Paints the statement (in the language shown, its texts, dates and amounts; on the device's
// paper, A4 portrait for a PDF) of every booking
// of datei that the filter lets through, whatever the filter's order: per account in date
// order, bookings without an account first under "ohne Konto". The title names the file, its
// archive description (none for a file without one, such as the live database), the accounts
// with number or IBAN and bank, the period (the filter's dates, else the first and last
// booking's) and the filter's text and amount bounds. Streams the rows three times (a count,
// a layout pass for the page count, the painting), never holding them. Precondition: a
// QGuiApplication exists (fonts). Fails (the reason in the language shown) when the file cannot be
// read, the device refuses to paint, or the bookings changed between the passes so that the pages
// no longer count as measured (the live database); what was painted stays on the device.
Status WriteStatement(BrowseFile& datei, const BookingFilter& filter, QPagedPaintDevice& geraet);

// The statement as a PDF (A4 portrait) written to ziel, which must be open for writing.
Status WriteStatementPdf(BrowseFile& datei, const BookingFilter& filter, QIODevice& ziel);

// Refuses a target that would replace a database as CheckExportTarget does (geschuetzt: the
// shown file, the user database), then writes the PDF beside sZiel and renames it over sZiel
// when complete (WriteWholeFile): never half a file under the name. Whether an existing file
// may be replaced is the caller's question. Failures name sZiel and the reason.
Status SaveStatementPdf(BrowseFile& datei, const BookingFilter& filter, const QString& sZiel,
                        const QStringList& geschuetzt = {});

}  // namespace tolva
