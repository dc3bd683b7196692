// Where the command line gets an archive's password: --password TEXT, --password - (the first
// line of standard input), --password-file DATEI (its first line), else a question on the
// terminal with the typed text not shown.
#pragma once

#include "cli/Arguments.h"

#include "common/Result.h"

#include <QString>

#include <optional>

namespace tolva {

// What a command says when it needs a password and has no terminal to ask on.
QString NoTerminalText();

// The command's definition with --password and --password-file added; sWofuer names the
// password in their help ("das Passwort des Archivs").
CommandDefinition WithPasswordOptions(CommandDefinition befehl, const QString& sWofuer);

// The password the options give, read now (standard input is read only for "--password -");
// nothing when neither option is given. Fails with the exit status as the error's code: 2
// when more than one form is given, 1 when the file or standard input cannot be read.
Result<std::optional<QString>> GivenPassword(const Arguments& a);

// Exits after a failure of GivenPassword or of asking: a refusal of the options with the
// command's usage line (code 2), else the message alone; returns the exit status.
int RefusePassword(const CommandDefinition& befehl, const Error& fehler, QTextStream& err);

// Whether there is a terminal to ask on (the process has a controlling terminal).
bool CanAsk();

// Writes sFrage on the terminal (/dev/tty, never standard input or output) and reads one line
// with the echo off; the terminal's mode is put back afterwards, and also when SIGINT,
// SIGTERM, SIGHUP or SIGQUIT ends the process meanwhile. Fails with NoTerminalText() (exit 1)
// when there is no terminal.
Result<QString> AskPassword(const QString& sFrage);

// A new password asked twice. Fails (exit 1) when there is no terminal or the two differ.
Result<QString> AskNewPassword();

// The password to open sArchiv with: the given one; else none when the archive has none
// (or cannot be opened at all: the caller's own open says why); else the one asked on the
// terminal ("Passwort für „NAME“: "), failing as AskPassword does.
Result<QString> PasswordFor(const QString& sArchiv, const std::optional<QString>& gegeben);

// What a command prints when an archive did not open: "Das Passwort ist falsch." for a wrong
// password, else the error's own message.
QString OpenFailureText(const Error& fehler);

}  // namespace tolva
