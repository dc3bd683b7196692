// StatementActions: what the browser's "Drucken …" and "Als PDF speichern …" do.
#pragma once

#include "browse/BrowseFile.h"

#include <QStringList>

class QWidget;

namespace tolva {

// Asks for a printer through the print-dialog seam and prints the statement (Statement.h) of
// the bookings that the filter lets through; a failure is told in a box through the
// message-box seam. Shows the busy pointer while it prints. fenster owns the dialog.
void PrintStatement(QWidget* fenster, BrowseFile& datei, const BookingFilter& filter);

// Asks for the target through the file-dialog seam (preset: the file's name with ".pdf" beside
// it), refuses a database as the CSV export does (geschuetzt: the shown file, the user
// database), asks before replacing any other existing file ("Nein" by default) and saves the
// statement as PDF, whole or not at all. Every answer and failure goes through the message-box
// seam, failures naming the file and the reason.
void SaveStatementAsPdf(QWidget* fenster, BrowseFile& datei, const BookingFilter& filter,
                        const QStringList& geschuetzt);

}  // namespace tolva
