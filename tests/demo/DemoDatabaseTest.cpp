// The demo-database generator: a keyed file that holds what its summary counts, and its options.
#include "EngineFiles.h"

#include "database/Connection.h"
#include "demo/DemoDatabase.h"
#include "text/ModCrypt.h"

#include <QDate>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

namespace tolva::test {
namespace {

class DemoDatabaseTest : public ::testing::Test {
  protected:
    QString Path(const QString& sName) const { return dir_.filePath(sName); }
    QTemporaryDir dir_;
};

TEST_F(DemoDatabaseTest, IsKeyedAndHoldsWhatTheSummaryCounts) {
    DemoOptions options;
    options.sPfad = Path(QStringLiteral("demo.db"));
    const auto ergebnis = MakeDemoDatabase(options);
    ASSERT_TRUE(ergebnis.ok()) << ergebnis.error().description.toStdString();
    const DemoSummary& summe = ergebnis.value();
    QFile datei(options.sPfad);
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    EXPECT_FALSE(datei.read(16).startsWith("SQLite format 3")) << "file is not encrypted";
    Connection falsch;
    EXPECT_FALSE(falsch
                     .Open(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") +
                           options.sPfad + QStringLiteral(";Jet OLEDB:Database Password=banane;"))
                     .ok());
    EXPECT_EQ(IntegrityCheck(options.sPfad), "ok");
    EXPECT_EQ(summe.lKonten, options.lKonten);
    EXPECT_EQ(summe.lBankDaten, options.lBanken);
    EXPECT_EQ(summe.lUmsaetze, options.lBuchungen);
    const std::map<QString, qint64> aErwartet = {
        {"Optionen", 1},
        {"Konten", summe.lKonten},
        {"BankDaten", summe.lBankDaten},
        {"Umsätze", summe.lUmsaetze},
        {"UmsZusatz", summe.lUmsZusatz},
        {"OffeneUmsätze", summe.lOffeneUmsaetze},
        {"Aufträge", summe.lAuftraege},
        {"SammelAufträge", summe.lSammelAuftraege},
        {"SammelEinzel", summe.lSammelEinzel},
        {"Kategorien", summe.lKategorien},
        {"Empfänger", summe.lEmpfaenger},
        {"Daten", 0},
    };
    RawDatabase db(options.sPfad);
    for (const auto& [sTabelle, lAnzahl] : aErwartet) {
        EXPECT_EQ(db.Number("SELECT count(*) FROM " + sTabelle), lAnzahl) << sTabelle.toStdString();
        EXPECT_TRUE(lAnzahl > 0 || sTabelle == QStringLiteral("Daten")) << sTabelle.toStdString();
    }
}

TEST_F(DemoDatabaseTest, SizesVersionAndEndDateFollowTheOptions) {
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
    // The year up to and including the end date (a Friday, a banking day).
    EXPECT_EQ(db.Rows("SELECT (SELECT Version FROM Optionen), (SELECT count(*) FROM Konten), "
                      "(SELECT count(*) FROM BankDaten), count(*), min(Buchungsdatum) >= "
                      "'2012-07-06', max(Buchungsdatum) FROM Umsätze"),
              QStringList{"4|3|5|777|1|2013-07-05"});

    // No bookings at all still gives accounts, orders and the password record.
    DemoOptions leer;
    leer.sPfad = Path("leer.db");
    leer.lBuchungen = 0;
    const auto ohne = MakeDemoDatabase(leer);
    ASSERT_TRUE(ohne.ok());
    EXPECT_FALSE(ohne.value().dErsteBuchung.isValid());
    RawDatabase dbLeer(leer.sPfad);
    EXPECT_EQ(dbLeer.Number("SELECT count(*) FROM Umsätze"), 0);
    EXPECT_GT(dbLeer.Number("SELECT count(*) FROM Aufträge"), 0);
}

}  // namespace
}  // namespace tolva::test
