// Money in and out per month: on a demo database, random filters against the test's own model
// (the rows read with SQL, put into months here), and show --months as the program prints it.
#include "EngineFiles.h"
#include "ProgramRun.h"

#include "browse/BrowseMonths.h"
#include "demo/DemoDatabase.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <random>

namespace tolva::test {
namespace {

// The filters ctest runs: seeds 1 on; TOLVA_MONTHS_FIRST_SEED starts elsewhere.
constexpr int kFilter = 40;

class MonthsTest : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir_ = new QTemporaryDir;
        sBank_ = dir_->filePath(QStringLiteral("bank.dat"));
        DemoOptions demo;
        demo.sPfad = sBank_;
        demo.lBuchungen = 4000;
        ASSERT_TRUE(MakeDemoDatabase(demo).ok());
        // The last and first day of months, a booking of 0, one without account or date, and
        // "Lücke" in March and June only (April and May between hold none of it).
        RawDatabase(sBank_).Exec(QStringLiteral(
            "INSERT INTO Umsätze (KontoID, Buchungsdatum, Betrag, Empfaenger) VALUES "
            "(3, '2023-01-31', 70000, 'Grenze'), (3, '2023-02-01', -70000, 'Grenze'), "
            "(3, '2023-12-31', 0, 'Grenze'), (NULL, '2024-01-01', -3, 'Grenze'), "
            "(2, NULL, 500, 'ohne Datum'), (2, '2023-03-15', 1234, 'Lücke'), "
            "(5, '2023-06-30', -999, 'Lücke')"));
    }
    static void TearDownTestSuite() { delete dir_; }

    static inline QTemporaryDir* dir_ = nullptr;
    static inline QString sBank_;
};

// The search folding in SQL for the letters beyond ASCII that the demo texts hold.
QString Folded(const QString& sAusdruck) {
    QString s = sAusdruck;
    for (const char* paar : {"Ä a", "ä a", "Ö o", "ö o", "Ü u", "ü u", "ß ss", "é e", "É e"}) {
        const QStringList t = QString::fromUtf8(paar).split(u' ');
        s = QStringLiteral("replace(%1, '%2', '%3')").arg(s, t[0], t[1]);
    }
    return QStringLiteral("lower(%1)").arg(s);
}

// The months of the rows that sWhere lets through, put together here from the plain rows.
std::vector<MonthTotals> Model(RawDatabase& roh, const QString& sWhere) {
    std::map<int, MonthTotals> monate;
    for (const QString& zeile :
         roh.Rows(QStringLiteral("SELECT Buchungsdatum, Betrag FROM Umsätze WHERE ") + sWhere)) {
        const QDate d = QDate::fromString(zeile.section(u'|', 0, 0), Qt::ISODate);
        if (!d.isValid()) continue;
        MonthTotals& m = monate[d.year() * 12 + d.month() - 1];
        m.lJahr = d.year();
        m.lMonat = d.month();
        ++m.lAnzahl;
        const qint64 lBetrag = zeile.section(u'|', 1).toLongLong();
        if (lBetrag > 0) m.lEingangCent += lBetrag;
        if (lBetrag < 0) m.lAusgangCent += lBetrag;
    }
    std::vector<MonthTotals> reihe;
    if (monate.empty()) return reihe;
    for (QDate d(monate.begin()->second.lJahr, monate.begin()->second.lMonat, 1);
         d <= QDate(monate.rbegin()->second.lJahr, monate.rbegin()->second.lMonat, 1);
         d = d.addMonths(1)) {
        const auto it = monate.find(d.year() * 12 + d.month() - 1);
        reihe.push_back(it != monate.end() ? it->second : MonthTotals{d.year(), d.month()});
    }
    return reihe;
}

std::string Text(const std::vector<MonthTotals>& monate) {
    std::string s;
    for (const MonthTotals& m : monate)
        s += QStringLiteral("%1-%2 %3 %4 %5\n")
                 .arg(m.lJahr)
                 .arg(m.lMonat)
                 .arg(m.lAnzahl)
                 .arg(m.lEingangCent)
                 .arg(m.lAusgangCent)
                 .toStdString();
    return s;
}

TEST_F(MonthsTest, EveryMonthOfRandomFiltersHoldsWhatTheRowsOfThatMonthAddUpTo) {
    Result<std::unique_ptr<MonthReader>> leser = MonthReader::Open(sBank_);
    ASSERT_TRUE(leser.ok()) << leser.status().description().toStdString();
    RawDatabase roh(sBank_);
    bool ok = false;
    quint64 lErster = qEnvironmentVariable("TOLVA_MONTHS_FIRST_SEED").toULongLong(&ok);
    if (!ok) lErster = 1;
    for (quint64 lSeed = lErster; lSeed < lErster + kFilter; ++lSeed) {
        SCOPED_TRACE("seed " + std::to_string(lSeed) + " (TOLVA_MONTHS_FIRST_SEED)");
        std::mt19937_64 rng(lSeed);
        const auto below = [&rng](int n) { return int(rng() % unsigned(n)); };
        // Seed 1: no filter; 2: the year 2023; then any of the list's bounds.
        BookingFilter f;
        QString sWhere = QStringLiteral("1");
        if (lSeed == 2) {
            f.dVon = QDate(2023, 1, 1);
            f.dBis = QDate(2023, 12, 31);
        } else if (lSeed > 2) {
            if (below(2) == 0) f.lKontoID = 1 + below(6);
            if (below(3) == 0) f.dVon = QDate(2021, 1, 1).addDays(below(2000));
            if (below(3) == 0) f.dBis = QDate(2022, 6, 1).addDays(below(1600));
            if (below(4) == 0) f.lBetragVonCent = -100000 + below(100000);
            if (below(4) == 0) f.lBetragBisCent = -20000 + below(150000);
            const char* texte[] = {"e", "miete", "GMBH", "lücke", "grenze"};
            if (below(3) == 0) f.sText = QString::fromUtf8(texte[below(5)]);
        }
        if (f.lKontoID) sWhere += QStringLiteral(" AND KontoID = %1").arg(*f.lKontoID);
        if (f.dVon.isValid())
            sWhere +=
                QStringLiteral(" AND Buchungsdatum >= '%1'").arg(f.dVon.toString(Qt::ISODate));
        if (f.dBis.isValid())
            sWhere +=
                QStringLiteral(" AND Buchungsdatum <= '%1'").arg(f.dBis.toString(Qt::ISODate));
        if (f.lBetragVonCent) sWhere += QStringLiteral(" AND Betrag >= %1").arg(*f.lBetragVonCent);
        if (f.lBetragBisCent) sWhere += QStringLiteral(" AND Betrag <= %1").arg(*f.lBetragBisCent);
        if (!f.sText.isEmpty())
            sWhere +=
                QStringLiteral(" AND instr(%1, %2) > 0")
                    .arg(Folded(QStringLiteral(
                             "coalesce(Empfaenger, '') || ' ' || coalesce(Verwendungszweck, '')")),
                         Folded(QStringLiteral("'%1'").arg(f.sText)));
        const Result<std::vector<MonthTotals>> monate = leser.value()->Read(f);
        ASSERT_TRUE(monate.ok()) << monate.status().description().toStdString();
        const std::vector<MonthTotals> erwartet = Model(roh, sWhere);
        EXPECT_EQ(Text(monate.value()), Text(erwartet)) << sWhere.toStdString();
        if (lSeed == 2) {
            EXPECT_EQ(monate.value().size(), 12u);
        }
        // The years add up their months.
        std::map<int, YearTotals> jahre;
        for (const MonthTotals& m : erwartet) {
            YearTotals& j = jahre[m.lJahr];
            j.lJahr = m.lJahr;
            j.lAnzahl += m.lAnzahl;
            j.lEingangCent += m.lEingangCent;
            j.lAusgangCent += m.lAusgangCent;
        }
        std::vector<YearTotals> jahreModell;
        for (const auto& [n, j] : jahre) jahreModell.push_back(j);
        EXPECT_EQ(YearsOf(monate.value()), jahreModell);
    }
    // A reader cancelled stays cancelled.
    leser.value()->Cancel();
    EXPECT_FALSE(leser.value()->Read(BookingFilter{}).ok());
}

TEST_F(MonthsTest, ShowMonthsPrintsTheFilteredMonthsInCentsAndTheGapsBetween) {
    // An archive of every booking, without password.
    const QString sArchiv = dir_->filePath(QStringLiteral("alle.aba"));
    const QString sIni = dir_->filePath(QStringLiteral("host.ini"));
    const ProgramRun archiv = RunProgram(
        ProgramOfThisBuild(),
        {QStringLiteral("create"), QStringLiteral("--db"), sBank_, QStringLiteral("--before"),
         QStringLiteral("2100-01-01"), QStringLiteral("--out"), sArchiv, QStringLiteral("--yes"),
         QStringLiteral("--password-mode"), QStringLiteral("none")},
        sIni);
    ASSERT_EQ(archiv.lExitCode, 0) << archiv.sErr.toStdString();
    const ProgramRun lauf =
        RunProgram(ProgramOfThisBuild(),
                   {QStringLiteral("show"), sArchiv, QStringLiteral("--months"),
                    QStringLiteral("--json"), QStringLiteral("--search"), QStringLiteral("LUCKE"),
                    QStringLiteral("--to"), QStringLiteral("2023-06-30")},
                   sIni);
    ASSERT_EQ(lauf.lExitCode, 0) << lauf.sErr.toStdString();
    const QJsonObject o = QJsonDocument::fromJson(lauf.sOut.toUtf8()).object();
    QStringList monate;
    for (const QJsonValue m : o.value(QStringLiteral("monate")).toArray())
        monate << QStringLiteral("%1 %2 %3 %4 %5")
                      .arg(m[QStringLiteral("monat")].toString())
                      .arg(m[QStringLiteral("anzahl")].toInteger())
                      .arg(m[QStringLiteral("eingang_cent")].toInteger())
                      .arg(m[QStringLiteral("ausgang_cent")].toInteger())
                      .arg(m[QStringLiteral("differenz_cent")].toInteger());
    EXPECT_EQ(monate, QStringList({"2023-03 1 1234 0 1234", "2023-04 0 0 0 0", "2023-05 0 0 0 0",
                                   "2023-06 1 0 -999 -999"}));
    const QJsonArray jahre = o.value(QStringLiteral("jahre")).toArray();
    ASSERT_EQ(jahre.size(), 1);
    EXPECT_EQ(jahre[0][QStringLiteral("differenz_cent")].toInteger(), 235);
}

}  // namespace
}  // namespace tolva::test
