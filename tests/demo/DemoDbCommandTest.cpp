// "tolva-archiv demo-db" as a user runs it: exit codes, messages, the database it makes.
#include "EngineFiles.h"
#include "ProgramRun.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tolva::test {
namespace {

ProgramRun RunTool(const QStringList& args) {
    return RunProgram(QStringLiteral(TOLVA_ARCHIV_EXE), args);
}

TEST(DemoDbCommandTest, MakesTheDatabaseItIsAskedFor) {
    QTemporaryDir dir;
    const QString sPfad = dir.filePath("kunde.db");
    const ProgramRun lauf =
        RunTool({"demo-db", sPfad, "--accounts", "5", "--banks", "2", "--bookings", "1500",
                 "--years", "2", "--seed", "42", "--schema-version", "6"});
    ASSERT_EQ(lauf.lExitCode, 0) << lauf.sErr.toStdString();
    EXPECT_TRUE(lauf.sOut.contains("1.500")) << lauf.sOut.toStdString();
    EXPECT_TRUE(lauf.sOut.contains("Umsätze")) << lauf.sOut.toStdString();
    EXPECT_TRUE(lauf.sErr.isEmpty()) << lauf.sErr.toStdString();

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
    const ProgramRun lauf = RunTool({"demo-db", sPfad, "--bookings", "10"});
    EXPECT_EQ(lauf.lExitCode, 1);
    EXPECT_TRUE(lauf.sErr.contains("gibt es bereits")) << lauf.sErr.toStdString();
    EXPECT_TRUE(lauf.sOut.isEmpty());
    QFile datei(sPfad);
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    EXPECT_EQ(datei.readAll(), "alt");

    // Options the generator refuses are errors too, not usage mistakes.
    const ProgramRun null = RunTool({"demo-db", dir.filePath("null.db"), "--accounts", "0"});
    EXPECT_EQ(null.lExitCode, 1);
    EXPECT_TRUE(null.sErr.contains("Konten")) << null.sErr.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("null.db")));
}

TEST(DemoDbCommandTest, BadUsageExitsWithTwoAndTheUsageLine) {
    QTemporaryDir dir;
    const QString sPfad = dir.filePath("x.db");
    const QList<QStringList> aFaelle = {
        {"demo-db"},
        {"demo-db", sPfad, "--bookings"},
        {"demo-db", sPfad, "--bookings", "viele"},
        {"demo-db", sPfad, "--seed", "-1"},
        {"demo-db", sPfad, "--accounts", "99999999999"},
        {"demo-db", sPfad, dir.filePath("y.db")},
    };
    for (const QStringList& args : aFaelle) {
        const ProgramRun lauf = RunTool(args);
        EXPECT_EQ(lauf.lExitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(lauf.sErr.contains("Aufruf: tolva-archiv")) << lauf.sErr.toStdString();
    }
    EXPECT_FALSE(QFile::exists(sPfad));
}

}  // namespace
}  // namespace tolva::test
