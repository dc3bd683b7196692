// Restore: the checks, the question and the backup before a restore, and its transaction from
// the first insert to the verified commit.
#include "restore/Restore.h"

#include "browse/BrowseFile.h"
#include "database/Cancel.h"
#include "database/Connection.h"
#include "database/ConnectionText.h"
#include "files/ArchiveFile.h"
#include "files/Backup.h"
#include "files/RunFolder.h"
#include "hostlib/Clock.h"
#include "hostlib/HostServices.h"
#include "hostlib/MessageBox.h"
#include "restore/RestoreRun.h"

#include <QFileInfo>
#include <QLocale>

#include <cerrno>
#include <map>

namespace tolva {
namespace {

const QString kTitel = QStringLiteral("Archiv zurückholen");

RestoreChoice Absolute(RestoreChoice wahl) {
    wahl.sArchiv = QFileInfo(wahl.sArchiv).absoluteFilePath();
    wahl.sDatenbank = QFileInfo(wahl.sDatenbank).absoluteFilePath();
    return wahl;
}

Status OpenWithArchive(Connection& cn, const RestoreChoice& wahl) {
    cn.AllowUriNames(true);
    if (Status s = cn.Open(BuildConnectionText(wahl.sDatenbank)); !s.ok()) return s;
    return AttachArchive(cn, wahl.sArchiv);
}

// Whether the archive holds anything of the account: its row or rows that refer to it.
Result<bool> ArchiveHasAccount(Connection& cn, const QString& sArchiv, qint64 id) {
    Result<bool> bVerwiesen = ArchiveHasTable(cn.Handle(), kVerwiesenKonten);
    if (!bVerwiesen.ok()) return bVerwiesen.error();
    for (const char* t : {"Konten", kVerwiesenKonten, "Umsätze", "UmsZusatz", "OffeneUmsätze",
                          "Aufträge", "SammelAufträge"}) {
        const QString sTabelle = QString::fromUtf8(t);
        if (sTabelle == QLatin1String(kVerwiesenKonten) && !bVerwiesen.value()) continue;
        const QString sFeld = sTabelle.endsWith(QLatin1String("Konten"))
                                  ? QStringLiteral("id")
                                  : QStringLiteral("KontoID");
        Result<qint64> da =
            FirstInt(cn.Handle(),
                     QStringLiteral("SELECT 1 FROM archiv.\"%1\" WHERE %2 = %3 LIMIT 1")
                         .arg(sTabelle, sFeld)
                         .arg(id),
                     sArchiv);
        if (!da.ok()) return da.error();
        if (da.value() == 1) return true;
    }
    return false;
}

// The archive checked as every reader checks it (complete, keyed, its password), the user
// database against it, and the rows of the choice counted. Leaves cn open on the user
// database with the archive attached, outside a transaction.
Result<std::vector<RestoreCount>> CheckAndCount(const RestoreChoice& wahl, Connection& cn) {
    if (CanonicalName(wahl.sArchiv) == CanonicalName(wahl.sDatenbank))
        return Error{
            QStringLiteral("„%1“ ist die Datenbank selbst und kein Archiv.").arg(wahl.sArchiv)};
    {
        Result<std::unique_ptr<BrowseFile>> archiv = BrowseFile::Open(wahl.sArchiv, wahl.sPasswort);
        if (!archiv.ok()) return archiv.error();
    }
    if (Status s = OpenWithArchive(cn, wahl); !s.ok()) return s.error();
    if (Status s = CheckRestoreTables(cn); !s.ok()) return s.error();
    if (wahl.konten)
        for (qint64 id : *wahl.konten) {
            Result<bool> da = ArchiveHasAccount(cn, wahl.sArchiv, id);
            if (!da.ok()) return da.error();
            if (!da.value())
                return Error{QStringLiteral("Im Archiv „%1“ steht nichts vom Konto %2.")
                                 .arg(wahl.sArchiv)
                                 .arg(id)};
        }
    std::vector<RestoreCount> zaehler;
    for (const RestoreTable& t : kRestoreTables) {
        Result<qint64> n = CountSelected(cn, QString::fromUtf8(t.sTabelle), wahl);
        if (!n.ok()) return n.error();
        zaehler.push_back(
            {QString::fromUtf8(t.sTabelle), QString::fromUtf8(t.sName), n.value(), 0, 0, 0});
    }
    return zaehler;
}

// The question before a restore: per table what goes back, what is there already and what
// was edited since.
bool AskRestore(const RestoreChoice& wahl, const std::vector<RestoreCount>& plan) {
    const QLocale deutsch(QLocale::German);
    QString sListe;
    for (const RestoreCount& z : plan) {
        if (z.lImArchiv == 0 || !IsMovedTable(z.sTabelle)) continue;
        sListe += QStringLiteral("    %1: %2 zurück").arg(z.sName, deutsch.toString(z.lZurueck));
        if (z.lNeueIds > 0)
            sListe += QStringLiteral(" (%1 unter neuen Nummern)").arg(deutsch.toString(z.lNeueIds));
        if (z.lVorhanden > 0)
            sListe += QStringLiteral(", %1 schon vorhanden").arg(deutsch.toString(z.lVorhanden));
        if (z.lGeaendert > 0)
            sListe += QStringLiteral(", %1 seitdem geändert (bleiben, wie sie sind)")
                          .arg(deutsch.toString(z.lGeaendert));
        sListe += QStringLiteral("\r\n");
    }
    QString sKonten;
    if (wahl.konten) {
        QStringList ids;
        for (qint64 id : *wahl.konten) ids << QString::number(id);
        sKonten = QStringLiteral(" (nur %1 %2)")
                      .arg(ids.size() == 1 ? QStringLiteral("Konto") : QStringLiteral("Konten"),
                           ids.join(QStringLiteral(", ")));
    }
    const QString sText =
        QStringLiteral(
            "Aus dem Archiv „%1“%2 werden in die Datenbank „%3“ zurückgeholt:\r\n"
            "\r\n%4\r\nWas dort schon steht, wird übersprungen; was seitdem geändert wurde, "
            "bleibt, wie es ist.%5\r\n\r\n"
            "Daten jetzt zurückholen?")
            .arg(wahl.sArchiv, sKonten, wahl.sDatenbank, sListe,
                 wahl.bSichern ? QStringLiteral(" Vorher wird die Datenbank gesichert.")
                               : QStringLiteral(" Eine Datensicherung wird nicht erstellt."));
    return Host().ShowMessage(sText, vbYesNo + vbQuestion + vbDefaultButton2, kTitel, true, 0) ==
           vbYes;
}

// The whole plan of a restore without writing: a read transaction, every decision, rolled
// back. Refusals come as they would in the restore.
Result<std::vector<RestoreCount>> PlanRestore(Connection& cn, const RestoreChoice& wahl,
                                              const std::map<QString, qint64>& vorab) {
    if (Status s = cn.Execute(QStringLiteral("BEGIN")); !s.ok()) return s.error();
    Result<std::vector<RestoreCount>> plan = Error{QString()};
    const RestoreProgress still;
    {
        RestoreRun lauf(cn, wahl, still, vorab);
        plan = lauf.Run(false);
    }
    (void)cn.Execute(QStringLiteral("ROLLBACK"));
    return plan;
}

// The backup of a restore: a name of its own beside the user database that no run uses and
// that never replaces a file.
Result<QString> WriteRestoreBackup(const QString& sDatenbank) {
    const QString sStamm = sDatenbank + QStringLiteral(".vor-Zurückholen-") +
                           CurrentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (int n = 1; n <= 100; ++n) {
        const QString sName =
            sStamm + (n == 1 ? QString() : QStringLiteral("-%1").arg(n)) + QStringLiteral(".BKA");
        if (EntryExists(sName)) continue;
        Result<NameLock> sperre = NameLock::Acquire(sName);
        if (!sperre.ok()) {
            if (IsEngine(sperre.error(), kCodeNameGesperrt)) continue;
            return sperre.error();
        }
        (void)RemoveStaleRunFolders(sperre.value());  // what cannot go now stays
        Result<RunFolder> ordner = RunFolder::Create(std::move(sperre).value());
        if (!ordner.ok()) return ordner.error();
        RunFolder arbeit = std::move(ordner).value();
        const Status s = WriteBackup(sDatenbank, arbeit, sName, true);
        if (!s.ok() && IsSystem(s.error(), EEXIST)) continue;
        if (!s.ok()) return s.error();
        if (Status r = arbeit.Remove(); !r.ok()) return r.error();
        return sName;
    }
    return Error{QStringLiteral("Für die Sicherung von „%1“ ist kein freier Name zu finden.")
                     .arg(sDatenbank)};
}

// Everything undone: the transaction rolled back, and a journal that a failed rollback left
// rolled back by opening the file again. The message names the backup, which stays.
Error Undo(Connection& cn, const RestoreChoice& wahl, const Error& fehler,
           const QString& sSicherung) {
    const CancelHold halten;
    if (cn.InTransaction()) (void)cn.RollbackTrans();
    cn.Close();
    if (EntryExists(wahl.sDatenbank + QStringLiteral("-journal"))) {
        Connection cnWieder;
        (void)cnWieder.Open(BuildConnectionText(wahl.sDatenbank));
    }
    Error e = fehler;
    if (!sSicherung.isEmpty() && !IsEngine(e, kCodeAbgebrochen))
        e.description += QStringLiteral("\r\nDie Sicherung „%1“ bleibt erhalten.").arg(sSicherung);
    return e;
}

}  // namespace

Result<std::vector<RestoreCount>> CountArchiveRows(const RestoreChoice& wahl) {
    Connection cn;
    return CheckAndCount(Absolute(wahl), cn);
}

Result<std::vector<MissingAccount>> FindMissingAccounts(const RestoreChoice& wahl) {
    Connection cn;
    Result<std::vector<RestoreCount>> zaehler = CheckAndCount(Absolute(wahl), cn);
    if (!zaehler.ok()) return zaehler.error();
    return MissingAccountsOf(cn, Absolute(wahl));
}

Result<RestoreReport> StartRestore(const RestoreChoice& auswahl,
                                   const RestoreProgress& fortschritt) {
    const RestoreChoice wahl = Absolute(auswahl);
    Connection cn;
    Result<std::vector<RestoreCount>> zaehler = CheckAndCount(wahl, cn);
    if (!zaehler.ok()) return zaehler.error();
    // What killed restores left beside the database goes, whatever this one does; what a live
    // one holds stays.
    (void)RemoveStaleRunFoldersIn(QFileInfo(wahl.sDatenbank).absolutePath());
    std::map<QString, qint64> vorab;
    qint64 lZeilen = 0;
    for (const RestoreCount& z : zaehler.value()) {
        vorab[z.sTabelle] = z.lImArchiv;
        lZeilen += z.lImArchiv;
    }
    if (lZeilen == 0)
        return Error{QStringLiteral("Im Archiv „%1“ stehen für diese Auswahl keine Daten; es "
                                    "wurde nichts zurückgeholt.")
                         .arg(wahl.sArchiv)};
    if (wahl.bProbe || wahl.bFragen) {
        Result<std::vector<RestoreCount>> plan = PlanRestore(cn, wahl, vorab);
        if (!plan.ok()) return plan.error();
        if (wahl.bProbe) return RestoreReport{plan.value(), QString()};
        if (!AskRestore(wahl, plan.value())) return Error{QString(), kCodeNichtGewollt};
    }

    if (Status s = CheckCancel(); !s.ok()) return s.error();
    const auto zeile = [&](const QString& s) {
        if (fortschritt.onLine) fortschritt.onLine(s);
    };
    RestoreReport bericht;
    if (wahl.bSichern) {
        Result<QString> sicherung = WriteRestoreBackup(wahl.sDatenbank);
        if (!sicherung.ok()) return sicherung.error();
        bericht.sSicherung = sicherung.value();
        zeile(QStringLiteral("Datenbank gesichert: %1").arg(bericht.sSicherung));
    }

    const auto fehlgeschlagen = [&](const Error& e) {
        return Undo(cn, wahl, e, bericht.sSicherung);
    };
    // The files may have changed while the question was up: the checks are made again, now
    // on what is written, under the write lock on the user database, taken at once as a run
    // takes it (an immediate transaction would ask for one on the read-only archive as well).
    if (Status s = cn.Execute(QStringLiteral("BEGIN; DELETE FROM main.Optionen WHERE 0")); !s.ok())
        return fehlgeschlagen(s.error());
    if (Status s = CheckRestoreTables(cn); !s.ok()) return fehlgeschlagen(s.error());
    zeile(QStringLiteral("Daten zurückholen"));
    std::optional<Error> fehler;
    {
        // The run's functions and temporary tables go with it, before the connection closes.
        RestoreRun lauf(cn, wahl, fortschritt, vorab);
        Result<std::vector<RestoreCount>> ergebnis = lauf.Run(true);
        if (ergebnis.ok())
            bericht.tabellen = ergebnis.value();
        else
            fehler = ergebnis.error();
    }
    if (fehler) return fehlgeschlagen(*fehler);
    if (Status s = CheckCancel(); !s.ok()) return fehlgeschlagen(s.error());
    // The pages are written under the lock the commit needs; from here it is finished.
    if (Status s = cn.PrepareCommit(); !s.ok()) return fehlgeschlagen(s.error());
    {
        const CancelHold halten;
        if (Status s = cn.CommitTrans(); !s.ok()) return fehlgeschlagen(s.error());
    }
    cn.Close();
    if (fortschritt.onPercent) fortschritt.onPercent(100);
    return bericht;
}

}  // namespace tolva
