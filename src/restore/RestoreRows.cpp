// RestoreRun: one table of moved rows back into the user database. Each archive row of the
// choice is classified first, into a temporary table of ids: equal to a live row (skipped),
// free id (goes back with it), or taken id (a conflict, or a fresh id). The rows then go back
// in one statement from that table, and are read back through it.
#include "restore/RestoreRun.h"

#include "browse/BrowseQuery.h"
#include "database/Connection.h"
#include "database/SqlValue.h"

#include <QStringList>

#include <sqlite3.h>

#include <algorithm>

namespace tolva {
namespace {

// How many conflicting ids a refusal names.
constexpr int kGenannteIds = 5;

bool Is(const QString& a, const char* b) {
    return a.compare(QString::fromUtf8(b), Qt::CaseInsensitive) == 0;
}

// The temporary table of one moved-rows table: per archive row of the choice its id, the id
// of the live row it equals (if any) and the fresh id it gets (if any).
QString ZTable(int lNummer) {
    return QStringLiteral("temp.tolva_z%1").arg(lNummer);
}

int CollectiveOrdersNumber() {
    for (int i = 0; i < static_cast<int>(std::size(kRestoreTables)); ++i)
        if (Is(QString::fromUtf8(kRestoreTables[i].sTabelle), "SammelAufträge")) return i;
    return -1;
}

}  // namespace

QString ChoiceCondition(const QString& sTabelle, const RestoreChoice& wahl,
                        const std::map<qint64, qint64>& konten) {
    if (!wahl.konten) return QString();
    const QString sIds = IdList(*wahl.konten);
    if (!Is(sTabelle, "SammelEinzel")) return QStringLiteral(" AND a.KontoID IN (%1)").arg(sIds);
    std::vector<qint64> lebend;
    for (qint64 id : *wahl.konten) {
        const auto it = konten.find(id);
        lebend.push_back(it == konten.end() ? id : it->second);
    }
    return QStringLiteral(
               " AND (a.SammelID IN (SELECT s.id FROM archiv.\"SammelAufträge\" s WHERE s.KontoID "
               "IN (%1)) OR (NOT EXISTS (SELECT 1 FROM archiv.\"SammelAufträge\" s WHERE s.id = "
               "a.SammelID) AND a.SammelID IN (SELECT s.id FROM main.\"SammelAufträge\" s WHERE "
               "s.KontoID IN (%2))))")
        .arg(sIds, IdList(lebend));
}

QString RestoreRun::MappedColumn(const QString& sTabelle, const QString& sSpalte) const {
    const QString sSelbst = QStringLiteral("a.") + QuoteIdentifier(sSpalte);
    if (Is(sSpalte, "KontoID") && !konten_.empty())
        return QStringLiteral(
                   "coalesce((SELECT k.neu FROM temp.tolva_konten k WHERE k.alt = %1), %1)")
            .arg(sSelbst);
    if (Is(sTabelle, "SammelEinzel") && Is(sSpalte, "SammelID") && bSammelVerschoben_)
        return QStringLiteral(
                   "coalesce((SELECT coalesce(s.neu, s.gleich) FROM %1 s WHERE s.alt "
                   "= %2), %2)")
            .arg(ZTable(CollectiveOrdersNumber()), sSelbst);
    return sSelbst;
}

Status RestoreRun::RestoreRows(const RestoreTable& tabelle, int lNummer) {
    const QString sTabelle = QString::fromUtf8(tabelle.sTabelle);
    const QString sName = QString::fromUtf8(tabelle.sName);
    const QString qT = QuoteIdentifier(sTabelle);
    const QString z = ZTable(lNummer);
    const QStringList& spalten = spalten_.at(sTabelle);

    // The archive row as it would go back, and its equality with live row l but for the id.
    QStringList werte;
    QStringList gleich;
    for (int i = 1; i < spalten.size(); ++i) {
        const QString sWert = MappedColumn(sTabelle, spalten[i]);
        werte << sWert;
        gleich << QStringLiteral("l.%1 IS %2").arg(QuoteIdentifier(spalten[i]), sWert);
    }
    const QString sGleich = gleich.isEmpty() ? QStringLiteral("1") : gleich.join(" AND ");

    // The rows that go back, in the archive's id order: those without an equal live row. Only
    // for collective orders, which items refer to, every row is kept with the live row it
    // equals (its own id first), so that the items can follow it.
    const bool bVerwiesen = lNummer == CollectiveOrdersNumber();
    const QString sWahl = ChoiceCondition(sTabelle, wahl_, konten_);
    if (Status s = Exec(QStringLiteral("DROP TABLE IF EXISTS %1; CREATE TABLE %1(alt INTEGER "
                                       "PRIMARY KEY, gleich INTEGER, neu INTEGER)")
                            .arg(z));
        !s.ok())
        return s;
    const QString sKlassen =
        bVerwiesen ? QStringLiteral(
                         "INSERT INTO %1(alt, gleich) SELECT tolva_schritt(a.id), CASE WHEN "
                         "EXISTS (SELECT 1 FROM main.%2 l WHERE l.id = a.id AND %3) THEN "
                         "a.id ELSE (SELECT l.id FROM main.%2 l WHERE %3 LIMIT 1) END FROM "
                         "archiv.%2 a WHERE 1%4 ORDER BY a.id")
                         .arg(z, qT, sGleich, sWahl)
                   : QStringLiteral(
                         "INSERT INTO %1(alt) SELECT a.id FROM archiv.%2 a WHERE 1%3 AND %4 "
                         "ORDER BY a.id")
                         .arg(z, qT, sWahl, Missing(qT, sGleich));
    if (Status s = Exec(sKlassen); !s.ok()) return s;
    RestoreCount zaehler{sTabelle, sName};
    {
        Query n(db_, QStringLiteral("SELECT count(*), count(gleich) FROM %1").arg(z).toUtf8(),
                cn_.MessageName());
        if (!n.Next()) return n.status().ok() ? Status::Fail(QString()) : n.status();
        zaehler.lImArchiv = n.Int(0);
        zaehler.lVorhanden = n.Int(1);
    }
    if (!bVerwiesen) {
        // z holds only what goes back; the choice's rows in the archive are counted apart
        // (without a choice the count before the restore holds).
        Result<qint64> n = vorab_.count(sTabelle) && !wahl_.konten
                               ? Result<qint64>(vorab_.at(sTabelle))
                               : CountSelected(cn_, sTabelle, wahl_, konten_);
        if (!n.ok()) return n.status();
        zaehler.lVorhanden = n.value() - zaehler.lImArchiv;
        zaehler.lImArchiv = n.value();
    }

    // Rows whose id a live row of other content holds. Without fresh ids the insert itself
    // finds them (the id is the table's key), and only then are they looked for.
    const QString sBelegt =
        QStringLiteral("%1.gleich IS NULL AND EXISTS (SELECT 1 FROM main.%2 l WHERE l.id = %1.alt)")
            .arg(z, qT);
    if (wahl_.bNeueIds) {
        // Fresh ids above every id of the table and every id that goes back unchanged, handed
        // out in the archive's order by a table whose key counts on from there.
        if (Status s = Exec(
                QStringLiteral(
                    "DROP TABLE IF EXISTS temp.tolva_neu; "
                    "CREATE TABLE temp.tolva_neu(neu INTEGER PRIMARY KEY, alt INTEGER UNIQUE); "
                    "INSERT INTO temp.tolva_neu(neu) SELECT max(coalesce((SELECT max(id) FROM "
                    "main.%2), 0), coalesce((SELECT max(alt) FROM %1 WHERE gleich IS NULL), 0)); "
                    "INSERT INTO temp.tolva_neu(alt) SELECT alt FROM %1 WHERE %3 ORDER BY alt;")
                    .arg(z, qT, sBelegt));
            !s.ok())
            return s;
        zaehler.lNeueIds = sqlite3_changes(db_);
        if (Status s = Exec(QStringLiteral("UPDATE %1 SET neu = (SELECT n.neu FROM "
                                           "temp.tolva_neu n WHERE n.alt = %1.alt) WHERE alt IN "
                                           "(SELECT alt FROM temp.tolva_neu WHERE alt IS NOT "
                                           "NULL); DROP TABLE temp.tolva_neu;")
                                .arg(z));
            !s.ok())
            return s;
    }
    const auto konflikt = [&](const Error& fehler) -> Status {
        Result<qint64> belegt =
            QueryInt(QStringLiteral("SELECT count(*) FROM %1 WHERE %2").arg(z, sBelegt));
        if (!belegt.ok()) return belegt.status();
        if (belegt.value() == 0) return fehler;
        std::vector<qint64> ids;
        Query erste(db_,
                    QStringLiteral("SELECT alt FROM %1 WHERE %2 ORDER BY alt LIMIT %3")
                        .arg(z, sBelegt)
                        .arg(kGenannteIds)
                        .toUtf8(),
                    cn_.MessageName());
        while (erste.Next()) ids.push_back(erste.Int(0));
        if (!erste.status().ok()) return erste.status();
        return Conflict(sName, belegt.value(), ids);
    };

    const QString sId = QStringLiteral("coalesce(z.neu, z.alt)");
    Result<qint64> zurueck =
        InsertCounted(sTabelle, QStringList{sId} + werte,
                      QStringLiteral("FROM %1 z CROSS JOIN archiv.%2 a ON a.id = z.alt WHERE "
                                     "z.gleich IS NULL ORDER BY z.alt")
                          .arg(z, qT));
    if (!zurueck.ok())
        return (zurueck.error().code & 0xff) == SQLITE_CONSTRAINT ? konflikt(zurueck.error())
                                                                  : zurueck.status();
    zaehler.lZurueck = zurueck.value();
    if (Status s = VerifyInserted(sTabelle); !s.ok()) return s;

    if (bVerwiesen) {
        Result<qint64> verschoben = QueryInt(
            QStringLiteral("SELECT count(*) FROM %1 WHERE coalesce(neu, gleich) <> alt").arg(z));
        if (!verschoben.ok()) return verschoben.status();
        bSammelVerschoben_ = verschoben.value() > 0;
    } else if (Status s = Exec(QStringLiteral("DROP TABLE %1").arg(z)); !s.ok()) {
        return s;
    }

    Report(zaehler);
    return Status::Ok();
}

QString RestoreRun::Missing(const QString& qT, const QString& sGleich) const {
    // A CASE, so that the probes stop at the first that finds a row: the own id (a key probe)
    // first, then the table's index.
    return QStringLiteral(
               "CASE WHEN tolva_schritt(a.id) IS NULL THEN 0 WHEN EXISTS (SELECT 1 "
               "FROM main.%1 l WHERE l.id = a.id AND %2) THEN 0 WHEN EXISTS (SELECT "
               "1 FROM main.%1 l WHERE %2) THEN 0 ELSE 1 END")
        .arg(qT, sGleich);
}

void RestoreRun::Report(const RestoreCount& zaehler) {
    if (fortschritt_.onLine) {
        QString sZeile =
            QStringLiteral("%1 %2 zurückgeholt").arg(zaehler.lZurueck).arg(zaehler.sName);
        if (zaehler.lVorhanden > 0)
            sZeile += QStringLiteral(", %1 waren schon vorhanden").arg(zaehler.lVorhanden);
        if (zaehler.lNeueIds > 0)
            sZeile += QStringLiteral(", %1 davon unter neuen Nummern").arg(zaehler.lNeueIds);
        fortschritt_.onLine(sZeile);
    }
    zaehler_.push_back(zaehler);
}

}  // namespace tolva
