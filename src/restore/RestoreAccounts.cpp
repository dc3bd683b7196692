// RestoreRun: the accounts, banks and categories that the moved rows refer to. An account is
// never duplicated: archived rows attach to the live account that is the same account, and
// only an account the user database lacks comes back.
#include "restore/RestoreRun.h"

#include "archive/ModCrypt.h"
#include "archive/PlainText.h"
#include "browse/BrowseQuery.h"
#include "database/Connection.h"
#include "database/SqlValue.h"

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
};

// Per bank id what tells two banks apart: the bank code, else the name.
using BankKeys = std::map<qint64, QString>;

QString Unscrambled(const Query& q, int n) {
    return PlainText(Decrypt(q.Blob(n), false)).trimmed();
}

Result<std::vector<Konto>> ReadAccounts(sqlite3* db, const char* sSchema, const QString& sWo,
                                        const QString& sDatei) {
    Query q(db,
            QStringLiteral("SELECT id, Nr, KontoName, KontoNummer, bankID FROM %1.Konten%2 "
                           "ORDER BY id")
                .arg(QString::fromUtf8(sSchema), sWo)
                .toUtf8(),
            sDatei);
    std::vector<Konto> konten;
    while (q.Next()) {
        Konto k;
        k.id = q.Int(0);
        if (!q.IsNull(1)) k.lNr = q.Int(1);
        k.sName = Unscrambled(q, 2);
        k.sNummer = Unscrambled(q, 3);
        k.bBank = !q.IsNull(4);
        k.lBankID = q.Int(4);
        konten.push_back(k);
    }
    if (!q.status().ok()) return q.status().error();
    return konten;
}

Result<BankKeys> ReadBanks(sqlite3* db, const char* sSchema, const QString& sDatei) {
    Query q(db, QStringLiteral("SELECT id, BLZ, Name FROM %1.BankDaten").arg(sSchema).toUtf8(),
            sDatei);
    BankKeys banken;
    while (q.Next()) {
        const QString sBlz = q.Text(1).trimmed();
        banken[q.Int(0)] = sBlz.isEmpty() ? QStringLiteral("Name:") + q.Text(2).trimmed()
                                          : QStringLiteral("BLZ:") + sBlz;
    }
    if (!q.status().ok()) return q.status().error();
    return banken;
}

QString BankKey(const BankKeys& banken, const Konto& k) {
    if (!k.bBank) return QStringLiteral("#");
    const auto it = banken.find(k.lBankID);
    return it != banken.end() ? it->second : QStringLiteral("#%1").arg(k.lBankID);
}

}  // namespace

Status RestoreRun::RestoreAccounts() {
    const QString sArchiv = QString::fromUtf8(sqlite3_db_filename(db_, kArchivSchema));
    const QString sWahl =
        wahl_.konten ? QStringLiteral(" WHERE id IN (%1)").arg(IdList(*wahl_.konten)) : QString();
    Result<std::vector<Konto>> archiv = ReadAccounts(db_, kArchivSchema, sWahl, sArchiv);
    if (!archiv.ok()) return archiv.status();
    Result<std::vector<Konto>> lebend = ReadAccounts(db_, "main", QString(), cn_.DataSource());
    if (!lebend.ok()) return lebend.status();
    Result<BankKeys> archivBanken = ReadBanks(db_, kArchivSchema, sArchiv);
    if (!archivBanken.ok()) return archivBanken.status();
    Result<BankKeys> lebendBanken = ReadBanks(db_, "main", cn_.DataSource());
    if (!lebendBanken.ok()) return lebendBanken.status();

    const auto gleich = [&](const Konto& a, const Konto& l) {
        return BankKey(archivBanken.value(), a) == BankKey(lebendBanken.value(), l) &&
               a.sNummer == l.sNummer && (!a.sNummer.isEmpty() || a.sName == l.sName);
    };
    std::map<qint64, const Konto*> lebendNachId;
    std::set<qint64> nummern;
    qint64 lMaxId = 0;
    qint64 lMaxNr = 0;
    for (const Konto& l : lebend.value()) {
        lebendNachId[l.id] = &l;
        if (l.lNr) nummern.insert(*l.lNr);
        lMaxId = std::max(lMaxId, l.id);
        if (l.lNr) lMaxNr = std::max(lMaxNr, *l.lNr);
    }
    for (const Konto& a : archiv.value()) lMaxId = std::max(lMaxId, a.id);

    // First every decision, so that a refusal names every conflicting account.
    struct Neu {
        const Konto* a;
        qint64 id;
    };
    std::vector<Neu> neu;
    std::vector<qint64> konflikte;
    RestoreCount zaehler{QStringLiteral("Konten"), QStringLiteral("Konten")};
    for (const Konto& a : archiv.value()) {
        ++zaehler.lImArchiv;
        const auto it = lebendNachId.find(a.id);
        if (it != lebendNachId.end() && gleich(a, *it->second)) {
            ++zaehler.lVorhanden;
            continue;
        }
        const Konto* gleiches = nullptr;
        for (const Konto& l : lebend.value())
            if (gleich(a, l)) {
                gleiches = &l;
                break;
            }
        if (gleiches) {
            konten_[a.id] = gleiches->id;
            ++zaehler.lVorhanden;
        } else if (it == lebendNachId.end()) {
            neu.push_back({&a, a.id});
        } else if (wahl_.bNeueIds) {
            neu.push_back({&a, ++lMaxId});
            konten_[a.id] = lMaxId;
            ++zaehler.lNeueIds;
        } else {
            konflikte.push_back(a.id);
        }
    }
    if (!konflikte.empty()) {
        const std::vector<qint64> erste(konflikte.begin(),
                                        konflikte.begin() + std::min<size_t>(konflikte.size(), 5));
        return Conflict(QStringLiteral("Konten"), static_cast<qint64>(konflikte.size()), erste);
    }

    // The banks of the accounts that come back: the same bank of the user database, else the
    // archive's row under its id when free (a fresh one with bNeueIds).
    std::map<qint64, qint64> bankZiel;  // archive bank id → live bank id
    std::vector<std::pair<qint64, qint64>> neueBanken;
    std::vector<qint64> bankKonflikte;
    qint64 lMaxBank = 0;
    for (const auto& [id, key] : lebendBanken.value()) lMaxBank = std::max(lMaxBank, id);
    for (const auto& [id, key] : archivBanken.value()) lMaxBank = std::max(lMaxBank, id);
    RestoreCount banken{QStringLiteral("BankDaten"), QStringLiteral("Banken")};
    for (const Neu& n : neu) {
        if (!n.a->bBank || bankZiel.count(n.a->lBankID)) continue;
        const auto dort = archivBanken.value().find(n.a->lBankID);
        if (dort == archivBanken.value().end()) continue;  // no row to bring: the id stays
        qint64 lZiel = -1;
        for (const auto& [id, key] : lebendBanken.value())
            if (key == dort->second) {
                lZiel = id;
                break;
            }
        if (lZiel < 0) {
            if (!lebendBanken.value().count(dort->first)) {
                lZiel = dort->first;
            } else if (wahl_.bNeueIds) {
                lZiel = ++lMaxBank;
                ++banken.lNeueIds;
            } else {
                bankKonflikte.push_back(dort->first);
                continue;
            }
            neueBanken.emplace_back(dort->first, lZiel);
        }
        bankZiel[dort->first] = lZiel;
    }
    if (!bankKonflikte.empty())
        return Conflict(QStringLiteral("Banken"), static_cast<qint64>(bankKonflikte.size()),
                        bankKonflikte);
    const QStringList& bankSpalten = spalten_.at(QStringLiteral("BankDaten"));
    for (const auto& [alt, ziel] : neueBanken) {
        QStringList werte{QString::number(ziel)};
        for (int i = 1; i < bankSpalten.size(); ++i)
            werte << QStringLiteral("a.") + QuoteIdentifier(bankSpalten[i]);
        Result<qint64> n =
            InsertCounted(QStringLiteral("BankDaten"), werte,
                          QStringLiteral("FROM archiv.BankDaten a WHERE a.id = %1").arg(alt));
        if (!n.ok()) return n.status();
        ++banken.lImArchiv;
        banken.lZurueck += n.value();
    }

    // The accounts: their number when no live account has it, else the next above all.
    const QStringList& spalten = spalten_.at(QStringLiteral("Konten"));
    for (const Neu& n : neu) {
        QString sNr = QStringLiteral("NULL");
        if (n.a->lNr) {
            const qint64 lNr = nummern.count(*n.a->lNr) ? ++lMaxNr : *n.a->lNr;
            nummern.insert(lNr);
            lMaxNr = std::max(lMaxNr, lNr);
            sNr = QString::number(lNr);
        }
        QStringList werte{QString::number(n.id)};
        for (int i = 1; i < spalten.size(); ++i) {
            QString sWert = QStringLiteral("a.") + QuoteIdentifier(spalten[i]);
            if (spalten[i].compare(QLatin1String("Nr"), Qt::CaseInsensitive) == 0) sWert = sNr;
            const auto bank = bankZiel.find(n.a->lBankID);
            if (spalten[i].compare(QLatin1String("bankID"), Qt::CaseInsensitive) == 0 &&
                n.a->bBank && bank != bankZiel.end())
                sWert = QString::number(bank->second);
            werte << sWert;
        }
        Result<qint64> r =
            InsertCounted(QStringLiteral("Konten"), werte,
                          QStringLiteral("FROM archiv.Konten a WHERE a.id = %1").arg(n.a->id));
        if (!r.ok()) return r.status();
        zaehler.lZurueck += r.value();
    }
    if (Status s = VerifyInserted(QStringLiteral("Konten")); !s.ok()) return s;
    if (Status s = VerifyInserted(QStringLiteral("BankDaten")); !s.ok()) return s;

    // Rows of accounts that attach elsewhere follow them.
    if (!konten_.empty()) {
        QStringList paare;
        for (const auto& [alt, ziel] : konten_)
            paare << QStringLiteral("(%1,%2)").arg(alt).arg(ziel);
        if (Status s = Exec(QStringLiteral("DROP TABLE IF EXISTS temp.tolva_konten; CREATE TABLE "
                                           "temp.tolva_konten(alt INTEGER PRIMARY KEY, neu "
                                           "INTEGER); INSERT INTO temp.tolva_konten VALUES %1")
                                .arg(paare.join(QLatin1Char(','))));
            !s.ok())
            return s;
    }
    if (fortschritt_.onLine && zaehler.lImArchiv > 0) {
        QString sZeile = QStringLiteral("%1 Konten zugeordnet").arg(zaehler.lVorhanden);
        if (zaehler.lZurueck > 0)
            sZeile += QStringLiteral(", %1 Konten neu angelegt").arg(zaehler.lZurueck);
        fortschritt_.onLine(sZeile);
    }
    zaehler_.push_back(zaehler);
    if (banken.lZurueck > 0) zaehler_.push_back(banken);
    return Status::Ok();
}

Status RestoreRun::RestoreCategories() {
    // Runs never remove categories; a restore brings back only those that restored bookings
    // refer to (and their parents) and the user database has lost since.
    Result<qint64> fehlend = QueryInt(
        QStringLiteral("SELECT count(*) FROM archiv.Kategorien a WHERE NOT EXISTS (SELECT 1 FROM "
                       "main.Kategorien l WHERE l.id = a.id)"));
    if (!fehlend.ok()) return fehlend.status();
    if (fehlend.value() == 0) return Status::Ok();
    const QString sWahl = ChoiceCondition(QStringLiteral("Umsätze"), wahl_, konten_);
    if (Status s = Exec(
            QStringLiteral(
                "DROP TABLE IF EXISTS temp.tolva_kategorien; "
                "CREATE TABLE temp.tolva_kategorien(id INTEGER PRIMARY KEY); "
                "INSERT INTO temp.tolva_kategorien WITH RECURSIVE noetig(id) AS (SELECT DISTINCT "
                "a.KategorieID FROM archiv.\"Umsätze\" a WHERE a.KategorieID IS NOT NULL%1 UNION "
                "SELECT k.ParentID FROM archiv.Kategorien k JOIN noetig n ON k.id = n.id WHERE "
                "k.ParentID IS NOT NULL) SELECT k.id FROM archiv.Kategorien k WHERE k.id IN "
                "(SELECT "
                "id FROM noetig) AND NOT EXISTS (SELECT 1 FROM main.Kategorien l WHERE l.id = "
                "k.id)")
                .arg(sWahl));
        !s.ok())
        return s;
    const QStringList& spalten = spalten_.at(QStringLiteral("Kategorien"));
    QStringList werte;
    for (const QString& sSpalte : spalten) werte << QStringLiteral("a.") + QuoteIdentifier(sSpalte);
    Result<qint64> n = InsertCounted(
        QStringLiteral("Kategorien"), werte,
        QStringLiteral("FROM temp.tolva_kategorien z CROSS JOIN archiv.Kategorien a ON a.id = "
                       "z.id ORDER BY z.id"));
    if (!n.ok()) return n.status();
    if (Status s = VerifyInserted(QStringLiteral("Kategorien")); !s.ok()) return s;
    if (Status s = Exec(QStringLiteral("DROP TABLE temp.tolva_kategorien")); !s.ok()) return s;
    if (n.value() > 0) {
        if (fortschritt_.onLine)
            fortschritt_.onLine(QStringLiteral("%1 Kategorien zurückgeholt").arg(n.value()));
        zaehler_.push_back({QStringLiteral("Kategorien"), QStringLiteral("Kategorien"), n.value(),
                            n.value(), 0, 0});
    }
    return Status::Ok();
}

}  // namespace tolva
