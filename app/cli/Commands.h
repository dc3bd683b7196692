// The commands of tolva-archiv besides the wizard; each returns the process exit status.
#pragma once

#include <QStringList>
#include <QTextStream>

namespace tolva {

// Where a command writes: what it gives (the program's stdout: lists, JSON, CSV, progress
// lines) and its messages (stderr). Not owned.
struct CommandStreams {
    QTextStream& out;
    QTextStream& err;
};

// Each takes the arguments after its name; its options are in its CommandDefinition (--help shows
// them). Wrong arguments end with exit 2, --help with 0.

// survey --db PATH --before DATE [--accounts ID,...] [--json]
int RunSurveyCommand(const QStringList& args, const CommandStreams& io);
// create --db PATH --before DATE --out FILE [--accounts ...] [--remove] [--backup FILE]
//        [--password-mode none|keep|new] [--password TEXT|- | --password-file FILE] [--yes]
//        [--wizard]
// A new password that is not given is asked twice on the terminal (PasswordInput.h).
// With --wizard the same job runs through the wizard's window (on the display, or offscreen
// with QT_QPA_PLATFORM=offscreen), its pages filled in as a person would.
int RunCreateCommand(const QStringList& args, const CommandStreams& io);
// list FOLDER|ARCHIVE [--json]
int RunListCommand(const QStringList& args, const CommandStreams& io);
// show ARCHIVE [--account ID] [--from DATE] [--to DATE] [--search TEXT]
//      [--password TEXT|- | --password-file FILE] [--sort datum|konto|betrag|empfaenger|zweck]
//      [--desc] [--limit N] [--csv|--json]
// Reads the file strictly read-only; a missing password is asked on the terminal; a wrong one,
// or a missing one without a terminal, ends with exit 1.
int RunShowCommand(const QStringList& args, const CommandStreams& io);
// search TEXT --db PATH [--folder DIR] [--password TEXT|- | --password-file FILE] [--json]
// Skipped files are named on stderr; no hit is no failure (exit 0), a wrong password for an
// archive is (exit 1, after the hits of the others). Without a password given, each archive's
// own is asked on the terminal; without a terminal such archives are skipped.
int RunSearchCommand(const QStringList& args, const CommandStreams& io);

// restore ARCHIVE --db PATH [--accounts ID,...] [--new-ids] [--no-backup]
//         [--password TEXT|- | --password-file FILE] [--yes]
// Prints a line per step and then per table what went back and what was skipped; a conflict,
// a failure or "Nein" to the question ends with exit 1 and the database unchanged.
int RunRestoreCommand(const QStringList& args, const CommandStreams& io);

// verify [ARCHIVE...] [--folder DIR] [--password TEXT|- | --password-file FILE] [--json]
// Reads every page and row of each archive and compares them with its seal; one line per
// archive. Exit 0 when every archive is in order, 1 when one was not checked (its password
// missing or wrong), 3 when one is readable but unsealed, 4 when one is damaged or unreadable
// (the worst wins: 4, then 1, then 3).
// verify ARCHIVE --salvage NEW.aba [--yes] [--password ...]: the rows of a damaged archive that
// still read into a new sealed archive, a line per table; exit 0 nothing lost, 5 rows lost, 6
// nothing written, 1 password missing or wrong.
int RunVerifyCommand(const QStringList& args, const CommandStreams& io);

// Prints an error (in the language shown) on err and returns the status for it.
int Fail(QTextStream& err, const QString& sText, int status = 1);

}  // namespace tolva
