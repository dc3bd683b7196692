// "tolva-archiv demo-db" as a user runs it: exit codes, messages, the database it makes.
#include "EngineFiles.h"
#include "ProgramRun.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tolva::test {
namespace {

struct Lauf {
    int lExitCode = -1;
    QString sAusgabe;
    QString sFehler;
};

Lauf RunTool(const QStringList& args) {
    const ProgramRun r = RunProgram(QStringLiteral(TOLVA_ARCHIV_EXE), args);
    return Lauf{r.lExitCode, r.sOut, r.sErr};
}

TEST(DemoDbCommandTest, MakesTheDatabaseItIsAskedFor) {
    QTemporaryDir dir;
    const QString sPfad = dir.filePath("kunde.db");
    const Lauf lauf = RunTool({"demo-db", sPfad, "--accounts", "5", "--banks", "2", "--bookings",
                               "1500", "--years", "2", "--seed", "42", "--schema-version", "6"});
    ASSERT_EQ(lauf.lExitCode, 0) << lauf.sFehler.toStdString();
    EXPECT_TRUE(lauf.sAusgabe.contains("1.500")) << lauf.sAusgabe.toStdString();
    EXPECT_TRUE(lauf.sAusgabe.contains("Umsätze")) << lauf.sAusgabe.toStdString();
    EXPECT_TRUE(lauf.sFehler.isEmpty()) << lauf.sFehler.toStdString();

    RawDatabase db(sPfad);
    EXPECT_EQ(db.Number("SELECT Version FROM Optionen"), 6);
    EXPECT_EQ(db.Number("SELECT count(*) FROM Konten"), 5);
    EXPECT_EQ(db.Number("SELECT count(*) FROM BankDaten"), 2);
    EXPECT_EQ(db.Number("SELECT count(*) FROM Umsätze"), 1500);
    EXPECT_EQ(db.Number("SELECT count(DISTINCT substr(Buchungsdatum, 1, 4)) FROM Umsätze"), 3);

    // The same seed through the "--name=value" form gives the same rows.
    const QString sZweite = dir.filePath("zweite.db");
    ASSERT_EQ(RunTool({"demo-db", "--accounts=5", "--banks=2", "--bookings=1500", "--years=2",
                       "--seed=42", "--schema-version=6", sZweite})
                  .lExitCode,
              0);
    RawDatabase db2(sZweite);
    for (const QString sql : {"SELECT * FROM Konten", "SELECT * FROM Umsätze ORDER BY id",
                              "SELECT * FROM SammelAufträge ORDER BY id"})
        EXPECT_EQ(db.Rows(sql), db2.Rows(sql)) << sql.toStdString();
}

TEST(DemoDbCommandTest, ExistingFileIsAnErrorAndStaysUntouched) {
    QTemporaryDir dir;
    const QString sPfad = dir.filePath("da.db");
    {
        QFile datei(sPfad);
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
        datei.write("alt");
    }
    const Lauf lauf = RunTool({"demo-db", sPfad, "--bookings", "10"});
    EXPECT_EQ(lauf.lExitCode, 1);
    EXPECT_TRUE(lauf.sFehler.contains("gibt es bereits")) << lauf.sFehler.toStdString();
    EXPECT_TRUE(lauf.sAusgabe.isEmpty());
    QFile datei(sPfad);
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    EXPECT_EQ(datei.readAll(), "alt");

    // Options the generator refuses are errors too, not usage mistakes.
    const Lauf null = RunTool({"demo-db", dir.filePath("null.db"), "--accounts", "0"});
    EXPECT_EQ(null.lExitCode, 1);
    EXPECT_TRUE(null.sFehler.contains("Konten")) << null.sFehler.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("null.db")));
}

TEST(DemoDbCommandTest, BadUsageExitsWithTwoAndTheUsageLine) {
    QTemporaryDir dir;
    const QString sPfad = dir.filePath("x.db");
    const QList<QStringList> aFaelle = {
        {"gibt-es-nicht"},
        {"demo-db"},
        {"demo-db", sPfad, "--bookings"},
        {"demo-db", sPfad, "--bookings", "viele"},
        {"demo-db", sPfad, "--seed", "-1"},
        {"demo-db", sPfad, "--accounts", "99999999999"},
        {"demo-db", sPfad, "--farbe", "blau"},
        {"demo-db", sPfad, dir.filePath("y.db")},
    };
    for (const QStringList& args : aFaelle) {
        const Lauf lauf = RunTool(args);
        EXPECT_EQ(lauf.lExitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(lauf.sFehler.contains("Aufruf: tolva-archiv")) << lauf.sFehler.toStdString();
    }
    EXPECT_FALSE(QFile::exists(sPfad));
}

}  // namespace
}  // namespace tolva::test
