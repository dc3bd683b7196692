// The demo-database generator: keying, invariants, scrambled fields and reproducibility.
#include "EngineFiles.h"

#include "database/Connection.h"
#include "demo/DemoDatabase.h"
#include "text/ModCrypt.h"

#include <QDate>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

namespace tolva::test {
namespace {

QDate IsoDate(const QString& sText) {
    return QDate::fromString(sText, Qt::ISODate);
}

// A scrambled field's text without the code-0 padding.
QString Unscrambled(const QByteArray& aDaten) {
    QString sText = Decrypt(aDaten, false);
    while (sText.endsWith(QChar(0))) sText.chop(1);
    return sText;
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
    void SetUp() override { ASSERT_NE(summary_, nullptr); }

    static inline QTemporaryDir* dir_ = nullptr;
    static inline DemoSummary* summary_ = nullptr;
    static inline QString* path_ = nullptr;
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

    EXPECT_EQ(IntegrityCheck(*path_), "ok");
    RawDatabase db(*path_);
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
        EXPECT_EQ(db.Number("SELECT count(*) FROM " + sTabelle), lAnzahl) << sTabelle.toStdString();
    for (qint64 lAnzahl :
         {summary_->lOffeneUmsaetze, summary_->lAuftraege, summary_->lSammelAuftraege,
          summary_->lKategorien, summary_->lEmpfaenger})
        EXPECT_GT(lAnzahl, 0);
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
    RawDatabase db(*path_);
    for (const char* sql : aWaisen) EXPECT_EQ(db.Number(QString::fromUtf8(sql)), 0) << sql;
}

TEST_F(DemoDatabaseTest, BookingsCarryIsoDaysAndUniqueIds) {
    RawDatabase db(*path_);
    // The survey and the run compare dates as text.
    EXPECT_EQ(db.Number("SELECT count(*) FROM Umsätze WHERE date(Buchungsdatum) IS NOT "
                        "Buchungsdatum OR date(Valuta) IS NOT Valuta"),
              0);
    EXPECT_EQ(db.Number("SELECT count(DISTINCT BuchungsID) FROM Umsätze"), summary_->lUmsaetze);

    // Some open bookings are more than a year old.
    const QString sVorEinemJahr = DemoOptions().dBis.addYears(-1).toString(Qt::ISODate);
    EXPECT_GT(db.Number("SELECT count(*) FROM OffeneUmsätze WHERE Buchungsdatum < '" +
                        sVorEinemJahr + "'"),
              0);
}

TEST_F(DemoDatabaseTest, AccountsHaveScrambledNamesAndNumbers) {
    ASSERT_TRUE(CipherLibraryLoaded());
    RawDatabase db(*path_);
    const QStringList aKonten =
        db.Rows("SELECT id, Nr, typeof(KontoName) || typeof(KontoNummer) FROM Konten");
    ASSERT_EQ(aKonten.size(), summary_->lKonten);
    int lOhneNamen = 0;
    QSet<qint64> aNummern;
    QSet<qint64> aPositiv;
    for (const QString& zeile : aKonten) {
        const QStringList konto = zeile.split(u'|');
        EXPECT_EQ(konto[2], "blobblob");
        const QByteArray aName = db.Bytes("SELECT KontoName FROM Konten WHERE id = " + konto[0]);
        const QByteArray aNummer =
            db.Bytes("SELECT KontoNummer FROM Konten WHERE id = " + konto[0]);
        const QString sName = Unscrambled(aName);
        const QString sNummer = Unscrambled(aNummer);
        // The label falls back to the number: that one is never empty.
        EXPECT_EQ(sNummer.size(), 10) << konto[0].toStdString();
        EXPECT_NE(aNummer.left(10), sNummer.toLatin1()) << "account number stored in clear";
        if (aName.isEmpty()) {
            ++lOhneNamen;
        } else {
            // Scrambled, and it unscrambles to readable text.
            EXPECT_NE(aName, sName.toUtf8()) << "account name stored in clear";
            EXPECT_FALSE(sName.isEmpty());
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

TEST_F(DemoDatabaseTest, OrdersMixStatusAndExecutionDates) {
    RawDatabase db(*path_);
    // Single orders: sent (4) and others, ISO dates.
    EXPECT_GT(db.Number("SELECT count(*) FROM Aufträge WHERE Status = 4"), 0);
    EXPECT_GT(db.Number("SELECT count(*) FROM Aufträge WHERE Status <> 4"), 0);
    EXPECT_EQ(db.Number("SELECT count(*) FROM Aufträge WHERE date(Datum) IS NOT Datum"), 0);

    // Collective orders: statuses 1, 4 and others; execution dates empty or a scrambled ISO
    // day not before the order's date.
    for (int lStatus : {1, 2, 4})
        EXPECT_GT(db.Number(QStringLiteral("SELECT count(*) FROM SammelAufträge WHERE "
                                           "Status = %1")
                                .arg(lStatus)),
                  0)
            << lStatus;
    int lLeerGesendet = 0;
    int lMitDatum = 0;
    for (const QString& zeile :
         db.Rows("SELECT id, Status, Datum, typeof(AusfDatum) FROM SammelAufträge")) {
        const QStringList sammel = zeile.split(u'|');
        EXPECT_EQ(sammel[3], "blob") << sammel[0].toStdString();
        const QDate dDatum = IsoDate(sammel[2]);
        ASSERT_TRUE(dDatum.isValid()) << sammel[2].toStdString();
        const QByteArray aAusf =
            db.Bytes("SELECT AusfDatum FROM SammelAufträge WHERE id = " + sammel[0]);
        if (aAusf.isEmpty()) {
            const qint64 lStatus = sammel[1].toLongLong();
            if (lStatus == 1 || lStatus == 4) ++lLeerGesendet;
            continue;
        }
        ++lMitDatum;
        EXPECT_NE(aAusf.left(10), sammel[2].toLatin1().left(10));
        const QString sAusf = Unscrambled(aAusf);
        const QDate dAusf = IsoDate(sAusf);
        ASSERT_TRUE(dAusf.isValid()) << sAusf.toStdString();
        EXPECT_EQ(sAusf, dAusf.toString(Qt::ISODate));
        EXPECT_GE(dAusf, dDatum);
    }
    EXPECT_GT(lLeerGesendet, 0);
    EXPECT_GT(lMitDatum, 0);
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
    // Every row of every table, in stored order.
    static QStringList Dump(const QString& sPfad) {
        RawDatabase db(sPfad);
        QStringList aZeilen;
        for (const QString& sTabelle :
             db.Rows("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"))
            aZeilen << sTabelle << db.Rows("SELECT * FROM \"" + sTabelle + "\" ORDER BY rowid");
        return aZeilen;
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
    const QStringList aA = Dump(a.sPfad);
    EXPECT_GT(aA.size(), 3000);
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
    RawDatabase db(options.sPfad);
    EXPECT_EQ(db.Number("SELECT Version FROM Optionen"), 4);
    EXPECT_EQ(db.Number("SELECT count(*) FROM Konten"), 3);
    EXPECT_EQ(db.Number("SELECT count(*) FROM BankDaten"), 5);
    EXPECT_EQ(db.Number("SELECT count(*) FROM Umsätze"), 777);
    // The year up to and including the end date (a Friday, a banking day).
    EXPECT_EQ(db.Number("SELECT min(Buchungsdatum) >= '2012-07-06' AND "
                        "max(Buchungsdatum) = '2013-07-05' FROM Umsätze"),
              1);

    // No bookings at all still gives accounts, orders and the password record.
    DemoOptions leer = Small("leer.db");
    leer.lBuchungen = 0;
    const auto ohne = MakeDemoDatabase(leer);
    ASSERT_TRUE(ohne.ok());
    EXPECT_FALSE(ohne.value().dErsteBuchung.isValid());
    RawDatabase dbLeer(leer.sPfad);
    EXPECT_EQ(dbLeer.Number("SELECT count(*) FROM Umsätze"), 0);
    EXPECT_GT(dbLeer.Number("SELECT count(*) FROM Aufträge"), 0);
}

// An existing file is refused end to end in DemoDbCommandTest.
TEST_F(DemoOptionsTest, RefusesBadOptionsAndLeavesNoFile) {
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
        EXPECT_FALSE(MakeDemoDatabase(falsch).ok()) << fall.sName;
        EXPECT_FALSE(QFile::exists(falsch.sPfad)) << fall.sName;
    }

    // A folder that does not exist: nothing left behind.
    DemoOptions fehlt = Small("fehlt/demo.db");
    EXPECT_FALSE(MakeDemoDatabase(fehlt).ok());
    EXPECT_FALSE(QFile::exists(fehlt.sPfad));
}

}  // namespace
}  // namespace tolva::test
