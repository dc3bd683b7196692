// RestoreRun: one table of moved rows back into the user database, by identity. Every archive
// row of the choice is mapped (account, category, collective order), paired with the live
// rows by RestoreIdentity's rules, and its fate kept in the table's plan: there already,
// edited since, or back under its id or a fresh one. Every pair is then compared field by
// field, and the rows that go back are inserted in one statement that asks the plan (through
// the run's SQL functions) and read back.
#include "restore/RestoreIdentity.h"
#include "restore/RestoreRun.h"

#include "database/Connection.h"
#include "database/Query.h"
#include "database/SqlValue.h"
#include "database/TableChecksum.h"

#include <QStringList>

#include <sqlite3.h>

#include <algorithm>

namespace tolva {
namespace {

// How many ids a refusal or a report names.
constexpr int kGenannteIds = 5;

bool Is(const QString& a, const char* b) {
    return a.compare(QString::fromUtf8(b), Qt::CaseInsensitive) == 0;
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

std::optional<qint64> RestoreRun::Mapped(Abbildung art, const std::optional<qint64>& wert) const {
    if (!wert) return wert;
    const std::map<qint64, qint64>* abbildung = nullptr;
    if (art == Abbildung::Konto) abbildung = &konten_;
    if (art == Abbildung::Verweis && aktuellerPlan_) abbildung = aktuellerPlan_->verweise;
    if (!abbildung) return wert;
    const auto it = abbildung->find(*wert);
    return it == abbildung->end() ? wert : it->second;
}

const Zuordnung* RestoreRun::Fate(qint64 id) const {
    if (!aktuellerPlan_) return nullptr;
    const std::vector<qint64>& ids = aktuellerPlan_->ids;
    // The statements read the archive in id order: the row after the last one asked about
    // is almost always the one asked for.
    size_t i = aktuellerPlan_->lZeiger;
    if (i >= ids.size() || ids[i] != id) {
        if (i + 1 < ids.size() && ids[i + 1] == id)
            ++i;
        else
            i = static_cast<size_t>(std::lower_bound(ids.begin(), ids.end(), id) - ids.begin());
    }
    if (i >= ids.size() || ids[i] != id) return nullptr;
    aktuellerPlan_->lZeiger = i;
    return &aktuellerPlan_->verbleib[i];
}

QString RestoreRun::Expression(const QString& sTabelle, const QString& sSpalte) const {
    const QString sSelbst = QStringLiteral("a.") + QuoteIdentifier(sSpalte);
    const Columns c = SplitColumns(sTabelle, spalten_.at(sTabelle));
    // A reference that keeps its value everywhere goes back as it stands.
    const auto gleich = [](const std::map<qint64, qint64>* abbildung) {
        return !abbildung || std::all_of(abbildung->begin(), abbildung->end(),
                                         [](const auto& p) { return p.first == p.second; });
    };
    if (sSpalte == c.sKonto && !gleich(&konten_))
        return QStringLiteral("tolva_konto(%1)").arg(sSelbst);
    if (sSpalte == c.sVerweis && aktuellerPlan_ && !gleich(aktuellerPlan_->verweise))
        return QStringLiteral("tolva_verweis(%1)").arg(sSelbst);
    return sSelbst;
}

Status RestoreRun::PlanRows(const RestoreTable& tabelle, int lNummer) {
    const QString sTabelle = QString::fromUtf8(tabelle.sTabelle);
    const QString sName = QString::fromUtf8(tabelle.sName);
    const QString qT = QuoteIdentifier(sTabelle);
    const Columns c = SplitColumns(sTabelle, spalten_.at(sTabelle));
    TablePlan& plan = plaene_[static_cast<size_t>(lNummer)];
    plan.verweise = Is(sTabelle, "Umsätze")        ? &kategorien_
                    : Is(sTabelle, "SammelEinzel") ? &sammel_
                                                   : nullptr;
    aktuellerPlan_ = &plan;

    // Rows as the pairing sees them; the archive's with their references mapped as they would
    // go back. Only live rows that can pair with an archive row are kept, but every live id.
    QStringList rest;
    for (const QString& s : c.rest) rest << QStringLiteral("a.") + QuoteIdentifier(s);
    const auto lesen = [&](const char* sSchema, const QString& sWo, bool bArchiv,
                           std::vector<IdentityRow>* zeilen) -> Status {
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
            if (bArchiv) {
                konto = Mapped(Abbildung::Konto, konto);
                verweis = Mapped(Abbildung::Verweis, verweis);
            }
            r.lInhalt =
                Mix(Mix(static_cast<quint64>(sqlite3_column_int64(stmt, 4)), konto), verweis);
            if (sqlite3_column_type(stmt, 3) != SQLITE_NULL && sqlite3_column_bytes(stmt, 3) > 0) {
                sqlite3_value* v = sqlite3_column_value(stmt, 3);
                r.bSchluessel = true;
                r.lSchluessel = Mix(RowHash(1, &v), konto);
            }
            if (bArchiv) {
                zeilen->push_back(r);
                Tick();
            } else {
                plan.lebendeIds.push_back(r.id);
                if (std::binary_search(plan.inhalte.begin(), plan.inhalte.end(), r.lInhalt) ||
                    (r.bSchluessel && std::binary_search(plan.schluessel.begin(),
                                                         plan.schluessel.end(), r.lSchluessel)))
                    zeilen->push_back(r);
            }
        }
        return q.status();
    };
    std::vector<Zuordnung> paare;
    {
        // The count before the restore, as the vectors' size: no growth by doubling.
        const auto vorab = vorab_.find(sTabelle);
        const size_t lVorab = vorab == vorab_.end() ? 0 : static_cast<size_t>(vorab->second);
        std::vector<IdentityRow> archiv;
        archiv.reserve(lVorab);
        plan.inhalte.reserve(lVorab);
        plan.schluessel.reserve(lVorab);
        if (Status s =
                lesen(kArchivSchema, ChoiceCondition(sTabelle, wahl_, konten_), true, &archiv);
            !s.ok())
            return s;
        plan.ids.reserve(archiv.size());
        for (const IdentityRow& r : archiv) {
            plan.ids.push_back(r.id);
            plan.inhalte.push_back(r.lInhalt);
            if (r.bSchluessel) plan.schluessel.push_back(r.lSchluessel);
        }
        std::sort(plan.inhalte.begin(), plan.inhalte.end());
        std::sort(plan.schluessel.begin(), plan.schluessel.end());
        std::vector<IdentityRow> lebend;
        if (!archiv.empty())
            if (Status s = lesen("main", QString(), false, &lebend); !s.ok()) return s;
        std::vector<quint64>().swap(plan.inhalte);
        std::vector<quint64>().swap(plan.schluessel);
        paare = PairRows(archiv, lebend);
    }

    // The counts, and the rows that go back under an id a live row holds: a conflict, or
    // fresh ids above every live id and every id going back, in the archive's order.
    RestoreCount& zaehler = Counts(sTabelle, sName);
    zaehler.lImArchiv = static_cast<qint64>(plan.ids.size());
    std::vector<size_t> belegt;
    qint64 lMax = plan.lebendeIds.empty() ? 0 : plan.lebendeIds.back();
    for (size_t i = 0; i < paare.size(); ++i) {
        Zuordnung& p = paare[i];
        switch (p.verbleib) {
            case Verbleib::Vorhanden:
                ++zaehler.lVorhanden;
                ++plan.lPaare;
                break;
            case Verbleib::Geaendert:
                ++zaehler.lGeaendert;
                ++plan.lPaare;
                if (zaehler.geaendert.size() < static_cast<size_t>(kGenannteIds))
                    zaehler.geaendert.push_back(p.lZiel);
                break;
            case Verbleib::Zurueck:
                ++zaehler.lZurueck;
                p.lZiel = plan.ids[i];
                lMax = std::max(lMax, p.lZiel);
                if (std::binary_search(plan.lebendeIds.begin(), plan.lebendeIds.end(), p.lZiel))
                    belegt.push_back(i);
                break;
        }
    }
    std::vector<qint64>().swap(plan.lebendeIds);
    if (!belegt.empty()) {
        if (!wahl_.bNeueIds) {
            std::vector<qint64> erste;
            for (size_t i = 0; i < belegt.size() && i < static_cast<size_t>(kGenannteIds); ++i)
                erste.push_back(plan.ids[belegt[i]]);
            return Conflict(sName, static_cast<qint64>(belegt.size()), erste);
        }
        for (size_t i : belegt) paare[i].lZiel = ++lMax;
        zaehler.lNeueIds = static_cast<qint64>(belegt.size());
    }
    plan.verbleib = std::move(paare);

    // Every pair compared field by field: a hash that matched by chance refuses the restore
    // instead of skipping a row.
    QStringList gleich;
    for (int i = 1; i < spalten_.at(sTabelle).size(); ++i) {
        const QString& s = spalten_.at(sTabelle)[i];
        gleich << QStringLiteral("l.%1 IS %2").arg(QuoteIdentifier(s), Expression(sTabelle, s));
    }
    const QString sGleich = gleich.isEmpty() ? QStringLiteral("1") : gleich.join(" AND ");
    const QString sSchluessel = c.bSchluessel
                                    ? QStringLiteral(
                                          "l.KontoID IS tolva_konto(a.KontoID) AND l.BuchungsID IS "
                                          "a.BuchungsID AND length(a.BuchungsID) > 0")
                                    : QStringLiteral("0");
    if (plan.lPaare > 0) {
        Query q(db_,
                QStringLiteral("SELECT count(*), total(NOT CASE tolva_verbleib(a.id) WHEN %1 THEN "
                               "%2 ELSE %3 END) FROM archiv.%4 a CROSS JOIN main.%4 l ON l.id = "
                               "tolva_ziel(a.id) WHERE 1%5 AND tolva_verbleib(a.id) <> %6")
                    .arg(static_cast<int>(Verbleib::Vorhanden))
                    .arg(sGleich, sSchluessel, qT, ChoiceCondition(sTabelle, wahl_, konten_))
                    .arg(static_cast<int>(Verbleib::Zurueck))
                    .toUtf8(),
                cn_.MessageName());
        if (!q.Next()) return q.status().ok() ? Status::Fail(QString()) : q.status();
        if (q.Int(0) != plan.lPaare || q.Int(1) != 0)
            return Status::Fail(
                QStringLiteral("Die Prüfung ist fehlgeschlagen: Von %1 Einträgen der Tabelle %2, "
                               "die schon in der Datenbank stehen, sind dort %3 nicht zu finden "
                               "oder anders. Es wurde nichts zurückgeholt.")
                    .arg(plan.lPaare)
                    .arg(sTabelle)
                    .arg(plan.lPaare - q.Int(0) + q.Int(1)));
    }

    // Items follow their collective order to where it went.
    if (Is(sTabelle, "SammelAufträge"))
        for (size_t i = 0; i < plan.ids.size(); ++i)
            if (plan.verbleib[i].verbleib != Verbleib::Geaendert)
                sammel_[plan.ids[i]] = plan.verbleib[i].lZiel;
    aktuellerPlan_ = nullptr;
    return Status::Ok();
}

Status RestoreRun::InsertRows(const RestoreTable& tabelle, int lNummer) {
    const QString sTabelle = QString::fromUtf8(tabelle.sTabelle);
    aktuellerPlan_ = &plaene_[static_cast<size_t>(lNummer)];
    aktuellerPlan_->lZeiger = 0;
    const RestoreCount& zaehler = Counts(sTabelle, QString::fromUtf8(tabelle.sName));
    if (zaehler.lZurueck == 0) {
        aktuellerPlan_ = nullptr;
        Report(zaehler);
        return Status::Ok();
    }
    // The plan is asked only where it tells more than the archive row itself.
    QStringList werte{zaehler.lNeueIds > 0 ? QStringLiteral("tolva_ziel(a.id)")
                                           : QStringLiteral("a.id")};
    for (int i = 1; i < spalten_.at(sTabelle).size(); ++i)
        werte << Expression(sTabelle, spalten_.at(sTabelle)[i]);
    const QString sZurueck = zaehler.lZurueck == zaehler.lImArchiv
                                 ? QString()
                                 : QStringLiteral(" AND tolva_verbleib(a.id) = %1")
                                       .arg(static_cast<int>(Verbleib::Zurueck));
    Result<qint64> zurueck = InsertCounted(
        sTabelle, werte,
        QStringLiteral("FROM archiv.%1 a WHERE 1%2%3 ORDER BY a.id")
            .arg(QuoteIdentifier(sTabelle), ChoiceCondition(sTabelle, wahl_, konten_), sZurueck));
    aktuellerPlan_ = nullptr;
    if (!zurueck.ok()) return zurueck.status();
    if (zurueck.value() != zaehler.lZurueck)
        return Status::Fail(QStringLiteral("In die Tabelle %1 wurden %2 statt %3 Einträge "
                                           "zurückgeholt. Es wurde nichts zurückgeholt.")
                                .arg(sTabelle)
                                .arg(zurueck.value())
                                .arg(zaehler.lZurueck));
    if (Status s = VerifyInserted(sTabelle); !s.ok()) return s;
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
