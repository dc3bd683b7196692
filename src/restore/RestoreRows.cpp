// RestoreRun: one table of moved rows back into the user database, by identity. The live table
// is read once for its ids and the hashes of its rows. One pass over the archive rows of the
// choice (mapped: account, category, collective order) then inserts every row that nothing in
// the database matches, piece by piece, each piece read back at once; it keeps the others,
// which are paired with the live rows by RestoreIdentity's rules: there already, edited
// since, or back under its id or a fresh one. Every pair is compared field by field, and the
// kept rows that go back are inserted in one statement that asks their fates (through the
// run's SQL functions) and read back.
#include "restore/RestoreIdentity.h"
#include "restore/RestoreRun.h"

#include "database/Connection.h"
#include "database/Query.h"
#include "database/SqlValue.h"
#include "database/TableChecksum.h"
#include "text/DisplayFormat.h"

#include <QCoreApplication>
#include <QScopeGuard>
#include <QStringList>

#include <sqlite3.h>

#include <algorithm>

namespace tolva {
namespace {

// How many ids a refusal or a report names.
constexpr int kGenannteIds = 5;

// The refusal when a table's inserts do not add up.
QString WrongCount(const QString& sTabelle, qint64 lEingefuegt, qint64 lErwartet) {
    return QCoreApplication::translate("RestoreRows",
                                       "In die Tabelle %1 wurden %2 statt %3 Einträge "
                                       "zurückgeholt. Es wurde nichts zurückgeholt.")
        .arg(sTabelle, QString::number(lEingefuegt), QString::number(lErwartet));
}

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
            sammel << (q.IsNull(0) ? QCoreApplication::translate("RestoreRows", "ohne Nummer")
                                   : QString::number(q.Int(0)));
        lAnzahl += q.Int(1);
    }
    if (!q.status().ok()) return q.status();
    if (lAnzahl == 0) return Status::Ok();
    return Status::Fail(
        QCoreApplication::translate("RestoreRows",
                                    "Das Archiv „%1“ enthält %2 Einzelaufträge von "
                                    "Sammelaufträgen (Nummer %3), die weder das Archiv noch die "
                                    "Datenbank enthält. Zu welchem Sammelauftrag sie gehören, "
                                    "lässt sich nicht sicher sagen; es wurde nichts zurückgeholt.")
            .arg(sArchiv, DisplayCount(lAnzahl), sammel.join(QStringLiteral(", "))),
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

IdentityRow RestoreRun::Identity(qint64 id, std::optional<qint64> konto,
                                 std::optional<qint64> verweis, sqlite3_value* schluessel,
                                 quint64 lRest, bool bArchiv) const {
    if (bArchiv) {
        konto = Mapped(Abbildung::Konto, konto);
        verweis = Mapped(Abbildung::Verweis, verweis);
    }
    IdentityRow r;
    r.id = id;
    r.lInhalt = Mix(Mix(lRest, konto), verweis);
    if (schluessel && sqlite3_value_type(schluessel) != SQLITE_NULL &&
        sqlite3_value_bytes(schluessel) > 0) {
        r.bSchluessel = true;
        r.lSchluessel = Mix(RowHash(1, &schluessel), konto);
    }
    return r;
}

Status RestoreRun::ReadIdentities(const QString& sTabelle, const QString& sVon, bool bArchiv,
                                  const IdentitySink& sink) {
    const Columns c = SplitColumns(sTabelle, spalten_.at(sTabelle));
    QStringList rest;
    for (const QString& s : c.rest) rest << QStringLiteral("a.") + QuoteIdentifier(s);
    const QString sql =
        QStringLiteral("SELECT a.id, %1, %2, %3, tolva_inhalt(%4) FROM %5 ORDER BY a.id")
            .arg(c.sKonto.isEmpty() ? QStringLiteral("NULL")
                                    : QStringLiteral("a.") + QuoteIdentifier(c.sKonto),
                 c.sVerweis.isEmpty() ? QStringLiteral("NULL")
                                      : QStringLiteral("a.") + QuoteIdentifier(c.sVerweis),
                 c.bSchluessel ? QStringLiteral("a.BuchungsID") : QStringLiteral("NULL"),
                 rest.isEmpty() ? QStringLiteral("NULL") : rest.join(QLatin1Char(',')), sVon);
    Query q(db_, sql.toUtf8(), cn_.MessageName());
    while (q.Next()) {
        sqlite3_stmt* stmt = q.Handle();
        const std::optional<qint64> konto = NullableInt(stmt, 1);
        sink(Identity(sqlite3_column_int64(stmt, 0), konto, NullableInt(stmt, 2),
                      sqlite3_column_value(stmt, 3),
                      static_cast<quint64>(sqlite3_column_int64(stmt, 4)), bArchiv),
             konto);
    }
    return q.status();
}

bool RestoreRun::Sift(qint64 id, std::optional<qint64> konto, std::optional<qint64> verweis,
                      sqlite3_value* schluessel, quint64 lRest) {
    Tick();
    TablePlan& plan = *aktuellerPlan_;
    const IdentityRow r = Identity(id, konto, verweis, schluessel, lRest, true);
    // The pass goes in id order: the live ids are walked along with it.
    const std::vector<qint64>& lebend = plan.lebendeIds;
    size_t& i = plan.lLebendZeiger;
    if (i > 0 && i <= lebend.size() && lebend[i - 1] >= id)
        i = static_cast<size_t>(std::lower_bound(lebend.begin(), lebend.end(), id) -
                                lebend.begin());
    while (i < lebend.size() && lebend[i] < id) ++i;
    const bool bBelegt = i < lebend.size() && lebend[i] == id;
    if (bBelegt && plan.lebendeInhalte[i] == r.lInhalt) {
        plan.selbe.push_back(id);
        return false;
    }
    if (!bBelegt && !plan.inhalte.Contains(r.lInhalt) &&
        !(r.bSchluessel && plan.schluessel.Contains(r.lSchluessel))) {
        ++plan.lKlar;
        plan.lMaxKlar = std::max(plan.lMaxKlar, id);
        return true;
    }
    plan.behalten.push_back(r);
    return false;
}

Status RestoreRun::RestoreRows(const RestoreTable& tabelle, int lNummer, bool bSchreiben) {
    const QString sTabelle = QString::fromUtf8(tabelle.sTabelle);
    const QString sName = QString::fromUtf8(tabelle.sName);
    TablePlan& plan = plaene_[static_cast<size_t>(lNummer)];
    plan.verweise = Is(sTabelle, "Umsätze")        ? &kategorien_
                    : Is(sTabelle, "SammelEinzel") ? &sammel_
                                                   : nullptr;
    aktuellerPlan_ = &plan;
    const auto fertig = qScopeGuard([this] { aktuellerPlan_ = nullptr; });

    // Every live row once: its id, and the hashes of its content and identity key.
    {
        const auto vorab = vorab_.find(sTabelle);
        const size_t lVorab = vorab == vorab_.end() ? 0 : static_cast<size_t>(vorab->second);
        if (lVorab == 0) {
            Counts(sTabelle, sName);
            return Status::Ok();
        }
        Result<qint64> lebend = FirstInt(
            db_, QStringLiteral("SELECT count(*) FROM main.%1").arg(QuoteIdentifier(sTabelle)),
            cn_.MessageName());
        if (!lebend.ok()) return lebend.status();
        const auto lLebend = static_cast<size_t>(lebend.value());
        plan.lebendeIds.reserve(lLebend);
        plan.lebendeInhalte.reserve(lLebend);
        plan.inhalte.Reserve(lLebend);
        plan.schluessel.Reserve(lLebend);
    }
    // With a choice of accounts, only live rows of the accounts the chosen rows go to can
    // equal one of them: content and key hold the account.
    std::vector<qint64> ziele;
    const bool bNurZiele =
        wahl_.konten && !SplitColumns(sTabelle, spalten_.at(sTabelle)).sKonto.isEmpty();
    if (bNurZiele) {
        ziele = *wahl_.konten;
        for (const auto& [alt, neu] : konten_) ziele.push_back(neu);
        for (const auto& [alt, neu] : wahl_.zuordnung)
            if (neu) ziele.push_back(*neu);
        std::sort(ziele.begin(), ziele.end());
    }
    if (Status s = ReadIdentities(
            sTabelle, QStringLiteral("main.%1 a").arg(QuoteIdentifier(sTabelle)), false,
            [&](const IdentityRow& r, const std::optional<qint64>& konto) {
                plan.lebendeIds.push_back(r.id);
                plan.lebendeInhalte.push_back(r.lInhalt);
                if (bNurZiele &&
                    (!konto || !std::binary_search(ziele.begin(), ziele.end(), *konto)))
                    return;
                plan.inhalte.Insert(r.lInhalt);
                if (r.bSchluessel) plan.schluessel.Insert(r.lSchluessel);
            });
        !s.ok())
        return s;
    const qint64 lMaxLebend = plan.lebendeIds.empty() ? 0 : plan.lebendeIds.back();

    if (Status s = SiftRows(sTabelle, bSchreiben); !s.ok()) return s;
    plan.inhalte.Clear();
    plan.schluessel.Clear();
    RestoreCount& zaehler = Counts(sTabelle, sName);
    zaehler.lImArchiv = zaehler.lZurueck = plan.lKlar;
    std::vector<quint64>().swap(plan.lebendeInhalte);
    if (!plan.behalten.empty() || !plan.selbe.empty())
        if (Status s = ResolveKept(sTabelle, sName, lMaxLebend, bSchreiben); !s.ok()) return s;
    std::vector<qint64>().swap(plan.lebendeIds);
    if (bSchreiben) Report(tabelle, Counts(sTabelle, sName));
    return Status::Ok();
}

Status RestoreRun::SiftRows(const QString& sTabelle, bool bSchreiben) {
    const QString qT = QuoteIdentifier(sTabelle);
    const Columns c = SplitColumns(sTabelle, spalten_.at(sTabelle));
    QStringList rest;
    for (const QString& s : c.rest) rest << QStringLiteral("a.") + QuoteIdentifier(s);
    // tolva_klar runs only for rows of the choice, and once for each.
    const QString sKlar =
        QStringLiteral("CASE WHEN 1%1 THEN tolva_klar(a.id, %2, %3, %4, tolva_inhalt(%5)) END")
            .arg(ChoiceCondition(sTabelle, wahl_, konten_),
                 c.sKonto.isEmpty() ? QStringLiteral("NULL")
                                    : QStringLiteral("a.") + QuoteIdentifier(c.sKonto),
                 c.sVerweis.isEmpty() ? QStringLiteral("NULL")
                                      : QStringLiteral("a.") + QuoteIdentifier(c.sVerweis),
                 c.bSchluessel ? QStringLiteral("a.BuchungsID") : QStringLiteral("NULL"),
                 rest.isEmpty() ? QStringLiteral("NULL") : rest.join(QLatin1Char(',')));
    // Every row of the archive's table passes, of the choice or not: with a seal they are
    // summed as it sums them, and compared with it at the end.
    const auto versiegelt = siegel_ ? siegel_->find(sTabelle) : decltype(siegel_->end()){};
    const bool bSiegel = siegel_ && versiegelt != siegel_->end();
    QString sSiegel;
    if (bSiegel) {
        QStringList alle;
        for (const QString& s : spalten_.at(sTabelle))
            alle << QStringLiteral("a.") + QuoteIdentifier(s);
        sSiegel = QStringLiteral("tolva_siegelzeile(%1) AND ").arg(alle.join(QLatin1Char(',')));
    }
    versiegelt_ = Pruefsumme{};
    const auto vergleiche = [&]() {
        if (!bSiegel || versiegelt_ == versiegelt->second) return Status::Ok();
        const qint64 lSoll = versiegelt->second.lAnzahl;
        return DamagedArchive(
            QString::fromUtf8(sqlite3_db_filename(db_, kArchivSchema)),
            versiegelt_.lAnzahl == lSoll
                ? QCoreApplication::translate(
                      "RestoreRows",
                      "Zeilen der Tabelle %1 sind nicht mehr die, die ihr Siegel nennt")
                      .arg(sTabelle)
                : QCoreApplication::translate("RestoreRows",
                                              "die Tabelle %1 hat %2 Zeilen, ihr Siegel nennt %3")
                      .arg(sTabelle, DisplayCount(versiegelt_.lAnzahl), DisplayCount(lSoll)));
    };
    if (!bSchreiben) {
        Result<qint64> n = FirstInt(
            db_,
            QStringLiteral("SELECT count(*) FROM archiv.%1 a WHERE %2%3").arg(qT, sSiegel, sKlar),
            cn_.MessageName());
        if (!n.ok()) return n.status();
        return vergleiche();
    }

    // Inserted piece by piece in id order, each piece read back at once: its pages are still
    // in the cache then. The statement reads nothing of the table it fills, so its rows go
    // straight in.
    Result<qint64> kleinste =
        FirstInt(db_, QStringLiteral("SELECT min(id) FROM archiv.%1").arg(qT), cn_.MessageName());
    if (!kleinste.ok()) return kleinste.status();
    Result<qint64> groesste =
        FirstInt(db_, QStringLiteral("SELECT max(id) FROM archiv.%1").arg(qT), cn_.MessageName());
    if (!groesste.ok()) return groesste.status();
    Result<qint64> alle =
        FirstInt(db_, QStringLiteral("SELECT count(*) FROM archiv.%1").arg(qT), cn_.MessageName());
    if (!alle.ok()) return alle.status();
    // Pieces of about lStueck rows, as ids spread over the archive's range.
    const qint64 lStueck = std::max<qint64>(1, wahl_.lZeilenJeStueck);
    const qint64 lSpanne = groesste.value() - kleinste.value() + 1;
    const qint64 lBreite =
        std::max<qint64>(lStueck, lSpanne / std::max<qint64>(1, alle.value() / lStueck));
    QStringList werte{QStringLiteral("a.id")};
    for (int i = 1; i < spalten_.at(sTabelle).size(); ++i)
        werte << Expression(sTabelle, spalten_.at(sTabelle)[i]);
    for (qint64 lVon = kleinste.value(); lVon <= groesste.value(); lVon += lBreite) {
        const qint64 lBis = std::min(groesste.value(), lVon + lBreite - 1);
        const qint64 lVorher = aktuellerPlan_->lKlar;
        Result<qint64> eingefuegt =
            InsertCounted(sTabelle, werte,
                          QStringLiteral("FROM archiv.%1 a WHERE a.id BETWEEN %2 AND %3 AND "
                                         "%4%5 ORDER BY a.id")
                              .arg(qT)
                              .arg(lVon)
                              .arg(lBis)
                              .arg(sSiegel, sKlar));
        if (!eingefuegt.ok()) return eingefuegt.status();
        if (eingefuegt.value() != aktuellerPlan_->lKlar - lVorher)
            return Status::Fail(
                WrongCount(sTabelle, eingefuegt.value(), aktuellerPlan_->lKlar - lVorher));
        if (eingefuegt.value() > 0)
            if (Status s = VerifyInserted(sTabelle); !s.ok()) return s;
    }
    return vergleiche();
}

Status RestoreRun::ResolveKept(const QString& sTabelle, const QString& sName, qint64 lMaxLebend,
                               bool bSchreiben) {
    const QString qT = QuoteIdentifier(sTabelle);
    const Columns c = SplitColumns(sTabelle, spalten_.at(sTabelle));
    TablePlan& plan = *aktuellerPlan_;
    std::vector<IdentityRow> archiv;
    archiv.swap(plan.behalten);
    // Rows whose own id holds a live row of equal content pair with it, before any other pair
    // of that content is made (rule 3a): both sides leave the pairing.
    std::vector<qint64> selbe;
    selbe.swap(plan.selbe);

    // The live rows that can pair with a kept row: equal content or identity key. Rows that
    // went back in the pass match neither and are no live rows: they pair with nothing.
    std::vector<Zuordnung> paare;
    if (!archiv.empty()) {
        std::vector<quint64> inhalte;
        std::vector<quint64> schluessel;
        for (const IdentityRow& r : archiv) {
            inhalte.push_back(r.lInhalt);
            if (r.bSchluessel) schluessel.push_back(r.lSchluessel);
        }
        std::sort(inhalte.begin(), inhalte.end());
        std::sort(schluessel.begin(), schluessel.end());
        std::vector<IdentityRow> lebend;
        if (Status s = ReadIdentities(
                sTabelle, QStringLiteral("main.%1 a").arg(qT), false,
                [&](const IdentityRow& r, const std::optional<qint64>&) {
                    if (!std::binary_search(plan.lebendeIds.begin(), plan.lebendeIds.end(), r.id) ||
                        std::binary_search(selbe.begin(), selbe.end(), r.id))
                        return;
                    if (std::binary_search(inhalte.begin(), inhalte.end(), r.lInhalt) ||
                        (r.bSchluessel &&
                         std::binary_search(schluessel.begin(), schluessel.end(), r.lSchluessel)))
                        lebend.push_back(r);
                });
            !s.ok())
            return s;
        paare = PairRows(archiv, lebend);
    }

    // The counts, and the rows that go back under an id a live row holds: a conflict, or
    // fresh ids above every live id and every id going back, in the archive's order.
    RestoreCount& zaehler = Counts(sTabelle, sName);
    zaehler.lImArchiv += static_cast<qint64>(archiv.size() + selbe.size());
    zaehler.lVorhanden += static_cast<qint64>(selbe.size());
    plan.lPaare += static_cast<qint64>(selbe.size());
    std::vector<size_t> belegt;
    qint64 lMax = std::max(lMaxLebend, plan.lMaxKlar);
    qint64 lZurueck = 0;
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
                ++lZurueck;
                p.lZiel = archiv[i].id;
                lMax = std::max(lMax, p.lZiel);
                if (std::binary_search(plan.lebendeIds.begin(), plan.lebendeIds.end(), p.lZiel))
                    belegt.push_back(i);
                break;
        }
    }
    zaehler.lZurueck += lZurueck;
    if (!belegt.empty()) {
        if (!wahl_.bNeueIds) {
            std::vector<qint64> erste;
            for (size_t i = 0; i < belegt.size() && i < static_cast<size_t>(kGenannteIds); ++i)
                erste.push_back(archiv[belegt[i]].id);
            return Conflict(sName, static_cast<qint64>(belegt.size()), erste);
        }
        for (size_t i : belegt) paare[i].lZiel = ++lMax;
        zaehler.lNeueIds = static_cast<qint64>(belegt.size());
    }
    // The plan of the kept rows and of the equal ones, in id order.
    plan.ids.clear();
    plan.verbleib.clear();
    plan.ids.reserve(archiv.size() + selbe.size());
    plan.verbleib.reserve(archiv.size() + selbe.size());
    for (size_t a = 0, s = 0; a < archiv.size() || s < selbe.size();) {
        if (s == selbe.size() || (a < archiv.size() && archiv[a].id < selbe[s])) {
            plan.ids.push_back(archiv[a].id);
            plan.verbleib.push_back(paare[a++]);
        } else {
            plan.ids.push_back(selbe[s]);
            plan.verbleib.push_back({Verbleib::Vorhanden, selbe[s++]});
        }
    }
    std::vector<IdentityRow>().swap(archiv);
    std::vector<qint64>().swap(selbe);
    std::vector<Zuordnung>().swap(paare);
    plan.lZeiger = 0;

    // The kept rows, for the statements that follow.
    if (Status s = Exec(QStringLiteral("DROP TABLE IF EXISTS temp.tolva_behalten; CREATE TABLE "
                                       "temp.tolva_behalten(id INTEGER PRIMARY KEY)"));
        !s.ok())
        return s;
    const auto wegraeumen = qScopeGuard([this] {
        sqlite3_exec(db_, "DROP TABLE IF EXISTS temp.tolva_behalten", nullptr, nullptr, nullptr);
    });
    {
        Query einfuegen(db_, "INSERT INTO temp.tolva_behalten VALUES (?1)", cn_.MessageName());
        for (qint64 id : plan.ids) {
            einfuegen.Bind(1, id);
            while (einfuegen.Next()) {
            }
            if (!einfuegen.status().ok()) return einfuegen.status();
            einfuegen.Reset();
        }
    }
    const QString sBehalten =
        QStringLiteral("temp.tolva_behalten z CROSS JOIN archiv.%1 a ON a.id = z.id").arg(qT);

    // Every pair compared field by field: a hash that matched by chance refuses the restore
    // instead of skipping a row.
    if (plan.lPaare > 0) {
        QStringList gleich;
        for (int i = 1; i < spalten_.at(sTabelle).size(); ++i) {
            const QString& s = spalten_.at(sTabelle)[i];
            gleich << QStringLiteral("l.%1 IS %2").arg(QuoteIdentifier(s), Expression(sTabelle, s));
        }
        const QString sGleich = gleich.isEmpty() ? QStringLiteral("1") : gleich.join(" AND ");
        const QString sSchluessel =
            c.bSchluessel ? QStringLiteral(
                                "l.KontoID IS tolva_konto(a.KontoID) AND l.BuchungsID IS "
                                "a.BuchungsID AND length(a.BuchungsID) > 0")
                          : QStringLiteral("0");
        Query q(db_,
                QStringLiteral("SELECT count(*), total(NOT CASE tolva_verbleib(a.id) WHEN %1 THEN "
                               "%2 ELSE %3 END) FROM %4 CROSS JOIN main.%5 l ON l.id = "
                               "tolva_ziel(a.id) WHERE tolva_verbleib(a.id) <> %6")
                    .arg(static_cast<int>(Verbleib::Vorhanden))
                    .arg(sGleich, sSchluessel, sBehalten, qT)
                    .arg(static_cast<int>(Verbleib::Zurueck))
                    .toUtf8(),
                cn_.MessageName());
        if (!q.Next()) return q.status().ok() ? Status::Fail(QString()) : q.status();
        if (q.Int(0) != plan.lPaare || q.Int(1) != 0)
            return Status::Fail(
                QCoreApplication::translate("RestoreRows",
                                            "Die Prüfung ist fehlgeschlagen: Von %1 Einträgen der "
                                            "Tabelle %2, die schon in der Datenbank stehen, sind "
                                            "dort %3 nicht zu finden oder anders. Es wurde nichts "
                                            "zurückgeholt.")
                    .arg(QString::number(plan.lPaare), sTabelle,
                         QString::number(plan.lPaare - q.Int(0) + q.Int(1))));
    }

    // Items follow their collective order to where it went; one that went back in the pass
    // kept its id.
    if (Is(sTabelle, "SammelAufträge"))
        for (size_t i = 0; i < plan.ids.size(); ++i)
            if (plan.verbleib[i].verbleib != Verbleib::Geaendert)
                sammel_[plan.ids[i]] = plan.verbleib[i].lZiel;

    if (!bSchreiben || lZurueck == 0) return Status::Ok();
    QStringList werte{zaehler.lNeueIds > 0 ? QStringLiteral("tolva_ziel(a.id)")
                                           : QStringLiteral("a.id")};
    for (int i = 1; i < spalten_.at(sTabelle).size(); ++i)
        werte << Expression(sTabelle, spalten_.at(sTabelle)[i]);
    Result<qint64> zurueck =
        InsertCounted(sTabelle, werte,
                      QStringLiteral("FROM %1 WHERE tolva_verbleib(a.id) = %2 ORDER BY a.id")
                          .arg(sBehalten)
                          .arg(static_cast<int>(Verbleib::Zurueck)));
    if (!zurueck.ok()) return zurueck.status();
    if (zurueck.value() != lZurueck)
        return Status::Fail(WrongCount(sTabelle, zurueck.value(), lZurueck));
    return VerifyInserted(sTabelle);
}

void RestoreRun::Report(const RestoreTable& tabelle, const RestoreCount& zaehler) {
    if (!fortschritt_.onLine) return;
    // Counts as people read them: 12.345 (12,345).
    QString sZeile = QCoreApplication::translate("RestoreRows", tabelle.sZurueckgeholt, nullptr,
                                                 PluralCount(zaehler.lZurueck))
                         .arg(DisplayCount(zaehler.lZurueck));
    if (zaehler.lVorhanden > 0)
        sZeile += QCoreApplication::translate("RestoreRows", ", %1 waren schon vorhanden")
                      .arg(DisplayCount(zaehler.lVorhanden));
    if (zaehler.lGeaendert > 0)
        sZeile += QCoreApplication::translate("RestoreRows",
                                              ", %1 seitdem geändert (bleiben, wie sie sind)")
                      .arg(DisplayCount(zaehler.lGeaendert));
    if (zaehler.lNeueIds > 0)
        sZeile += QCoreApplication::translate("RestoreRows", ", %1 davon unter neuen Nummern")
                      .arg(DisplayCount(zaehler.lNeueIds));
    fortschritt_.onLine(sZeile);
}

}  // namespace tolva
