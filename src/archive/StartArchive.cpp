// The create branch of the archive start.
#include "archive/StartArchive.h"

#include "archive/ArchiveFile.h"
#include "archive/ModArchiv.h"
#include "component/SharedState.h"
#include "database/ConnectionText.h"
#include "hostlib/HostServices.h"
#include "hostlib/MessageBox.h"
#include "survey/CreatePath.h"

#include <QFile>
#include <QFileInfo>

namespace tolva {
namespace {

// Whether two paths name the same existing file (also through links or other spellings).
bool SameFile(const QString& a, const QString& b) {
    const QFileInfo fa(a);
    const QFileInfo fb(b);
    if (!fa.exists() || !fb.exists()) return false;
    return fa.canonicalFilePath() == fb.canonicalFilePath();
}

// The name under which the backup is written until it is complete.
QString TemporaryBackupPath(const QString& sSicherung) {
    return sSicherung + QStringLiteral(".tmp");
}

// Writes the backup next to its final name first, so that an existing backup survives a
// copy that fails halfway.
Status WriteBackup(const QString& sDatenbank, const QString& sSicherung) {
    const QString sTemp = TemporaryBackupPath(sSicherung);
    Status s = CopyFileReplacing(sDatenbank, sTemp);
    if (s.ok()) s = FlushFile(sTemp);
    if (s.ok()) s = ReplaceFile(sTemp, sSicherung);
    if (!s.ok()) QFile::remove(sTemp);
    return s;
}

StartErgebnis ErrorExit(const QString& sBeschreibung) {
    MsgBox(sBeschreibung, vbOKOnly, QStringLiteral("Archiv:Fertig"));
    return StartErgebnis::Fehler;
}

}  // namespace

StartErgebnis StartCreateArchive(const ArchivStart& start, bool* bErfolg) {
    SharedState& g = Shared();
    g.bArchivOK = false;
    if (bErfolg) *bErfolg = false;
    g.sArchivDatei = start.sZielDatei;

    const QFileInfo ziel(g.sArchivDatei);
    if (ziel.isFile() && !ziel.isHidden()) {
        const long antwort = Host().ShowMessage(
            QStringLiteral("Die Datei ") + g.sArchivDatei + QStringLiteral(" existiert bereits!") +
                QStringLiteral("\r\n") + QStringLiteral("Soll Sie überschrieben werden?"),
            vbYesNo + vbInformation + vbDefaultButton2, QStringLiteral("Archivierungs-Assistent"),
            true, 0);
        if (antwort == vbNo) return StartErgebnis::Abgebrochen;
    }

    const qsizetype p = g.sArchivDatei.lastIndexOf(QLatin1Char('/'));
    if (p < 0)
        return ErrorExit(QStringLiteral("Der Dateiname \"") + g.sArchivDatei +
                         QStringLiteral("\" enthält keinen Ordner."));
    g.sArchivPfad = g.sArchivDatei.left(p + 1);
    if (ziel.isDir())
        return ErrorExit(QStringLiteral("\"") + g.sArchivDatei +
                         QStringLiteral("\" ist ein Ordner und kann kein Archiv aufnehmen."));
    if (SameFile(g.sArchivDatei, g.sDatenbank) ||
        (start.bSichern && SameFile(g.sArchivDatei, start.sSicherungsDatei)))
        return ErrorExit(QStringLiteral("Die Archivdatei \"") + g.sArchivDatei +
                         QStringLiteral("\" ist die Benutzer-Datenbank oder ihre Sicherung. "
                                        "Bitte wählen Sie einen anderen Dateinamen."));
    // The archive is written under a temporary name first; that name must not be the user
    // database's own.
    if (SameFile(TemporaryArchivePath(g.sArchivDatei), g.sDatenbank))
        return ErrorExit(QStringLiteral("Die Benutzer-Datenbank \"") + g.sDatenbank +
                         QStringLiteral("\" trägt den Namen, unter dem das Archiv angelegt wird. "
                                        "Bitte wählen Sie einen anderen Dateinamen."));

    if (!QFileInfo(g.sArchivPfad).isDir()) {
        const long antwort = Host().ShowMessage(
            QStringLiteral("Der Archiv-Pfad ") + g.sArchivPfad +
                QStringLiteral(" existiert nicht! Soll dieses Verzeichnis angelegt werden?"),
            vbYesNo + vbQuestion, QString(), true, 0);
        if (antwort != vbYes) return StartErgebnis::Abgebrochen;
        if (Status s = CreatePath(g.sArchivPfad); !s.ok()) return ErrorExit(s.description());
    }

    if (start.bSichern) {
        if (SameFile(start.sSicherungsDatei, g.sDatenbank) ||
            SameFile(TemporaryBackupPath(start.sSicherungsDatei), g.sDatenbank))
            return ErrorExit(
                QStringLiteral("Die Sicherungsdatei darf nicht die "
                               "Benutzer-Datenbank selbst sein."));
        if (g.cnDatenbank) g.cnDatenbank->Close();
        if (Status s = WriteBackup(g.sDatenbank, start.sSicherungsDatei); !s.ok())
            return ErrorExit(s.description());
        if (!g.cnDatenbank) g.cnDatenbank = std::make_unique<Connection>();
        if (Status s =
                g.cnDatenbank->Open(BuildConnectionText(g.sDatenbank), QString(), QString(), -1);
            !s.ok())
            return ErrorExit(s.description());
    }

    Host().SetSetting(kSettingArchivPfad, g.sArchivPfad);
    const bool ok = CreateArchive();
    if (bErfolg) *bErfolg = ok;
    return StartErgebnis::Gelaufen;
}

}  // namespace tolva
