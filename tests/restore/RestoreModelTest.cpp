// Random restore histories on small demo databases, each checked row for row against RestoreModel.
#include "ArchiveScenario.h"
#include "RestoreModel.h"

#include "demo/DemoDatabase.h"
#include "restore/Restore.h"
#include "state/SharedState.h"
#include "text/ModCrypt.h"

#include <QDateTime>
#include <QFile>

#include <algorithm>
#include <iostream>
#include <random>

namespace tolva::test {
namespace {

// The histories ctest runs.
constexpr quint64 kErsterSeed = 1;
constexpr int kFesteHistorien = 60;

class Random {
  public:
    explicit Random(quint64 lSeed) : gen_(lSeed) {}
    qint64 Below(qint64 n) {
        return n <= 1 ? 0 : std::uniform_int_distribution<qint64>(0, n - 1)(gen_);
    }
    qint64 Between(qint64 a, qint64 b) { return a + Below(b - a + 1); }
    bool Chance(int lProzent) { return Below(100) < lProzent; }
    template <typename T>
    T Pick(const std::vector<T>& liste) {
        return liste[static_cast<size_t>(Below(static_cast<qint64>(liste.size())))];
    }

  private:
    std::mt19937_64 gen_;
};

std::vector<qint64> Ids(RawDatabase& db, const QString& sql) {
    std::vector<qint64> ids;
    for (const QString& s : db.Rows(sql)) ids.push_back(s.toLongLong());
    return ids;
}

std::vector<qint64> IdsOf(const Table& t) {
    std::vector<qint64> ids;
    for (const auto& [id, zeile] : t.zeilen) ids.push_back(id);
    return ids;
}

const Table& TableIn(const Snapshot& s, const char* sName) {
    static const Table leer;
    const auto it = s.find(QString::fromUtf8(sName));
    return it == s.end() ? leer : it->second;
}

QString Iso(const QDate& d) {
    return TextValue(d.toString(Qt::ISODate));
}

// A text as the SQL literal of its scrambled form.
QString Scrambled(const QString& sText) {
    const Result<QByteArray> s = Encrypt(sText, false);
    EXPECT_TRUE(s.ok());
    return QStringLiteral("X'") + QString::fromLatin1(s.value().toHex()) + QLatin1Char('\'');
}

QString Digits(Random& rng, int n) {
    QString s;
    for (int i = 0; i < n; ++i) s += QChar(u'0' + static_cast<char16_t>(rng.Below(10)));
    return s;
}

void Insert(RawDatabase& db, const QString& sTabelle, qint64 id, const Row& felder) {
    db.Exec(QStringLiteral("INSERT INTO \"%1\" VALUES (%2, %3)")
                .arg(sTabelle)
                .arg(id)
                .arg(felder.join(u',')));
}

// The text field a host edits in each table of moved rows.
QString EditedField(const QString& sTabelle) {
    if (sTabelle == QStringLiteral("UmsZusatz")) return QStringLiteral("Notiz");
    if (sTabelle == QStringLiteral("SammelAufträge")) return QStringLiteral("Bezeichnung");
    return QStringLiteral("Verwendungszweck");
}

QString ChoiceText(const RestoreChoice& wahl) {
    QStringList konten;
    if (wahl.konten)
        for (qint64 id : *wahl.konten) konten << QString::number(id);
    QStringList zuordnung;
    for (const auto& [id, ziel] : wahl.zuordnung)
        zuordnung << QStringLiteral("%1->%2").arg(id).arg(ziel ? QString::number(*ziel)
                                                               : QStringLiteral("none"));
    return QStringLiteral("accounts %1, named %2, fresh ids %3")
        .arg(wahl.konten ? konten.join(u',') : QStringLiteral("all"),
             zuordnung.isEmpty() ? QStringLiteral("-") : zuordnung.join(u','),
             wahl.bNeueIds ? QStringLiteral("yes") : QStringLiteral("no"));
}

QString CountText(const TableCount& n) {
    return QStringLiteral("in archive %1, back %2, there %3, edited %4, fresh ids %5")
        .arg(n.lImArchiv)
        .arg(n.lZurueck)
        .arg(n.lVorhanden)
        .arg(n.lGeaendert)
        .arg(n.lNeueIds);
}

// The report's counts against the model's, for the six tables.
void CompareCounts(const Expected& soll, const RestoreReport& bericht, QStringList& unterschiede) {
    for (const char* t : kBewegungsTabellen) {
        const QString sTabelle = QString::fromUtf8(t);
        TableCount ist;
        for (const RestoreCount& z : bericht.tabellen)
            if (z.sTabelle == sTabelle)
                ist = {z.lImArchiv, z.lZurueck, z.lVorhanden, z.lGeaendert, z.lNeueIds};
        const auto erwartet = soll.zaehler.find(sTabelle);
        const TableCount leer;
        const TableCount& e = erwartet == soll.zaehler.end() ? leer : erwartet->second;
        if (!(ist == e))
            unterschiede << QStringLiteral("counts of %1: expected %2; actual %3")
                                .arg(sTabelle, CountText(e), CountText(ist));
    }
}

class RestoreModelTest : public ArchiveScenario {
  protected:
    // One history; the failure text of its first restore that disagreed with the model, empty
    // when every one agreed. Adds the outcomes its restores rested on.
    QString RunHistory(quint64 lSeed, std::set<Outcome>& erreicht);

  private:
    bool ArchiveRun(Random& rng);
    void BeforeTheRun(Random& rng, const QDate& dStichtag, const std::vector<qint64>& ticked,
                      qint64 lMitDaten);
    void HostChange(Random& rng);
    RestoreChoice NewChoice(Random& rng);
    QStringList Restore(Random& rng, const RestoreChoice& wahl, std::set<Outcome>& erreicht);

    QString sArchiv_;  // the archive restored from
    Snapshot archiv_;  // its rows
    QDate dErste_;     // the first booking day of the demo
    QStringList schritte_;
};

bool RestoreModelTest::ArchiveRun(Random& rng) {
    RawDatabase db(sUser_);
    dErste_ = QDate::fromString(
        db.Rows(QStringLiteral("SELECT min(Buchungsdatum) FROM Umsätze")).value(0), Qt::ISODate);
    const QDate dLetzte = QDate::fromString(
        db.Rows(QStringLiteral("SELECT max(Buchungsdatum) FROM Umsätze")).value(0), Qt::ISODate);
    const QDate dStichtag = dErste_.addDays(rng.Between(30, dErste_.daysTo(dLetzte) - 30));
    std::vector<qint64> ticked;
    for (qint64 id : Ids(db, QStringLiteral("SELECT id FROM Konten ORDER BY id")))
        if (rng.Chance(70)) ticked.push_back(id);
    // The account of the first booking holds old data whatever else is ticked.
    const qint64 lMitDaten =
        db.Number(QStringLiteral("SELECT KontoID FROM Umsätze ORDER BY Buchungsdatum, id LIMIT 1"));
    if (std::find(ticked.begin(), ticked.end(), lMitDaten) == ticked.end())
        ticked.push_back(lMitDaten);
    BeforeTheRun(rng, dStichtag, ticked, lMitDaten);

    Lauf lauf;
    lauf.aAuswahl.clear();
    for (qint64 id : ticked) lauf.aAuswahl.push_back(QString::number(id));
    lauf.dStichtag = dStichtag;
    lauf.bEntfernen = rng.Chance(65);
    lauf.lPasswortModus = 1;
    QStringList sTicked;
    for (const QString& s : lauf.aAuswahl) sTicked << s;
    schritte_ << QStringLiteral("archive run: cut-off %1, accounts %2, removal %3")
                     .arg(dStichtag.toString(Qt::ISODate), sTicked.join(u','),
                          lauf.bEntfernen ? QStringLiteral("yes") : QStringLiteral("no"));
    Prepare(lauf);
    bool bErfolg = false;
    const bool bGelaufen = !HasFatalFailure() && Start(&bErfolg) == StartErgebnis::Gelaufen;
    ResetSharedState();
    boxes_->Clear();
    if (!bGelaufen || !bErfolg) return false;

    // An archive written before runs kept the accounts its rows refer to (and before seals).
    sArchiv_ = sZiel_;
    if (rng.Chance(35)) {
        sArchiv_ = dir_.filePath(QStringLiteral("archiv/alt.aba"));
        CopyFileForTest(sZiel_, sArchiv_);
        RawDatabase(sArchiv_).Exec(
            QStringLiteral("DROP TABLE IF EXISTS tolva_Konten; DROP TABLE IF EXISTS "
                           "tolva_BankDaten; DROP TABLE IF EXISTS TolvaSiegel"));
        schritte_ << QStringLiteral("archive without tolva_Konten");
    }
    archiv_ = ReadSnapshot(sArchiv_);
    return true;
}

void RestoreModelTest::BeforeTheRun(Random& rng, const QDate& dStichtag,
                                    const std::vector<qint64>& ticked, qint64 lMitDaten) {
    RawDatabase db(sUser_);
    const QString sStichtag = Iso(dStichtag);
    const auto next = [&](const char* t) {
        return db.Number(QStringLiteral("SELECT coalesce(max(id), 0) + 1 FROM \"%1\"").arg(t));
    };
    const auto oldDay = [&] {
        return dStichtag.addDays(-rng.Between(1, dErste_.daysTo(dStichtag)));
    };
    if (rng.Chance(35)) {
        // Items of a collective order executed before the cut-off, the order dated after it:
        // the archive gets the items without their order.
        const std::vector<qint64> sammel =
            Ids(db, QStringLiteral("SELECT DISTINCT SammelID FROM SammelEinzel"));
        const qint64 id = sammel.empty() ? 0 : rng.Pick(sammel);
        const qint64 lKonto = rng.Pick(ticked);
        const QDate dDatum = dStichtag.addDays(rng.Between(1, 20));
        const QDate dAusfuehrung = dStichtag.addDays(-rng.Between(1, 20));
        db.Exec(QStringLiteral("UPDATE SammelAufträge SET KontoID = %1, Status = 4, Datum = %2, "
                               "AusfDatum = %3 WHERE id = %4")
                    .arg(lKonto)
                    .arg(Iso(dDatum), Scrambled(dAusfuehrung.toString(Qt::ISODate)))
                    .arg(id));
        schritte_ << QStringLiteral("before: items of collective order %1 go alone").arg(id);
    }
    if (rng.Chance(60)) {
        // Identical payments: same account, day, amount, payee, purpose, empty BuchungsID.
        const QDate d = oldDay();
        const qint64 id = next("Umsätze");
        const int lKopien = rng.Chance(25) ? 3 : 2;
        const QString sBuchungsId = rng.Chance(50) ? QStringLiteral("''") : QStringLiteral("NULL");
        const qint64 lBetrag = -rng.Between(100, 2000);
        for (int i = 0; i < lKopien; ++i)
            db.Exec(QStringLiteral("INSERT INTO Umsätze VALUES (%1, %2, %3, %3, %4, %5, 'Bäckerei "
                                   "Schmidt', 'Kartenzahlung', 11)")
                        .arg(id + i)
                        .arg(lMitDaten)
                        .arg(Iso(d), sBuchungsId)
                        .arg(lBetrag));
        schritte_ << QStringLiteral("before: %1 identical payments from %2").arg(lKopien).arg(id);
    }
    if (rng.Chance(45) && ticked.size() > 1) {
        // An account whose only old rows are orders: the archive's Konten lacks it.
        qint64 lKonto = rng.Pick(ticked);
        if (lKonto == lMitDaten)
            lKonto = ticked.front() == lMitDaten ? ticked.back() : ticked.front();
        for (const char* t : {"Umsätze", "UmsZusatz", "OffeneUmsätze"})
            db.Exec(QStringLiteral("DELETE FROM \"%1\" WHERE KontoID = %2 AND Buchungsdatum < %3")
                        .arg(t)
                        .arg(lKonto)
                        .arg(sStichtag));
        db.Exec(QStringLiteral("INSERT INTO Aufträge VALUES (%1, %2, 4, %3, %4, 'Stadtwerke', "
                               "'Abschlag')")
                    .arg(next("Aufträge"))
                    .arg(lKonto)
                    .arg(Iso(oldDay()))
                    .arg(rng.Between(1000, 90000)));
        schritte_
            << QStringLiteral("before: account %1 has only orders before the cut-off").arg(lKonto);
    }
    if (rng.Chance(40)) {
        // Old bookings without BuchungsID, and two of one account under the same one.
        const std::vector<qint64> alt = Ids(
            db, QStringLiteral("SELECT id FROM Umsätze WHERE Buchungsdatum < %1").arg(sStichtag));
        for (int i = 0; i < 3 && !alt.empty(); ++i)
            db.Exec(QStringLiteral("UPDATE Umsätze SET BuchungsID = %1 WHERE id = %2")
                        .arg(rng.Chance(50) ? QStringLiteral("NULL") : QStringLiteral("''"))
                        .arg(rng.Pick(alt)));
        if (!alt.empty()) {
            const qint64 a = rng.Pick(alt);
            db.Exec(QStringLiteral("UPDATE Umsätze SET BuchungsID = (SELECT BuchungsID FROM "
                                   "Umsätze b WHERE b.KontoID = Umsätze.KontoID AND b.id < "
                                   "Umsätze.id AND b.Buchungsdatum < %1 ORDER BY b.id DESC LIMIT "
                                   "1) WHERE id = %2")
                        .arg(sStichtag)
                        .arg(a));
        }
        schritte_ << QStringLiteral("before: BuchungsIDs emptied and repeated");
    }
    if (rng.Chance(20)) {
        db.Exec(QStringLiteral("UPDATE Umsätze SET KategorieID = 999 WHERE id = (SELECT min(id) "
                               "FROM Umsätze WHERE KontoID = %1)")
                    .arg(lMitDaten));
        schritte_ << QStringLiteral("before: a booking with category 999, which is none");
    }
    if (rng.Chance(20)) {
        // An account without a number: its name tells it apart.
        const qint64 lKonto = rng.Pick(ticked);
        db.Exec(QStringLiteral("UPDATE Konten SET KontoNummer = x'', KontoName = %1 WHERE id = %2")
                    .arg(Scrambled(QStringLiteral("Haushaltskasse %1").arg(lKonto)))
                    .arg(lKonto));
        schritte_ << QStringLiteral("before: account %1 has no number").arg(lKonto);
    }
}

void RestoreModelTest::HostChange(Random& rng) {
    RawDatabase db(sUser_);
    const auto ids = [&](const QString& t) {
        return Ids(db, QStringLiteral("SELECT id FROM \"%1\" ORDER BY id").arg(t));
    };
    const auto next = [&](const QString& t) {
        return db.Number(QStringLiteral("SELECT coalesce(max(id), 0) + 1 FROM \"%1\"").arg(t));
    };
    // A copy under the next id of table t of the row that sWo names, with the columns after id
    // that sSpalten lists. Returns the new id.
    const auto copyAgain = [&](const QString& t, const QString& sSpalten, const QString& sWo) {
        const qint64 lNeu = next(t);
        db.Exec(QStringLiteral("INSERT INTO \"%1\" SELECT %2, %3 FROM \"%1\" WHERE %4")
                    .arg(t)
                    .arg(lNeu)
                    .arg(sSpalten, sWo));
        return lNeu;
    };
    const QString kBankSpalten = QStringLiteral("BLZ, BIC, Name, Ort");
    const auto live = [&](const QString& t, qint64 id) {
        return db.Number(
                   QStringLiteral("SELECT count(*) FROM \"%1\" WHERE id = %2").arg(t).arg(id)) > 0;
    };
    // A live row of the table, most often one the archive holds as well.
    const auto someRow = [&](const QString& t) -> qint64 {
        std::vector<qint64> beide;
        for (qint64 id : IdsOf(TableIn(archiv_, t.toUtf8().constData())))
            if (live(t, id)) beide.push_back(id);
        const std::vector<qint64> alle = ids(t);
        if (!beide.empty() && rng.Chance(60)) return rng.Pick(beide);
        return alle.empty() ? 0 : rng.Pick(alle);
    };
    const QString sTabelle = QString::fromUtf8(kBewegungsTabellen[rng.Below(6)]);
    const Table& archiviert = TableIn(archiv_, sTabelle.toUtf8().constData());
    const std::vector<qint64> konten = ids(QStringLiteral("Konten"));
    const QDate dTag = dErste_.addDays(rng.Below(1100));
    switch (rng.Below(22)) {
        case 0:
        case 1:
        case 2: {
            // The host fetches an archived row again: equal in every field but the id.
            const char* kinds[] = {"Umsätze", "Umsätze", "OffeneUmsätze", "Aufträge", "UmsZusatz"};
            const QString t = QString::fromUtf8(kinds[rng.Below(5)]);
            const Table& a = TableIn(archiv_, t.toUtf8().constData());
            if (a.zeilen.empty()) break;
            const qint64 id = rng.Pick(IdsOf(a));
            const qint64 lNeu = next(t);
            Insert(db, t, lNeu, a.zeilen.at(id).mid(1));
            schritte_ << QStringLiteral("refetched %1 %2 as %3").arg(t).arg(id).arg(lNeu);
            break;
        }
        case 3: {
            const qint64 lNeu = next(QStringLiteral("Umsätze"));
            db.Exec(
                QStringLiteral("INSERT INTO Umsätze VALUES (%1, %2, %3, %3, %4, %5, 'Kiosk', "
                               "'Kartenzahlung', 12)")
                    .arg(lNeu)
                    .arg(konten.empty() ? 1 : rng.Pick(konten))
                    .arg(Iso(dTag), rng.Chance(50) ? QStringLiteral("NULL") : QStringLiteral("''"))
                    .arg(-rng.Between(100, 900)));
            schritte_ << QStringLiteral("new booking %1 without BuchungsID").arg(lNeu);
            break;
        }
        case 4:
        case 5: {
            // A booking under an existing account and BuchungsID, with other content.
            const Table& a = TableIn(archiv_, "Umsätze");
            if (a.zeilen.empty()) break;
            Row zeile = a.zeilen.at(rng.Pick(IdsOf(a)));
            zeile[a.Column("Verwendungszweck")] =
                TextValue(TextOf(zeile[a.Column("Verwendungszweck")]) + QStringLiteral(" (neu)"));
            if (rng.Chance(50)) zeile[a.Column("Betrag")] = IntValue(rng.Between(-5000, 5000));
            const qint64 lNeu = next(QStringLiteral("Umsätze"));
            Insert(db, QStringLiteral("Umsätze"), lNeu, zeile.mid(1));
            schritte_ << QStringLiteral("booking %1 repeats the key of %2 with other content")
                             .arg(lNeu)
                             .arg(zeile[0]);
            break;
        }
        case 6:
        case 7: {
            const qint64 id = someRow(QStringLiteral("Umsätze"));
            const QString sAenderung =
                rng.Chance(40)
                    ? QStringLiteral("Verwendungszweck = Verwendungszweck || ' (Korrektur)'")
                : rng.Chance(50) ? QStringLiteral("Betrag = Betrag + 1")
                                 : QStringLiteral("KategorieID = %1").arg(rng.Between(1, 31));
            db.Exec(QStringLiteral("UPDATE Umsätze SET %1 WHERE id = %2").arg(sAenderung).arg(id));
            schritte_ << QStringLiteral("edited booking %1: %2").arg(id).arg(sAenderung);
            break;
        }
        case 8:
        case 9: {
            const QString t =
                sTabelle == QStringLiteral("Umsätze") ? QStringLiteral("Aufträge") : sTabelle;
            const qint64 id = someRow(t);
            db.Exec(QStringLiteral("UPDATE \"%1\" SET %2 = %2 || ' (geändert)' WHERE id = %3")
                        .arg(t, EditedField(t))
                        .arg(id));
            schritte_ << QStringLiteral("edited %1 %2").arg(t).arg(id);
            break;
        }
        case 10:
        case 11: {
            const qint64 id = someRow(sTabelle);
            db.Exec(QStringLiteral("DELETE FROM \"%1\" WHERE id = %2").arg(sTabelle).arg(id));
            schritte_ << QStringLiteral("deleted %1 %2").arg(sTabelle).arg(id);
            break;
        }
        case 12: {
            if (konten.empty()) break;
            // Often the newest account: it then comes back under the id a fresh one would get.
            const qint64 id =
                rng.Chance(50) ? *std::max_element(konten.begin(), konten.end()) : rng.Pick(konten);
            if (rng.Chance(40)) {
                // Its bank entered again: when the account comes back it takes the first row.
                const qint64 lNeu = copyAgain(
                    QStringLiteral("BankDaten"), kBankSpalten,
                    QStringLiteral("id = (SELECT bankID FROM Konten WHERE id = %1)").arg(id));
                schritte_
                    << QStringLiteral("bank of account %1 entered again as %2").arg(id).arg(lNeu);
            }
            db.Exec(QStringLiteral("DELETE FROM Konten WHERE id = %1").arg(id));
            schritte_ << QStringLiteral("deleted account %1").arg(id);
            break;
        }
        case 13: {
            if (konten.empty()) break;
            const qint64 id = rng.Pick(konten);
            if (rng.Chance(40)) {
                // The host stored the account again with a blank after its number and name: it
                // is the same account.
                const auto klar = [&](const char* sFeld) {
                    QString s =
                        Decrypt(db.Bytes(QStringLiteral("SELECT %1 FROM Konten WHERE id = %2")
                                             .arg(QLatin1String(sFeld))
                                             .arg(id)),
                                false);
                    if (const qsizetype n = s.indexOf(QChar(0)); n >= 0) s.truncate(n);
                    return s;
                };
                const QString sNummer = klar("KontoNummer");
                db.Exec(QStringLiteral("UPDATE Konten SET KontoNummer = %1, KontoName = %2 WHERE "
                                       "id = %3")
                            .arg(sNummer.isEmpty() ? QStringLiteral("KontoNummer")
                                                   : Scrambled(sNummer + QStringLiteral(" ")),
                                 Scrambled(klar("KontoName") + QStringLiteral(" ")))
                            .arg(id));
                schritte_ << QStringLiteral("account %1 stored with blanks").arg(id);
                break;
            }
            const qint64 lNr = rng.Between(-1, 7);
            db.Exec(QStringLiteral("UPDATE Konten SET Nr = %1 WHERE id = %2").arg(lNr).arg(id));
            schritte_ << QStringLiteral("account %1 renumbered to %2").arg(id).arg(lNr);
            break;
        }
        case 14:
        case 15: {
            // Another account under the id: another number and IBAN (or another name when it
            // has no number); sometimes the old one moves to a fresh id first.
            std::vector<qint64> beide;
            for (qint64 id : IdsOf(TableIn(archiv_, "Konten")))
                if (live(QStringLiteral("Konten"), id)) beide.push_back(id);
            if (beide.empty()) break;
            const qint64 id = rng.Pick(beide);
            if (rng.Chance(40)) {
                const qint64 lNeu =
                    copyAgain(QStringLiteral("Konten"),
                              QStringLiteral("Nr, KontoName, KontoNummer, bankID, IBAN, Waehrung"),
                              QStringLiteral("id = %1").arg(id));
                schritte_ << QStringLiteral("account %1 moved to %2").arg(id).arg(lNeu);
            }
            const QString sNummer = Digits(rng, 10);
            db.Exec(QStringLiteral("UPDATE Konten SET KontoNummer = CASE WHEN length(KontoNummer) "
                                   "> 0 THEN %1 ELSE KontoNummer END, KontoName = %2, IBAN = "
                                   "'DE00%3' WHERE id = %4")
                        .arg(Scrambled(sNummer),
                             Scrambled(QStringLiteral("Neues Konto %1").arg(id)), sNummer)
                        .arg(id));
            schritte_
                << QStringLiteral("account %1 re-created with number %2").arg(id).arg(sNummer);
            break;
        }
        case 16:
        case 17: {
            // Most often a category that archived bookings carry.
            const std::vector<qint64> kategorien = ids(QStringLiteral("Kategorien"));
            std::vector<qint64> benutzt;
            const Table& u = TableIn(archiv_, "Umsätze");
            for (const auto& [b, zeile] : u.zeilen) {
                const qint64 k = IntOf(zeile[u.Column("KategorieID")]);
                if (std::find(kategorien.begin(), kategorien.end(), k) != kategorien.end())
                    benutzt.push_back(k);
            }
            if (kategorien.empty()) break;
            const qint64 id =
                !benutzt.empty() && rng.Chance(70) ? rng.Pick(benutzt) : rng.Pick(kategorien);
            const qint64 lArt = rng.Below(4);
            if (lArt == 3) {
                // The user made the category twice more and deleted the first: its path is
                // there under two fresh ids.
                for (int i = 0; i < 2; ++i)
                    copyAgain(QStringLiteral("Kategorien"), QStringLiteral("Name, ParentID"),
                              QStringLiteral("id = %1").arg(id));
                db.Exec(QStringLiteral("DELETE FROM Kategorien WHERE id = %1").arg(id));
            } else if (lArt == 1) {
                db.Exec(
                    QStringLiteral("UPDATE Kategorien SET Name = Name || ' (alt)' WHERE id = %1")
                        .arg(id));
            } else {
                // A new parent is a top category other than itself: no cycle can come of it.
                const std::vector<qint64> oben = Ids(
                    db, QStringLiteral("SELECT id FROM Kategorien WHERE id <> %1 AND "
                                       "coalesce(ParentID, 0) NOT IN (SELECT id FROM Kategorien)")
                            .arg(id));
                db.Exec(QStringLiteral("DELETE FROM Kategorien WHERE id = %1").arg(id));
                if (lArt == 2)
                    db.Exec(QStringLiteral("INSERT INTO Kategorien VALUES (%1, 'Haustiere %2', %3)")
                                .arg(id)
                                .arg(rng.Below(3))
                                .arg(oben.empty() || rng.Chance(50) ? 0 : rng.Pick(oben)));
            }
            schritte_ << QStringLiteral("category %1 %2")
                             .arg(id)
                             .arg(lArt == 0   ? "deleted"
                                  : lArt == 1 ? "renamed"
                                  : lArt == 2 ? "re-created"
                                              : "made twice anew");
            break;
        }
        case 18: {
            // A new collective order with items, sometimes under ids the archive's rows had.
            const auto freeId = [&](const char* t) {
                std::vector<qint64> frei;
                for (qint64 id : IdsOf(TableIn(archiv_, t)))
                    if (!live(QString::fromUtf8(t), id)) frei.push_back(id);
                return !frei.empty() && rng.Chance(40) ? rng.Pick(frei)
                                                       : next(QString::fromUtf8(t));
            };
            const qint64 lSammel = freeId("SammelAufträge");
            db.Exec(QStringLiteral("INSERT INTO SammelAufträge VALUES (%1, %2, 4, %3, %4, "
                                   "'Gehälter')")
                        .arg(lSammel)
                        .arg(konten.empty() ? 1 : rng.Pick(konten))
                        .arg(Iso(dTag), Scrambled(dTag.toString(Qt::ISODate))));
            const qint64 lPosten = rng.Between(1, 3);
            for (qint64 i = 0; i < lPosten; ++i)
                db.Exec(QStringLiteral("INSERT INTO SammelEinzel VALUES (%1, %2, %3, 'Erika "
                                       "Muster', 'Lohn')")
                            .arg(freeId("SammelEinzel"))
                            .arg(lSammel)
                            .arg(rng.Between(1000, 300000)));
            schritte_ << QStringLiteral("new collective order %1 with %2 items")
                             .arg(lSammel)
                             .arg(lPosten);
            break;
        }
        case 19:
        case 20: {
            // A new row under an id an archived row had, with other content.
            std::vector<qint64> frei;
            for (qint64 id : IdsOf(archiviert))
                if (!live(sTabelle, id)) frei.push_back(id);
            if (frei.empty()) break;
            const qint64 id = rng.Pick(frei);
            Row zeile = archiviert.zeilen.at(rng.Pick(IdsOf(archiviert)));
            zeile[archiviert.Column(EditedField(sTabelle).toUtf8().constData())] =
                TextValue(QStringLiteral("Neu %1").arg(rng.Below(1000)));
            const int lBuchung = archiviert.Column("BuchungsID");
            if (lBuchung >= 0) zeile[lBuchung] = TextValue(QStringLiteral("H%1").arg(id));
            Insert(db, sTabelle, id, zeile.mid(1));
            schritte_
                << QStringLiteral("new %1 row under the archived id %2").arg(sTabelle).arg(id);
            break;
        }
        case 21: {
            const std::vector<qint64> banken = ids(QStringLiteral("BankDaten"));
            if (banken.empty()) break;
            const qint64 id = rng.Pick(banken);
            if (rng.Chance(50)) {
                // A second bank row of the same bank: a returning account takes the first.
                const qint64 lNeu = copyAgain(QStringLiteral("BankDaten"), kBankSpalten,
                                              QStringLiteral("id = %1").arg(id));
                schritte_ << QStringLiteral("bank %1 entered again as %2").arg(id).arg(lNeu);
                break;
            }
            db.Exec(QStringLiteral("UPDATE BankDaten SET BLZ = '%1', Name = 'Neue Bank' WHERE id "
                                   "= %2")
                        .arg(Digits(rng, 8))
                        .arg(id));
            schritte_ << QStringLiteral("bank %1 re-created with another code").arg(id);
            break;
        }
    }
}

RestoreChoice RestoreModelTest::NewChoice(Random& rng) {
    RestoreChoice wahl;
    wahl.sArchiv = sArchiv_;
    wahl.sDatenbank = sUser_;
    wahl.sPasswort = QString::fromUtf8(kDemoPasswort);
    wahl.bFragen = false;
    wahl.bSichern = false;
    wahl.bNeueIds = rng.Chance(60);
    // Pieces of a row or a few, so that the pass's piece borders fall between every kind of row.
    wahl.lZeilenJeStueck = rng.Chance(50) ? rng.Between(1, 3) : 16384;
    // The archive's accounts, and those its rows refer to.
    std::set<qint64> bekannt;
    for (const char* t : {"Konten", "tolva_Konten"})
        for (qint64 id : IdsOf(TableIn(archiv_, t))) bekannt.insert(id);
    std::set<qint64> alle = bekannt;
    for (const char* t : kBewegungsTabellen) {
        const Table& a = TableIn(archiv_, t);
        const int lKonto = a.Column("KontoID");
        if (lKonto >= 0)
            for (const auto& [id, zeile] : a.zeilen) alle.insert(IntOf(zeile[lKonto]));
    }
    if (rng.Chance(35)) {
        std::vector<qint64> teil;
        for (qint64 id : alle)
            if (rng.Chance(60)) teil.push_back(id);
        if (!teil.empty()) wahl.konten = teil;
    }
    RawDatabase db(sUser_);
    const std::vector<qint64> lebend = Ids(db, QStringLiteral("SELECT id FROM Konten"));
    if (lebend.empty()) return wahl;
    for (qint64 id : alle)
        if (!bekannt.count(id) && rng.Chance(50)) wahl.zuordnung[id] = rng.Pick(lebend);
    if (!bekannt.empty() && rng.Chance(25)) {
        const qint64 id = rng.Pick(std::vector<qint64>(bekannt.begin(), bekannt.end()));
        wahl.zuordnung[id] =
            rng.Chance(70) ? std::optional<qint64>(rng.Pick(lebend)) : std::nullopt;
    }
    return wahl;
}

QStringList RestoreModelTest::Restore(Random& rng, const RestoreChoice& wahl,
                                      std::set<Outcome>& erreicht) {
    const Snapshot vorher = ReadSnapshot(sUser_);
    const Expected soll = ModelRestore(archiv_, vorher, wahl);
    erreicht.insert(soll.outcomes.begin(), soll.outcomes.end());
    const QByteArray archiv = FileBytes(sArchiv_);
    QStringList unterschiede;
    if (!soll.bAbgelehnt && rng.Chance(20)) {
        RestoreChoice probe = wahl;
        probe.bProbe = true;
        const Result<RestoreReport> r = StartRestore(probe, {});
        if (!r.ok())
            unterschiede << QStringLiteral("the trial run was refused: ") + r.error().description;
        else
            CompareCounts(soll, r.value(), unterschiede);
        const QStringList geaendert = Differences(vorher, ReadSnapshot(sUser_), 4);
        if (!geaendert.isEmpty())
            unterschiede << QStringLiteral("the trial run changed the database:") << geaendert;
    }
    if (unterschiede.isEmpty()) {
        const Result<RestoreReport> r = StartRestore(wahl, {});
        QStringList codes;
        for (int c : soll.codes) codes << QString::number(c);
        if (soll.bAbgelehnt && r.ok())
            unterschiede << QStringLiteral(
                                "the restore went through; the model refuses it (code %1)")
                                .arg(codes.join(QStringLiteral(" or ")));
        if (soll.bAbgelehnt && !r.ok() && !soll.codes.count(r.error().code))
            unterschiede << QStringLiteral("refused with code %1 (%2); the model expects code %3")
                                .arg(r.error().code)
                                .arg(r.error().description, codes.join(QStringLiteral(" or ")));
        if (!soll.bAbgelehnt && !r.ok())
            unterschiede << QStringLiteral("refused with code %1: %2")
                                .arg(r.error().code)
                                .arg(r.error().description);
        if (!soll.bAbgelehnt && r.ok()) CompareCounts(soll, r.value(), unterschiede);
        unterschiede << Differences(soll.nachher, ReadSnapshot(sUser_), 6);
    }
    if (FileBytes(sArchiv_) != archiv) unterschiede << QStringLiteral("the archive changed");
    if (!unterschiede.isEmpty())
        unterschiede.prepend(QStringLiteral("restore (%1); the model: %2")
                                 .arg(ChoiceText(wahl), soll.bAbgelehnt
                                                            ? QStringLiteral("refused")
                                                            : QStringLiteral("goes through")));
    return unterschiede;
}

QString RestoreModelTest::RunHistory(quint64 lSeed, std::set<Outcome>& erreicht) {
    Random rng(lSeed);
    schritte_.clear();
    ResetSharedState();
    for (const QString& s : {sUser_, sZiel_, dir_.filePath(QStringLiteral("archiv/alt.aba"))})
        QFile::remove(s);
    DemoOptions demo;
    demo.sPfad = sUser_;
    demo.lKonten = static_cast<int>(rng.Between(3, 6));
    demo.lBanken = static_cast<int>(rng.Between(2, 3));
    demo.lBuchungen = rng.Between(150, 400);
    demo.lJahre = 3;
    demo.lSeed = lSeed * 7919 + 1;
    const Result<DemoSummary> gemacht = MakeDemoDatabase(demo);
    if (!gemacht.ok()) return QStringLiteral("no demo database: ") + gemacht.status().description();
    if (!ArchiveRun(rng)) return QStringLiteral("the archive run failed: ") + schritte_.join(u';');

    // The host fetches one of identical archived payments again; or, when the run left them
    // in the database, the user deletes the first of them.
    std::map<QString, std::vector<qint64>> gleiche;
    for (const auto& [id, zeile] : TableIn(archiv_, "Umsätze").zeilen)
        gleiche[Shown(zeile.mid(1))].push_back(id);
    for (const auto& [sInhalt, ids] : gleiche) {
        if (ids.size() < 2 || !rng.Chance(70)) continue;
        RawDatabase db(sUser_);
        if (db.Number(QStringLiteral("SELECT count(*) FROM Umsätze WHERE id = %1").arg(ids[0])) >
                0 &&
            rng.Chance(50)) {
            db.Exec(QStringLiteral("DELETE FROM Umsätze WHERE id = %1").arg(ids[0]));
            schritte_
                << QStringLiteral("deleted the first of the identical Umsätze %1").arg(ids[0]);
            continue;
        }
        const qint64 lNeu = db.Number(QStringLiteral("SELECT max(id) + 1 FROM Umsätze"));
        Insert(db, QStringLiteral("Umsätze"), lNeu,
               TableIn(archiv_, "Umsätze").zeilen.at(ids[0]).mid(1));
        schritte_ << QStringLiteral("refetched one of the identical Umsätze %1 as %2")
                         .arg(ids[0])
                         .arg(lNeu);
    }
    const qint64 lAenderungen = rng.Between(2, 12);
    for (qint64 i = 0; i < lAenderungen; ++i) HostChange(rng);
    const int lRestores = rng.Chance(40) ? 2 : 1;
    RestoreChoice wahl;
    for (int n = 0; n < lRestores; ++n) {
        if (n == 1 && rng.Chance(30))
            for (qint64 i = rng.Between(1, 3); i > 0; --i) HostChange(rng);
        if (n == 0 || rng.Chance(50)) {
            wahl = NewChoice(rng);
            // A choice without rows is not what a user restores.
            if (ModelRestore(archiv_, ReadSnapshot(sUser_), wahl).lZeilen == 0) {
                wahl.konten.reset();
                wahl.zuordnung.clear();
            }
        }
        schritte_ << QStringLiteral("restore: ") + ChoiceText(wahl);
        const QStringList unterschiede = Restore(rng, wahl, erreicht);
        if (!unterschiede.isEmpty())
            return QStringLiteral("steps: %1\n  %2")
                .arg(schritte_.join(QStringLiteral("; ")),
                     unterschiede.join(QStringLiteral("\n  ")));
    }
    return QString();
}

// An archive run, changes as a banking host makes them, then one or two restores: after each
// the whole database is what the model says. TOLVA_MODEL_SEEDS=N runs N fresh histories from
// TOLVA_MODEL_FIRST_SEED (default: the clock) instead of the fixed ones (bench/restore-model.sh).
TEST_F(RestoreModelTest, RandomHistoriesAgreeWithTheModel) {
    const int lFrisch = qEnvironmentVariableIntValue("TOLVA_MODEL_SEEDS");
    const int lHistorien = lFrisch > 0 ? lFrisch : kFesteHistorien;
    quint64 lErster = kErsterSeed;
    if (lFrisch > 0) {
        bool ok = false;
        lErster = qEnvironmentVariable("TOLVA_MODEL_FIRST_SEED").toULongLong(&ok);
        if (!ok) lErster = static_cast<quint64>(QDateTime::currentMSecsSinceEpoch());
        std::cout << "seeds " << lErster << " to " << lErster + lHistorien - 1 << std::endl;
    }
    std::map<Outcome, int> tally;
    std::vector<quint64> abweichend;
    for (int i = 0; i < lHistorien; ++i) {
        const quint64 lSeed = lErster + static_cast<quint64>(i);
        std::set<Outcome> erreicht;
        const QString sFehler = RunHistory(lSeed, erreicht);
        for (Outcome o : erreicht) ++tally[o];
        if (sFehler.isEmpty()) continue;
        abweichend.push_back(lSeed);
        if (abweichend.size() <= 3)
            ADD_FAILURE() << "seed " << lSeed << "\n  " << sFehler.toStdString();
    }
    std::cout << "outcomes:";
    for (int o = 0; o < static_cast<int>(Outcome::kAnzahl); ++o)
        std::cout << (o ? ", " : " ") << OutcomeName(static_cast<Outcome>(o)) << ' '
                  << tally[static_cast<Outcome>(o)];
    std::cout << std::endl;
    if (!abweichend.empty()) {
        std::cout << "differing seeds:";
        for (quint64 s : abweichend) std::cout << ' ' << s;
        std::cout << std::endl;
    }
    std::cout << lHistorien << " histories, " << abweichend.size() << " differences" << std::endl;
    EXPECT_TRUE(abweichend.empty());
    // A generator that never reaches an outcome proves nothing about it.
    if (lHistorien >= kFesteHistorien) {
        for (int o = 0; o < static_cast<int>(Outcome::kAnzahl); ++o) {
            EXPECT_GT(tally[static_cast<Outcome>(o)], 0)
                << "no history reached " << OutcomeName(static_cast<Outcome>(o));
        }
    }
}

}  // namespace
}  // namespace tolva::test
