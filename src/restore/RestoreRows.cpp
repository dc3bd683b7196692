// RestoreRun: one table of moved rows back into the user database, by identity. Every archive
// row of the choice is mapped (account, category, collective order), paired with the live
// rows by RestoreIdentity's rules, and its fate written into a temporary decision table:
// there already, edited since, or back under its id or a fresh one. Every pair is then
// compared field by field, and the rows that go back are inserted in one statement from that
// table and read back through it.
#include "restore/RestoreIdentity.h"
#include "restore/RestoreRun.h"

#include "archive/RowHash.h"
#include "browse/BrowseQuery.h"
#include "database/Connection.h"
#include "database/SqlValue.h"

#include <QStringList>

#include <sqlite3.h>

#include <algorithm>

namespace tolva {
namespace {

// How many ids a refusal or a report names.
constexpr int kGenannteIds = 5;

// Fates in the decision table.
constexpr int kVorhanden = 0;
constexpr int kGeaendert = 1;
constexpr int kZurueck = 2;

bool Is(const QString& a, const char* b) {
    return a.compare(QString::fromUtf8(b), Qt::CaseInsensitive) == 0;
}

// The decision table of one moved-rows table: per archive row of the choice its id (alt),
// its fate (art), the live id it pairs with or goes back under (ziel), and its mapped
// account and reference.
QString ZTable(int lNummer) {
    return QStringLiteral("temp.tolva_z%1").arg(lNummer);
}

// A 64-bit mix of a hash with a nullable whole number.
quint64 Mix(quint64 h, const std::optional<qint64>& wert) {
    quint64 x =
        h ^ (wert ? static_cast<quint64>(*wert) * 0x9E3779B97F4A7C15ULL + 0x632BE59BD9B4E019ULL
                  : 0xD6E8FEB86659FD93ULL);
    x ^= x >> 30;
    x *= 0xBF58476D1CE4E5B9ULL;
    x ^= x >> 27;
    x *= 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

std::optional<qint64> NullableInt(sqlite3_stmt* stmt, int n) {
    if (sqlite3_column_type(stmt, n) == SQLITE_NULL) return std::nullopt;
    return sqlite3_column_int64(stmt, n);
}

std::optional<qint64> Mapped(const std::optional<qint64>& wert,
                             const std::map<qint64, qint64>& abbildung) {
    if (!wert) return wert;
    const auto it = abbildung.find(*wert);
    return it == abbildung.end() ? wert : it->second;
}

// The columns of a moved-rows table the restore treats apart.
struct Columns {
    QString sKonto;    // the account, when the table has one
    QString sVerweis;  // the reference that follows another row, when there is one
    bool bSchluessel;  // the rows have a BuchungsID
    QStringList rest;  // every other column but the id
};

Columns SplitColumns(const QString& sTabelle, const QStringList& spalten) {
    Columns c;
    c.bSchluessel = false;
    for (int i = 1; i < spalten.size(); ++i) {
        const QString& s = spalten[i];
        if (Is(s, "KontoID"))
            c.sKonto = s;
        else if ((Is(sTabelle, "Umsätze") && Is(s, "KategorieID")) ||
                 (Is(sTabelle, "SammelEinzel") && Is(s, "SammelID")))
            c.sVerweis = s;
        else
            c.rest << s;
        if (Is(s, "BuchungsID") && (Is(sTabelle, "Umsätze") || Is(sTabelle, "UmsZusatz")))
            c.bSchluessel = true;
    }
    return c;
}

}  // namespace

QString ChoiceCondition(const QString& sTabelle, const RestoreChoice& wahl,
                        const std::map<qint64, qint64>& konten) {
    std::vector<qint64> aus;
    for (const auto& [id, ziel] : wahl.zuordnung)
        if (!ziel) aus.push_back(id);
    if (!wahl.konten && aus.empty()) return QString();
    std::vector<qint64> gewaehlt;
    if (wahl.konten)
        for (qint64 id : *wahl.konten)
            if (std::find(aus.begin(), aus.end(), id) == aus.end()) gewaehlt.push_back(id);
    // On the account column of an archive row.
    const auto konto = [&](const QString& sFeld) {
        if (wahl.konten) return QStringLiteral("%1 IN (%2)").arg(sFeld, IdList(gewaehlt));
        return QStringLiteral("(%1 IS NULL OR %1 NOT IN (%2))").arg(sFeld, IdList(aus));
    };
    if (!Is(sTabelle, "SammelEinzel"))
        return QStringLiteral(" AND ") + konto(QStringLiteral("a.KontoID"));
    // An item whose order the archive lacks goes with the live order of that id.
    QString sLebend = QStringLiteral("1");
    if (wahl.konten) {
        std::vector<qint64> lebend;
        for (qint64 id : gewaehlt) {
            const auto it = konten.find(id);
            lebend.push_back(it == konten.end() ? id : it->second);
        }
        sLebend = QStringLiteral(
                      "a.SammelID IN (SELECT s.id FROM main.\"SammelAufträge\" s WHERE s.KontoID "
                      "IN (%1))")
                      .arg(IdList(lebend));
    }
    return QStringLiteral(
               " AND (a.SammelID IN (SELECT s.id FROM archiv.\"SammelAufträge\" s WHERE %1) OR "
               "(NOT EXISTS (SELECT 1 FROM archiv.\"SammelAufträge\" s WHERE s.id = a.SammelID) "
               "AND %2))")
        .arg(konto(QStringLiteral("s.KontoID")), sLebend);
}

Status RestoreRun::CheckItemsHaveOrders() {
    const QString sArchiv = QString::fromUtf8(sqlite3_db_filename(db_, kArchivSchema));
    Query q(db_,
            QStringLiteral("SELECT a.SammelID, count(*) FROM archiv.SammelEinzel a WHERE 1%1 AND "
                           "NOT EXISTS (SELECT 1 FROM archiv.\"SammelAufträge\" s WHERE s.id = "
                           "a.SammelID) AND NOT EXISTS (SELECT 1 FROM main.\"SammelAufträge\" s "
                           "WHERE s.id = a.SammelID) GROUP BY a.SammelID ORDER BY a.SammelID")
                .arg(ChoiceCondition(QStringLiteral("SammelEinzel"), wahl_, konten_))
                .toUtf8(),
            sArchiv);
    QStringList sammel;
    qint64 lAnzahl = 0;
    while (q.Next()) {
        if (sammel.size() < kGenannteIds)
            sammel << (q.IsNull(0) ? QStringLiteral("ohne Nummer") : QString::number(q.Int(0)));
        lAnzahl += q.Int(1);
    }
    if (!q.status().ok()) return q.status();
    if (lAnzahl == 0) return Status::Ok();
    return Status::Fail(
        QStringLiteral("Das Archiv „%1“ enthält %2 Einzelaufträge von Sammelaufträgen (Nummer "
                       "%3), die weder das Archiv noch die Datenbank enthält. Zu welchem "
                       "Sammelauftrag sie gehören, lässt sich nicht sicher sagen; es wurde "
                       "nichts zurückgeholt.")
            .arg(sArchiv)
            .arg(lAnzahl)
            .arg(sammel.join(QStringLiteral(", "))),
        kCodeKontoFehlt);
}

Status RestoreRun::PlanRows(const RestoreTable& tabelle, int lNummer) {
    const QString sTabelle = QString::fromUtf8(tabelle.sTabelle);
    const QString sName = QString::fromUtf8(tabelle.sName);
    const QString qT = QuoteIdentifier(sTabelle);
    const QString z = ZTable(lNummer);
    const Columns c = SplitColumns(sTabelle, spalten_.at(sTabelle));
    const std::map<qint64, qint64> keine;
    const std::map<qint64, qint64>& verweise = Is(sTabelle, "Umsätze")        ? kategorien_
                                               : Is(sTabelle, "SammelEinzel") ? sammel_
                                                                              : keine;

    // Reads rows as the pairing sees them; with abbilden, references mapped as they go back.
    const auto lesen =
        [&](const char* sSchema, const QString& sWo, bool abbilden,
            std::vector<IdentityRow>* zeilen,
            std::vector<std::pair<std::optional<qint64>, std::optional<qint64>>>* werte) -> Status {
        QStringList rest;
        for (const QString& s : c.rest) rest << QStringLiteral("a.") + QuoteIdentifier(s);
        const QString sql =
            QStringLiteral(
                "SELECT a.id, %1, %2, %3, tolva_inhalt(%4) FROM %5.%6 a WHERE 1%7 "
                "ORDER BY a.id")
                .arg(c.sKonto.isEmpty() ? QStringLiteral("NULL")
                                        : QStringLiteral("a.") + QuoteIdentifier(c.sKonto),
                     c.sVerweis.isEmpty() ? QStringLiteral("NULL")
                                          : QStringLiteral("a.") + QuoteIdentifier(c.sVerweis),
                     c.bSchluessel ? QStringLiteral("a.BuchungsID") : QStringLiteral("NULL"),
                     rest.isEmpty() ? QStringLiteral("NULL") : rest.join(QLatin1Char(',')),
                     QString::fromUtf8(sSchema), qT, sWo);
        Query q(db_, sql.toUtf8(), cn_.MessageName());
        while (q.Next()) {
            sqlite3_stmt* stmt = q.Handle();
            IdentityRow r;
            r.id = sqlite3_column_int64(stmt, 0);
            std::optional<qint64> konto = NullableInt(stmt, 1);
            std::optional<qint64> verweis = NullableInt(stmt, 2);
            if (abbilden) {
                konto = Mapped(konto, konten_);
                verweis = Mapped(verweis, verweise);
            }
            r.lInhalt =
                Mix(Mix(static_cast<quint64>(sqlite3_column_int64(stmt, 4)), konto), verweis);
            if (sqlite3_column_type(stmt, 3) != SQLITE_NULL && sqlite3_column_bytes(stmt, 3) > 0) {
                sqlite3_value* v = sqlite3_column_value(stmt, 3);
                r.bSchluessel = true;
                r.lSchluessel = Mix(RowHash(1, &v), konto);
            }
            zeilen->push_back(r);
            if (werte) werte->emplace_back(konto, verweis);
            if (abbilden) Tick();
        }
        return q.status();
    };
    std::vector<IdentityRow> archiv;
    std::vector<std::pair<std::optional<qint64>, std::optional<qint64>>> abgebildet;
    if (Status s = lesen(kArchivSchema, ChoiceCondition(sTabelle, wahl_, konten_), true, &archiv,
                         &abgebildet);
        !s.ok())
        return s;
    std::vector<IdentityRow> lebend;
    if (!archiv.empty())
        if (Status s = lesen("main", QString(), false, &lebend, nullptr); !s.ok()) return s;
    const std::vector<Zuordnung> paare = PairRows(archiv, lebend);

    // The decision table.
    if (Status s = Exec(QStringLiteral("DROP TABLE IF EXISTS %1; CREATE TABLE %1(alt INTEGER "
                                       "PRIMARY KEY, art INTEGER, ziel INTEGER, konto, verweis)")
                            .arg(z));
        !s.ok())
        return s;
    RestoreCount& zaehler = Counts(sTabelle, sName);
    zaehler.lImArchiv = static_cast<qint64>(archiv.size());
    {
        Query einfuegen(
            db_, QStringLiteral("INSERT INTO %1 VALUES (?1, ?2, ?3, ?4, ?5)").arg(z).toUtf8(),
            cn_.MessageName());
        sqlite3_stmt* stmt = einfuegen.Handle();
        for (size_t i = 0; i < archiv.size(); ++i) {
            const Zuordnung& p = paare[i];
            int art = kZurueck;
            if (p.verbleib == Verbleib::Vorhanden) {
                art = kVorhanden;
                ++zaehler.lVorhanden;
            } else if (p.verbleib == Verbleib::Geaendert) {
                art = kGeaendert;
                ++zaehler.lGeaendert;
                if (zaehler.geaendert.size() < static_cast<size_t>(kGenannteIds))
                    zaehler.geaendert.push_back(p.lLebend);
            } else {
                ++zaehler.lZurueck;
            }
            einfuegen.Bind(1, archiv[i].id);
            einfuegen.Bind(2, art);
            einfuegen.Bind(3, art == kZurueck ? archiv[i].id : p.lLebend);
            const auto& [konto, verweis] = abgebildet[i];
            if (stmt) {
                konto ? sqlite3_bind_int64(stmt, 4, *konto) : sqlite3_bind_null(stmt, 4);
                verweis ? sqlite3_bind_int64(stmt, 5, *verweis) : sqlite3_bind_null(stmt, 5);
            }
            while (einfuegen.Next()) {
            }
            if (!einfuegen.status().ok()) return einfuegen.status();
            einfuegen.Reset();
        }
        if (!einfuegen.status().ok()) return einfuegen.status();
    }

    // Every pair compared field by field: a hash that matched by chance refuses the restore
    // instead of skipping a row.
    QStringList gleich;
    for (int i = 1; i < spalten_.at(sTabelle).size(); ++i) {
        const QString& s = spalten_.at(sTabelle)[i];
        const QString sWert = s == c.sKonto     ? QStringLiteral("z.konto")
                              : s == c.sVerweis ? QStringLiteral("z.verweis")
                                                : QStringLiteral("a.") + QuoteIdentifier(s);
        gleich << QStringLiteral("l.%1 IS %2").arg(QuoteIdentifier(s), sWert);
    }
    const QString sGleich = gleich.isEmpty() ? QStringLiteral("1") : gleich.join(" AND ");
    const QString sSchluessel =
        c.bSchluessel ? QStringLiteral(
                            "l.KontoID IS z.konto AND l.BuchungsID IS a.BuchungsID AND "
                            "length(a.BuchungsID) > 0")
                      : QStringLiteral("0");
    Result<qint64> falsch = QueryInt(
        QStringLiteral("SELECT count(*) FROM %1 z CROSS JOIN archiv.%2 a ON a.id = z.alt LEFT "
                       "JOIN main.%2 l ON l.id = z.ziel WHERE z.art < %3 AND (l.id IS NULL OR NOT "
                       "CASE z.art WHEN %4 THEN %5 ELSE %6 END)")
            .arg(z, qT)
            .arg(kZurueck)
            .arg(kVorhanden)
            .arg(sGleich, sSchluessel));
    if (!falsch.ok()) return falsch.status();
    if (falsch.value() != 0)
        return Status::Fail(
            QStringLiteral("Die Prüfung ist fehlgeschlagen: %1 Einträge der Tabelle "
                           "%2 wären ungleichen Einträgen der Datenbank "
                           "zugeordnet worden. Es wurde nichts zurückgeholt.")
                .arg(falsch.value())
                .arg(sTabelle));

    // Rows that go back under an id a live row holds: a conflict, or fresh ids above every
    // live id and every id going back, in the archive's order.
    std::vector<qint64> belegt;
    {
        Query q(db_,
                QStringLiteral("SELECT z.alt FROM %1 z WHERE z.art = %3 AND EXISTS (SELECT 1 FROM "
                               "main.%2 l WHERE l.id = z.alt) ORDER BY z.alt")
                    .arg(z, qT)
                    .arg(kZurueck)
                    .toUtf8(),
                cn_.MessageName());
        while (q.Next()) belegt.push_back(q.Int(0));
        if (!q.status().ok()) return q.status();
    }
    if (!belegt.empty()) {
        if (!wahl_.bNeueIds)
            return Conflict(sName, static_cast<qint64>(belegt.size()),
                            std::vector<qint64>(
                                belegt.begin(),
                                belegt.begin() + std::min<size_t>(belegt.size(), kGenannteIds)));
        Result<qint64> lMax =
            QueryInt(QStringLiteral("SELECT max(coalesce((SELECT max(id) FROM main.%2), 0), "
                                    "coalesce((SELECT max(alt) FROM %1 WHERE art = %3), 0))")
                         .arg(z, qT)
                         .arg(kZurueck));
        if (!lMax.ok()) return lMax.status();
        Query neu(db_, QStringLiteral("UPDATE %1 SET ziel = ?1 WHERE alt = ?2").arg(z).toUtf8(),
                  cn_.MessageName());
        qint64 lNeu = lMax.value();
        for (qint64 alt : belegt) {
            neu.Bind(1, ++lNeu);
            neu.Bind(2, alt);
            while (neu.Next()) {
            }
            if (!neu.status().ok()) return neu.status();
            neu.Reset();
        }
        zaehler.lNeueIds = static_cast<qint64>(belegt.size());
    }

    // Items follow their collective order to where it went.
    if (Is(sTabelle, "SammelAufträge")) {
        Query q(db_,
                QStringLiteral("SELECT alt, ziel FROM %1 WHERE art <> %2")
                    .arg(z)
                    .arg(kGeaendert)
                    .toUtf8(),
                cn_.MessageName());
        while (q.Next()) sammel_[q.Int(0)] = q.Int(1);
        if (!q.status().ok()) return q.status();
    }
    return Status::Ok();
}

Status RestoreRun::InsertRows(const RestoreTable& tabelle, int lNummer) {
    const QString sTabelle = QString::fromUtf8(tabelle.sTabelle);
    const QString z = ZTable(lNummer);
    const Columns c = SplitColumns(sTabelle, spalten_.at(sTabelle));
    QStringList werte{QStringLiteral("z.ziel")};
    for (int i = 1; i < spalten_.at(sTabelle).size(); ++i) {
        const QString& s = spalten_.at(sTabelle)[i];
        werte << (s == c.sKonto     ? QStringLiteral("z.konto")
                  : s == c.sVerweis ? QStringLiteral("z.verweis")
                                    : QStringLiteral("a.") + QuoteIdentifier(s));
    }
    Result<qint64> zurueck =
        InsertCounted(sTabelle, werte,
                      QStringLiteral("FROM %1 z CROSS JOIN archiv.%2 a ON a.id = z.alt WHERE "
                                     "z.art = %3 ORDER BY z.alt")
                          .arg(z, QuoteIdentifier(sTabelle))
                          .arg(kZurueck));
    if (!zurueck.ok()) return zurueck.status();
    const RestoreCount& zaehler = Counts(sTabelle, QString::fromUtf8(tabelle.sName));
    if (zurueck.value() != zaehler.lZurueck)
        return Status::Fail(QStringLiteral("In die Tabelle %1 wurden %2 statt %3 Einträge "
                                           "zurückgeholt. Es wurde nichts zurückgeholt.")
                                .arg(sTabelle)
                                .arg(zurueck.value())
                                .arg(zaehler.lZurueck));
    if (Status s = VerifyInserted(sTabelle); !s.ok()) return s;
    if (Status s = Exec(QStringLiteral("DROP TABLE %1").arg(z)); !s.ok()) return s;
    Report(zaehler);
    return Status::Ok();
}

void RestoreRun::Report(const RestoreCount& zaehler) {
    if (!fortschritt_.onLine) return;
    QString sZeile = QStringLiteral("%1 %2 zurückgeholt").arg(zaehler.lZurueck).arg(zaehler.sName);
    if (zaehler.lVorhanden > 0)
        sZeile += QStringLiteral(", %1 waren schon vorhanden").arg(zaehler.lVorhanden);
    if (zaehler.lGeaendert > 0)
        sZeile +=
            QStringLiteral(", %1 seitdem geändert (bleiben, wie sie sind)").arg(zaehler.lGeaendert);
    if (zaehler.lNeueIds > 0)
        sZeile += QStringLiteral(", %1 davon unter neuen Nummern").arg(zaehler.lNeueIds);
    fortschritt_.onLine(sZeile);
}

}  // namespace tolva
