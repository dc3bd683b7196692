// RestoreRun: attaching the archive, the checks before a restore, and the transaction's order
// of steps with its row counting.
#include "restore/RestoreRun.h"

#include "database/AttachKeyed.h"
#include "database/Connection.h"
#include "database/ConnectionText.h"
#include "database/Query.h"
#include "database/SqlValue.h"
#include "database/TableChecksum.h"

#include <QCoreApplication>

#include <sqlite3.h>

#include <algorithm>

namespace tolva {
namespace {

// The tables a restore reads from the archive besides the moved rows.
constexpr const char* kStammTabellen[] = {"Konten", "BankDaten", "Kategorien", "Optionen"};

// A text as an SQL literal.
// tolva_zurueck(first, fields...): adds the row of fields to the current table's tally and
// returns the first unchanged; it stands in the select list of an insert, so it runs once
// for every row stored.
void TallyRestoredRow(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    auto* lauf = static_cast<RestoreRun*>(sqlite3_user_data(ctx));
    if (argc > 1) lauf->CountRow(sqlite3_value_int64(argv[0]), RowHash(argc - 1, argv + 1));
    if (argc > 0) sqlite3_result_value(ctx, argv[0]);
}

// tolva_siegelzeile(fields...): every field of an archive row into the seal's sum; always 1, so
// that it stands in a WHERE before the row's other conditions.
void SealedRow(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    static_cast<RestoreRun*>(sqlite3_user_data(ctx))->SealRow(RowHash(argc, argv));
    sqlite3_result_int(ctx, 1);
}

// tolva_inhalt(fields...): the hash of the fields, as an integer.
void ContentHash(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    sqlite3_result_int64(ctx, static_cast<sqlite3_int64>(RowHash(argc, argv)));
}

// tolva_konto(KontoID), tolva_verweis(reference): an archive row's reference as it goes back.
template <RestoreRun::Abbildung art>
void MappedReference(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    const auto* lauf = static_cast<const RestoreRun*>(sqlite3_user_data(ctx));
    if (argc != 1 || sqlite3_value_type(argv[0]) != SQLITE_INTEGER) {
        if (argc == 1) sqlite3_result_value(ctx, argv[0]);
        return;
    }
    sqlite3_result_int64(ctx, *lauf->Mapped(art, sqlite3_value_int64(argv[0])));
}

// tolva_verbleib(id), tolva_ziel(id): the fate of an archive row (a Verbleib) and the live id
// it pairs with or goes back under; NULL for a row not of the choice.
template <bool bZiel>
void RowFate(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    const auto* lauf = static_cast<const RestoreRun*>(sqlite3_user_data(ctx));
    const Zuordnung* z = argc == 1 ? lauf->Fate(sqlite3_value_int64(argv[0])) : nullptr;
    if (!z) return;  // NULL
    sqlite3_result_int64(ctx, bZiel ? z->lZiel : static_cast<int>(z->verbleib));
}

// tolva_klar(id, KontoID, reference, BuchungsID, tolva_inhalt(rest)): RestoreRun::Sift.
void SiftRow(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    auto* lauf = static_cast<RestoreRun*>(sqlite3_user_data(ctx));
    // Outside a table's pass no row may be let through or kept unseen.
    if (argc != 5 || !lauf->Sifting()) {
        sqlite3_result_error(ctx, "tolva_klar: not in a table's pass", -1);
        return;
    }
    const auto nullable = [&](int n) -> std::optional<qint64> {
        if (sqlite3_value_type(argv[n]) == SQLITE_NULL) return std::nullopt;
        return sqlite3_value_int64(argv[n]);
    };
    sqlite3_result_int(ctx,
                       lauf->Sift(sqlite3_value_int64(argv[0]), nullable(1), nullable(2), argv[3],
                                  static_cast<quint64>(sqlite3_value_int64(argv[4]))));
}

// tolva_eingefuegt(id): whether the id is one the run inserted into the table read back.
void InsertedRow(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    const auto* lauf = static_cast<const RestoreRun*>(sqlite3_user_data(ctx));
    sqlite3_result_int(ctx, argc == 1 && lauf->WasInserted(sqlite3_value_int64(argv[0])));
}

Result<QStringList> Columns(sqlite3* db, const char* sSchema, const QString& sTabelle,
                            const QString& sDatei) {
    return TableColumns(db, QString::fromUtf8(sSchema), sTabelle, sDatei);
}

QString ArchiveFileName(sqlite3* db) {
    const char* s = sqlite3_db_filename(db, kArchivSchema);
    return s ? QString::fromUtf8(s) : QString();
}

}  // namespace

bool IsMovedTable(const QString& sTabelle) {
    return std::any_of(
        std::begin(kRestoreTables), std::end(kRestoreTables),
        [&](const RestoreTable& t) { return sTabelle == QString::fromUtf8(t.sTabelle); });
}

Status AttachArchive(Connection& cn, const QString& sArchiv) {
    // Read-only: the archive's bytes never change.
    return AttachKeyed(cn, sArchiv, QString::fromUtf8(kArchivSchema), true, sArchiv);
}

Status CheckRestoreTables(Connection& cn) {
    sqlite3* db = cn.Handle();
    const QString sArchiv = ArchiveFileName(db);
    QStringList tabellen;
    for (const RestoreTable& t : kRestoreTables) tabellen << QString::fromUtf8(t.sTabelle);
    for (const char* t : kStammTabellen) tabellen << QString::fromUtf8(t);
    for (const QString& t : tabellen) {
        Result<QStringList> hier = Columns(db, "main", t, cn.DataSource());
        if (!hier.ok()) return hier.status();
        Result<QStringList> dort = Columns(db, kArchivSchema, t, sArchiv);
        if (!dort.ok()) return dort.status();
        if (hier.value().isEmpty())
            return Status::Fail(QCoreApplication::translate(
                                    "RestoreRun", "Die Tabelle %1 fehlt in der Datenbank „%2“.")
                                    .arg(t, cn.DataSource()));
        if (dort.value().isEmpty())
            return Status::Fail(
                QCoreApplication::translate("RestoreRun", "Die Tabelle %1 fehlt im Archiv „%2“.")
                    .arg(t, sArchiv));
        if (hier.value() != dort.value())
            return Status::Fail(
                QCoreApplication::translate("RestoreRun",
                                            "Die Tabelle %1 hat im Archiv „%2“ andere Felder (%3) "
                                            "als in der Datenbank (%4). Es wurde nichts "
                                            "zurückgeholt.")
                    .arg(t, sArchiv, dort.value().join(QStringLiteral(", ")),
                         hier.value().join(QStringLiteral(", "))));
        if (t != QLatin1String("Optionen") &&
            hier.value().front().compare(QLatin1String("id"), Qt::CaseInsensitive) != 0)
            return Status::Fail(QCoreApplication::translate(
                                    "RestoreRun", "Die Tabelle %1 beginnt nicht mit dem Feld id.")
                                    .arg(t));
    }
    Result<qint64> version =
        FirstInt(db, QStringLiteral("SELECT Version FROM main.Optionen"), cn.DataSource());
    if (!version.ok()) return version.status();
    // The reference tables of newer archives hold rows of Konten and BankDaten.
    for (const auto& [sVerwiesen, sWie] :
         {std::pair{kVerwiesenKonten, "Konten"}, std::pair{kVerwiesenBanken, "BankDaten"}}) {
        Result<bool> da = ArchiveHasTable(db, sVerwiesen);
        if (!da.ok()) return da.status();
        if (!da.value()) continue;
        Result<QStringList> hier = Columns(db, "main", QString::fromUtf8(sWie), cn.DataSource());
        if (!hier.ok()) return hier.status();
        Result<QStringList> dort =
            Columns(db, kArchivSchema, QString::fromUtf8(sVerwiesen), sArchiv);
        if (!dort.ok()) return dort.status();
        if (hier.value() != dort.value())
            return Status::Fail(
                QCoreApplication::translate("RestoreRun",
                                            "Die Tabelle %1 hat im Archiv „%2“ andere Felder (%3) "
                                            "als die Tabelle %4 der Datenbank (%5). Es wurde "
                                            "nichts zurückgeholt.")
                    .arg(QString::fromUtf8(sVerwiesen), sArchiv,
                         dort.value().join(QStringLiteral(", ")), QString::fromUtf8(sWie),
                         hier.value().join(QStringLiteral(", "))));
    }
    Result<qint64> archivVersion =
        FirstInt(db, QStringLiteral("SELECT Version FROM archiv.Optionen"), sArchiv);
    if (!archivVersion.ok()) return archivVersion.status();
    if (version.value() != archivVersion.value())
        return Status::Fail(
            QCoreApplication::translate("RestoreRun",
                                        "Das Archiv „%1“ hat die Version %2, die Datenbank die "
                                        "Version %3. Es wurde nichts zurückgeholt.")
                .arg(sArchiv, QString::number(archivVersion.value()),
                     QString::number(version.value())));
    // A trigger on a table that gets rows would change rows that the read-back never sees.
    for (const QString& t : tabellen) {
        Result<qint64> trigger = FirstInt(
            db,
            QStringLiteral("SELECT count(*) FROM main.sqlite_master WHERE type = 'trigger' AND "
                           "tbl_name = %1 COLLATE NOCASE")
                .arg(SqlText(t)),
            cn.DataSource());
        if (!trigger.ok()) return trigger.status();
        if (trigger.value() > 0)
            return Status::Fail(
                QCoreApplication::translate("RestoreRun",
                                            "Auf der Tabelle %1 der Datenbank „%2“ liegt ein "
                                            "Trigger. Er würde beim Zurückholen Einträge ändern, "
                                            "die nicht aus dem Archiv stammen; es wurde nichts "
                                            "zurückgeholt.")
                    .arg(t, cn.DataSource()));
    }
    return Status::Ok();
}

Result<qint64> FirstInt(sqlite3* db, const QString& sql, const QString& sDatei) {
    Query q(db, sql.toUtf8(), sDatei);
    if (q.Next()) return q.Int(0);
    if (!q.status().ok()) return q.status().error();
    return qint64{0};
}

Result<bool> ArchiveHasTable(sqlite3* db, const char* sTabelle) {
    Result<qint64> n = FirstInt(db,
                                QStringLiteral("SELECT count(*) FROM archiv.sqlite_master WHERE "
                                               "type = 'table' AND name = %1")
                                    .arg(SqlText(QString::fromUtf8(sTabelle))),
                                ArchiveFileName(db));
    if (!n.ok()) return n.error();
    return n.value() > 0;
}

QString IdList(const std::vector<qint64>& ids) {
    QStringList teile;
    for (qint64 id : ids) teile << QString::number(id);
    return teile.join(QLatin1Char(','));
}

Result<qint64> CountSelected(Connection& cn, const QString& sTabelle, const RestoreChoice& wahl) {
    return FirstInt(cn.Handle(),
                    QStringLiteral("SELECT count(*) FROM archiv.%1 a WHERE 1%2")
                        .arg(QuoteIdentifier(sTabelle), ChoiceCondition(sTabelle, wahl, {})),
                    ArchiveFileName(cn.Handle()));
}

RestoreRun::RestoreRun(Connection& cn, const RestoreChoice& wahl,
                       const RestoreProgress& fortschritt, std::map<QString, qint64> vorab)
    : cn_(cn), db_(cn.Handle()), wahl_(wahl), fortschritt_(fortschritt), vorab_(std::move(vorab)) {
    for (const auto& [sTabelle, n] : vorab_) lGesamt_ += 2 * n;
}

RestoreRun::~RestoreRun() {
    // The functions point at this run; they go with it.
    sqlite3_create_function_v2(db_, "tolva_zurueck", -1, SQLITE_UTF8, nullptr, nullptr, nullptr,
                               nullptr, nullptr);
    sqlite3_create_function_v2(db_, "tolva_eingefuegt", 1, SQLITE_UTF8, nullptr, nullptr, nullptr,
                               nullptr, nullptr);
    for (const char* f : {"tolva_inhalt", "tolva_konto", "tolva_verweis", "tolva_verbleib",
                          "tolva_ziel", "tolva_klar", "tolva_siegelzeile"})
        sqlite3_create_function_v2(db_, f, -1, SQLITE_UTF8, nullptr, nullptr, nullptr, nullptr,
                                   nullptr);
}

Result<std::vector<RestoreCount>> RestoreRun::Run(bool bSchreiben) {
    int rc = sqlite3_create_function_v2(db_, "tolva_zurueck", -1, SQLITE_UTF8, this,
                                        TallyRestoredRow, nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_create_function_v2(db_, "tolva_eingefuegt", 1, SQLITE_UTF8, this, InsertedRow,
                                        nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_create_function_v2(db_, "tolva_inhalt", -1, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
                                        nullptr, ContentHash, nullptr, nullptr, nullptr);
    const struct {
        const char* sName;
        void (*f)(sqlite3_context*, int, sqlite3_value**);
    } plan[] = {{"tolva_konto", MappedReference<Abbildung::Konto>},
                {"tolva_verweis", MappedReference<Abbildung::Verweis>},
                {"tolva_verbleib", RowFate<false>},
                {"tolva_ziel", RowFate<true>},
                {"tolva_klar", SiftRow},
                {"tolva_siegelzeile", SealedRow}};
    for (const auto& f : plan)
        if (rc == SQLITE_OK)
            rc = sqlite3_create_function_v2(db_, f.sName, -1, SQLITE_UTF8, this, f.f, nullptr,
                                            nullptr, nullptr);
    if (rc == SQLITE_OK) rc = RegisterChecksum(db_);
    if (rc != SQLITE_OK) return DatabaseError(db_, rc, cn_.MessageName());
    QStringList tabellen;
    for (const RestoreTable& t : kRestoreTables) tabellen << QString::fromUtf8(t.sTabelle);
    for (const char* t : kStammTabellen) tabellen << QString::fromUtf8(t);
    for (const QString& sTabelle : tabellen) {
        Result<QStringList> spalten = Columns(db_, "main", sTabelle, cn_.DataSource());
        if (!spalten.ok()) return spalten.error();
        spalten_[sTabelle] = spalten.value();
    }
    // The bar goes over every row twice: once looked at, once stored.
    Tick();

    // Accounts, categories and orphaned items first: their refusals come before anything is
    // written. The tables' rows then go table by table, collective orders before their items.
    if (Status s = PlanAccounts(); !s.ok()) return s.error();
    if (Status s = PlanCategories(); !s.ok()) return s.error();
    if (Status s = CheckItemsHaveOrders(); !s.ok()) return s.error();
    if (bSchreiben) {
        if (Status s = InsertAccounts(); !s.ok()) return s.error();
        if (Status s = InsertCategories(); !s.ok()) return s.error();
    }
    for (int i = 0; i < static_cast<int>(std::size(kRestoreTables)); ++i)
        if (Status s = RestoreRows(kRestoreTables[i], i, bSchreiben); !s.ok()) return s.error();
    std::vector<RestoreCount> ergebnis;
    for (const RestoreCount& z : zaehler_)
        if (z.lImArchiv > 0 || z.lZurueck > 0 || IsMovedTable(z.sTabelle) ||
            z.sTabelle == QLatin1String("Konten"))
            ergebnis.push_back(z);
    return ergebnis;
}

RestoreCount& RestoreRun::Counts(const QString& sTabelle, const QString& sName) {
    for (RestoreCount& z : zaehler_)
        if (z.sTabelle == sTabelle) return z;
    zaehler_.push_back({sTabelle, sName});
    return zaehler_.back();
}

Status RestoreRun::InsertPlanned(const QString& sTabelle, const std::vector<NeueZeile>& zeilen,
                                 const char* sVerweis) {
    const QStringList& spalten = spalten_.at(sTabelle);
    for (const NeueZeile& n : zeilen) {
        QStringList werte{QString::number(n.id)};
        for (int i = 1; i < spalten.size(); ++i) {
            QString sWert = QStringLiteral("a.") + QuoteIdentifier(spalten[i]);
            if (!n.sNr.isEmpty() &&
                spalten[i].compare(QLatin1String("Nr"), Qt::CaseInsensitive) == 0)
                sWert = n.sNr;
            if (n.verweis && spalten[i].compare(QLatin1String(sVerweis), Qt::CaseInsensitive) == 0)
                sWert = QString::number(*n.verweis);
            werte << sWert;
        }
        Result<qint64> r = InsertCounted(sTabelle, werte,
                                         QStringLiteral("FROM archiv.%1 a WHERE a.id = %2")
                                             .arg(QuoteIdentifier(n.sQuelle))
                                             .arg(n.alt));
        if (!r.ok()) return r.status();
        if (r.value() != 1)
            return Status::Fail(QCoreApplication::translate(
                                    "RestoreRun",
                                    "Der Eintrag %1 der Tabelle %2 ist im Archiv nicht zu lesen. "
                                    "Es wurde nichts zurückgeholt.")
                                    .arg(QString::number(n.alt), n.sQuelle));
    }
    return VerifyInserted(sTabelle);
}

void RestoreRun::CountRow(qint64 id, quint64 lHash) {
    if (aktuell_) {
        ++aktuell_->lAnzahl;
        aktuell_->lSumme += lHash;
        aktuelleIds_->push_back(id);
    }
    Tick();
}

void RestoreRun::Tick() {
    if (!fortschritt_.onPercent) return;
    if (lErledigt_ < lGesamt_) ++lErledigt_;
    const int p = lGesamt_ > 0 ? static_cast<int>(lErledigt_ * 100 / lGesamt_) : 0;
    if (p != lProzent_) {
        lProzent_ = p;
        fortschritt_.onPercent(p);
    }
}

Result<qint64> RestoreRun::InsertCounted(const QString& sTabelle, const QStringList& ausdruecke,
                                         const QString& sRest) {
    QStringList spalten;
    for (const QString& s : spalten_.at(sTabelle)) spalten << QuoteIdentifier(s);
    aktuell_ = &gezaehlt_[sTabelle];
    aktuelleIds_ = &ids_[sTabelle];
    const qint64 vorher = aktuell_->lAnzahl;
    const QString sql =
        QStringLiteral("INSERT INTO main.%1(%2) SELECT tolva_zurueck(%3,%4)%5 %6")
            .arg(QuoteIdentifier(sTabelle), spalten.join(QLatin1Char(',')), ausdruecke.front(),
                 ausdruecke.join(QLatin1Char(',')),
                 ausdruecke.size() > 1 ? QLatin1Char(',') + ausdruecke.mid(1).join(QLatin1Char(','))
                                       : QString(),
                 sRest);
    // Every change the statement makes counts, also one a trigger would add.
    const qint64 lVorher = sqlite3_total_changes(db_);
    const Status s = Exec(sql);
    aktuell_ = nullptr;
    aktuelleIds_ = nullptr;
    if (!s.ok()) return s.error();
    const qint64 lGezaehlt = gezaehlt_[sTabelle].lAnzahl - vorher;
    const qint64 lGeaendert = sqlite3_total_changes(db_) - lVorher;
    if (lGeaendert != lGezaehlt)
        return Error{QCoreApplication::translate("RestoreRun",
                                                 "In die Tabelle %1 wurden %2 Einträge "
                                                 "ausgewählt, aber %3 gespeichert.")
                         .arg(sTabelle, QString::number(lGezaehlt), QString::number(lGeaendert))};
    return lGezaehlt;
}

bool RestoreRun::WasInserted(qint64 id) const {
    const qint64 i = id - lErste_;
    return i >= 0 && i < static_cast<qint64>(bereich_.size()) && bereich_[static_cast<size_t>(i)];
}

Status RestoreRun::VerifyInserted(const QString& sTabelle) {
    std::vector<qint64>& ids = ids_[sTabelle];
    QStringList spalten;
    for (const QString& s : spalten_.at(sTabelle))
        spalten << QStringLiteral("l.") + QuoteIdentifier(s);
    const QString qT = QuoteIdentifier(sTabelle);
    QString sRest;
    const auto [kleinste, groesste] = std::minmax_element(ids.begin(), ids.end());
    const qint64 lSpanne = ids.empty() ? 0 : *groesste - *kleinste + 1;
    if (ids.empty()) {
        sRest = QStringLiteral("FROM main.%1 l WHERE 0").arg(qT);
    } else if (lSpanne <= 16 * static_cast<qint64>(ids.size()) + 4096) {
        // One pass in id order over the range, which holds little else.
        lErste_ = *kleinste;
        bereich_.assign(static_cast<size_t>(lSpanne), false);
        for (qint64 id : ids) bereich_[static_cast<size_t>(id - lErste_)] = true;
        sRest = QStringLiteral(
                    "FROM main.%1 l WHERE l.id BETWEEN %2 AND %3 AND "
                    "tolva_eingefuegt(l.id)")
                    .arg(qT)
                    .arg(*kleinste)
                    .arg(*groesste);
    } else {
        if (Status s = Exec(QStringLiteral("DROP TABLE IF EXISTS temp.tolva_ids; CREATE TABLE "
                                           "temp.tolva_ids(id INTEGER PRIMARY KEY)"));
            !s.ok())
            return s;
        Query einfuegen(db_, "INSERT OR IGNORE INTO temp.tolva_ids VALUES (?1)", cn_.MessageName());
        for (qint64 id : ids) {
            einfuegen.Bind(1, id);
            while (einfuegen.Next()) {
            }
            if (!einfuegen.status().ok()) return einfuegen.status();
            einfuegen.Reset();
        }
        sRest = QStringLiteral("FROM temp.tolva_ids z CROSS JOIN main.%1 l ON l.id = z.id").arg(qT);
    }
    const QByteArray sql = QStringLiteral("SELECT count(*), tolva_pruefsumme(%1) %2")
                               .arg(spalten.join(QLatin1Char(',')), sRest)
                               .toUtf8();
    Pruefsumme gelesen;
    Status gelesenStatus;
    {
        Query q(db_, sql, cn_.MessageName());
        if (q.Next()) {
            gelesen.lAnzahl = q.Int(0);
            gelesen.lSumme = static_cast<quint64>(q.Int(1));
        } else if (q.status().ok()) {
            gelesenStatus = Status::Fail(QCoreApplication::translate(
                "RestoreRun", "Die Prüfsumme gibt keine Zeile zurück."));
        }
        if (gelesenStatus.ok()) gelesenStatus = q.status();
    }
    bereich_.clear();
    sqlite3_exec(db_, "DROP TABLE IF EXISTS temp.tolva_ids", nullptr, nullptr, nullptr);
    if (!gelesenStatus.ok()) return gelesenStatus;
    const Pruefsumme erwartet = gezaehlt_[sTabelle];
    gezaehlt_[sTabelle] = Pruefsumme();
    std::vector<qint64>().swap(ids);
    if (gelesen == erwartet) return Status::Ok();
    return Status::Fail(
        (gelesen.lAnzahl == erwartet.lAnzahl
             ? QCoreApplication::translate("RestoreRun",
                                           "Die Prüfung ist fehlgeschlagen: Die Tabelle %1 der "
                                           "Datenbank enthält von den zurückgeholten Einträgen %2 "
                                           "statt %3, mit anderem Inhalt. Es wurde nichts "
                                           "zurückgeholt.")
             : QCoreApplication::translate("RestoreRun",
                                           "Die Prüfung ist fehlgeschlagen: Die Tabelle %1 der "
                                           "Datenbank enthält von den zurückgeholten Einträgen %2 "
                                           "statt %3. Es wurde nichts zurückgeholt."))
            .arg(sTabelle, QString::number(gelesen.lAnzahl), QString::number(erwartet.lAnzahl)));
}

Status RestoreRun::Conflict(const QString& sName, qint64 lAnzahl,
                            const std::vector<qint64>& ids) const {
    QStringList nummern;
    for (qint64 id : ids) nummern << QString::number(id);
    QString sText = nummern.join(QStringLiteral(", "));
    if (lAnzahl > static_cast<qint64>(ids.size()))
        sText += QCoreApplication::translate("RestoreRun", " und %1 weitere")
                     .arg(lAnzahl - static_cast<qint64>(ids.size()));
    return Status::Fail(
        QCoreApplication::translate("RestoreRun",
                                    "Das Archiv kann nicht zurückgeholt werden: In der Tabelle %1 "
                                    "der Datenbank sind die Nummern (id) %2 schon mit anderen "
                                    "Daten belegt. Es wurde nichts geändert.")
            .arg(ShownRowsName(sName), sText),
        kCodeKonflikt);
}

Status RestoreRun::Exec(const QString& sql) {
    const int rc = sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) return DatabaseError(db_, rc, cn_.MessageName());
    return Status::Ok();
}

}  // namespace tolva
