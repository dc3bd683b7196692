// CreateArchive: one archive run from the shared state to a finished archive file.
#include "archive/ModArchiv.h"

#include "archive/ArchiveFile.h"
#include "archive/BulkCopy.h"
#include "archive/CopyLedger.h"
#include "archive/ModCrypt.h"
#include "archive/PlainText.h"
#include "archive/RunFolder.h"
#include "component/ArchivForm.h"
#include "component/SharedState.h"
#include "database/Cancel.h"
#include "database/ConnectionText.h"
#include "database/Recordset.h"
#include "database/Schema.h"
#include "hostlib/Clock.h"
#include "hostlib/HostServices.h"
#include "hostlib/MessageBox.h"

#include <QFile>
#include <QFileInfo>

#include <optional>

namespace tolva {
namespace {

const QString kTitelAssistent = QStringLiteral("Archivierungs-Assistent");

// " AND KontoID IN (1,2,3)": the selections of a run are narrowed to the ticked accounts.
// When most accounts are ticked, a plain pass over the table beats a lookup per row through
// the account index; "+KontoID" tells the database not to use that index.
QString TickedAccountsCondition(const std::vector<QString>& aKontenAuswahl, int lKontenGesamt) {
    QStringList ids;
    for (const QString& s : aKontenAuswahl) {
        bool ok = false;
        const qint64 id = s.trimmed().toLongLong(&ok);
        if (ok) ids << QString::number(id);
    }
    const bool bDurchlauf = 2 * static_cast<qint64>(ids.size()) >= lKontenGesamt;
    return (bDurchlauf ? QStringLiteral(" AND +KontoID IN (")
                       : QStringLiteral(" AND KontoID IN (")) +
           ids.join(QLatin1Char(',')) + QLatin1Char(')');
}

// The Jet date literal of a date: #2013/7/5#.
QString JetDateLiteral(const QDate& d) {
    return QStringLiteral("#%1/%2/%3#").arg(d.year()).arg(d.month()).arg(d.day());
}

// The state of one run and its steps; CreateArchive drives it.
class ArchiveRun {
  public:
    explicit ArchiveRun(RunFolder ordner)
        : g_(Shared()),
          form_(*g_.oArchivForm),
          cnDatenbank_(*g_.cnDatenbank),
          ordner_(std::move(ordner)),
          sTemp_(ordner_.PathOf(RunFolder::kArchivDatei)) {}

    bool Run();

  private:
    // The run's error exit: its message, then everything undone.
    bool Fail(const Status& status);
    // Undoes the run without a message: user database rolled back and closed, archive gone.
    bool CleanUp();
    void AddLine(const QString& sZeile, bool bNeuZeichnen = true);

    Status MakeArchiveFile();
    Status OpenArchive();
    Result<bool> VersionsMatch();
    Status StorePassword();
    Status CopyBanks();
    Status CopyAccounts();
    Status WriteDescription();
    Status FinishArchiveFile();
    // Removes the archived rows from the user database; a refusal shows the copier's message
    // and rolls back, and the run then only cleans up.
    bool RemoveArchivedRows();
    Status PutArchiveInPlace();

    SharedState& g_;
    ArchivForm& form_;
    Connection& cnDatenbank_;
    RunFolder ordner_;     // the run's private folder; holds the lock on the target's name
    const QString sTemp_;  // the archive while it is written, inside ordner_
    Connection cnArchiv_;
    QString sBeschreibung_;
    bool bAmZiel_ = false;  // the new archive stands under the target name
    QString sErsetzt_;      // the archive that this run replaces, kept until the run has ended
    // From the rename to the commit the run finishes even when cancellation is requested.
    std::optional<CancelHold> halten_;
};

bool ArchiveRun::Run() {
    CurrentLedger() = CopyLedger();
    form_.SetBusyPointer(true);
    form_.SetProgressVisible(true);
    form_.SetProgress(0);

    if (Status s = MakeArchiveFile(); !s.ok()) return Fail(s);
    const QDateTime jetzt = CurrentDateTime();
    sBeschreibung_ = QStringLiteral("Alle Daten älter als ") +
                     g_.dStichtag.toString(QStringLiteral("dd.MM.yyyy")) +
                     QStringLiteral(", erstellt am ") + g_.oTools->FormatDatum(jetzt.date()) +
                     QStringLiteral(" ") + jetzt.time().toString(QStringLiteral("HH:mm:ss"));
    if (Status s = cnDatenbank_.BeginTrans(); !s.ok()) return Fail(s);
    if (Status s = OpenArchive(); !s.ok()) return Fail(s);

    Result<bool> gleich = VersionsMatch();
    if (!gleich.ok()) return Fail(gleich.status());
    if (!gleich.value()) {
        Host().ShowMessage(QStringLiteral("Die Datenbank ist in einer alten Version. Bitte "
                                          "konvertieren Sie die Datenbank zuvor in das neueste "
                                          "Format oder führen Sie ein Online-Update aus!"),
                           vbExclamation, kTitelAssistent, true, 0);
        return CleanUp();
    }
    if (Status s = StorePassword(); !s.ok()) return Fail(s);

    form_.ClearProgressList();
    form_.SetProgressListVisible(true);
    if (Status s = CopyBanks(); !s.ok()) return Fail(s);
    if (Status s = CopyAccounts(); !s.ok()) return Fail(s);

    const QString sKonten = TickedAccountsCondition(g_.aKontenAuswahl, form_.AccountRowCount());
    AddLine(QStringLiteral("Umsätze archivieren"), false);
    const struct {
        const char* tabelle;
        const char* feld;
    } buchungen[] = {{"Umsätze", "Buchungsdatum"},
                     {"UmsZusatz", "BuchungsID"},
                     {"OffeneUmsätze", "Buchungsdatum"}};
    for (const auto& b : buchungen) {
        const QString sTabelle = QString::fromUtf8(b.tabelle);
        const QString sWhere = QStringLiteral(" WHERE ") + QString::fromUtf8(b.feld) +
                               QStringLiteral(" < '") + g_.oTools->FormatSqlDatum(g_.dStichtag) +
                               QStringLiteral("'") + sKonten;
        if (CopyTable(cnArchiv_, QStringLiteral("SELECT * FROM ") + sTabelle, sTabelle, sWhere)
                .bFehler)
            return CleanUp();
    }

    QString sLabel;
    for (size_t i = 0; i < g_.aKontenMitDaten.size(); ++i) {
        GetAccountLabel(g_.aKontenMitDaten[i].trimmed().toLongLong(), sLabel);
        const qint64 anzahl = i < g_.aAnzahlDaten.size() ? g_.aAnzahlDaten[i] : 0;
        AddLine(QString::number(anzahl) + QStringLiteral(" Umsätze des Kontos ") + sLabel +
                QStringLiteral(" archiviert"));
    }

    const QString sDatum = JetDateLiteral(g_.dStichtag);
    CopyTableErgebnis auftraege =
        CopyTable(cnArchiv_, QStringLiteral("SELECT * FROM Aufträge"), QStringLiteral("Aufträge"),
                  QStringLiteral(" WHERE Status = 4 and Datum < ") + sDatum + sKonten);
    if (auftraege.bFehler) return CleanUp();
    if (auftraege.n != 0)
        AddLine(QString::number(auftraege.n) + QStringLiteral(" gesendete Aufträge archiviert"));

    // Items follow their order's execution date, the orders their own date.
    qint64 lEinzelAnzahl = 0;
    {
        Recordset rsQuelle;
        if (Status s = rsQuelle.Open(
                QStringLiteral("SELECT * FROM SammelAufträge WHERE (Status = 1 OR Status = 4)") +
                    sKonten,
                cnDatenbank_, adOpenKeyset, adLockOptimistic, adCmdTableDirect);
            !s.ok())
            return Fail(s);
        const QString sStichtag = g_.oTools->FormatSqlDatum(g_.dStichtag);
        const int ausf = rsQuelle.FieldIndex(QStringLiteral("AusfDatum"));
        const int id = rsQuelle.FieldIndex(QStringLiteral("id"));
        if (ausf < 0 || id < 0)
            return Fail(
                Status::Fail(QStringLiteral("Die Tabelle SammelAufträge ist unvollständig.")));
        while (!rsQuelle.Eof()) {
            const QByteArray sAusf = rsQuelle.Field(ausf).toByteArray();
            if (!sAusf.isEmpty() && Decrypt(sAusf, false) < sStichtag) {
                CopyTableErgebnis einzel =
                    CopyTable(cnArchiv_,
                              QStringLiteral("SELECT * FROM SammelEinzel WHERE SammelID = ") +
                                  QString::number(rsQuelle.Field(id).toLongLong()),
                              QStringLiteral("SammelEinzel"), QString());
                if (einzel.bFehler) return CleanUp();
                lEinzelAnzahl += einzel.n;
            }
            if (Status s = rsQuelle.MoveNext(); !s.ok()) return Fail(s);
        }
    }

    CopyTableErgebnis sammel = CopyTable(
        cnArchiv_, QStringLiteral("SELECT * FROM SammelAufträge"), QStringLiteral("SammelAufträge"),
        QStringLiteral(" WHERE (Status = 1 OR Status = 4) AND Datum < ") + sDatum + sKonten);
    if (sammel.bFehler) return CleanUp();
    if (sammel.n != 0)
        AddLine(QString::number(sammel.n) + QStringLiteral(" gesendete Sammelaufträge mit ") +
                QString::number(lEinzelAnzahl) + QStringLiteral(" Einzelaufträge archiviert"));

    if (Status s = WriteDescription(); !s.ok()) return Fail(s);
    g_.bEntfernen = false;  // from here on nothing is deleted from the user database

    const struct {
        const char* tabelle;
        const char* zeile;
    } stammdaten[] = {{"Kategorien", " Kategorien archiviert"},
                      {"Empfänger", " Empfänger archiviert"}};
    for (const auto& t : stammdaten) {
        const QString sTabelle = QString::fromUtf8(t.tabelle);
        CopyTableErgebnis e =
            CopyTable(cnArchiv_, QStringLiteral("SELECT * FROM ") + sTabelle, sTabelle, QString());
        if (e.bFehler) return CleanUp();
        if (e.n != 0) AddLine(QString::number(e.n) + QString::fromUtf8(t.zeile));
    }

    form_.SetProgressVisible(false);
    form_.SetBusyPointer(false);
    if (Status s = FinishArchiveFile(); !s.ok()) return Fail(s);
    if (!RemoveArchivedRows()) return CleanUp();
    if (Status s = PutArchiveInPlace(); !s.ok()) return Fail(s);

    Host().ShowMessage(QStringLiteral("Die Daten wurden erfolgreich archiviert."), vbOKOnly,
                       QStringLiteral("Archivierung beendet"), true, 0);
    if (Status s = cnDatenbank_.CommitTrans(); !s.ok()) return Fail(s);
    cnDatenbank_.Close();
    halten_.reset();
    // The removal is committed: the archive that was replaced is no longer needed.
    if (!sErsetzt_.isEmpty()) QFile::remove(sErsetzt_);
    return true;
}

bool ArchiveRun::Fail(const Status& status) {
    form_.SetBusyPointer(false);
    Host().ShowMessage(QStringLiteral("Beim Archivieren ist folgender Fehler aufgetreten:") +
                           QStringLiteral("\r\n") + status.description(),
                       vbCritical, QStringLiteral("Export"), true, 0);
    return CleanUp();
}

bool ArchiveRun::CleanUp() {
    const CancelHold halten;  // the clean-up itself is never cut short
    form_.SetBusyPointer(false);
    form_.SetProgressListVisible(false);
    if (cnDatenbank_.InTransaction()) (void)cnDatenbank_.RollbackTrans();  // already failing
    cnDatenbank_.Close();
    cnArchiv_.Close();
    // The user database kept its rows. A new archive that already stands under the target
    // name goes; the archive it replaced comes back, since it may hold rows that an earlier
    // run removed.
    if (bAmZiel_) {
        if (!sErsetzt_.isEmpty()) {
            if (RenameFile(sErsetzt_, g_.sArchivDatei).ok()) sErsetzt_.clear();
        } else {
            QFile::remove(g_.sArchivDatei);
        }
    } else if (!sErsetzt_.isEmpty()) {
        QFile::remove(sErsetzt_);  // the old archive was never touched
    }
    (void)ordner_.Remove();  // what cannot go now is removed by the next run into the folder
    halten_.reset();
    form_.SetProgressVisible(false);
    form_.SetBusyPointer(false);
    return false;
}

void ArchiveRun::AddLine(const QString& sZeile, bool bNeuZeichnen) {
    form_.AddProgressLine(sZeile);
    if (bNeuZeichnen) form_.RepaintProgressList();
}

Status ArchiveRun::MakeArchiveFile() {
    const QString sVorlage =
        FolderSetting(kSettingVorlagenPfad) + QString::fromUtf8(kTemplateFileName);
    if (!QFile::exists(sVorlage))
        return Status::Fail(QStringLiteral("Die Archivvorlage \"") + sVorlage +
                            QStringLiteral("\" wurde nicht gefunden."));
    // The archive holds the same banking data: nobody may read it who may not read the
    // user database.
    return CopyToNewFile(sVorlage, sTemp_, PrivateCopyMode(g_.sDatenbank), g_.sArchivDatei);
}

Status ArchiveRun::OpenArchive() {
    cnArchiv_.SetMode(Connection::adModeShareExclusive);
    cnArchiv_.SetDisplayName(g_.sArchivDatei);
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

Result<bool> ArchiveRun::VersionsMatch() {
    Recordset rsQuelle;
    Recordset rsZiel;
    if (Status s = rsQuelle.Open(QStringLiteral("Optionen"), cnDatenbank_); !s.ok())
        return s.error();
    if (Status s = rsZiel.Open(QStringLiteral("Optionen"), cnArchiv_); !s.ok()) return s.error();
    if (rsQuelle.Eof() || rsZiel.Eof())
        return Error{QStringLiteral("Die Tabelle Optionen enthält keine Zeile.")};
    const Result<QVariant> alt = rsQuelle.Field(QStringLiteral("Version"));
    const Result<QVariant> neu = rsZiel.Field(QStringLiteral("Version"));
    if (!alt.ok()) return alt.error();
    if (!neu.ok()) return neu.error();
    return alt.value() == neu.value();
}

Status ArchiveRun::StorePassword() {
    Recordset rsQuelle;
    Recordset rsZiel;
    if (Status s = rsQuelle.Open(QStringLiteral("Optionen"), cnDatenbank_); !s.ok()) return s;
    if (Status s = rsZiel.Open(QStringLiteral("Optionen"), cnArchiv_); !s.ok()) return s;
    Result<QVariant> gespeichert = rsQuelle.Field(QStringLiteral("Paßwort"));
    if (!gespeichert.ok()) return gespeichert.status();
    QVariant wert = gespeichert.value();
    if (g_.lPasswortModus != 1) {
        const QString sNeu = g_.lPasswortModus == 2 ? form_.NewPasswordText() : QString();
        // A Null record counts as the empty text.
        Result<QString> satz = ReplacePassword(Decrypt(wert.toByteArray(), true), sNeu);
        if (!satz.ok()) return satz.status();
        Result<QByteArray> verschluesselt = Encrypt(satz.value(), true);
        if (!verschluesselt.ok()) return verschluesselt.status();
        wert = verschluesselt.value();
    }
    if (Status s = rsZiel.SetField(QStringLiteral("Paßwort"), wert); !s.ok()) return s;
    return rsZiel.Update();
}

Status ArchiveRun::CopyBanks() {
    Recordset rsZiel;
    if (Status s = rsZiel.Open(QStringLiteral("BankDaten"), cnArchiv_); !s.ok()) return s;
    for (const QString& sBank : g_.aInstitute) {
        Recordset rsQuelle;
        if (Status s = rsQuelle.Open(QStringLiteral("SELECT * FROM BankDaten WHERE id = ") +
                                         QString::number(sBank.trimmed().toLongLong()),
                                     cnDatenbank_);
            !s.ok())
            return s;
        if (rsQuelle.Eof()) continue;  // a bank without its row copies nothing
        if (Status s = CopyRecord(rsQuelle, rsZiel); !s.ok()) return s;
    }
    return Status::Ok();
}

Status ArchiveRun::CopyAccounts() {
    qint64 lMaxNr = 0;
    {
        Recordset rs;
        if (Status s = rs.Open(QStringLiteral("SELECT MAX (Nr) from Konten"), cnDatenbank_);
            !s.ok())
            return s;
        if (!rs.Eof()) lMaxNr = rs.Field(0).toLongLong();
    }
    Recordset rsZiel;
    if (Status s = rsZiel.Open(QStringLiteral("Konten"), cnArchiv_); !s.ok()) return s;
    for (const QString& sKonto : g_.aKontenMitDaten) {
        const qint64 id = sKonto.trimmed().toLongLong();
        Recordset rsQuelle;
        if (Status s = rsQuelle.Open(
                QStringLiteral("Select * from Konten where ID = ") + QString::number(id),
                cnDatenbank_);
            !s.ok())
            return s;
        if (rsQuelle.Eof()) continue;
        const int nr = rsQuelle.FieldIndex(QStringLiteral("Nr"));
        if (nr < 0) return Status::Fail(QStringLiteral("Die Tabelle Konten hat kein Feld Nr."));
        const bool bNegativ = rsQuelle.Field(nr).toLongLong() < 0;
        if (Status s = rsZiel.AddNew(); !s.ok()) return s;
        for (int i = 0; i < rsQuelle.FieldCount(); ++i)
            if (Status s = rsZiel.SetField(i, rsQuelle.Field(i)); !s.ok()) return s;
        // A negative number gets a fresh one above all others in the archive, and -1 at home.
        if (bNegativ)
            if (Status s = rsZiel.SetField(nr, ++lMaxNr); !s.ok()) return s;
        if (Status s = rsZiel.Update(); !s.ok()) return s;
        if (bNegativ)
            if (Status s = cnDatenbank_.Execute(
                    QStringLiteral("UPDATE Konten SET Nr = -1 WHERE id = ") + QString::number(id));
                !s.ok())
                return s;
    }
    return Status::Ok();
}

Status ArchiveRun::WriteDescription() {
    Result<QByteArray> daten = Encrypt(sBeschreibung_, false);
    if (!daten.ok()) return daten.status();
    Recordset rsZiel;
    if (Status s = rsZiel.Open(QStringLiteral("Daten"), cnArchiv_); !s.ok()) return s;
    if (Status s = rsZiel.AddNew(); !s.ok()) return s;
    if (Status s = rsZiel.SetField(QStringLiteral("Daten"), daten.value()); !s.ok()) return s;
    if (Status s = rsZiel.SetField(QStringLiteral("Flag"), 1); !s.ok()) return s;
    if (Status s = rsZiel.SetField(QStringLiteral("Typ"), 99); !s.ok()) return s;
    if (Status s = rsZiel.SetField(QStringLiteral("Datum"),
                                   g_.oTools->FormatSqlDatum(CurrentDateTime().date()));
        !s.ok())
        return s;
    return rsZiel.Update();
}

Status ArchiveRun::FinishArchiveFile() {
    if (Status s = cnArchiv_.CommitTrans(); !s.ok()) return s;
    if (Status s = VerifyArchive(cnArchiv_, CurrentLedger()); !s.ok()) return s;
    if (Status s = DetachSource(cnArchiv_); !s.ok()) return s;
    cnArchiv_.Close();
    return FlushFile(sTemp_, g_.sArchivDatei);
}

bool ArchiveRun::RemoveArchivedRows() {
    // Only rows that the archive verifiably holds leave the user database.
    CopyLedger::Loeschung abgelehnt;
    const Status s = ApplyPendingDeletes(cnDatenbank_, CurrentLedger(), &abgelehnt);
    if (s.ok()) return true;
    // As a copy whose delete is refused: every row was visited, none stays archived.
    ShowCopyFailure(abgelehnt.lAnzahl, abgelehnt.lAnzahl, s);
    return false;
}

Status ArchiveRun::PutArchiveInPlace() {
    if (Status s = CheckCancel(); !s.ok()) return s;
    // The commit after the success message must not meet a reader: the changed pages are
    // written now, under the lock the commit needs. If readers stay, the run fails here,
    // before anything is renamed.
    if (Status s = cnDatenbank_.FlushCache(); !s.ok()) return s;
    halten_.emplace();
    if (EntryExists(g_.sArchivDatei)) {
        Result<QString> ersetzt = KeepReplacedArchive(g_.sArchivDatei);
        if (!ersetzt) return ersetzt.status();
        sErsetzt_ = ersetzt.value();
    }
    if (Status s = RenameFile(sTemp_, g_.sArchivDatei); !s.ok()) return s;
    bAmZiel_ = true;
    return SyncFolder(ordner_.TargetFolder());
}

}  // namespace

bool CreateArchive(RunFolder ordner) {
    if (!Shared().oArchivForm || !Shared().cnDatenbank || !Shared().oTools) return false;
    return ArchiveRun(std::move(ordner)).Run();
}

}  // namespace tolva
