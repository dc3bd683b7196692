// RunRequest: everything one archive run reads; RunArchive: the run from its start's checks to
// the committed user database, with no shared state.
#pragma once

#include "common/Result.h"
#include "survey/Survey.h"

#include <QDate>
#include <QString>

#include <map>
#include <vector>

namespace tolva {

class ArchivForm;
class Connection;
class HostServices;
class HostTools;

struct RunRequest {
    // The user database: its path and the caller's connection to it, open or closed. The run
    // closes it while it writes the backup and opens it again; a run that ran commits or rolls
    // back and leaves it closed. Not owned.
    QString sDatenbank;
    Connection* cnDatenbank = nullptr;
    QString sVorlage;          // the archive template
    QString sZielDatei;        // the archive to make, as the user gave it (taken unchanged)
    bool bSichern = false;     // write a backup of the user database first
    QString sSicherungsDatei;  // full path of the backup
    // A removal without a backup asks once, naming the bookings it removes for good.
    bool bFrageOhneSicherung = true;
    QDate dStichtag;                      // rows dated before it are archived
    std::vector<QString> aKontenAuswahl;  // ids of the ticked accounts
    Survey survey;                        // what the survey found for them (Survey.h)
    long lPasswortModus = 1;              // 0 none, 1 keep, 2 new
    QString sNeuesPasswort;               // the new password (mode 2)
    bool bEntfernen = false;              // remove the archived rows from the user database
    // The run's progress bar and list, the host's date texts, and the host's message boxes
    // (with their answers) and settings. Not owned; set.
    ArchivForm* form = nullptr;
    HostTools* tools = nullptr;
    HostServices* antworten = nullptr;
};

// How long a run took, from its first step to its end, and its seal step within it.
struct RunTimes {
    qint64 lLaufUs = 0;
    qint64 lSiegelUs = 0;
};

struct RunOutcome {
    bool bGelaufen = false;    // false: the user answered No to a question; nothing changed
    bool bArchiviert = false;  // the archive stands under sArchivDatei, the database committed
    // The run got to the categories and payees, which are copied and never removed.
    bool bEntfernenBeendet = false;
    std::map<QString, qint64> aZeilen;  // per archive table: the rows it was given
    RunTimes zeiten;                    // of the run itself (create --times)
};

// The folder part of an archive's path, ending in "/"; empty when the path names no folder.
QString ArchiveFolderOf(const QString& sArchivDatei);

// The whole create job: checks the names and the user database, asks before removing without
// a backup, before making a missing folder and before overwriting, writes the backup, stores
// the archive folder as setting 601 and runs the archive run (ArchiveRun.h), which reports
// its own outcome in its message boxes. Fails when the start refused before anything was
// written; its message has been shown then. Preconditions: cnDatenbank, form, tools and
// antworten set; the survey ran for aKontenAuswahl and dStichtag.
Result<RunOutcome> RunArchive(const RunRequest& auftrag);

}  // namespace tolva
