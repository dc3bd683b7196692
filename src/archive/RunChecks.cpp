// The checks before a run: columns, triggers, execution dates and a writable database folder.
#include "archive/RunChecks.h"

#include "archive/BulkCopy.h"
#include "database/Connection.h"
#include "database/ConnectionText.h"
#include "database/Query.h"
#include "database/SqlValue.h"
#include "text/ModCrypt.h"
#include "text/PlainText.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

#include <unistd.h>

namespace tolva {
namespace {

// The tables a run copies row by row by position.
const char* const kKopierteTabellen[] = {
    "BankDaten", "Konten",         "Umsätze",      "UmsZusatz",  "OffeneUmsätze",
    "Aufträge",  "SammelAufträge", "SammelEinzel", "Kategorien", "Empfänger"};
// The tables a run deletes archived rows from.
const char* const kEntfernteTabellen[] = {"Umsätze",  "UmsZusatz",      "OffeneUmsätze",
                                          "Aufträge", "SammelAufträge", "SammelEinzel"};

// The rows of a query as lists of texts (NULL as an empty text).
Result<std::vector<QStringList>> Rows(Connection& cn, const QString& sql) {
    Query q(cn.Handle(), sql.toUtf8(), cn.MessageName());
    std::vector<QStringList> zeilen;
    while (q.Next()) {
        QStringList zeile;
        for (int i = 0; i < q.ColumnCount(); ++i) zeile << QString::fromUtf8(q.Blob(i));
        zeilen.push_back(zeile);
    }
    if (!q.status().ok()) return q.status().error();
    return zeilen;
}

Result<QStringList> Columns(Connection& cn, const char* sTabelle) {
    Result<std::vector<QStringList>> zeilen = Rows(
        cn,
        QStringLiteral("PRAGMA table_info(%1)").arg(QuoteIdentifier(QString::fromUtf8(sTabelle))));
    if (!zeilen.ok()) return zeilen.error();
    QStringList spalten;
    for (const QStringList& z : zeilen.value()) spalten << z.value(1);
    return spalten;
}

Result<QString> Version(Connection& cn) {
    Result<std::vector<QStringList>> zeilen =
        Rows(cn, QStringLiteral("SELECT Version FROM Optionen LIMIT 1"));
    if (!zeilen.ok()) return zeilen.error();
    return zeilen.value().empty() ? QString() : zeilen.value().front().value(0);
}

Status CheckColumns(Connection& cnDatenbank, Connection& cnVorlage) {
    for (const char* sTabelle : kKopierteTabellen) {
        const QString sName = QString::fromUtf8(sTabelle);
        Result<QStringList> soll = Columns(cnVorlage, sTabelle);
        if (!soll.ok()) return soll.status();
        Result<QStringList> ist = Columns(cnDatenbank, sTabelle);
        if (!ist.ok()) return ist.status();
        if (ist.value().isEmpty())
            return Status::Fail(QCoreApplication::translate(
                                    "RunChecks", "Die Tabelle %1 fehlt in der Benutzer-Datenbank.")
                                    .arg(sName));
        if (ist.value().join(u',').toLower() == soll.value().join(u',').toLower()) continue;
        return Status::Fail(
            QCoreApplication::translate("RunChecks",
                                        "Die Tabelle %1 der Benutzer-Datenbank hat andere "
                                        "Spalten als die Archivvorlage: „%2“ statt „%3“. "
                                        "Ihre Zeilen würden im Archiv an falscher Stelle "
                                        "stehen.")
                .arg(sName, ist.value().join(QStringLiteral(", ")),
                     soll.value().join(QStringLiteral(", "))));
    }
    return Status::Ok();
}

QString IdList(const std::vector<QString>& ids) {
    QStringList zahlen;
    for (const QString& s : ids) zahlen << QString::number(s.trimmed().toLongLong());
    return zahlen.isEmpty() ? QStringLiteral("NULL") : zahlen.join(u',');
}

// Whether the run gives an account of the user database a new number (and back -1).
Result<bool> RenumbersAccounts(Connection& cn, const RunChoice& wahl) {
    Result<std::vector<QStringList>> negativ =
        Rows(cn, QStringLiteral("SELECT count(*) FROM Konten WHERE Nr < 0 AND id IN (%1)")
                     .arg(IdList(wahl.aKontenMitDaten)));
    if (!negativ.ok()) return negativ.error();
    return negativ.value().front().value(0).toLongLong() > 0;
}

Status CheckTriggers(Connection& cn, const RunChoice& wahl, bool bNummern) {
    QStringList tabellen;
    if (wahl.bEntfernen)
        for (const char* t : kEntfernteTabellen) tabellen << QString::fromUtf8(t).toLower();
    if (bNummern) tabellen << QStringLiteral("konten");
    Result<std::vector<QStringList>> trigger = Rows(
        cn, QStringLiteral(
                "SELECT name, tbl_name FROM sqlite_master WHERE type = 'trigger' ORDER BY name"));
    if (!trigger.ok()) return trigger.status();
    for (const QStringList& t : trigger.value())
        if (tabellen.contains(t.value(1).toLower()))
            return Status::Fail(
                QCoreApplication::translate(
                    "RunChecks",
                    "Auf der Tabelle %1 der Benutzer-Datenbank liegt der Trigger „%2“. "
                    "Er würde beim Archivieren Zeilen ändern oder löschen, die nicht "
                    "ins Archiv kommen. Bitte entfernen Sie ihn zuvor.")
                    .arg(t.value(1), t.value(0)));
    return Status::Ok();
}

Status CheckDates(Connection& cn, const RunChoice& wahl) {
    const QString sKonten =
        QStringLiteral(" AND KontoID IN (") + IdList(wahl.aKontenAuswahl) + QLatin1Char(')');
    // The dates of the selected rows are checked by the copying statements as they pass; the
    // execution dates of collective orders are scrambled and compared one by one by the run,
    // so they are checked here.
    Query q(
        cn.Handle(),
        (QStringLiteral("SELECT AusfDatum FROM SammelAufträge WHERE Status IN (1, 4)") + sKonten)
            .toUtf8(),
        cn.MessageName());
    const QRegularExpression form(
        QRegularExpression::anchoredPattern(QStringLiteral("[0-9]{4}-[0-9]{2}-[0-9]{2}")));
    while (q.Next()) {
        const QByteArray roh = q.Blob(0);
        if (roh.isEmpty()) continue;
        // Without the cipher library a scrambled date reads as noise and compares wrong.
        if (!CipherLibraryLoaded())
            return Status::Fail(QCoreApplication::translate(
                "RunChecks",
                "Die Bibliothek liborvcbf.so wurde nicht gefunden. Ohne sie können die "
                "verschlüsselten Ausführungsdaten der Sammelaufträge nicht gelesen werden; "
                "es wurde nichts archiviert."));
        const QString sDatum = Decrypt(roh, false);
        if (sDatum < wahl.sStichtag && !form.match(PlainText(sDatum)).hasMatch())
            return Status::Fail(DateFormText(QStringLiteral("SammelAufträge"),
                                             QStringLiteral("AusfDatum"), PlainText(sDatum)));
    }
    return q.status();
}

// SQLite writes its journal beside the database: the folder must take new files.
Status CheckWritable(const QString& sDatenbank) {
    const QFileInfo info(sDatenbank);
    const QString sOrdner = info.absolutePath();
    if (::access(QFile::encodeName(sOrdner).constData(), W_OK) != 0)
        return Status::Fail(
            QCoreApplication::translate("RunChecks",
                                        "Der Ordner „%1/“ der Benutzer-Datenbank ist "
                                        "schreibgeschützt. Die archivierten Daten könnten "
                                        "nicht aus der Benutzer-Datenbank entfernt werden.")
                .arg(sOrdner));
    if (::access(QFile::encodeName(info.absoluteFilePath()).constData(), W_OK) != 0)
        return Status::Fail(
            QCoreApplication::translate("RunChecks",
                                        "Die Benutzer-Datenbank „%1“ ist schreibgeschützt. "
                                        "Die archivierten Daten könnten nicht aus ihr "
                                        "entfernt werden.")
                .arg(sDatenbank));
    return Status::Ok();
}

}  // namespace

Status CheckUserDatabase(Connection& cnDatenbank, const QString& sVorlage, const RunChoice& wahl) {
    if (!QFileInfo(sVorlage).isFile()) return Status::Ok();
    Connection cnVorlage;
    if (Status s = cnVorlage.Open(BuildConnectionText(sVorlage)); !s.ok()) return s;
    Result<QString> alt = Version(cnDatenbank);
    if (!alt.ok()) return alt.status();
    Result<QString> neu = Version(cnVorlage);
    if (!neu.ok()) return neu.status();
    if (alt.value() != neu.value()) return Status::Ok();
    if (Status s = CheckColumns(cnDatenbank, cnVorlage); !s.ok()) return s;
    Result<bool> nummern = RenumbersAccounts(cnDatenbank, wahl);
    if (!nummern.ok()) return nummern.status();
    if (Status s = CheckTriggers(cnDatenbank, wahl, nummern.value()); !s.ok()) return s;
    if (Status s = CheckDates(cnDatenbank, wahl); !s.ok()) return s;
    if (wahl.bEntfernen || nummern.value()) return CheckWritable(cnDatenbank.DataSource());
    return Status::Ok();
}

}  // namespace tolva
