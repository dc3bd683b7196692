// Restore: the checks, the question and the backup before a restore, and its transaction from
// the first insert to the verified commit.
#include "restore/Restore.h"

#include "archive/ArchiveSeal.h"
#include "browse/ArchiveCheck.h"
#include "browse/BrowseFile.h"
#include "browse/SalvageReader.h"
#include "database/Cancel.h"
#include "database/Connection.h"
#include "database/ConnectionText.h"
#include "database/SqlValue.h"
#include "files/ArchiveFile.h"
#include "files/Backup.h"
#include "files/RunFolder.h"
#include "hostlib/Clock.h"
#include "hostlib/HostServices.h"
#include "hostlib/MessageBox.h"
#include "restore/RestoreRun.h"
#include "text/DisplayFormat.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cerrno>
#include <map>

namespace tolva {
namespace {

// A text of several lines in the language shown, with the line ends of the restore's messages
// (CR LF); its source and translation keep plain LF.
QString Lines(const char* sText) {
    return QCoreApplication::translate("Restore", sText).replace(u'\n', QStringLiteral("\r\n"));
}

QString Title() {
    return QCoreApplication::translate("Restore", "Archiv zurückholen");
}

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

// The seal's counts against the rows: of the small tables always (a count of each), of the
// tables of moved rows when the choice is every row (the counts taken for the question).
Status CompareCounts(Connection& cn, const RestoreChoice& wahl,
                     const std::map<QString, Pruefsumme>& siegel,
                     const std::vector<RestoreCount>& zaehler) {
    for (const auto& [sTabelle, summe] : siegel) {
        std::optional<qint64> lGezaehlt;
        if (IsMovedTable(sTabelle)) {
            if (!ChoiceCondition(sTabelle, wahl, {}).isEmpty()) continue;
            for (const RestoreCount& z : zaehler)
                if (z.sTabelle == sTabelle) lGezaehlt = z.lImArchiv;
        } else {
            Result<qint64> n = FirstInt(
                cn.Handle(),
                QStringLiteral("SELECT count(*) FROM archiv.%1").arg(QuoteIdentifier(sTabelle)),
                wahl.sArchiv);
            if (!n.ok()) return n.status();
            lGezaehlt = n.value();
        }
        if (lGezaehlt && *lGezaehlt != summe.lAnzahl)
            return DamagedArchive(
                wahl.sArchiv,
                QCoreApplication::translate("Restore",
                                            "die Tabelle %1 hat %2 Zeilen, ihr Siegel nennt %3")
                    .arg(sTabelle, DisplayCount(*lGezaehlt), DisplayCount(summe.lAnzahl)));
    }
    return Status::Ok();
}

// A read error of the archive (a page that does not decrypt, a broken b-tree, bytes that do
// not read) becomes the refusal of a damaged archive, naming what a check of it finds; only
// on this failing path is the archive read whole. Other errors stay as they are.
Error DamageRefusal(const RestoreChoice& wahl, const Error& fehler) {
    if (fehler.kind != ErrorKind::Sqlite || !IsDamage(fehler.code)) return fehler;
    const ArchivePruefung p = CheckArchive(wahl.sArchiv, wahl.sPasswort);
    if (p.eZustand != PruefZustand::NichtLesbar && p.eZustand != PruefZustand::Beschaedigt)
        return fehler;
    const std::vector<QString> tabellen = UnreadableTables(wahl.sArchiv, wahl.sPasswort);
    if (tabellen.empty()) return DamagedArchive(wahl.sArchiv, ShownCheckText(p)).error();
    QStringList namen;
    for (const QString& t : tabellen) namen << t;
    const QString sWas = namen.size() == 1
                             ? QCoreApplication::translate(
                                   "Restore", "die Tabelle %1 lässt sich nicht ganz lesen (%2)")
                             : QCoreApplication::translate(
                                   "Restore", "die Tabellen %1 lassen sich nicht ganz lesen (%2)");
    return DamagedArchive(wahl.sArchiv, sWas.arg(namen.join(QStringLiteral(", ")), p.sGrund))
        .error();
}

// The archive checked as every reader checks it (complete, keyed, its password), the user
// database against it, and the rows of the choice counted. Leaves cn open on the user
// database with the archive attached, outside a transaction.
// siegel: the seal's tables, when the archive has a seal (it then matched its rows).
Result<std::vector<RestoreCount>> CheckAndCount(
    const RestoreChoice& wahl, Connection& cn,
    std::optional<std::map<QString, Pruefsumme>>& siegel) {
    if (CanonicalName(wahl.sArchiv) == CanonicalName(wahl.sDatenbank))
        return Error{
            QCoreApplication::translate("Restore", "„%1“ ist die Datenbank selbst und kein Archiv.")
                .arg(wahl.sArchiv)};
    {
        Result<std::unique_ptr<BrowseFile>> archiv = BrowseFile::Open(wahl.sArchiv, wahl.sPasswort);
        if (!archiv.ok()) return archiv.error();
        Result<std::optional<ArchiveSeal>> gelesen =
            ReadSeal(archiv.value()->Handle(), wahl.sArchiv);
        if (!gelesen.ok()) return gelesen.error();
        if (gelesen.value() && !SealMatches(*gelesen.value()))
            return DamagedArchive(wahl.sArchiv,
                                  QCoreApplication::translate(
                                      "Restore", "sein Siegel passt nicht zu seinen Zeilen"))
                .error();
        if (gelesen.value()) siegel = gelesen.value()->tabellen;
    }
    if (Status s = OpenWithArchive(cn, wahl); !s.ok()) return s.error();
    if (Status s = CheckRestoreTables(cn); !s.ok()) return s.error();
    if (wahl.konten)
        for (qint64 id : *wahl.konten) {
            Result<bool> da = ArchiveHasAccount(cn, wahl.sArchiv, id);
            if (!da.ok()) return da.error();
            if (!da.value())
                return Error{QCoreApplication::translate(
                                 "Restore", "Im Archiv „%1“ steht nichts vom Konto %2.")
                                 .arg(wahl.sArchiv, QString::number(id))};
        }
    std::vector<RestoreCount> zaehler;
    for (const RestoreTable& t : kRestoreTables) {
        Result<qint64> n = CountSelected(cn, QString::fromUtf8(t.sTabelle), wahl);
        if (!n.ok()) return n.error();
        zaehler.push_back(
            {QString::fromUtf8(t.sTabelle), QString::fromUtf8(t.sName), n.value(), 0, 0, 0});
    }
    if (siegel)
        if (Status s = CompareCounts(cn, wahl, *siegel, zaehler); !s.ok()) return s.error();
    return zaehler;
}

// The question before a restore: per table what goes back, what is there already and what
// was edited since.
bool AskRestore(const RestoreChoice& wahl, const std::vector<RestoreCount>& plan) {
    QString sListe;
    for (const RestoreCount& z : plan) {
        if (z.lImArchiv == 0 || !IsMovedTable(z.sTabelle)) continue;
        sListe += QCoreApplication::translate("Restore", "    %1: %2 zurück")
                      .arg(ShownRowsName(z.sName), DisplayCount(z.lZurueck));
        if (z.lNeueIds > 0)
            sListe += QCoreApplication::translate("Restore", " (%1 unter neuen Nummern)")
                          .arg(DisplayCount(z.lNeueIds));
        if (z.lVorhanden > 0)
            sListe += QCoreApplication::translate("Restore", ", %1 schon vorhanden")
                          .arg(DisplayCount(z.lVorhanden));
        if (z.lGeaendert > 0)
            sListe += QCoreApplication::translate("Restore",
                                                  ", %1 seitdem geändert (bleiben, wie sie sind)")
                          .arg(DisplayCount(z.lGeaendert));
        sListe += QStringLiteral("\r\n");
    }
    QString sKonten;
    if (wahl.konten) {
        QStringList ids;
        for (qint64 id : *wahl.konten) ids << QString::number(id);
        sKonten = (ids.size() == 1 ? QCoreApplication::translate("Restore", " (nur Konto %1)")
                                   : QCoreApplication::translate("Restore", " (nur Konten %1)"))
                      .arg(ids.join(QStringLiteral(", ")));
    }
    const QString sText =
        Lines(QT_TRANSLATE_NOOP("Restore",
                                "Aus dem Archiv „%1“%2 werden in die Datenbank „%3“ "
                                "zurückgeholt:\n\n%4\nWas dort schon steht, wird übersprungen; "
                                "was seitdem geändert wurde, bleibt, wie es ist.%5\n\nDaten "
                                "jetzt zurückholen?"))
            .arg(wahl.sArchiv, sKonten, wahl.sDatenbank, sListe,
                 wahl.bSichern ? QCoreApplication::translate(
                                     "Restore", " Vorher wird die Datenbank gesichert.")
                               : QCoreApplication::translate(
                                     "Restore", " Eine Datensicherung wird nicht erstellt."));
    return Host().ShowMessage(sText, vbYesNo + vbQuestion + vbDefaultButton2, Title(), true, 0) ==
           vbYes;
}

// The whole plan of a restore without writing: a read transaction, every decision, rolled
// back. Refusals come as they would in the restore.
Result<std::vector<RestoreCount>> PlanRestore(
    Connection& cn, const RestoreChoice& wahl, const std::map<QString, qint64>& vorab,
    const std::optional<std::map<QString, Pruefsumme>>& siegel) {
    if (Status s = cn.Execute(QStringLiteral("BEGIN")); !s.ok()) return s.error();
    Result<std::vector<RestoreCount>> plan = Error{QString()};
    const RestoreProgress still;
    {
        RestoreRun lauf(cn, wahl, still, vorab);
        if (siegel && !wahl.konten) lauf.CheckAgainstSeal(&*siegel);
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
    return Error{QCoreApplication::translate(
                     "Restore", "Für die Sicherung von „%1“ ist kein freier Name zu finden.")
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
        e.description +=
            Lines(QT_TRANSLATE_NOOP("Restore", "\nDie Sicherung „%1“ bleibt erhalten."))
                .arg(sSicherung);
    return e;
}

}  // namespace

QString ShownRowsName(const QString& sName) {
    return QCoreApplication::translate("RestoreNames", sName.toUtf8().constData());
}

Status DamagedArchive(const QString& sArchiv, const QString& sWas) {
    return Status::Fail(
        Lines(QT_TRANSLATE_NOOP("Restore",
                                "Das Archiv „%1“ ist beschädigt: %2. Es wurde nichts "
                                "zurückgeholt.\nWas sich noch lesen lässt, rettet „tolva-archiv "
                                "verify %1 --salvage NEU.aba“ in ein neues Archiv."))
            .arg(sArchiv, sWas),
        kCodeBeschaedigt);
}

Result<std::vector<RestoreCount>> CountArchiveRows(const RestoreChoice& wahl) {
    Connection cn;
    std::optional<std::map<QString, Pruefsumme>> siegel;
    Result<std::vector<RestoreCount>> zaehler = CheckAndCount(Absolute(wahl), cn, siegel);
    if (!zaehler.ok()) return DamageRefusal(Absolute(wahl), zaehler.error());
    return zaehler;
}

Result<std::vector<MissingAccount>> FindMissingAccounts(const RestoreChoice& wahl) {
    Connection cn;
    std::optional<std::map<QString, Pruefsumme>> siegel;
    Result<std::vector<RestoreCount>> zaehler = CheckAndCount(Absolute(wahl), cn, siegel);
    if (!zaehler.ok()) return DamageRefusal(Absolute(wahl), zaehler.error());
    return MissingAccountsOf(cn, Absolute(wahl));
}

Result<RestoreReport> StartRestore(const RestoreChoice& auswahl,
                                   const RestoreProgress& fortschritt) {
    const RestoreChoice wahl = Absolute(auswahl);
    Connection cn;
    std::optional<std::map<QString, Pruefsumme>> siegel;
    Result<std::vector<RestoreCount>> zaehler = CheckAndCount(wahl, cn, siegel);
    if (!zaehler.ok()) {
        cn.Close();
        return DamageRefusal(wahl, zaehler.error());
    }
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
        return Error{QCoreApplication::translate("Restore",
                                                 "Im Archiv „%1“ stehen für diese Auswahl keine "
                                                 "Daten; es wurde nichts zurückgeholt.")
                         .arg(wahl.sArchiv)};
    if (wahl.bProbe || wahl.bFragen) {
        Result<std::vector<RestoreCount>> plan = PlanRestore(cn, wahl, vorab, siegel);
        if (!plan.ok()) {
            cn.Close();
            return DamageRefusal(wahl, plan.error());
        }
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
        zeile(QCoreApplication::translate("Restore", "Datenbank gesichert: %1")
                  .arg(bericht.sSicherung));
    }

    const auto fehlgeschlagen = [&](const Error& e) {
        return Undo(cn, wahl, DamageRefusal(wahl, e), bericht.sSicherung);
    };
    // The files may have changed while the question was up: the checks are made again, now
    // on what is written, under the write lock on the user database, taken at once as a run
    // takes it (an immediate transaction would ask for one on the read-only archive as well).
    if (Status s = cn.Execute(QStringLiteral("BEGIN; DELETE FROM main.Optionen WHERE 0")); !s.ok())
        return fehlgeschlagen(s.error());
    if (Status s = CheckRestoreTables(cn); !s.ok()) return fehlgeschlagen(s.error());
    zeile(QCoreApplication::translate("Restore", "Daten zurückholen"));
    std::optional<Error> fehler;
    {
        // The run's functions and temporary tables go with it, before the connection closes.
        // Only a restore of the whole archive sums every row as the seal does: the seal sums
        // whole tables, and summing the rows of the accounts not chosen as well would cost a
        // restore of some accounts about a quarter more than its floor allows.
        RestoreRun lauf(cn, wahl, fortschritt, vorab);
        if (siegel && !wahl.konten) lauf.CheckAgainstSeal(&*siegel);
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
