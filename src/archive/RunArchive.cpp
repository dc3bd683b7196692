// The create job from its request: the start's checks and questions, the backup, the run.
#include "archive/RunRequest.h"

#include "archive/ArchiveRun.h"
#include "archive/RunChecks.h"
#include "archive/RunPlan.h"
#include "database/Cancel.h"
#include "database/ConnectionText.h"
#include "database/Schema.h"
#include "files/ArchiveFile.h"
#include "files/Backup.h"
#include "files/FileSystem.h"
#include "files/RunFolder.h"
#include "files/RunNames.h"
#include "hostlib/HostServices.h"
#include "hostlib/HostTools.h"
#include "hostlib/MessageBox.h"
#include "survey/CreatePath.h"
#include "text/DisplayFormat.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

namespace tolva {
namespace {

// The start's error exit: its one message; nothing has been written.
Error ErrorExit(const QString& sBeschreibung) {
    MsgBox(sBeschreibung, vbOKOnly, QCoreApplication::translate("RunArchive", "Archiv:Fertig"));
    return Error{sBeschreibung};
}

// The folder levels that this start made; removed again (when empty) unless the run
// succeeded.
struct MadeFolders {
    QStringList aEbenen;
    bool bBehalten = false;
    ~MadeFolders() {
        if (bBehalten) return;
        // A level that holds anything stays; one that cannot go holds nothing of the run.
        for (auto it = aEbenen.crbegin(); it != aEbenen.crend(); ++it)
            Files().RemoveFolder(QFile::encodeName(*it).constData());
    }
};

bool AskOverwrite(HostServices& antworten, const QString& sArchivDatei) {
    return antworten.ShowMessage(
               QCoreApplication::translate("RunArchive",
                                           "Die Datei %1 existiert bereits!\r\nSoll Sie "
                                           "überschrieben werden?")
                   .arg(sArchivDatei),
               vbYesNo + vbInformation + vbDefaultButton2,
               QCoreApplication::translate("RunArchive", "Archivierungs-Assistent"), true,
               0) != vbNo;
}

// The removal without a backup: once, before anything else is asked or written.
bool AskRemovalWithoutBackup(const RunRequest& auftrag) {
    const PlanSource quelle{*auftrag.cnDatenbank, *auftrag.tools, auftrag.survey.aUmsaetzeGezaehlt,
                            auftrag.survey.dStichtag};
    const Result<qint64> anzahl =
        CountPlannedBookings(quelle, auftrag.aKontenAuswahl, auftrag.dStichtag);
    const QString sText =
        anzahl.ok()
            ? QCoreApplication::translate("RunArchive",
                                          "Die archivierten Daten werden aus der Datenbank "
                                          "entfernt, ohne dass vorher eine Datensicherung "
                                          "erstellt wird.\r\n%1 Umsätze werden damit "
                                          "unwiderruflich gelöscht.\r\n\r\nOhne "
                                          "Datensicherung fortfahren?",
                                          nullptr, PluralCount(anzahl.value()))
                  .arg(DisplayCount(anzahl.value()))
            : QCoreApplication::translate("RunArchive",
                                          "Die archivierten Daten werden aus der Datenbank "
                                          "entfernt, ohne dass vorher eine Datensicherung "
                                          "erstellt wird.\r\nAlle archivierten Umsätze werden "
                                          "damit unwiderruflich gelöscht.\r\n\r\nOhne "
                                          "Datensicherung fortfahren?");
    return auftrag.antworten->ShowMessage(
               sText, vbYesNo + vbExclamation + vbDefaultButton2,
               QCoreApplication::translate("RunArchive", "Archivierungs-Assistent"), true,
               0) == vbYes;
}

bool AskCreateFolder(HostServices& antworten, const QString& sArchivPfad) {
    return antworten.ShowMessage(
               QCoreApplication::translate("RunArchive",
                                           "Der Archiv-Pfad %1 existiert nicht! Soll dieses "
                                           "Verzeichnis angelegt werden?")
                   .arg(sArchivPfad),
               vbYesNo + vbQuestion, QString(), true, 0) == vbYes;
}

// Makes the missing target folder; fails with the reason when it is not there afterwards.
Status MakeFolder(const QString& sArchivPfad, MadeFolders& angelegt) {
    if (Status s = CreatePath(sArchivPfad, &angelegt.aEbenen); !s.ok()) return s;
    if (QFileInfo(sArchivPfad).isDir()) return Status::Ok();
    // CreatePath does not tell why a level failed; the deepest one tells it again.
    QString sOrdner = sArchivPfad;
    while (sOrdner.size() > 1 && sOrdner.endsWith(QLatin1Char('/'))) sOrdner.chop(1);
    const int fehler =
        Files().MakeFolder(QFile::encodeName(sOrdner).constData(), 0777) == 0 ? 0 : errno;
    if (fehler == 0) {
        angelegt.aEbenen << sOrdner;
        return Status::Ok();
    }
    return FileFailure(
        QCoreApplication::translate("RunArchive", "Der Archiv-Pfad kann nicht angelegt werden:"),
        sArchivPfad, fehler);
}

// The backup's folder is the host's own unless the user chose another; a missing one is made
// without a question (the user asked for the backup, not for a folder), level by level.
Status MakeBackupFolder(const QString& sSicherung, MadeFolders& angelegt) {
    const QString sOrdner = QFileInfo(sSicherung).absolutePath() + QLatin1Char('/');
    if (QFileInfo(sOrdner).isDir()) return Status::Ok();
    if (Status s = CreatePath(sOrdner, &angelegt.aEbenen); !s.ok()) return s;
    if (QFileInfo(sOrdner).isDir()) return Status::Ok();
    return Status::Fail(
        QCoreApplication::translate("RunArchive", "Der Ordner „%1“ kann nicht angelegt werden.")
            .arg(sOrdner));
}

// Writes the backup under its own lock, with the user database's connection closed while the
// file is copied, and opens the connection again, also when the copy failed: the user may
// choose another place and start again.
Status Backup(const RunRequest& auftrag) {
    const QString& sSicherung = auftrag.sSicherungsDatei;
    Connection& cnDatenbank = *auftrag.cnDatenbank;
    Result<NameLock> sperre = NameLock::Acquire(sSicherung);
    if (!sperre.ok()) return sperre.status();
    // Leftovers of killed runs that cannot be removed now stay for a later run; they hold no
    // name that this run needs.
    (void)RemoveStaleRunFolders(sperre.value());
    Result<RunFolder> ordner = RunFolder::Create(std::move(sperre).value());
    if (!ordner.ok()) return ordner.status();
    cnDatenbank.Close();
    RunFolder arbeit = std::move(ordner).value();
    const Status kopie = WriteBackup(auftrag.sDatenbank, arbeit, sSicherung);
    if (Status s =
            cnDatenbank.Open(BuildConnectionText(auftrag.sDatenbank), QString(), QString(), -1);
        !s.ok())
        return kopie.ok() ? s : kopie;
    if (!kopie.ok()) return kopie;
    // The backup is complete; what of its private folder cannot be removed ends the start.
    return arbeit.Remove();
}

// A backup that cannot be written ends the start before anything is archived, in the run's
// own error box, with what the user can do about it.
Error BackupFailure(HostServices& antworten, const QString& sSicherung, const Status& fehler) {
    antworten.ShowMessage(
        QCoreApplication::translate("RunArchive",
                                    "Die Datensicherung „%1“ kann nicht geschrieben "
                                    "werden:\r\n%2\r\n\r\nEs wurde nichts archiviert und "
                                    "nichts verändert. Wählen Sie auf der Seite „Datenbereich“ "
                                    "mit „Ändern …“ einen Ort für die Datensicherung, an dem Sie "
                                    "schreiben dürfen, und starten Sie erneut.")
            .arg(sSicherung, fehler.description()),
        vbCritical, QCoreApplication::translate("RunArchive", "Export"), true, 0);
    return fehler.error();
}

RunChoice ChoiceOf(const RunRequest& auftrag) {
    return RunChoice{auftrag.tools->FormatSqlDatum(auftrag.dStichtag), auftrag.aKontenAuswahl,
                     auftrag.survey.aKontenMitDaten, auftrag.bEntfernen};
}

}  // namespace

QString ArchiveFolderOf(const QString& sArchivDatei) {
    const qsizetype p = sArchivDatei.lastIndexOf(QLatin1Char('/'));
    return p < 0 ? QString() : sArchivDatei.left(p + 1);
}

Result<RunOutcome> RunArchive(const RunRequest& auftrag) {
    HostServices& antworten = *auftrag.antworten;
    const RunOutcome ergebnis;  // what a start that the user ends with "Nein" gives back
    const QString& sArchivDatei = auftrag.sZielDatei;
    const QString sArchivPfad = ArchiveFolderOf(sArchivDatei);
    if (sArchivPfad.isEmpty())
        return ErrorExit(
            QCoreApplication::translate("RunArchive", "Der Dateiname \"%1\" enthält keinen Ordner.")
                .arg(sArchivDatei));
    // A name that ends in "/" means a folder, though none is there yet.
    if (QFileInfo(sArchivDatei).isDir() || QFileInfo(sArchivDatei).fileName().isEmpty())
        return ErrorExit(QCoreApplication::translate(
                             "RunArchive", "\"%1\" ist ein Ordner und kann kein Archiv aufnehmen.")
                             .arg(sArchivDatei));

    // Before anything is written: the names, then what the copying assumes.
    const QString sSicherung = auftrag.bSichern ? auftrag.sSicherungsDatei : QString();
    if (Status s = CheckRunNames({auftrag.sDatenbank, auftrag.sVorlage, sArchivDatei, sSicherung});
        !s.ok())
        return ErrorExit(s.description());
    if (auftrag.cnDatenbank->State() == Connection::adStateOpen)
        if (Status s = CheckUserDatabase(*auftrag.cnDatenbank, auftrag.sVorlage, ChoiceOf(auftrag));
            !s.ok())
            return ErrorExit(s.description());

    if (auftrag.bEntfernen && !auftrag.bSichern && auftrag.bFrageOhneSicherung &&
        !AskRemovalWithoutBackup(auftrag))
        return ergebnis;

    // The target's name is locked before it is looked at, and stays locked to the end.
    MadeFolders angelegt;
    NameLock sperre;
    if (!QFileInfo(sArchivPfad).isDir()) {
        if (!AskCreateFolder(antworten, sArchivPfad)) return ergebnis;
        if (Status s = MakeFolder(sArchivPfad, angelegt); !s.ok())
            return ErrorExit(s.description());
    }
    {
        Result<NameLock> l = NameLock::Acquire(sArchivDatei);
        if (!l.ok()) return ErrorExit(l.error().description);
        sperre = std::move(l).value();
    }
    if (EntryExists(sArchivDatei) && !AskOverwrite(antworten, sArchivDatei)) return ergebnis;
    // What cannot go now stays for a later run. Beside the user database lie what killed
    // restores left.
    (void)RemoveStaleRunFolders(sperre);
    (void)RemoveStaleRunFoldersIn(QFileInfo(auftrag.sDatenbank).absolutePath());

    if (Status s = CheckCancel(); !s.ok()) return ErrorExit(s.description());
    if (auftrag.bSichern) {
        Status s = MakeBackupFolder(sSicherung, angelegt);
        if (s.ok()) s = Backup(auftrag);
        if (!s.ok()) return BackupFailure(antworten, sSicherung, s);
    }

    antworten.SetSetting(kSettingArchivPfad, sArchivPfad);
    Result<RunFolder> ordner = RunFolder::Create(std::move(sperre));
    if (!ordner.ok()) return ErrorExit(ordner.error().description);
    const RunOutcome gelaufen = CreateArchive(auftrag, std::move(ordner).value());
    angelegt.bBehalten = gelaufen.bArchiviert;
    return gelaufen;
}

}  // namespace tolva
