// ArchiveRun: the state of one archive run and its steps; CreateArchive drives it. Private to
// the archive room.
#pragma once

#include "archive/CopyLedger.h"
#include "archive/ModArchiv.h"
#include "archive/RunRequest.h"
#include "database/Cancel.h"
#include "database/Connection.h"
#include "files/RunFolder.h"

#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

namespace tolva {

class ArchivForm;
class HostServices;
class HostTools;

// The code of a failed step whose message has been shown already (the copier's, the version
// warning): the run then only cleans up.
inline constexpr int kCodeGemeldet = -4;

class ArchiveRun {
  public:
    // Takes the run's private folder, which holds the lock on the target's name. The request
    // must outlive the run.
    ArchiveRun(const RunRequest& auftrag, RunFolder ordner);

    // The whole run: true when the archive stands under its name and the user database is
    // committed.
    bool Run();
    // What the table copies stored, per archive table.
    const CopyLedger& Ledger() const { return ledger_; }
    // Whether the run got to the master data, from where on nothing is removed.
    bool RemovalEnded() const { return !bEntfernen_; }
    // How long its seal step took.
    qint64 SealMicroseconds() const { return lSiegelUs_; }

  private:
    // Every step up to the success message, in order; stops at the first failure.
    Status RunSteps();
    // The run's error exit: everything undone, then its one message, which also tells what
    // could not be removed or put back.
    bool Fail(const Status& status);
    // Undoes the run after a message that was shown already; only what could not be removed
    // or put back gets a message of its own.
    bool CleanUp();
    // User database rolled back and closed, the new archive gone, the replaced one back, the
    // private folder removed and the lock released. Returns the first thing that stayed.
    Status Undo();
    void AddLine(const QString& sZeile, bool bNeuZeichnen = true);

    // File steps (CreateArchive.cpp).
    Status MakeArchiveFile();
    Status OpenArchive();
    // Ends the archive's writing, verifies it and forces it to the disk while the archived
    // rows are removed from the user database (uncommitted); a refused removal shows the
    // copier's message.
    Status FinishArchiveFile();
    Status PutArchiveInPlace();

    // Copy steps (ArchiveRunCopies.cpp), each reporting its progress lines.
    Status CheckVersions();
    Status StorePassword();
    Status CopyBanks();
    Status CopyAccounts();
    Result<bool> FewBookingsSelected();
    Status CopyBookings();
    void ReportAccounts();
    Status CopyOrders();
    Status CopyCollectiveOrders();
    // The accounts (and their banks) that archived rows refer to besides those of Konten.
    Status CopyReferredAccounts();
    Status WriteDescription();
    Status CopyMasterData();
    // The seal (ArchiveSeal.h) over every table of the archive, from the ledger's counts and
    // checksums; the tables that no copy wrote in bulk are summed on the archive's own
    // connection, and everything, the seal's table too, goes into the ledger for the check
    // (RunSeal.cpp).
    Status SealArchive();

    // A table copy of this run.
    CopyTableErgebnis Copy(const QString& sSelect, const QString& sTabelle, const QString& sWhere,
                           const CopyHints& hinweise = {});

    const RunRequest& auftrag_;
    ArchivForm& form_;
    Connection& cnDatenbank_;
    HostTools& tools_;
    HostServices& antworten_;
    const QString& sArchivDatei_;  // the archive's name
    bool bEntfernen_;              // the copies record their rows' removal
    CopyLedger ledger_;            // what the copies stored and the removals they left
    RunFolder ordner_;             // the run's private folder; holds the lock on the target's name
    const QString sTemp_;          // the archive while it is written, inside ordner_
    Connection cnArchiv_;
    QString sBeschreibung_;
    QDateTime dBeginn_;  // the run's time, as its description and its seal give it
    qint64 lSiegelUs_ = 0;
    QString sKontenIds_;    // "1,2,3": the ticked accounts
    bool bAmZiel_ = false;  // the new archive stands under the target name
    QString sErsetzt_;      // the archive that this run replaces, kept until the run has ended
    // From the rename to the commit the run finishes even when cancellation is requested.
    std::optional<CancelHold> halten_;
};

// A table copy as a step: its failure has been reported by the copier.
inline Status Copied(const CopyTableErgebnis& ergebnis) {
    return ergebnis.bFehler ? Status::Fail(QString(), kCodeGemeldet) : Status::Ok();
}

// Runs one archive job for the request (sZielDatei, dStichtag, bEntfernen, lPasswortModus,
// the survey's accounts and banks) and reports to the user through the form and the host's
// message boxes. The archive is made in the private folder `ordner`, checked, flushed and
// renamed to sZielDatei before the removal is committed; an existing sZielDatei is kept under
// a second name until then and put back when the run fails after the rename. bArchiviert only
// when the archive stands complete under its name and the user database was committed;
// cnDatenbank is closed, the private folder removed and the lock released afterwards in every
// case. A requested cancellation (database/Cancel.h) ends the run like a failure, except
// between the rename and the commit. Preconditions: cnDatenbank open; `ordner` beside
// sZielDatei, holding the lock on its name.
RunOutcome CreateArchive(const RunRequest& auftrag, RunFolder ordner);

}  // namespace tolva
