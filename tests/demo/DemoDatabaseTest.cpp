// The demo-database generator: schema, invariants, scrambled fields and reproducibility.
#include "DemoQueries.h"

#include "archive/ModCrypt.h"
#include "database/ConnectionText.h"
#include "demo/DemoDatabase.h"

#include <QDate>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace tolva::test {
namespace {

QDate IsoDate(const QString& sText) {
    return QDate::fromString(sText, Qt::ISODate);
}

// One database with the default options, made once for the checks that only read it.
class DemoDatabaseTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir_ = new QTemporaryDir;
        DemoOptions options;
        options.sPfad = dir_->filePath(QStringLiteral("demo.db"));
        auto ergebnis = MakeDemoDatabase(options);
        ASSERT_TRUE(ergebnis.ok()) << ergebnis.error().description.toStdString();
        summary_ = new DemoSummary(ergebnis.value());
        path_ = new QString(options.sPfad);
    }
    static void TearDownTestSuite() {
        delete summary_;
        delete path_;
        delete dir_;
    }
    void SetUp() override {
        ASSERT_NE(summary_, nullptr);
        db_ = OpenDemo(*path_);
        ASSERT_EQ(db_->State(), Connection::adStateOpen);
    }

    static inline QTemporaryDir* dir_ = nullptr;
    static inline DemoSummary* summary_ = nullptr;
    static inline QString* path_ = nullptr;
    std::unique_ptr<Connection> db_;
};

TEST_F(DemoDatabaseTest, IsKeyedAndHoldsWhatTheSummaryCounts) {
    QFile datei(*path_);
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    EXPECT_FALSE(datei.read(16).startsWith("SQLite format 3")) << "file is not encrypted";
    Connection falsch;
    EXPECT_FALSE(falsch
                     .Open(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") +
                           *path_ + QStringLiteral(";Jet OLEDB:Database Password=banane;"))
                     .ok());

    EXPECT_EQ(QueryValue(*db_, "PRAGMA integrity_check").toString(), "ok");
    const DemoOptions standard;
    EXPECT_EQ(summary_->lKonten, standard.lKonten);
    EXPECT_EQ(summary_->lBankDaten, standard.lBanken);
    EXPECT_EQ(summary_->lUmsaetze, standard.lBuchungen);
    const std::map<QString, qint64> aErwartet = {
        {"Optionen", 1},
        {"Konten", summary_->lKonten},
        {"BankDaten", summary_->lBankDaten},
        {"Umsätze", summary_->lUmsaetze},
        {"UmsZusatz", summary_->lUmsZusatz},
        {"OffeneUmsätze", summary_->lOffeneUmsaetze},
        {"Aufträge", summary_->lAuftraege},
        {"SammelAufträge", summary_->lSammelAuftraege},
        {"SammelEinzel", summary_->lSammelEinzel},
        {"Kategorien", summary_->lKategorien},
        {"Empfänger", summary_->lEmpfaenger},
        {"Daten", 0},
    };
    for (const auto& [sTabelle, lAnzahl] : aErwartet)
        EXPECT_EQ(QueryInt(*db_, "SELECT count(*) FROM " + sTabelle), lAnzahl)
            << sTabelle.toStdString();
    for (qint64 lAnzahl :
         {summary_->lOffeneUmsaetze, summary_->lAuftraege, summary_->lSammelAuftraege,
          summary_->lKategorien, summary_->lEmpfaenger})
        EXPECT_GT(lAnzahl, 0);

    // The bookings fill the six years up to the last day.
    EXPECT_EQ(IsoDate(QueryValue(*db_, "SELECT min(Buchungsdatum) FROM Umsätze").toString()),
              summary_->dErsteBuchung);
    EXPECT_EQ(IsoDate(QueryValue(*db_, "SELECT max(Buchungsdatum) FROM Umsätze").toString()),
              summary_->dLetzteBuchung);
    EXPECT_LE(summary_->dLetzteBuchung, standard.dBis);
    EXPECT_GE(summary_->dLetzteBuchung, standard.dBis.addDays(-3));
    EXPECT_GT(summary_->dErsteBuchung, standard.dBis.addYears(-6));
    EXPECT_LT(summary_->dErsteBuchung, standard.dBis.addYears(-6).addDays(7));
    EXPECT_EQ(QueryInt(*db_, "SELECT count(DISTINCT substr(Buchungsdatum, 1, 4)) FROM Umsätze"), 7);
}

TEST_F(DemoDatabaseTest, RowsReferToExistingRows) {
    const char* const aWaisen[] = {
        "SELECT count(*) FROM Konten WHERE bankID NOT IN (SELECT id FROM BankDaten)",
        "SELECT count(*) FROM Umsätze WHERE KontoID NOT IN (SELECT id FROM Konten)",
        "SELECT count(*) FROM Umsätze WHERE KategorieID NOT IN (SELECT id FROM Kategorien)",
        "SELECT count(*) FROM OffeneUmsätze WHERE KontoID NOT IN (SELECT id FROM Konten)",
        "SELECT count(*) FROM Aufträge WHERE KontoID NOT IN (SELECT id FROM Konten)",
        "SELECT count(*) FROM SammelAufträge WHERE KontoID NOT IN (SELECT id FROM Konten)",
        "SELECT count(*) FROM SammelEinzel WHERE SammelID NOT IN (SELECT id FROM SammelAufträge)",
        "SELECT count(*) FROM Kategorien WHERE ParentID <> 0 AND ParentID NOT IN "
        "(SELECT id FROM Kategorien)",
        // A booking extra belongs to a booking of the same account and day.
        "SELECT count(*) FROM UmsZusatz z WHERE NOT EXISTS (SELECT 1 FROM Umsätze u WHERE "
        "u.BuchungsID = z.BuchungsID AND u.KontoID = z.KontoID AND "
        "u.Buchungsdatum = z.Buchungsdatum)",
    };
    for (const char* sql : aWaisen) EXPECT_EQ(QueryInt(*db_, QString::fromUtf8(sql)), 0) << sql;
}

TEST_F(DemoDatabaseTest, BookingsCarryDatesIdsAndWholeCents) {
    // Dates are ISO days, the id begins with the booking date, ids are unique.
    EXPECT_EQ(QueryInt(*db_,
                       "SELECT count(*) FROM Umsätze WHERE date(Buchungsdatum) IS NOT "
                       "Buchungsdatum OR date(Valuta) IS NOT Valuta"),
              0);
    EXPECT_EQ(
        QueryInt(*db_,
                 "SELECT count(*) FROM Umsätze WHERE substr(BuchungsID, 1, 10) <> "
                 "Buchungsdatum OR BuchungsID NOT GLOB "
                 "'[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]-[0-9][0-9][0-9][0-9][0-9][0-9]'"),
        0);
    EXPECT_EQ(QueryInt(*db_, "SELECT count(DISTINCT BuchungsID) FROM Umsätze"),
              summary_->lUmsaetze);
    EXPECT_EQ(QueryInt(*db_,
                       "SELECT count(*) FROM Umsätze WHERE typeof(Betrag) <> 'integer' "
                       "OR Betrag = 0"),
              0);
    // Texts are stored as UTF-8 text with their umlauts.
    EXPECT_GT(QueryInt(*db_,
                       "SELECT count(*) FROM Umsätze WHERE Verwendungszweck LIKE "
                       "'Überweisung%' OR Empfaenger LIKE '%ü%'"),
              0);

    // Some open bookings are more than a year old.
    const QString sVorEinemJahr = DemoOptions().dBis.addYears(-1).toString(Qt::ISODate);
    EXPECT_GT(QueryInt(*db_, "SELECT count(*) FROM OffeneUmsätze WHERE Buchungsdatum < '" +
                                 sVorEinemJahr + "'"),
              0);
}

TEST_F(DemoDatabaseTest, AccountsHaveScrambledNamesAndNumbers) {
    ASSERT_TRUE(CipherLibraryLoaded());
    const auto aKonten = QueryRows(*db_,
                                   "SELECT id, Nr, KontoName, KontoNummer, typeof(KontoName), "
                                   "typeof(KontoNummer) FROM Konten");
    ASSERT_EQ(static_cast<qint64>(aKonten.size()), summary_->lKonten);
    int lOhneNamen = 0;
    QSet<qint64> aNummern;
    QSet<qint64> aPositiv;
    for (const auto& konto : aKonten) {
        EXPECT_EQ(konto[4].toString(), "blob");
        EXPECT_EQ(konto[5].toString(), "blob");
        const QByteArray aName = konto[2].toByteArray();
        const QByteArray aNummer = konto[3].toByteArray();
        const QString sName = Unscrambled(aName, false);
        const QString sNummer = Unscrambled(aNummer, false);
        // The label falls back to the number: that one is never empty.
        EXPECT_EQ(sNummer.size(), 10) << konto[0].toLongLong();
        EXPECT_EQ(aNummer.size() % 4, 0);
        EXPECT_NE(aNummer.left(10), sNummer.toLatin1()) << "account number stored in clear";
        if (aName.isEmpty()) {
            ++lOhneNamen;
        } else {
            // Scrambled, and it unscrambles to readable text.
            EXPECT_NE(aName, sName.toUtf8()) << "account name stored in clear";
            EXPECT_TRUE(sName.front().isLetter()) << sName.toStdString();
        }
        const qint64 lNr = konto[1].toLongLong();
        aNummern.insert(lNr);
        if (lNr > 0) {
            EXPECT_FALSE(aPositiv.contains(lNr)) << "Nr " << lNr << " twice";
            aPositiv.insert(lNr);
        }
    }
    EXPECT_GE(lOhneNamen, 1);
    EXPECT_LT(lOhneNamen, summary_->lKonten);
    EXPECT_TRUE(aNummern.contains(-1));
    EXPECT_TRUE(aNummern.contains(-3));
}

TEST_F(DemoDatabaseTest, PasswordRecordCarriesThePasswordAtEveryThirdPlace) {
    const auto aZeilen = QueryRows(*db_, "SELECT Version, Paßwort, typeof(Paßwort) FROM Optionen");
    ASSERT_EQ(aZeilen.size(), 1u);
    EXPECT_EQ(aZeilen[0][0].toLongLong(), 5);
    EXPECT_EQ(aZeilen[0][2].toString(), "blob");
    const QString sSatz = Decrypt(aZeilen[0][1].toByteArray(), true);
    ASSERT_EQ(sSatz.size(), 52);
    QString sPasswort;
    QString sFueller;
    for (int i = 1; i <= 52; ++i) {
        if (i % 3 == 0 && i <= 48)
            sPasswort += sSatz[i - 1];
        else
            sFueller += sSatz[i - 1];
    }
    EXPECT_EQ(sPasswort, QString("geheim").leftJustified(16, ' '));
    ASSERT_EQ(sFueller.size(), 36);
    for (QChar c : sFueller)
        EXPECT_TRUE(c.unicode() >= 0x20 && c.unicode() < 0x7F) << int(c.unicode());
    // Scrambled with the password flag: the other flag does not give the record back.
    EXPECT_NE(Decrypt(aZeilen[0][1].toByteArray(), false), sSatz);
}

TEST_F(DemoDatabaseTest, OrdersMixStatusAndExecutionDates) {
    // Single orders: sent (4) and others, ISO dates.
    EXPECT_GT(QueryInt(*db_, "SELECT count(*) FROM Aufträge WHERE Status = 4"), 0);
    EXPECT_GT(QueryInt(*db_, "SELECT count(*) FROM Aufträge WHERE Status <> 4"), 0);
    EXPECT_EQ(QueryInt(*db_,
                       "SELECT count(*) FROM Aufträge WHERE date(Datum) IS NOT Datum OR "
                       "Betrag <= 0"),
              0);

    // Collective orders: statuses 1, 4 and others; execution dates empty or a scrambled ISO
    // day shortly after the order's date.
    for (int lStatus : {1, 2, 4})
        EXPECT_GT(QueryInt(*db_, QStringLiteral("SELECT count(*) FROM SammelAufträge WHERE "
                                                "Status = %1")
                                     .arg(lStatus)),
                  0)
            << lStatus;
    int lLeer = 0;
    int lLeerGesendet = 0;
    int lMitDatum = 0;
    for (const auto& sammel : QueryRows(*db_,
                                        "SELECT id, Status, Datum, AusfDatum, "
                                        "typeof(AusfDatum) FROM SammelAufträge")) {
        EXPECT_EQ(sammel[4].toString(), "blob") << sammel[0].toLongLong();
        const QDate dDatum = IsoDate(sammel[2].toString());
        ASSERT_TRUE(dDatum.isValid()) << sammel[2].toString().toStdString();
        const QByteArray aAusf = sammel[3].toByteArray();
        if (aAusf.isEmpty()) {
            ++lLeer;
            const qint64 lStatus = sammel[1].toLongLong();
            if (lStatus == 1 || lStatus == 4) ++lLeerGesendet;
            continue;
        }
        ++lMitDatum;
        EXPECT_NE(aAusf.left(10), sammel[2].toString().toLatin1().left(10));
        const QString sAusf = Unscrambled(aAusf, false);
        const QDate dAusf = IsoDate(sAusf);
        ASSERT_TRUE(dAusf.isValid()) << sAusf.toStdString();
        EXPECT_EQ(sAusf, dAusf.toString(Qt::ISODate));
        EXPECT_GE(dAusf, dDatum);
        EXPECT_LE(dAusf, dDatum.addDays(3));
    }
    EXPECT_GT(lLeer, 0);
    EXPECT_GT(lLeerGesendet, 0);
    EXPECT_GT(lMitDatum, lLeer);
}

// Databases made by the tests below, each in its own folder.
class DemoOptionsTest : public ::testing::Test {
  protected:
    QString Path(const QString& sName) const { return dir_.filePath(sName); }
    DemoOptions Small(const QString& sName) const {
        DemoOptions options;
        options.sPfad = Path(sName);
        options.lBuchungen = 3000;
        return options;
    }
    QByteArray Dump(const QString& sPfad) {
        auto db = OpenDemo(sPfad);
        QByteArray aText;
        for (const char* sTabelle : kDemoTables) aText += DumpTable(*db, sTabelle) + "#\n";
        return aText;
    }

    QTemporaryDir dir_;
};

TEST_F(DemoOptionsTest, SameSeedSameRowsOtherSeedOtherRows) {
    DemoOptions a = Small("a.db");
    a.lSeed = 7;
    DemoOptions b = Small("b.db");
    b.lSeed = 7;
    DemoOptions c = Small("c.db");
    c.lSeed = 8;
    for (const DemoOptions* options : {&a, &b, &c})
        ASSERT_TRUE(MakeDemoDatabase(*options).ok()) << options->sPfad.toStdString();
    const QByteArray aA = Dump(a.sPfad);
    EXPECT_GT(aA.size(), 3000 * 60);
    EXPECT_EQ(aA, Dump(b.sPfad));
    EXPECT_NE(aA, Dump(c.sPfad));
}

TEST_F(DemoOptionsTest, SizesVersionAndEndDateFollowTheOptions) {
    DemoOptions options;
    options.sPfad = Path("klein.db");
    options.lKonten = 3;
    options.lBanken = 5;
    options.lBuchungen = 777;
    options.lJahre = 1;
    options.lVersion = 4;
    options.dBis = QDate(2013, 7, 5);
    const auto ergebnis = MakeDemoDatabase(options);
    ASSERT_TRUE(ergebnis.ok()) << ergebnis.error().description.toStdString();
    auto db = OpenDemo(options.sPfad);
    EXPECT_EQ(QueryInt(*db, "SELECT Version FROM Optionen"), 4);
    EXPECT_EQ(QueryInt(*db, "SELECT count(*) FROM Konten"), 3);
    EXPECT_EQ(QueryInt(*db, "SELECT count(*) FROM BankDaten"), 5);
    EXPECT_EQ(QueryInt(*db, "SELECT count(DISTINCT BLZ) FROM BankDaten"), 5);
    EXPECT_EQ(QueryInt(*db, "SELECT count(*) FROM Umsätze"), 777);
    EXPECT_EQ(QueryValue(*db,
                         "SELECT min(Buchungsdatum) >= '2012-07-06' AND "
                         "max(Buchungsdatum) <= '2013-07-05' FROM Umsätze")
                  .toLongLong(),
              1);
    // Even a small database has the collective-order cases of the archive run.
    EXPECT_GT(QueryInt(*db,
                       "SELECT count(*) FROM SammelAufträge WHERE Status IN (1, 4) AND "
                       "length(AusfDatum) = 0"),
              0);
    EXPECT_GT(QueryInt(*db,
                       "SELECT count(*) FROM SammelAufträge WHERE Status IN (1, 4) AND "
                       "length(AusfDatum) > 0"),
              0);

    // More banks than the name list holds still get distinct codes.
    DemoOptions viele = Small("viele.db");
    viele.lKonten = 60;
    viele.lBanken = 50;
    ASSERT_TRUE(MakeDemoDatabase(viele).ok());
    auto dbViele = OpenDemo(viele.sPfad);
    EXPECT_EQ(QueryInt(*dbViele, "SELECT count(DISTINCT BLZ) FROM BankDaten"), 50);

    // No bookings at all still gives accounts, orders and the password record.
    DemoOptions leer = Small("leer.db");
    leer.lBuchungen = 0;
    const auto ohne = MakeDemoDatabase(leer);
    ASSERT_TRUE(ohne.ok());
    EXPECT_FALSE(ohne.value().dErsteBuchung.isValid());
    auto dbLeer = OpenDemo(leer.sPfad);
    EXPECT_EQ(QueryInt(*dbLeer, "SELECT count(*) FROM Umsätze"), 0);
    EXPECT_GT(QueryInt(*dbLeer, "SELECT count(*) FROM Aufträge"), 0);
}

TEST_F(DemoOptionsTest, RefusesExistingFilesAndBadOptions) {
    const QString sPfad = Path("vorhanden.db");
    {
        QFile datei(sPfad);
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
        datei.write("meine Daten");
    }
    DemoOptions options = Small("vorhanden.db");
    const auto ergebnis = MakeDemoDatabase(options);
    ASSERT_FALSE(ergebnis.ok());
    EXPECT_TRUE(ergebnis.error().description.contains("vorhanden.db"))
        << ergebnis.error().description.toStdString();
    QFile datei(sPfad);
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    EXPECT_EQ(datei.readAll(), "meine Daten");

    struct Falsch {
        const char* sName;
        void (*change)(DemoOptions&);
    };
    const Falsch aFaelle[] = {
        {"konten", [](DemoOptions& o) { o.lKonten = 0; }},
        {"banken", [](DemoOptions& o) { o.lBanken = 0; }},
        {"buchungen", [](DemoOptions& o) { o.lBuchungen = -1; }},
        {"jahre", [](DemoOptions& o) { o.lJahre = 0; }},
        {"datum", [](DemoOptions& o) { o.dBis = QDate(); }},
    };
    for (const Falsch& fall : aFaelle) {
        DemoOptions falsch = Small(QString::fromLatin1(fall.sName) + ".db");
        fall.change(falsch);
        const auto fehler = MakeDemoDatabase(falsch);
        EXPECT_FALSE(fehler.ok()) << fall.sName;
        if (!fehler.ok()) {
            EXPECT_FALSE(fehler.error().description.isEmpty());
        }
        EXPECT_FALSE(QFile::exists(falsch.sPfad)) << fall.sName;
    }

    // A folder that does not exist: a German message, nothing left behind.
    DemoOptions fehlt = Small("fehlt/demo.db");
    const auto ohneOrdner = MakeDemoDatabase(fehlt);
    EXPECT_FALSE(ohneOrdner.ok());
    EXPECT_FALSE(QFile::exists(fehlt.sPfad));
}

}  // namespace
}  // namespace tolva::test
