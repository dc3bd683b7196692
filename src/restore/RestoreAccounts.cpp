// RestoreRun: the accounts and banks that the moved rows refer to. An account is never
// duplicated and never guessed: archived rows attach to the live account that is the same
// account or that the user named, only an account the user database lacks comes back, and
// rows of an account the archive does not carry are refused.
#include "restore/RestoreRun.h"

#include "database/Connection.h"
#include "database/Query.h"
#include "database/SqlValue.h"
#include "text/DisplayFormat.h"
#include "text/ModCrypt.h"
#include "text/PlainText.h"

#include <QCoreApplication>
#include <QStringList>

#include <sqlite3.h>

#include <set>

namespace tolva {
namespace {

struct Konto {
    qint64 id = 0;
    std::optional<qint64> lNr;
    QString sName;    // unscrambled
    QString sNummer;  // unscrambled
    qint64 lBankID = 0;
    bool bBank = false;  // bankID is not NULL
    QString sQuelle;     // the table that holds it
};

// Per bank id what tells two banks apart: the bank code, else the name; and where it stands.
struct Bank {
    QString sSchluessel;
    QString sQuelle;
};
using Banks = std::map<qint64, Bank>;

QString Unscrambled(const Query& q, int n) {
    return PlainText(Decrypt(q.Blob(n), false)).trimmed();
}

// The accounts of a table, in id order, that sWo lets through.
Status ReadAccounts(sqlite3* db, const char* sSchema, const char* sTabelle, const QString& sWo,
                    const QString& sDatei, std::vector<Konto>* konten) {
    Query q(db,
            QStringLiteral("SELECT id, Nr, KontoName, KontoNummer, bankID FROM %1.%2 k%3 "
                           "ORDER BY id")
                .arg(QString::fromUtf8(sSchema), QuoteIdentifier(QString::fromUtf8(sTabelle)), sWo)
                .toUtf8(),
            sDatei);
    while (q.Next()) {
        Konto k;
        k.id = q.Int(0);
        if (!q.IsNull(1)) k.lNr = q.Int(1);
        k.sName = Unscrambled(q, 2);
        k.sNummer = Unscrambled(q, 3);
        k.bBank = !q.IsNull(4);
        k.lBankID = q.Int(4);
        k.sQuelle = QString::fromUtf8(sTabelle);
        konten->push_back(k);
    }
    return q.status();
}

Status ReadBanks(sqlite3* db, const char* sSchema, const char* sTabelle, const QString& sDatei,
                 Banks* banken) {
    Query q(db,
            QStringLiteral("SELECT id, BLZ, Name FROM %1.%2")
                .arg(QString::fromUtf8(sSchema), QuoteIdentifier(QString::fromUtf8(sTabelle)))
                .toUtf8(),
            sDatei);
    while (q.Next()) {
        const QString sBlz = q.Text(1).trimmed();
        // A bank of BankDaten stands before one of the reference table.
        banken->insert({q.Int(0),
                        {sBlz.isEmpty() ? QStringLiteral("Name:") + q.Text(2).trimmed()
                                        : QStringLiteral("BLZ:") + sBlz,
                         QString::fromUtf8(sTabelle)}});
    }
    return q.status();
}

QString BankKey(const Banks& banken, const Konto& k) {
    if (!k.bBank) return QStringLiteral("#");
    const auto it = banken.find(k.lBankID);
    return it != banken.end() ? it->second.sSchluessel : QStringLiteral("#%1").arg(k.lBankID);
}

// "(SELECT id FROM archiv.Konten UNION SELECT id FROM archiv.tolva_Konten)" as the archive has.
Result<QString> ArchiveAccountIds(sqlite3* db) {
    Result<bool> verwiesen = ArchiveHasTable(db, kVerwiesenKonten);
    if (!verwiesen.ok()) return verwiesen.error();
    return verwiesen.value() ? QStringLiteral(
                                   "(SELECT id FROM archiv.Konten UNION SELECT id FROM "
                                   "archiv.%1)")
                                   .arg(QString::fromUtf8(kVerwiesenKonten))
                             : QStringLiteral("(SELECT id FROM archiv.Konten)");
}

}  // namespace

Result<std::vector<MissingAccount>> MissingAccountsOf(Connection& cn, const RestoreChoice& wahl) {
    sqlite3* db = cn.Handle();
    const QString sArchiv = QString::fromUtf8(sqlite3_db_filename(db, kArchivSchema));
    Result<QString> sKonten = ArchiveAccountIds(db);
    if (!sKonten.ok()) return sKonten.error();
    std::map<qint64, MissingAccount> fehlend;
    for (const RestoreTable& t : kRestoreTables) {
        const QString sTabelle = QString::fromUtf8(t.sTabelle);
        if (sTabelle == QLatin1String("SammelEinzel")) continue;  // items refer to orders
        Query q(db,
                QStringLiteral("SELECT a.KontoID, count(*) FROM archiv.%1 a WHERE a.KontoID IS "
                               "NOT NULL%2 AND a.KontoID NOT IN %3 GROUP BY a.KontoID")
                    .arg(QuoteIdentifier(sTabelle), ChoiceCondition(sTabelle, wahl, {}),
                         sKonten.value())
                    .toUtf8(),
                sArchiv);
        while (q.Next()) {
            const qint64 id = q.Int(0);
            if (wahl.zuordnung.count(id)) continue;
            MissingAccount& m = fehlend[id];
            m.id = id;
            m.tabellen << QCoreApplication::translate("RestoreNames", t.sName);
            m.lZeilen += q.Int(1);
        }
        if (!q.status().ok()) return q.status().error();
    }
    std::vector<MissingAccount> liste;
    for (auto& [id, m] : fehlend) liste.push_back(m);
    return liste;
}

namespace {

// Rows of an account the archive does not carry go nowhere the user has not named.
Status RefuseMissingAccounts(Connection& cn, const RestoreChoice& wahl, const QString& sArchiv) {
    Result<std::vector<MissingAccount>> fehlend = MissingAccountsOf(cn, wahl);
    if (!fehlend.ok()) return fehlend.status();
    if (fehlend.value().empty()) return Status::Ok();
    QStringList teile;
    for (const MissingAccount& m : fehlend.value())
        teile << QStringLiteral("%1 (%2 %3)")
                     .arg(QString::number(m.id), DisplayCount(m.lZeilen),
                          m.tabellen.join(QStringLiteral(", ")));
    return Status::Fail(
        QCoreApplication::translate("RestoreAccounts",
                                    "Das Archiv „%1“ enthält Einträge von Konten, die es selbst "
                                    "nicht enthält: %2. Zu welchem Konto der Datenbank sie "
                                    "gehören, lässt sich nicht sicher sagen; es wurde nichts "
                                    "zurückgeholt.")
            .arg(sArchiv, teile.join(QStringLiteral(", "))),
        kCodeKontoFehlt);
}

// The accounts and banks of both sides: the archive's (with those it carries for rows of
// accounts it does not archive), in id order, and the user database's.
struct AccountSides {
    std::vector<Konto> archiv;
    std::vector<Konto> lebend;
    Banks archivBanken;
    Banks lebendBanken;
};

Result<AccountSides> ReadAccountSides(sqlite3* db, const QString& sArchiv,
                                      const QString& sDatenbank) {
    AccountSides seiten;
    std::vector<Konto>& archiv = seiten.archiv;
    Banks& archivBanken = seiten.archivBanken;
    if (Status s = ReadAccounts(db, kArchivSchema, "Konten", QString(), sArchiv, &archiv); !s.ok())
        return s.error();
    Result<bool> bVerwiesen = ArchiveHasTable(db, kVerwiesenKonten);
    if (!bVerwiesen.ok()) return bVerwiesen.error();
    if (bVerwiesen.value())
        if (Status s =
                ReadAccounts(db, kArchivSchema, kVerwiesenKonten,
                             QStringLiteral(" WHERE k.id NOT IN (SELECT id FROM archiv.Konten)"),
                             sArchiv, &archiv);
            !s.ok())
            return s.error();
    std::sort(archiv.begin(), archiv.end(),
              [](const Konto& a, const Konto& b) { return a.id < b.id; });
    if (Status s = ReadAccounts(db, "main", "Konten", QString(), sDatenbank, &seiten.lebend);
        !s.ok())
        return s.error();
    if (Status s = ReadBanks(db, kArchivSchema, "BankDaten", sArchiv, &archivBanken); !s.ok())
        return s.error();
    Result<bool> bVerwieseneBanken = ArchiveHasTable(db, kVerwiesenBanken);
    if (!bVerwieseneBanken.ok()) return bVerwieseneBanken.error();
    if (bVerwieseneBanken.value())
        if (Status s = ReadBanks(db, kArchivSchema, kVerwiesenBanken, sArchiv, &archivBanken);
            !s.ok())
            return s.error();
    if (Status s = ReadBanks(db, "main", "BankDaten", sDatenbank, &seiten.lebendBanken); !s.ok())
        return s.error();

    return seiten;
}

}  // namespace

Status RestoreRun::PlanAccounts() {
    const QString sArchiv = QString::fromUtf8(sqlite3_db_filename(db_, kArchivSchema));

    if (Status s = RefuseMissingAccounts(cn_, wahl_, sArchiv); !s.ok()) return s;
    Result<AccountSides> seiten = ReadAccountSides(db_, sArchiv, cn_.DataSource());
    if (!seiten.ok()) return seiten.status();
    const std::vector<Konto>& archiv = seiten.value().archiv;
    const std::vector<Konto>& lebend = seiten.value().lebend;
    const Banks& archivBanken = seiten.value().archivBanken;
    const Banks& lebendBanken = seiten.value().lebendBanken;

    std::map<qint64, const Konto*> lebendNachId;
    std::set<qint64> nummern;
    qint64 lMaxId = 0;
    qint64 lMaxNr = 0;
    for (const Konto& l : lebend) {
        lebendNachId[l.id] = &l;
        if (l.lNr) nummern.insert(*l.lNr);
        lMaxId = std::max(lMaxId, l.id);
        if (l.lNr) lMaxNr = std::max(lMaxNr, *l.lNr);
    }
    for (const Konto& a : archiv) lMaxId = std::max(lMaxId, a.id);

    // Accounts the user named.
    for (const auto& [alt, ziel] : wahl_.zuordnung) {
        if (!ziel) continue;
        if (!lebendNachId.count(*ziel))
            return Status::Fail(
                QCoreApplication::translate(
                    "RestoreAccounts",
                    "Das Konto %1, dem die Einträge des Kontos %2 zugeordnet "
                    "werden sollen, gibt es in der Datenbank „%3“ nicht.")
                    .arg(QString::number(*ziel), QString::number(alt), cn_.DataSource()));
        konten_[alt] = *ziel;
    }

    // Then every decision, so that a refusal names every conflicting account.
    const auto gleich = [&](const Konto& a, const Konto& l) {
        return BankKey(archivBanken, a) == BankKey(lebendBanken, l) && a.sNummer == l.sNummer &&
               (!a.sNummer.isEmpty() || a.sName == l.sName);
    };
    std::vector<const Konto*> zurueck;
    std::vector<qint64> konflikte;
    RestoreCount& zaehler = Counts(QStringLiteral("Konten"), QString::fromUtf8(kNameKonten));
    for (const Konto& a : archiv) {
        if (wahl_.zuordnung.count(a.id)) continue;
        if (wahl_.konten &&
            std::find(wahl_.konten->begin(), wahl_.konten->end(), a.id) == wahl_.konten->end())
            continue;
        ++zaehler.lImArchiv;
        const auto it = lebendNachId.find(a.id);
        const Konto* gleiches =
            it != lebendNachId.end() && gleich(a, *it->second) ? it->second : nullptr;
        for (const Konto& l : lebend)
            if (!gleiches && gleich(a, l)) gleiches = &l;
        if (gleiches) {
            konten_[a.id] = gleiches->id;
            ++zaehler.lVorhanden;
        } else if (it == lebendNachId.end()) {
            konten_[a.id] = a.id;
            zurueck.push_back(&a);
        } else if (wahl_.bNeueIds) {
            konten_[a.id] = ++lMaxId;
            zurueck.push_back(&a);
            ++zaehler.lNeueIds;
        } else {
            konflikte.push_back(a.id);
        }
    }
    if (!konflikte.empty()) {
        const std::vector<qint64> erste(konflikte.begin(),
                                        konflikte.begin() + std::min<size_t>(konflikte.size(), 5));
        return Conflict(QString::fromUtf8(kNameKonten), static_cast<qint64>(konflikte.size()),
                        erste);
    }
    zaehler.lZurueck = static_cast<qint64>(zurueck.size());

    // The banks of the accounts that come back, in the archive's id order: the same bank of
    // the user database, else the archive's row under its id when free (a fresh one with
    // fresh ids).
    std::map<qint64, qint64> bankZiel;  // archive bank id → live bank id
    std::vector<qint64> bankKonflikte;
    qint64 lMaxBank = 0;
    for (const auto& [id, b] : lebendBanken) lMaxBank = std::max(lMaxBank, id);
    for (const auto& [id, b] : archivBanken) lMaxBank = std::max(lMaxBank, id);
    RestoreCount banken{QStringLiteral("BankDaten"), QString::fromUtf8(kNameBanken)};
    std::set<qint64> noetig;  // archive bank ids, ascending
    for (const Konto* a : zurueck)
        if (a->bBank && archivBanken.count(a->lBankID)) noetig.insert(a->lBankID);
    for (qint64 alt : noetig) {  // a bankID without a bank row in the archive stays as it is
        const Bank& dort = archivBanken.at(alt);
        qint64 lZiel = -1;
        for (const auto& [id, b] : lebendBanken)
            if (b.sSchluessel == dort.sSchluessel) {
                lZiel = id;
                break;
            }
        if (lZiel < 0) {
            if (!lebendBanken.count(alt)) {
                lZiel = alt;
            } else if (wahl_.bNeueIds) {
                lZiel = ++lMaxBank;
                ++banken.lNeueIds;
            } else {
                bankKonflikte.push_back(alt);
                continue;
            }
            neueBanken_.push_back({alt, lZiel, dort.sQuelle, QString(), {}});
            ++banken.lImArchiv;
            ++banken.lZurueck;
        }
        bankZiel[alt] = lZiel;
    }
    if (!bankKonflikte.empty())
        return Conflict(QString::fromUtf8(kNameBanken), static_cast<qint64>(bankKonflikte.size()),
                        bankKonflikte);
    if (banken.lZurueck > 0) zaehler_.push_back(banken);

    // The accounts: their number when no live account has it, else the next above all.
    for (const Konto* a : zurueck) {
        QString sNr = QStringLiteral("NULL");
        if (a->lNr) {
            const qint64 lNr = nummern.count(*a->lNr) ? ++lMaxNr : *a->lNr;
            nummern.insert(lNr);
            lMaxNr = std::max(lMaxNr, lNr);
            sNr = QString::number(lNr);
        }
        std::optional<qint64> bank;
        if (a->bBank && bankZiel.count(a->lBankID)) bank = bankZiel.at(a->lBankID);
        neueKonten_.push_back({a->id, konten_.at(a->id), a->sQuelle, sNr, bank});
    }
    return Status::Ok();
}

Status RestoreRun::InsertAccounts() {
    if (Status s = InsertPlanned(QStringLiteral("BankDaten"), neueBanken_, "bankID"); !s.ok())
        return s;
    if (Status s = InsertPlanned(QStringLiteral("Konten"), neueKonten_, "bankID"); !s.ok())
        return s;
    if (fortschritt_.onLine) {
        const RestoreCount& zaehler =
            Counts(QStringLiteral("Konten"), QString::fromUtf8(kNameKonten));
        if (zaehler.lImArchiv > 0)
            fortschritt_.onLine(
                zaehler.lZurueck > 0
                    ? QCoreApplication::translate("RestoreAccounts",
                                                  "%1 Konten zugeordnet, %2 Konten neu angelegt",
                                                  nullptr, PluralCount(zaehler.lVorhanden))
                          .arg(DisplayCount(zaehler.lVorhanden), DisplayCount(zaehler.lZurueck))
                    : QCoreApplication::translate("RestoreAccounts", "%1 Konten zugeordnet",
                                                  nullptr, PluralCount(zaehler.lVorhanden))
                          .arg(DisplayCount(zaehler.lVorhanden)));
    }
    return Status::Ok();
}

}  // namespace tolva
