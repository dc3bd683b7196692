// The create branch of the archive start.
#include "archive/StartArchive.h"

#include "archive/RunPlan.h"

#include "archive/ModArchiv.h"
#include "archive/RunChecks.h"
#include "database/Cancel.h"
#include "database/ConnectionText.h"
#include "database/Schema.h"
#include "files/ArchiveFile.h"
#include "files/Backup.h"
#include "files/FileSystem.h"
#include "files/RunFolder.h"
#include "files/RunNames.h"
#include "hostlib/HostServices.h"
#include "hostlib/MessageBox.h"
#include "state/SharedState.h"
#include "survey/CreatePath.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

namespace tolva {
namespace {

StartErgebnis ErrorExit(const QString& sBeschreibung) {
    MsgBox(sBeschreibung, vbOKOnly, QStringLiteral("Archiv:Fertig"));
    return StartErgebnis::Fehler;
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

bool AskOverwrite(const QString& sArchivDatei) {
    return Host().ShowMessage(QStringLiteral("Die Datei ") + sArchivDatei +
                                  QStringLiteral(" existiert bereits!") + QStringLiteral("\r\n") +
                                  QStringLiteral("Soll Sie überschrieben werden?"),
                              vbYesNo + vbInformation + vbDefaultButton2,
                              QStringLiteral("Archivierungs-Assistent"), true, 0) != vbNo;
}

// The removal without a backup: once, before anything else is asked or written.
bool AskRemovalWithoutBackup() {
    const SharedState& g = Shared();
    const Result<qint64> anzahl = CountPlannedBookings(g.aKontenAuswahl, g.dStichtag);
    const QString sUmsaetze =
        anzahl.ok() ? QLocale(QLocale::German).toString(anzahl.value()) + QStringLiteral(" Umsätze")
                    : QStringLiteral("Alle archivierten Umsätze");
    return Host().ShowMessage(
               QStringLiteral("Die archivierten Daten werden aus der Datenbank entfernt, ohne "
                              "dass vorher eine Datensicherung erstellt wird.\r\n") +
                   sUmsaetze +
                   QStringLiteral(" werden damit unwiderruflich gelöscht.\r\n\r\n"
                                  "Ohne Datensicherung fortfahren?"),
               vbYesNo + vbExclamation + vbDefaultButton2,
               QStringLiteral("Archivierungs-Assistent"), true, 0) == vbYes;
}

bool AskCreateFolder(const QString& sArchivPfad) {
    return Host().ShowMessage(
               QStringLiteral("Der Archiv-Pfad ") + sArchivPfad +
                   QStringLiteral(" existiert nicht! Soll dieses Verzeichnis angelegt werden?"),
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
    return FileFailure(QStringLiteral("Der Archiv-Pfad kann nicht angelegt werden:"), sArchivPfad,
                       fehler);
}

// The backup's folder is the host's own unless the user chose another; a missing one is made
// without a question (the user asked for the backup, not for a folder), level by level.
Status MakeBackupFolder(const QString& sSicherung, MadeFolders& angelegt) {
    const QString sOrdner = QFileInfo(sSicherung).absolutePath() + QLatin1Char('/');
    if (QFileInfo(sOrdner).isDir()) return Status::Ok();
    if (Status s = CreatePath(sOrdner, &angelegt.aEbenen); !s.ok()) return s;
    if (QFileInfo(sOrdner).isDir()) return Status::Ok();
    return Status::Fail(QStringLiteral("Der Ordner „%1“ kann nicht angelegt werden.").arg(sOrdner));
}

// Writes the backup under its own lock, with the user database's connection closed while the
// file is copied, and opens the connection again, also when the copy failed: the user may
// choose another place and start again.
Status Backup(const QString& sSicherung) {
    SharedState& g = Shared();
    Result<NameLock> sperre = NameLock::Acquire(sSicherung);
    if (!sperre.ok()) return sperre.status();
    // Leftovers of killed runs that cannot be removed now stay for a later run; they hold no
    // name that this run needs.
    (void)RemoveStaleRunFolders(sperre.value());
    Result<RunFolder> ordner = RunFolder::Create(std::move(sperre).value());
    if (!ordner.ok()) return ordner.status();
    if (g.cnDatenbank) g.cnDatenbank->Close();
    RunFolder arbeit = std::move(ordner).value();
    const Status kopie = WriteBackup(g.sDatenbank, arbeit, sSicherung);
    if (!g.cnDatenbank) g.cnDatenbank = std::make_unique<Connection>();
    if (Status s = g.cnDatenbank->Open(BuildConnectionText(g.sDatenbank), QString(), QString(), -1);
        !s.ok())
        return kopie.ok() ? s : kopie;
    if (!kopie.ok()) return kopie;
    // The backup is complete; what of its private folder cannot be removed ends the start.
    return arbeit.Remove();
}

// A backup that cannot be written ends the start before anything is archived, in the run's
// own error box, with what the user can do about it.
StartErgebnis BackupFailure(const QString& sSicherung, const Status& fehler) {
    Host().ShowMessage(
        QStringLiteral("Die Datensicherung „%1“ kann nicht geschrieben werden:\r\n")
                .arg(sSicherung) +
            fehler.description() +
            QStringLiteral("\r\n\r\nEs wurde nichts archiviert und nichts verändert. Wählen Sie "
                           "auf der Seite „Datenbereich“ mit „Ändern …“ einen Ort für die "
                           "Datensicherung, an dem Sie schreiben dürfen, und starten Sie erneut."),
        vbCritical, QStringLiteral("Export"), true, 0);
    return StartErgebnis::Fehler;
}

RunChoice ChoiceOf(const SharedState& g) {
    return RunChoice{g.oTools ? g.oTools->FormatSqlDatum(g.dStichtag) : QString(), g.aKontenAuswahl,
                     g.aKontenMitDaten, g.bEntfernen};
}

}  // namespace

StartErgebnis StartCreateArchive(const ArchivStart& start, bool* bErfolg) {
    SharedState& g = Shared();
    g.bArchivOK = false;
    if (bErfolg) *bErfolg = false;
    g.sArchivDatei = start.sZielDatei;

    const qsizetype p = g.sArchivDatei.lastIndexOf(QLatin1Char('/'));
    if (p < 0)
        return ErrorExit(QStringLiteral("Der Dateiname \"") + g.sArchivDatei +
                         QStringLiteral("\" enthält keinen Ordner."));
    g.sArchivPfad = g.sArchivDatei.left(p + 1);
    if (QFileInfo(g.sArchivDatei).isDir())
        return ErrorExit(QStringLiteral("\"") + g.sArchivDatei +
                         QStringLiteral("\" ist ein Ordner und kann kein Archiv aufnehmen."));

    // Before anything is written: the names, then what the copying assumes.
    const QString sVorlage =
        FolderSetting(kSettingVorlagenPfad) + QString::fromUtf8(kTemplateFileName);
    const QString sSicherung = start.bSichern ? start.sSicherungsDatei : QString();
    if (Status s = CheckRunNames({g.sDatenbank, sVorlage, g.sArchivDatei, sSicherung}); !s.ok())
        return ErrorExit(s.description());
    if (g.cnDatenbank && g.cnDatenbank->State() == Connection::adStateOpen)
        if (Status s = CheckUserDatabase(*g.cnDatenbank, sVorlage, ChoiceOf(g)); !s.ok())
            return ErrorExit(s.description());

    if (g.bEntfernen && !start.bSichern && start.bFrageOhneSicherung && !AskRemovalWithoutBackup())
        return StartErgebnis::Abgebrochen;

    // The target's name is locked before it is looked at, and stays locked to the end.
    MadeFolders angelegt;
    NameLock sperre;
    if (!QFileInfo(g.sArchivPfad).isDir()) {
        if (!AskCreateFolder(g.sArchivPfad)) return StartErgebnis::Abgebrochen;
        if (Status s = MakeFolder(g.sArchivPfad, angelegt); !s.ok())
            return ErrorExit(s.description());
    }
    {
        Result<NameLock> l = NameLock::Acquire(g.sArchivDatei);
        if (!l.ok()) return ErrorExit(l.error().description);
        sperre = std::move(l).value();
    }
    if (EntryExists(g.sArchivDatei) && !AskOverwrite(g.sArchivDatei))
        return StartErgebnis::Abgebrochen;
    // What cannot go now stays for a later run. Beside the user database lie what killed
    // restores left.
    (void)RemoveStaleRunFolders(sperre);
    (void)RemoveStaleRunFoldersIn(QFileInfo(g.sDatenbank).absolutePath());

    if (Status s = CheckCancel(); !s.ok()) return ErrorExit(s.description());
    if (start.bSichern) {
        Status s = MakeBackupFolder(sSicherung, angelegt);
        if (s.ok()) s = Backup(sSicherung);
        if (!s.ok()) return BackupFailure(sSicherung, s);
    }

    Host().SetSetting(kSettingArchivPfad, g.sArchivPfad);
    Result<RunFolder> ordner = RunFolder::Create(std::move(sperre));
    if (!ordner.ok()) return ErrorExit(ordner.error().description);
    const bool ok = CreateArchive(std::move(ordner).value());
    angelegt.bBehalten = ok;
    if (bErfolg) *bErfolg = ok;
    return StartErgebnis::Gelaufen;
}

}  // namespace tolva
