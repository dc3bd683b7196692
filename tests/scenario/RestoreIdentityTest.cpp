// Restores that must go by a row's identity, each as a user meets it.
#include "ArchiveScenario.h"

#include "demo/DemoDatabase.h"
#include "restore/Restore.h"
#include "state/SharedState.h"
#include "text/ModCrypt.h"

#include <QFile>
#include <QRegularExpression>

#include <set>

namespace tolva::test {
namespace {

const QString kKorrigiert = QStringLiteral("Miete Oktober, korrigiert");

RestoreCount CountOf(const RestoreReport& bericht, const QString& sTabelle) {
    for (const RestoreCount& z : bericht.tabellen)
        if (z.sTabelle == sTabelle) return z;
    return {};
}

class RestoreIdentityTest : public ArchiveScenario {
  protected:
    void Archive(bool bEntfernen) {
        Lauf lauf;
        lauf.bEntfernen = bEntfernen;
        RunToTheEnd(lauf);
    }
    RestoreChoice Choice(const QString& sArchiv = QString()) const {
        RestoreChoice wahl;
        wahl.sArchiv = sArchiv.isEmpty() ? sZiel_ : sArchiv;
        wahl.sDatenbank = sUser_;
        wahl.sPasswort = QString::fromUtf8(kDemoPasswort);
        wahl.bSichern = false;
        wahl.bFragen = false;
        return wahl;
    }
    // An archive run (with or without removal), then a booking of account 5 of the archive
    // edited since: in place, or fetched again under a new id; then a restore that must keep
    // the edited booking and bring back no second one.
    void EditBookingThenRestore(bool bEntfernen, bool bNeueIds) {
        CopyFileForTest(DemoFile(), sUser_);
        QFile::remove(sZiel_);
        ASSERT_NO_FATAL_FAILURE(Archive(bEntfernen));
        RawDatabase archiv(sZiel_);
        const qint64 lBuchung = archiv.Number(
            QStringLiteral("SELECT max(id) FROM Umsätze WHERE KontoID = 5 AND BuchungsID <> ''"));
        ASSERT_GT(lBuchung, 0);
        const QString sBuchungsId =
            archiv
                .Rows(QStringLiteral("SELECT BuchungsID FROM Umsätze WHERE id = %1").arg(lBuchung))
                .value(0);
        qint64 lLebend = lBuchung;
        if (bEntfernen) {
            lLebend = 900001;
            const QString sWerte =
                archiv
                    .Rows(QStringLiteral("SELECT KontoID || ',' || quote(Buchungsdatum) || ',' || "
                                         "quote(Valuta) || ',' || quote(BuchungsID) || ',' || "
                                         "Betrag || ',' || quote(Empfaenger) || ',' || "
                                         "quote(KategorieID) FROM Umsätze WHERE id = %1")
                              .arg(lBuchung))
                    .value(0);
            RawDatabase(sUser_).Exec(
                QStringLiteral("INSERT INTO Umsätze (id, KontoID, Buchungsdatum, Valuta, "
                               "BuchungsID, Betrag, Empfaenger, KategorieID, Verwendungszweck) "
                               "VALUES (%1, %2, '%3')")
                    .arg(lLebend)
                    .arg(sWerte, kKorrigiert));
        } else {
            RawDatabase(sUser_).Exec(
                QStringLiteral("UPDATE Umsätze SET Verwendungszweck = '%1' WHERE id = %2")
                    .arg(kKorrigiert)
                    .arg(lBuchung));
        }
        const QStringList vorher = DumpAll(sUser_);
        RestoreChoice wahl = Choice();
        wahl.bNeueIds = bNeueIds;
        const Result<RestoreReport> r = StartRestore(wahl, {});
        ASSERT_TRUE(r.ok()) << r.error().description.toStdString();
        EXPECT_EQ(RawDatabase(sUser_).Rows(
                      QStringLiteral("SELECT id, Verwendungszweck FROM Umsätze WHERE KontoID = 5 "
                                     "AND BuchungsID = '%1'")
                          .arg(sBuchungsId)),
                  QStringList{QStringLiteral("%1|%2").arg(lLebend).arg(kKorrigiert)});
        const RestoreCount umsaetze = CountOf(r.value(), QStringLiteral("Umsätze"));
        EXPECT_EQ(umsaetze.lGeaendert, 1);
        EXPECT_EQ(umsaetze.geaendert, std::vector<qint64>{lLebend});
        // Without removal every other row is there already: nothing at all changes.
        if (!bEntfernen) {
            EXPECT_EQ(DumpAll(sUser_), vorher);
        }
    }
};

// Per category id its name path ("Tanken < Auto < Mobilität").
std::map<qint64, QString> CategoryPaths(const QString& sPfad) {
    std::map<qint64, std::pair<QString, qint64>> kategorien;
    for (const QString& z :
         RawDatabase(sPfad).Rows(QStringLiteral("SELECT id, ParentID, Name FROM Kategorien")))
        kategorien[z.section(u'|', 0, 0).toLongLong()] = {z.section(u'|', 2),
                                                          z.section(u'|', 1, 1).toLongLong()};
    std::map<qint64, QString> pfade;
    for (const auto& [id, k] : kategorien) {
        QStringList namen{k.first};
        for (auto p = kategorien.find(k.second); p != kategorien.end() && namen.size() < 10;
             p = kategorien.find(p->second.second))
            namen << p->second.first;
        pfade[id] = namen.join(QStringLiteral(" < "));
    }
    return pfade;
}

TEST_F(RestoreIdentityTest, ABookingEditedSinceTheRunIsKeptAsEditedNotDuplicated) {
    {
        SCOPED_TRACE("edited in place");
        EditBookingThenRestore(false, false);
    }
    {
        SCOPED_TRACE("edited in place, fresh ids");
        EditBookingThenRestore(false, true);
    }
    {
        SCOPED_TRACE("removed, fetched again edited, fresh ids");
        EditBookingThenRestore(true, true);
    }
}

TEST_F(RestoreIdentityTest, OrdersOfAnAccountTheArchiveLacksNeverGoToTheAccountNowUnderItsId) {
    // Account 6 is ticked but holds no old bookings: the archive's Konten lacks it, and its
    // two old orders go to the archive all the same.
    ChangeUserDatabase(QStringLiteral(
        "INSERT INTO Aufträge (id, KontoID, Status, Datum, Betrag, Empfaenger, Verwendungszweck) "
        "VALUES (90001, 6, 4, '2023-05-02', 12345, 'Stadtwerke', 'Abschlag Mai'), (90002, 6, 4, "
        "'2023-06-02', 12345, 'Stadtwerke', 'Abschlag Juni')"));
    const QByteArray nummer =
        RawDatabase(sUser_).Bytes(QStringLiteral("SELECT KontoNummer FROM Konten WHERE id = 6"));
    ASSERT_NO_FATAL_FAILURE(Archive(true));
    ASSERT_EQ(
        RawDatabase(sZiel_).Number(QStringLiteral("SELECT count(*) FROM Konten WHERE id = 6")), 0);
    // The user deleted the account since, and the host gave its id to another one.
    const Result<QByteArray> andere = Encrypt(QStringLiteral("4711000815"), false);
    ASSERT_TRUE(andere.ok());
    RawDatabase(sUser_).Exec(
        QStringLiteral("UPDATE Konten SET KontoNummer = x'%1', IBAN = 'DE02120300000004711000' "
                       "WHERE id = 6")
            .arg(QString::fromLatin1(andere.value().toHex())));
    const QString sStand = dir_.filePath(QStringLiteral("stand.dat"));
    CopyFileForTest(sUser_, sStand);
    const QStringList vorher = DumpAll(sStand);
    // An archive written before runs kept such accounts.
    const QString sAlt = dir_.filePath(QStringLiteral("archiv/alt.aba"));
    CopyFileForTest(sZiel_, sAlt);
    RawDatabase(sAlt).Exec(
        QStringLiteral("DROP TABLE IF EXISTS tolva_Konten; DROP TABLE IF EXISTS tolva_BankDaten"));
    const QString sAuftraege =
        QStringLiteral("SELECT KontoID FROM Aufträge WHERE id IN (90001, 90002) ORDER BY id");

    [&] {
        SCOPED_TRACE("the archive carries the account; its id is taken");
        const Result<RestoreReport> r = StartRestore(Choice(), {});
        ASSERT_FALSE(r.ok());
        EXPECT_EQ(r.error().code, kCodeKonflikt) << r.error().description.toStdString();
        EXPECT_EQ(DumpAll(sUser_), vorher);
    }();
    [&] {
        SCOPED_TRACE("the archive carries the account; fresh ids");
        CopyFileForTest(sStand, sUser_);
        RestoreChoice wahl = Choice();
        wahl.bNeueIds = true;
        const Result<RestoreReport> r = StartRestore(wahl, {});
        ASSERT_TRUE(r.ok()) << r.error().description.toStdString();
        RawDatabase db(sUser_);
        const QStringList konten = db.Rows(sAuftraege);
        ASSERT_EQ(konten.size(), 2);
        EXPECT_EQ(konten[0], konten[1]);
        EXPECT_NE(konten[0], QStringLiteral("6"));
        EXPECT_EQ(
            db.Bytes(QStringLiteral("SELECT KontoNummer FROM Konten WHERE id = %1").arg(konten[0])),
            nummer);
    }();
    [&] {
        SCOPED_TRACE("an archive without the account");
        CopyFileForTest(sStand, sUser_);
        const Result<RestoreReport> r = StartRestore(Choice(sAlt), {});
        ASSERT_FALSE(r.ok());
        EXPECT_EQ(r.error().code, kCodeKontoFehlt);
        EXPECT_TRUE(r.error().description.contains(QStringLiteral("Konto")) &&
                    r.error().description.contains(QRegularExpression(QStringLiteral("\\b6\\b"))))
            << r.error().description.toStdString();
        EXPECT_EQ(DumpAll(sUser_), vorher);
    }();
    [&] {
        SCOPED_TRACE("an archive without the account, named by the user");
        CopyFileForTest(sStand, sUser_);
        RestoreChoice wahl = Choice(sAlt);
        wahl.zuordnung[6] = 1;
        const Result<RestoreReport> r = StartRestore(wahl, {});
        ASSERT_TRUE(r.ok()) << r.error().description.toStdString();
        EXPECT_EQ(RawDatabase(sUser_).Rows(sAuftraege),
                  (QStringList{QStringLiteral("1"), QStringLiteral("1")}));
    }();
}

TEST_F(RestoreIdentityTest, CategoriesWhoseIdsStrangersTookComeBackUnderTheirNamePath) {
    ASSERT_NO_FATAL_FAILURE(Archive(true));
    RawDatabase archiv(sZiel_);
    // The subcategory most archived bookings carry, and its parent.
    const qint64 lKind = archiv.Number(
        QStringLiteral("SELECT u.KategorieID FROM Umsätze u JOIN Kategorien k ON k.id = "
                       "u.KategorieID WHERE k.ParentID <> 0 GROUP BY u.KategorieID ORDER BY "
                       "count(*) DESC LIMIT 1"));
    const qint64 lEltern =
        archiv.Number(QStringLiteral("SELECT ParentID FROM Kategorien WHERE id = %1").arg(lKind));
    ASSERT_GT(lEltern, 0);
    RawDatabase(sUser_).Exec(QStringLiteral("DELETE FROM Kategorien WHERE id IN (%1, %2); INSERT "
                                            "INTO Kategorien VALUES (%1, 'Haustiere', 0), (%2, "
                                            "'Spenden', 0)")
                                 .arg(lKind)
                                 .arg(lEltern));
    const qint64 lMax =
        RawDatabase(sUser_).Number(QStringLiteral("SELECT max(id) FROM Kategorien"));
    std::set<QString> vorher;
    for (const auto& [id, sPfad] : CategoryPaths(sUser_)) vorher.insert(sPfad);

    const Result<RestoreReport> r = StartRestore(Choice(), {});
    ASSERT_TRUE(r.ok()) << r.error().description.toStdString();
    const std::map<qint64, QString> archivPfade = CategoryPaths(sZiel_);
    const std::map<qint64, QString> pfade = CategoryPaths(sUser_);
    std::map<QString, qint64> kategorie;  // booking id → its category now
    for (const QString& z :
         RawDatabase(sUser_).Rows(QStringLiteral("SELECT id, KategorieID FROM Umsätze")))
        kategorie[z.section(u'|', 0, 0)] = z.section(u'|', 1).toLongLong();
    // Every archived booking went back under its id: its category has the archived path.
    int lGeprueft = 0;
    QStringList falsch;
    std::set<QString> fehlend;  // the paths those bookings need (with their parents') that were
                                // missing: siblings under the replaced parent as well
    for (const QString& z : archiv.Rows(QStringLiteral("SELECT id, KategorieID FROM Umsätze"))) {
        const auto a = archivPfade.find(z.section(u'|', 1).toLongLong());
        if (a == archivPfade.end()) continue;
        const QStringList namen = a->second.split(QStringLiteral(" < "));
        for (qsizetype i = 0; i < namen.size(); ++i)
            if (!vorher.count(namen.mid(i).join(QStringLiteral(" < "))))
                fehlend.insert(namen.mid(i).join(QStringLiteral(" < ")));
        const auto l = pfade.find(kategorie[z.section(u'|', 0, 0)]);
        if (l == pfade.end() || l->second != a->second)
            falsch << QStringLiteral("booking %1 in \"%2\", not \"%3\"")
                          .arg(z.section(u'|', 0, 0),
                               l == pfade.end() ? QStringLiteral("(none)") : l->second, a->second);
        ++lGeprueft;
    }
    EXPECT_GT(lGeprueft, 100);
    EXPECT_TRUE(falsch.isEmpty()) << falsch.size() << " bookings, the first: "
                                  << falsch.mid(0, 3).join(QStringLiteral("; ")).toStdString();
    // The strangers stay as they are; what was missing came back once, above every id.
    RawDatabase db(sUser_);
    EXPECT_EQ(db.Rows(QStringLiteral("SELECT id, Name, ParentID FROM Kategorien WHERE id IN "
                                     "(%1, %2) ORDER BY id")
                          .arg(std::min(lKind, lEltern))
                          .arg(std::max(lKind, lEltern))),
              (QStringList{QStringLiteral("%1|%2|0")
                               .arg(std::min(lKind, lEltern))
                               .arg(lKind < lEltern ? "Haustiere" : "Spenden"),
                           QStringLiteral("%1|%2|0")
                               .arg(std::max(lKind, lEltern))
                               .arg(lKind < lEltern ? "Spenden" : "Haustiere")}));
    EXPECT_GE(fehlend.size(), 2u);
    EXPECT_EQ(db.Number(QStringLiteral("SELECT count(*) FROM Kategorien WHERE id > %1").arg(lMax)),
              static_cast<qint64>(fehlend.size()));
}

TEST_F(RestoreIdentityTest, TwoIdenticalPaymentsOfWhichTheHostFetchedOneAgainAreTwoAfterwards) {
    const QString sZahlung = QStringLiteral(
        "5, '2023-03-15', '2023-03-15', '', -450, 'Bäckerei Schmidt', 'Kartenzahlung', 11");
    const QString sEinfuegen = QStringLiteral(
        "INSERT INTO Umsätze (id, KontoID, Buchungsdatum, Valuta, BuchungsID, Betrag, Empfaenger, "
        "Verwendungszweck, KategorieID) VALUES ");
    ChangeUserDatabase(sEinfuegen + QStringLiteral("(90001, %1), (90002, %1)").arg(sZahlung));
    ASSERT_NO_FATAL_FAILURE(Archive(true));
    RawDatabase(sUser_).Exec(sEinfuegen + QStringLiteral("(90100, %1)").arg(sZahlung));
    const qint64 lArchiv =
        RawDatabase(sZiel_).Number(QStringLiteral("SELECT count(*) FROM Umsätze"));

    const Result<RestoreReport> r = StartRestore(Choice(), {});
    ASSERT_TRUE(r.ok()) << r.error().description.toStdString();
    EXPECT_EQ(RawDatabase(sUser_).Number(
                  QStringLiteral("SELECT count(*) FROM Umsätze WHERE KontoID = 5 AND "
                                 "Buchungsdatum = '2023-03-15' AND Betrag = -450 AND Empfaenger = "
                                 "'Bäckerei Schmidt' AND BuchungsID = ''")),
              2);
    const RestoreCount umsaetze = CountOf(r.value(), QStringLiteral("Umsätze"));
    EXPECT_EQ(umsaetze.lVorhanden, 1);
    EXPECT_EQ(umsaetze.lZurueck, lArchiv - 1);
}

}  // namespace
}  // namespace tolva::test
