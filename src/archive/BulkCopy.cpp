// Set-based copying with a row counter and checksum evaluated inside the copying statement.
#include "archive/BulkCopy.h"

#include "database/AttachKeyed.h"
#include "database/Connection.h"
#include "database/ConnectionText.h"
#include "database/SqlDialect.h"
#include "database/SqlValue.h"
#include "database/TableChecksum.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <sqlite3.h>

#include <cstring>

namespace tolva {
namespace {

// What the row function of one copying statement accumulates.
struct RowTally {
    Pruefsumme summe;
    const std::function<void(qint64)>* onRow = nullptr;
    int lDatum = -1;  // the date field's position among the row's values; -1: none
    bool bPraefix = false;
    bool bFalsch = false;  // a date of another form was selected
    QString sFalsch;       // the first one
};

// Whether the text is a date of the form YYYY-MM-DD (bPraefix: begins with one).
bool IsIsoDate(const unsigned char* p, int n, bool bPraefix) {
    if (!p || n < 10 || (!bPraefix && n != 10)) return false;
    for (int i = 0; i < 10; ++i) {
        const bool strich = i == 4 || i == 7;
        if (strich ? p[i] != '-' : (p[i] < '0' || p[i] > '9')) return false;
    }
    return true;
}

}  // namespace

namespace {

// tolva_erfasse(first field, fields...): counts and sums the row, tells the caller, and
// returns the first field unchanged. It stands in the select list, so it runs exactly once
// for every row that is stored.
void TallyRow(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    auto* tally = static_cast<RowTally*>(sqlite3_user_data(ctx));
    if (tally && tally->lDatum >= 0 && tally->lDatum + 1 < argc) {
        sqlite3_value* v = argv[tally->lDatum + 1];
        const auto* p = sqlite3_value_text(v);
        const int n = sqlite3_value_bytes(v);
        if (!IsIsoDate(p, n, tally->bPraefix)) {
            tally->bFalsch = true;
            tally->sFalsch = QString::fromUtf8(reinterpret_cast<const char*>(p), n);
            sqlite3_result_error(ctx, "date form", -1);
            return;
        }
    }
    if (tally && argc > 1) {
        ++tally->summe.lAnzahl;
        tally->summe.lSumme += RowHash(argc - 1, argv + 1);
        if (tally->onRow && *tally->onRow) (*tally->onRow)(tally->summe.lAnzahl);
    }
    if (argc > 0) sqlite3_result_value(ctx, argv[0]);
}

}  // namespace

namespace {

// The schema's file as messages name it: the user database for "quelle", else the archive.
QString FileOf(Connection& cnArchiv, const QString& sSchema) {
    if (sSchema != QLatin1String(kQuellSchema)) return cnArchiv.MessageName();
    const char* sDatei = sqlite3_db_filename(cnArchiv.Handle(), kQuellSchema);
    return sDatei ? QString::fromUtf8(sDatei) : QString();
}

Result<QStringList> ColumnsOf(Connection& cn, const QString& sSchema, const QString& sTabelle) {
    Result<QStringList> ergebnis =
        TableColumns(cn.Handle(), sSchema, sTabelle, FileOf(cn, sSchema));
    if (!ergebnis.ok()) return ergebnis.error();
    const QStringList& spalten = ergebnis.value();
    if (spalten.isEmpty())
        return Error{
            QCoreApplication::translate("BulkCopy", "Die Tabelle %1 fehlt in der Datenbank.")
                .arg(sTabelle)};
    return spalten;
}

QString QuotedList(const QStringList& spalten) {
    QStringList teile;
    for (const QString& s : spalten) teile << QuoteIdentifier(s);
    return teile.join(QLatin1Char(','));
}

// The where text as the archive connection must read it: a subquery on a table of the user
// database ("... rowid IN (SELECT rowid FROM Umsätze ...)") names it without a schema, and
// the archive's table of the same name would answer it.
QString SourceWhere(const QString& sRest) {
    static const QRegularExpression kFrom(
        QStringLiteral("\\bFROM\\s+(?![\\w\"]+\\.)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    QString sWhere = MapSqlDialect(sRest);
    sWhere.replace(kFrom, QStringLiteral("FROM %1.").arg(QString::fromUtf8(kQuellSchema)));
    return sWhere;
}

}  // namespace

QString DateFormText(const QString& sTabelle, const QString& sFeld, const QString& sWert) {
    return QCoreApplication::translate(
               "BulkCopy",
               "In der Tabelle %1 der Benutzer-Datenbank steht im Feld %2 der Wert "
               "„%3“ statt eines Datums der Form JJJJ-MM-TT. Solche Zeilen würden "
               "falsch ausgewählt.")
        .arg(sTabelle, sFeld, sWert);
}

Status AttachSource(Connection& cnArchiv, const QString& sDatenbank) {
    sqlite3* db = cnArchiv.Handle();
    if (!db)
        return Status::Fail(
            QCoreApplication::translate("BulkCopy", "Das Archiv ist nicht geöffnet."));
    if (SourceAttached(cnArchiv)) return Status::Ok();
    if (Status s = AttachKeyed(cnArchiv, sDatenbank, QString::fromUtf8(kQuellSchema), false,
                               cnArchiv.MessageName());
        !s.ok())
        return s;
    // Its own normal locking, so that the user connection can take its write lock later.
    if (Status s = cnArchiv.Execute(QStringLiteral("PRAGMA %1.locking_mode = NORMAL; "
                                                   "PRAGMA %1.cache_size = -2048;")
                                        .arg(QString::fromUtf8(kQuellSchema)));
        !s.ok()) {
        (void)DetachSource(cnArchiv);
        return s;
    }
    if (const int rc = RegisterChecksum(db); rc != SQLITE_OK)
        return DatabaseError(db, rc, cnArchiv.MessageName());
    return Status::Ok();
}

Status DetachSource(Connection& cnArchiv) {
    if (!cnArchiv.Handle() || !SourceAttached(cnArchiv)) return Status::Ok();
    return cnArchiv.Execute(QStringLiteral("DETACH DATABASE quelle"));
}

bool SourceAttached(Connection& cnArchiv) {
    return cnArchiv.Handle() && sqlite3_db_filename(cnArchiv.Handle(), kQuellSchema) != nullptr;
}

Result<Pruefsumme> CopySelection(Connection& cnArchiv, const QString& sQuelle, const QString& sRest,
                                 const QString& sZiel, const std::function<void(qint64)>& onRow,
                                 const DateForm& datum) {
    sqlite3* db = cnArchiv.Handle();
    Result<QStringList> spalten = ColumnsOf(cnArchiv, QString::fromUtf8(kQuellSchema), sQuelle);
    if (!spalten.ok()) return spalten.error();
    RowTally tally;
    tally.onRow = &onRow;
    const QStringList& felder = spalten.value();
    if (!datum.sFeld.isEmpty()) {
        for (int i = 0; i < felder.size() && tally.lDatum < 0; ++i)
            if (felder[i].compare(datum.sFeld, Qt::CaseInsensitive) == 0) tally.lDatum = i;
        if (tally.lDatum < 0)
            return Error{QCoreApplication::translate("BulkCopy", "Die Tabelle %1 hat kein Feld %2.")
                             .arg(sQuelle, datum.sFeld)};
        tally.bPraefix = datum.bPraefix;
    }
    int rc = sqlite3_create_function_v2(db, "tolva_erfasse", -1, SQLITE_UTF8, &tally, TallyRow,
                                        nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) return DatabaseError(db, rc, cnArchiv.MessageName());
    // The user's selection as it stands, its first field passed through the row counter.
    const QString sql =
        QStringLiteral("INSERT INTO main.%1 SELECT tolva_erfasse(%2,%3)%4 FROM quelle.%5%6")
            .arg(QuoteIdentifier(sZiel), QuoteIdentifier(felder.front()), QuotedList(felder),
                 felder.size() > 1 ? QLatin1Char(',') + QuotedList(felder.mid(1)) : QString(),
                 QuoteIdentifier(sQuelle), SourceWhere(sRest));
    const Status s = cnArchiv.Execute(sql);
    const int geaendert = sqlite3_changes(db);
    sqlite3_create_function_v2(db, "tolva_erfasse", -1, SQLITE_UTF8, nullptr, TallyRow, nullptr,
                               nullptr, nullptr);
    if (tally.bFalsch) return Error{DateFormText(sQuelle, felder[tally.lDatum], tally.sFalsch)};
    if (!s.ok()) return s.error();
    if (geaendert != tally.summe.lAnzahl)
        return Error{QCoreApplication::translate(
                         "BulkCopy", "Es wurden %1 Einträge ausgewählt, aber %2 gespeichert.")
                         .arg(QString::number(tally.summe.lAnzahl), QString::number(geaendert))};
    return tally.summe;
}

}  // namespace tolva
