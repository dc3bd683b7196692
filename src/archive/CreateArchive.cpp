// CreateArchive: one archive run from its request to a finished archive file; the run's order
// of steps and its file steps.
#include "archive/ArchiveRun.h"

#include "archive/BulkCopy.h"
#include "database/ConnectionText.h"
#include "database/Schema.h"
#include "files/ArchiveFile.h"
#include "files/FileSystem.h"
#include "files/ReopenCheck.h"
#include "hostlib/Clock.h"
#include "hostlib/HostServices.h"
#include "hostlib/HostTools.h"
#include "hostlib/MessageBox.h"
#include "state/ArchivForm.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <future>
#include <system_error>

namespace tolva {

ArchiveRun::ArchiveRun(const RunRequest& auftrag, RunFolder ordner)
    : auftrag_(auftrag),
      form_(*auftrag.form),
      cnDatenbank_(*auftrag.cnDatenbank),
      tools_(*auftrag.tools),
      antworten_(*auftrag.antworten),
      sArchivDatei_(auftrag.sZielDatei),
      bEntfernen_(auftrag.bEntfernen),
      ordner_(std::move(ordner)),
      sTemp_(ordner_.PathOf(RunFolder::kArchivDatei)) {}

bool ArchiveRun::Run() {
    form_.SetBusyPointer(true);
    form_.SetProgressVisible(true);
    form_.SetProgress(0);
    if (Status s = RunSteps(); !s.ok())
        return IsEngine(s.error(), kCodeGemeldet) ? CleanUp() : Fail(s);

    antworten_.ShowMessage(
        QCoreApplication::translate("ArchiveRun", "Die Daten wurden erfolgreich archiviert."),
        vbOKOnly, QCoreApplication::translate("ArchiveRun", "Archivierung beendet"), true, 0);
    if (Status s = cnDatenbank_.CommitTrans(); !s.ok()) return Fail(s);
    cnDatenbank_.Close();
    halten_.reset();
    // The removal is committed: the archive that was replaced is no longer needed. What cannot
    // be removed is said; the archive is complete all the same.
    Status s;
    if (!sErsetzt_.isEmpty())
        s = RemoveFile(sErsetzt_, QCoreApplication::translate(
                                      "ArchiveRun",
                                      "Das bisherige Archiv wurde ersetzt, seine "
                                      "zweite Kopie kann aber nicht entfernt werden:"));
    if (Status r = ordner_.Remove(); s.ok()) s = r;
    if (!s.ok())
        antworten_.ShowMessage(s.description(), vbExclamation,
                               QCoreApplication::translate("ArchiveRun", "Archivierung beendet"),
                               true, 0);
    return true;
}

Status ArchiveRun::RunSteps() {
    // While the archive is written the user database is only read through it; the counts
    // before each copy read in one pass. The pages the survey left are given back to the
    // archive's cache, and the removal at the end gets the full cache again.
    if (Status s = cnDatenbank_.SetCacheKiB(1024); !s.ok()) return s;
    if (Status s = MakeArchiveFile(); !s.ok()) return s;
    dBeginn_ = CurrentDateTime();
    const QDateTime& jetzt = dBeginn_;
    sBeschreibung_ = QStringLiteral("Alle Daten älter als ") +
                     auftrag_.dStichtag.toString(QStringLiteral("dd.MM.yyyy")) +
                     QStringLiteral(", erstellt am ") + tools_.FormatDatum(jetzt.date()) +
                     QStringLiteral(" ") + jetzt.time().toString(QStringLiteral("HH:mm:ss"));
    if (Status s = cnDatenbank_.BeginTrans(); !s.ok()) return s;
    if (Status s = OpenArchive(); !s.ok()) return s;
    if (Status s = CheckVersions(); !s.ok()) return s;
    if (Status s = StorePassword(); !s.ok()) return s;

    form_.ClearProgressList();
    form_.SetProgressListVisible(true);
    if (Status s = CopyBanks(); !s.ok()) return s;
    if (Status s = CopyAccounts(); !s.ok()) return s;
    if (Status s = CopyBookings(); !s.ok()) return s;
    ReportAccounts();
    if (Status s = CopyOrders(); !s.ok()) return s;
    if (Status s = CopyCollectiveOrders(); !s.ok()) return s;
    if (Status s = CopyReferredAccounts(); !s.ok()) return s;
    if (Status s = WriteDescription(); !s.ok()) return s;
    bEntfernen_ = false;  // from here on nothing is deleted from the user database
    if (Status s = CopyMasterData(); !s.ok()) return s;
    QElapsedTimer siegel;
    siegel.start();
    if (Status s = SealArchive(); !s.ok()) return s;
    lSiegelUs_ = siegel.nsecsElapsed() / 1000;

    form_.SetProgressVisible(false);
    form_.SetBusyPointer(false);
    if (Status s = FinishArchiveFile(); !s.ok()) return s;
    return PutArchiveInPlace();
}

bool ArchiveRun::Fail(const Status& status) {
    form_.SetBusyPointer(false);
    // Everything is undone first, so that the one message can also tell what had to stay.
    const Status aufgeraeumt = Undo();
    QString sText = QCoreApplication::translate(
                        "ArchiveRun", "Beim Archivieren ist folgender Fehler aufgetreten:\r\n%1")
                        .arg(status.description());
    if (!aufgeraeumt.ok()) sText += QStringLiteral("\r\n") + aufgeraeumt.description();
    antworten_.ShowMessage(sText, vbCritical, QCoreApplication::translate("ArchiveRun", "Export"),
                           true, 0);
    return false;
}

bool ArchiveRun::CleanUp() {
    if (Status s = Undo(); !s.ok())
        antworten_.ShowMessage(s.description(), vbExclamation,
                               QCoreApplication::translate("ArchiveRun", "Export"), true, 0);
    return false;
}

Status ArchiveRun::Undo() {
    const CancelHold halten;  // the clean-up itself is never cut short
    form_.SetBusyPointer(false);
    form_.SetProgressListVisible(false);
    // A rollback that fails leaves the journal, which rolls the transaction back on the next
    // open; closing rolls it back as well.
    if (cnDatenbank_.InTransaction()) (void)cnDatenbank_.RollbackTrans();
    cnDatenbank_.Close();
    // After a failed write SQLite may leave the journal for the next opener to roll back; the
    // run does that itself, so the database is whole again when it ends.
    if (EntryExists(auftrag_.sDatenbank + QStringLiteral("-journal"))) {
        Connection cnWieder;
        (void)cnWieder.Open(BuildConnectionText(auftrag_.sDatenbank));  // opening rolls it back
    }
    cnArchiv_.Close();
    // The user database kept its rows. A new archive that already stands under the target
    // name goes; the archive it replaced comes back, since it may hold rows that an earlier
    // run removed.
    Status s;
    if (bAmZiel_ && !sErsetzt_.isEmpty()) {
        if (Status r = RenameFile(sErsetzt_, sArchivDatei_); !r.ok())
            s = Status::Fail(QCoreApplication::translate(
                                 "ArchiveRun", "Das bisherige Archiv liegt weiter unter „%1“: %2")
                                 .arg(sErsetzt_, r.description()));
    } else if (bAmZiel_) {
        s = RemoveFile(sArchivDatei_,
                       QCoreApplication::translate("ArchiveRun",
                                                   "Das neue Archiv kann nicht entfernt "
                                                   "werden:"));
    } else if (!sErsetzt_.isEmpty()) {
        // The old archive was never touched; its second name goes.
        s = RemoveFile(sErsetzt_,
                       QCoreApplication::translate("ArchiveRun",
                                                   "Die zweite Kopie des bisherigen Archivs kann "
                                                   "nicht entfernt werden:"));
    }
    sErsetzt_.clear();
    if (Status r = ordner_.Remove(); s.ok()) s = r;
    halten_.reset();
    form_.SetProgressVisible(false);
    form_.SetBusyPointer(false);
    return s;
}

void ArchiveRun::AddLine(const QString& sZeile, bool bNeuZeichnen) {
    form_.AddProgressLine(sZeile);
    if (bNeuZeichnen) form_.RepaintProgressList();
}

Status ArchiveRun::MakeArchiveFile() {
    const QString& sVorlage = auftrag_.sVorlage;
    if (!QFile::exists(sVorlage))
        return Status::Fail(QCoreApplication::translate(
                                "ArchiveRun", "Die Archivvorlage \"%1\" wurde nicht gefunden.")
                                .arg(sVorlage));
    // The archive holds the same banking data: nobody may read it who may not read the
    // user database.
    return CopyToNewFile(sVorlage, sTemp_, PrivateCopyMode(auftrag_.sDatenbank), sArchivDatei_);
}

Status ArchiveRun::OpenArchive() {
    cnArchiv_.SetMode(Connection::adModeShareExclusive);
    cnArchiv_.SetDisplayName(sArchivDatei_);
    if (Status s = cnArchiv_.Open(BuildConnectionText(sTemp_)); !s.ok()) return s;
    // The file is not the archive until it is complete and renamed; a crash leaves only a
    // file in the run's private folder behind, so it needs no journal, and it is flushed once
    // at the end.
    if (Status s = cnArchiv_.Execute(QStringLiteral("PRAGMA main.journal_mode = OFF; "
                                                    "PRAGMA main.synchronous = OFF; "
                                                    "PRAGMA main.cache_size = -8192"));
        !s.ok())
        return s;
    // The table copies read the user database through the archive connection. The write
    // lock stays with cnDatenbank, so no other program can change the rows in between, and
    // the archive's transaction is a deferred one that only reads the user database.
    if (Status s = AttachSource(cnArchiv_, cnDatenbank_.DataSource()); !s.ok()) return s;
    return cnArchiv_.Execute(QStringLiteral("BEGIN"));
}

Status ArchiveRun::FinishArchiveFile() {
    if (Status s = cnArchiv_.CommitTrans(); !s.ok()) return s;
    if (Status s = DetachSource(cnArchiv_); !s.ok()) return s;
    // The archive is read back, checked against what was copied and forced to the disk on a
    // second thread, while the archived rows are removed inside the user database's
    // transaction: that transaction is committed only when both have succeeded, so nothing
    // leaves the user database that the archive does not verifiably hold.
    // It reads the file afresh through a connection of its own with a small page cache (one
    // pass needs no more), so the writer's cache is given back before the removal fills the
    // user database's.
    cnArchiv_.Close();
    // The checking thread has the ledger's sums of its own.
    const auto pruefen = [this, erwartet = ledger_] {
        Connection cnPruefung;
        cnPruefung.SetDisplayName(sArchivDatei_);
        if (Status s = cnPruefung.Open(BuildConnectionText(sTemp_)); !s.ok()) return s;
        if (Status s = cnPruefung.Execute(QStringLiteral("PRAGMA cache_size = -512")); !s.ok())
            return s;
        if (Status s = VerifyArchive(cnPruefung, erwartet); !s.ok()) return s;
        cnPruefung.Close();
        return FlushFile(sTemp_, sArchivDatei_);
    };
    std::future<Status> geprueft;
    try {
        geprueft = std::async(std::launch::async, pruefen);
    } catch (const std::system_error&) {
        geprueft = std::async(std::launch::deferred, pruefen);  // no thread: one after the other
    }
    CopyLedger::Loeschung abgelehnt;
    Status entfernt = cnDatenbank_.SetCacheKiB(Connection::kCacheKiB);
    if (entfernt.ok()) entfernt = ApplyPendingDeletes(cnDatenbank_, ledger_, &abgelehnt);
    if (Status s = geprueft.get(); !s.ok()) return s;
    if (entfernt.ok()) return entfernt;
    // As a copy whose delete is refused: every row was visited, none stays archived.
    ShowCopyFailure(cnDatenbank_, abgelehnt.lAnzahl, abgelehnt.lAnzahl, entfernt);
    return Status::Fail(QString(), kCodeGemeldet);
}

Status ArchiveRun::PutArchiveInPlace() {
    if (Status s = CheckCancel(); !s.ok()) return s;
    // The commit after the success message must not meet a reader: the changed pages are
    // written now, under the lock the commit needs. If readers stay, the run fails here,
    // before anything is renamed.
    if (Status s = cnDatenbank_.PrepareCommit(); !s.ok()) return s;
    halten_.emplace();
    if (EntryExists(sArchivDatei_)) {
        Result<QString> ersetzt = KeepReplacedArchive(sArchivDatei_);
        if (!ersetzt) return ersetzt.status();
        sErsetzt_ = ersetzt.value();
    }
    if (Status s = RenameFile(sTemp_, sArchivDatei_); !s.ok()) return s;
    bAmZiel_ = true;
    if (Status s = SyncFolder(ordner_.TargetFolder()); !s.ok()) return s;
    // Nothing is removed for an archive that its readers cannot open under its name (a path
    // too long, a file system that renames but does not open again): the run then fails and
    // takes the file back.
    return ProveReopens(sArchivDatei_, "SELECT 1 FROM Daten WHERE Typ = 99",
                        QCoreApplication::translate("ArchiveRun", "Die Archivdatei"));
}

CopyTableErgebnis ArchiveRun::Copy(const QString& sSelect, const QString& sTabelle,
                                   const QString& sWhere, const CopyHints& hinweise) {
    return CopyTableIn(CopyScope{cnDatenbank_, form_, ledger_, bEntfernen_}, cnArchiv_, sSelect,
                       sTabelle, sWhere, hinweise);
}

RunOutcome CreateArchive(const RunRequest& auftrag, RunFolder ordner) {
    RunOutcome ergebnis;
    ergebnis.bGelaufen = true;
    QElapsedTimer uhr;
    uhr.start();
    ArchiveRun lauf(auftrag, std::move(ordner));
    ergebnis.bArchiviert = lauf.Run();
    ergebnis.zeiten = RunTimes{uhr.nsecsElapsed() / 1000, lauf.SealMicroseconds()};
    ergebnis.bEntfernenBeendet = lauf.RemovalEnded();
    for (const auto& [sTabelle, summe] : lauf.Ledger().tabellen)
        ergebnis.aZeilen[sTabelle] = summe.lAnzahl;
    return ergebnis;
}

}  // namespace tolva
