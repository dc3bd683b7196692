// ArchiveRun: the state of one archive run and its steps; CreateArchive drives it. Private to
// the archive room.
#pragma once

#include "archive/ModArchiv.h"
#include "database/Cancel.h"
#include "database/Connection.h"
#include "files/RunFolder.h"

#include <QString>

#include <optional>
#include <vector>

namespace tolva {

class ArchivForm;
struct SharedState;

// The code of a failed step whose message has been shown already (the copier's, the version
// warning): the run then only cleans up.
inline constexpr int kCodeGemeldet = -4;

class ArchiveRun {
  public:
    // Takes the run's private folder, which holds the lock on the target's name.
    explicit ArchiveRun(RunFolder ordner);

    // The whole run: true when the archive stands under sArchivDatei and the user database
    // is committed.
    bool Run();

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

    SharedState& g_;
    ArchivForm& form_;
    Connection& cnDatenbank_;
    RunFolder ordner_;     // the run's private folder; holds the lock on the target's name
    const QString sTemp_;  // the archive while it is written, inside ordner_
    Connection cnArchiv_;
    QString sBeschreibung_;
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

}  // namespace tolva
