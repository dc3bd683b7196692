// The copy steps of an archive run: versions, password record, banks, accounts, bookings,
// orders, collective orders, the description record, categories and payees.
#include "archive/ArchiveRun.h"

#include "archive/RunSelection.h"
#include "database/Query.h"
#include "database/Recordset.h"
#include "hostlib/Clock.h"
#include "hostlib/HostServices.h"
#include "hostlib/HostTools.h"
#include "hostlib/MessageBox.h"
#include "state/ArchivForm.h"
#include "text/DisplayFormat.h"
#include "text/ModCrypt.h"

#include <sqlite3.h>
#include <QCoreApplication>

#include <set>

namespace tolva {
namespace {

// The selection of a table's rows dated before the cut-off for the ticked accounts: a where
// text for copying and deleting, and one that counts the same rows cheaply. Copying takes one
// of two ways: when the accounts hold a large share of the table, one pass over it ("+KontoID"
// keeps the database from walking the account index account by account, reading each page
// once per account); else, when the account index holds the date (bImIndex), it gives the row
// ids first and the rows are then read in the order they are stored, each page once. Counting
// goes through the account index alone when it holds the date, else it takes the copy's way.
// When the table holds rows of ticked accounts only (bNurGewaehlte), every row before the
// cut-off is selected without looking its account up in the list.
CopyHints DatedSelection(const QString& sTabelle, const QString& sDatum, const QString& sIds,
                         bool bImIndex, bool bWenige, bool bNurGewaehlte, QString* sWhere) {
    const QString sIndex = QStringLiteral(" WHERE ") + sDatum +
                           QStringLiteral(" AND KontoID IN (") + sIds + QLatin1Char(')');
    const QString sDurchlauf = QStringLiteral(" WHERE ") + sDatum +
                               QStringLiteral(" AND +KontoID IN (") + sIds + QLatin1Char(')');
    *sWhere = bImIndex && bWenige ? QStringLiteral(" WHERE rowid IN (SELECT rowid FROM ") +
                                        sTabelle + sIndex + QLatin1Char(')')
                                  : sDurchlauf;
    if (bNurGewaehlte) *sWhere = QStringLiteral(" WHERE ") + sDatum;
    CopyHints hinweise;
    hinweise.sZaehlWhere = bImIndex ? sIndex : sDurchlauf;
    return hinweise;
}

// Whether every row of the table has an account (a whole number) and every such account is
// ticked: one seek in the account index per distinct account.
Result<bool> OnlyTickedAccounts(Connection& cn, const QString& sTabelle,
                                const std::set<qint64>& gewaehlt) {
    const QByteArray t = sTabelle.toUtf8();
    Query erste(cn.Handle(), "SELECT KontoID FROM \"" + t + "\" ORDER BY KontoID LIMIT 1",
                cn.MessageName());
    Query naechste(cn.Handle(),
                   "SELECT KontoID FROM \"" + t + "\" WHERE KontoID > ?1 ORDER BY KontoID LIMIT 1",
                   cn.MessageName());
    Query* q = &erste;
    for (;;) {
        if (!q->Next()) {
            if (!q->status().ok()) return q->status().error();
            return true;
        }
        if (sqlite3_column_type(q->Handle(), 0) != SQLITE_INTEGER || !gewaehlt.count(q->Int(0)))
            return false;
        const qint64 id = q->Int(0);
        q = &naechste;
        q->Reset();
        q->Bind(1, id);
    }
}

}  // namespace

Status ArchiveRun::CheckVersions() {
    Recordset rsQuelle;
    Recordset rsZiel;
    if (Status s = rsQuelle.Open(QStringLiteral("Optionen"), cnDatenbank_); !s.ok()) return s;
    if (Status s = rsZiel.Open(QStringLiteral("Optionen"), cnArchiv_); !s.ok()) return s;
    if (rsQuelle.Eof() || rsZiel.Eof())
        return Status::Fail(
            QCoreApplication::translate("ArchiveRun", "Die Tabelle Optionen enthält keine Zeile."));
    const Result<QVariant> alt = rsQuelle.Field(QStringLiteral("Version"));
    const Result<QVariant> neu = rsZiel.Field(QStringLiteral("Version"));
    if (!alt.ok()) return alt.status();
    if (!neu.ok()) return neu.status();
    if (alt.value() == neu.value()) return Status::Ok();
    antworten_.ShowMessage(
        QCoreApplication::translate("ArchiveRun",
                                    "Die Datenbank ist in einer alten Version. Bitte "
                                    "konvertieren Sie die Datenbank zuvor in das neueste "
                                    "Format oder führen Sie ein Online-Update aus!"),
        vbExclamation, QCoreApplication::translate("ArchiveRun", "Archivierungs-Assistent"), true,
        0);
    return Status::Fail(QString(), kCodeGemeldet);
}

Status ArchiveRun::StorePassword() {
    Recordset rsQuelle;
    Recordset rsZiel;
    if (Status s = rsQuelle.Open(QStringLiteral("Optionen"), cnDatenbank_); !s.ok()) return s;
    if (Status s = rsZiel.Open(QStringLiteral("Optionen"), cnArchiv_); !s.ok()) return s;
    Result<QVariant> gespeichert = rsQuelle.Field(QStringLiteral("Paßwort"));
    if (!gespeichert.ok()) return gespeichert.status();
    QVariant wert = gespeichert.value();
    if (auftrag_.lPasswortModus != 1) {
        const QString sNeu = auftrag_.lPasswortModus == 2 ? auftrag_.sNeuesPasswort : QString();
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
    for (const QString& sBank : auftrag_.survey.aInstitute) {
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
    for (const QString& sKonto : auftrag_.survey.aKontenMitDaten) {
        const qint64 id = sKonto.trimmed().toLongLong();
        Recordset rsQuelle;
        if (Status s = rsQuelle.Open(
                QStringLiteral("Select * from Konten where ID = ") + QString::number(id),
                cnDatenbank_);
            !s.ok())
            return s;
        if (rsQuelle.Eof()) continue;
        const int nr = rsQuelle.FieldIndex(QStringLiteral("Nr"));
        if (nr < 0)
            return Status::Fail(
                QCoreApplication::translate("ArchiveRun", "Die Tabelle Konten hat kein Feld Nr."));
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

// Whether the ticked accounts hold less than about a third of all bookings: the survey's
// counts against the table's size (its highest id, found without reading the table).
Result<bool> ArchiveRun::FewBookingsSelected() {
    qint64 lAusgewaehlt = 0;
    for (const qint64 n : auftrag_.survey.aAnzahlDaten) lAusgewaehlt += n;
    Recordset rs;
    if (Status s = rs.Open(QStringLiteral("SELECT max(id) FROM Umsätze"), cnDatenbank_); !s.ok())
        return s.error();
    const qint64 lGroesse = rs.Eof() ? 0 : rs.Field(0).toLongLong();
    return 10 * lAusgewaehlt < 3 * lGroesse;
}

Status ArchiveRun::CopyBookings() {
    sKontenIds_ = TickedAccountIds(auftrag_.aKontenAuswahl);
    Result<bool> bWenige = FewBookingsSelected();
    if (!bWenige.ok()) return bWenige.status();
    std::set<qint64> gewaehlt;
    for (const QString& s : sKontenIds_.split(QLatin1Char(','))) {
        bool ok = false;
        const qint64 id = s.toLongLong(&ok);
        if (ok) gewaehlt.insert(id);
    }
    AddLine(QCoreApplication::translate("ArchiveRun", "Umsätze archivieren"), false);
    for (const BookingTable& b : kBookingTables) {
        const QString sTabelle = QString::fromUtf8(b.tabelle);
        Result<bool> bNurGewaehlte = bWenige.value()
                                         ? Result<bool>(false)
                                         : OnlyTickedAccounts(cnDatenbank_, sTabelle, gewaehlt);
        if (!bNurGewaehlte.ok()) return bNurGewaehlte.status();
        QString sWhere;
        CopyHints hinweise = DatedSelection(
            sTabelle, BookingDateCondition(b, tools_.FormatSqlDatum(auftrag_.dStichtag)),
            sKontenIds_, b.bImIndex, bWenige.value(), bNurGewaehlte.value(), &sWhere);
        hinweise.sDatumsFeld = QString::fromUtf8(b.feld);
        hinweise.bDatumPraefix = b.bPraefix;
        if (Status s = Copied(
                Copy(QStringLiteral("SELECT * FROM ") + sTabelle, sTabelle, sWhere, hinweise));
            !s.ok())
            return s;
    }
    return Status::Ok();
}

void ArchiveRun::ReportAccounts() {
    QString sLabel;  // an account that is not found repeats the label before it
    const Survey& survey = auftrag_.survey;
    for (size_t i = 0; i < survey.aKontenMitDaten.size(); ++i) {
        ReadAccountLabel(cnDatenbank_, survey.aKontenMitDaten[i].trimmed().toLongLong(), sLabel);
        const qint64 anzahl = i < survey.aAnzahlDaten.size() ? survey.aAnzahlDaten[i] : 0;
        AddLine(QCoreApplication::translate("ArchiveRun", "%1 Umsätze des Kontos %2 archiviert",
                                            nullptr, PluralCount(anzahl))
                    .arg(QString::number(anzahl), sLabel));
    }
}

Status ArchiveRun::CopyOrders() {
    // No account index: the order index narrows by status and date, the account is checked
    // row by row.
    CopyHints hinweise;
    hinweise.sDatumsFeld = QStringLiteral("Datum");
    const CopyTableErgebnis auftraege =
        Copy(QStringLiteral("SELECT * FROM Aufträge"), QStringLiteral("Aufträge"),
             OrderWhere(auftrag_.dStichtag, sKontenIds_), hinweise);
    if (Status s = Copied(auftraege); !s.ok()) return s;
    if (auftraege.n != 0)
        AddLine(QCoreApplication::translate("ArchiveRun", "%1 gesendete Aufträge archiviert",
                                            nullptr, PluralCount(auftraege.n))
                    .arg(QString::number(auftraege.n)));
    return Status::Ok();
}

// Items follow their order's execution date, the orders their own date.
Status ArchiveRun::CopyCollectiveOrders() {
    qint64 lEinzelAnzahl = 0;
    {
        Recordset rsQuelle;
        if (Status s = rsQuelle.Open(
                QStringLiteral("SELECT * FROM SammelAufträge") + ItemSourceWhere(sKontenIds_),
                cnDatenbank_, adOpenKeyset, adLockOptimistic, adCmdTableDirect);
            !s.ok())
            return s;
        const QString sStichtag = tools_.FormatSqlDatum(auftrag_.dStichtag);
        const int ausf = rsQuelle.FieldIndex(QStringLiteral("AusfDatum"));
        const int id = rsQuelle.FieldIndex(QStringLiteral("id"));
        if (ausf < 0 || id < 0)
            return Status::Fail(QCoreApplication::translate(
                "ArchiveRun", "Die Tabelle SammelAufträge ist unvollständig."));
        while (!rsQuelle.Eof()) {
            const QByteArray sAusf = rsQuelle.Field(ausf).toByteArray();
            if (ItemsGo(sAusf, sStichtag)) {
                const CopyTableErgebnis einzel =
                    Copy(QStringLiteral("SELECT * FROM SammelEinzel WHERE SammelID = ") +
                             QString::number(rsQuelle.Field(id).toLongLong()),
                         QStringLiteral("SammelEinzel"), QString());
                if (Status s = Copied(einzel); !s.ok()) return s;
                lEinzelAnzahl += einzel.n;
            }
            if (Status s = rsQuelle.MoveNext(); !s.ok()) return s;
        }
    }
    CopyHints hinweise;
    hinweise.sDatumsFeld = QStringLiteral("Datum");
    const CopyTableErgebnis sammel =
        Copy(QStringLiteral("SELECT * FROM SammelAufträge"), QStringLiteral("SammelAufträge"),
             CollectiveOrderWhere(auftrag_.dStichtag, sKontenIds_), hinweise);
    if (Status s = Copied(sammel); !s.ok()) return s;
    if (sammel.n != 0)
        AddLine(QCoreApplication::translate(
                    "ArchiveRun", "%1 gesendete Sammelaufträge mit %2 Einzelaufträge archiviert",
                    nullptr, PluralCount(sammel.n))
                    .arg(QString::number(sammel.n), QString::number(lEinzelAnzahl)));
    return Status::Ok();
}

Status ArchiveRun::CopyReferredAccounts() {
    // Archived rows may refer to accounts the survey did not find (an account with old orders
    // but no old bookings): they go, with the banks the archive lacks, into tables of the
    // component's own that hosts do not read, so that a restore never has to guess whose rows
    // these are. Made by the run, not the template: their columns are those of Konten and
    // BankDaten in this archive.
    for (const char* t : {"Konten", "BankDaten"}) {
        Query q(cnArchiv_.Handle(),
                QStringLiteral("PRAGMA main.table_info(\"%1\")").arg(t).toUtf8(),
                cnArchiv_.MessageName());
        QStringList spalten;
        while (q.Next())
            spalten << QStringLiteral("\"%1\" %2%3")
                           .arg(q.Text(1), q.Text(2),
                                q.Int(5) == 1 ? QStringLiteral(" PRIMARY KEY") : QString());
        if (!q.status().ok()) return q.status();
        if (Status s = cnArchiv_.Execute(
                QStringLiteral("CREATE TABLE main.\"tolva_%1\" (%2)")
                    .arg(QString::fromUtf8(t), spalten.join(QStringLiteral(", "))));
            !s.ok())
            return s;
    }
    return cnArchiv_.Execute(QStringLiteral(
        "INSERT INTO main.tolva_Konten SELECT * FROM quelle.Konten k WHERE k.id NOT IN (SELECT id "
        "FROM main.Konten) AND k.id IN (SELECT KontoID FROM main.\"Umsätze\" UNION SELECT "
        "KontoID FROM main.UmsZusatz UNION SELECT KontoID FROM main.\"OffeneUmsätze\" UNION "
        "SELECT KontoID FROM main.\"Aufträge\" UNION SELECT KontoID FROM "
        "main.\"SammelAufträge\"); "
        "INSERT INTO main.tolva_BankDaten SELECT * FROM quelle.BankDaten b WHERE b.id IN (SELECT "
        "bankID FROM main.tolva_Konten) AND b.id NOT IN (SELECT id FROM main.BankDaten);"));
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
                                   tools_.FormatSqlDatum(CurrentDateTime().date()));
        !s.ok())
        return s;
    return rsZiel.Update();
}

Status ArchiveRun::CopyMasterData() {
    const struct {
        const char* tabelle;
        const char* zeile;
    } stammdaten[] = {{"Kategorien", QT_TRANSLATE_N_NOOP("ArchiveRun", "%1 Kategorien archiviert")},
                      {"Empfänger", QT_TRANSLATE_N_NOOP("ArchiveRun", "%1 Empfänger archiviert")}};
    for (const auto& t : stammdaten) {
        const QString sTabelle = QString::fromUtf8(t.tabelle);
        const CopyTableErgebnis e =
            Copy(QStringLiteral("SELECT * FROM ") + sTabelle, sTabelle, QString());
        if (Status s = Copied(e); !s.ok()) return s;
        if (e.n != 0)
            AddLine(QCoreApplication::translate("ArchiveRun", t.zeile, nullptr, PluralCount(e.n))
                        .arg(QString::number(e.n)));
    }
    return Status::Ok();
}

}  // namespace tolva
