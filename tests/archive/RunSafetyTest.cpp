// Runs that must not destroy a name, share a file or leave one behind: the target's lock, the
// leftovers of killed runs, hidden and linked targets, what the copying assumes of the user
// database, and a user database in WAL mode.
#include "ArchiveScenario.h"

#include "archive/ArchiveList.h"
#include "files/RunFolder.h"
#include "hostlib/MessageBox.h"
#include "state/SharedState.h"
#include "text/ModCrypt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tolva::test {
namespace {

void WriteFile(const QString& sPfad, const QByteArray& inhalt) {
    QFile f(sPfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << sPfad.toStdString();
    f.write(inhalt);
}

class RunSafetyTest : public ArchiveScenario {
  protected:
    // The only box of a start that refused: the start's error exit, naming what is wrong.
    void ExpectRefused(StartErgebnis ergebnis, bool bErfolg, const QStringList& aTeile) {
        EXPECT_EQ(ergebnis, StartErgebnis::Fehler);
        EXPECT_FALSE(bErfolg);
        ASSERT_EQ(boxes_->Shown().size(), 1u);
        const ShownMessage& m = boxes_->Shown()[0];
        EXPECT_EQ(m.sTitel, QStringLiteral("Archiv:Fertig"));
        for (const QString& sTeil : aTeile)
            EXPECT_TRUE(m.sText.contains(sTeil)) << m.sText.toStdString();
    }
    // A fresh demo database changed by sql, prepared for a start, no box shown yet.
    void PrepareChanged(const char* sql) {
        CopyFileForTest(DemoFile(), sUser_);
        ChangeUserDatabase(QString::fromUtf8(sql));
        Prepare();
        boxes_->Clear();
    }
    QStringList TargetFolderEntries() const {
        return QFileInfo(sZiel_).dir().entryList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    }
};

TEST_F(RunSafetyTest, ATargetThatAnotherRunHoldsEndsTheStartAtOnce) {
    WriteFile(sZiel_, "altes Archiv");
    Prepare();
    // The other run may name the same file another way: through "..", or through a link to
    // its folder. One file, one lock.
    const QFileInfo ziel(sZiel_);
    const QString sVerweis = dir_.filePath(QStringLiteral("verweis"));
    ASSERT_TRUE(QFile::link(ziel.absolutePath(), sVerweis));
    const QString schreibweisen[] = {sZiel_,
                                     ziel.absolutePath() + QStringLiteral("/../") +
                                         ziel.dir().dirName() + QLatin1Char('/') + ziel.fileName(),
                                     sVerweis + QLatin1Char('/') + ziel.fileName()};
    for (const QString& sAnders : schreibweisen) {
        SCOPED_TRACE(sAnders.toStdString());
        boxes_->Clear();
        Result<NameLock> andererLauf = NameLock::Acquire(sAnders);
        ASSERT_TRUE(andererLauf.ok()) << andererLauf.status().description().toStdString();
        bool bErfolg = true;
        const StartErgebnis e = Start(&bErfolg);
        // Refused before the target is even looked at: no overwrite question.
        ExpectRefused(e, bErfolg,
                      {QStringLiteral("Die Datei „") + sZiel_ +
                       QStringLiteral("“ wird gerade von einem anderen Archivierungslauf "
                                      "geschrieben.")});
        EXPECT_EQ(FileBytes(sZiel_), QByteArray("altes Archiv"));
        EXPECT_EQ(DumpAll(sUser_), DumpAll(sVorher_));
    }
    // The other run has ended: the same start now goes ahead.
    boxes_->Clear();
    boxes_->QueueAnswer(vbYes);
    bool bErfolg = false;
    EXPECT_EQ(Start(&bErfolg), StartErgebnis::Gelaufen);
    EXPECT_TRUE(bErfolg);
    EXPECT_EQ(TargetFolderEntries(), QStringList{QStringLiteral("Archiv 2023.aba")});
}

TEST_F(RunSafetyTest, LeftoversOfKilledRunsGoAndThoseOfLiveRunsStay) {
    const QDir ordner = QFileInfo(sZiel_).dir();
    // What a killed run leaves: its private folder with a half-written archive, its lock file.
    const QString sTot = QStringLiteral(".tolva-0123456789abcdef.Ab12Cd");
    ASSERT_TRUE(ordner.mkdir(sTot));
    WriteFile(ordner.filePath(sTot + QStringLiteral("/archiv")), "halb geschrieben");
    WriteFile(ordner.filePath(QStringLiteral(".tolva-0123456789abcdef.lock")), "");
    // A folder of that form that holds something else is not a run's, and stays.
    const QString sFremd = QStringLiteral(".tolva-0123456789abcdef.Zz99Yy");
    ASSERT_TRUE(ordner.mkdir(sFremd));
    WriteFile(ordner.filePath(sFremd + QStringLiteral("/notiz.txt")), "privat");
    // A live run to another name in the same folder.
    Result<NameLock> sperre = NameLock::Acquire(ordner.filePath(QStringLiteral("anderes.aba")));
    ASSERT_TRUE(sperre.ok());
    Result<RunFolder> lebend = RunFolder::Create(std::move(sperre).value());
    ASSERT_TRUE(lebend.ok());
    const QStringList aLebend = TargetFolderEntries();
    ASSERT_EQ(aLebend.size(), 5);

    Prepare();
    bool bErfolg = false;
    EXPECT_EQ(Start(&bErfolg), StartErgebnis::Gelaufen);
    EXPECT_TRUE(bErfolg);
    QStringList aErwartet = aLebend;
    aErwartet.removeOne(sTot);
    aErwartet.removeOne(QStringLiteral(".tolva-0123456789abcdef.lock"));
    aErwartet << QStringLiteral("Archiv 2023.aba");
    aErwartet.sort();
    EXPECT_EQ(TargetFolderEntries(), aErwartet);
    EXPECT_EQ(ListArchiveEntries(ordner.path() + QLatin1Char('/')).size(), 1);

    ASSERT_TRUE(QDir(ordner.filePath(sFremd)).removeRecursively());
    // The live run still holds its name.
    const Result<NameLock> nochmal =
        NameLock::Acquire(ordner.filePath(QStringLiteral("anderes.aba")));
    ASSERT_FALSE(nochmal.ok());
    EXPECT_EQ(nochmal.error().code, kCodeNameGesperrt);
}

TEST_F(RunSafetyTest, AHiddenTargetIsAskedAboutAndALinkIsReplacedAsAName) {
    const QString sVersteckt = dir_.filePath(QStringLiteral("archiv/.alt.aba"));
    WriteFile(sVersteckt, "altes Archiv");
    Prepare();
    boxes_->QueueAnswer(vbNo);
    bool bErfolg = true;
    EXPECT_EQ(Start(&bErfolg, sVersteckt), StartErgebnis::Abgebrochen);
    ASSERT_EQ(boxes_->Shown().size(), 1u);
    EXPECT_EQ(boxes_->Shown()[0].lStil, 324);
    EXPECT_EQ(FileBytes(sVersteckt), QByteArray("altes Archiv"));

    // A target that is a link to another file: "Ja" replaces the link, never the file.
    const QString sAnderswo = dir_.filePath(QStringLiteral("anderswo.aba"));
    WriteFile(sAnderswo, "fremde Datei");
    ASSERT_TRUE(QFile::link(sAnderswo, sZiel_));
    boxes_->Clear();
    boxes_->QueueAnswer(vbYes);
    EXPECT_EQ(Start(&bErfolg), StartErgebnis::Gelaufen);
    EXPECT_TRUE(bErfolg);
    EXPECT_EQ(boxes_->Shown()[0].lStil, 324);
    EXPECT_FALSE(QFileInfo(sZiel_).isSymLink());
    EXPECT_TRUE(ReadArchiveDescription(sZiel_).bGeoeffnet);
    EXPECT_EQ(FileBytes(sAnderswo), QByteArray("fremde Datei"));
}

// The copying stores rows by position, removes them by statement and selects them by text
// comparison of dates; a user database that breaks one of these is refused, untouched.
TEST_F(RunSafetyTest, WhatTheCopyingAssumesIsCheckedBeforeAnythingIsWritten) {
    const struct {
        const char* sql;
        QStringList aTeile;
    } faelle[] = {
        {"CREATE TRIGGER nebenwirkung AFTER DELETE ON Umsätze BEGIN "
         "DELETE FROM Kategorien WHERE id = OLD.KategorieID; END",
         {QStringLiteral("Umsätze"), QStringLiteral("„nebenwirkung“")}},
        {"CREATE TABLE neu (id INTEGER PRIMARY KEY, KontoID INTEGER, Buchungsdatum TEXT, "
         "Valuta TEXT, BuchungsID TEXT, Betrag INTEGER, Verwendungszweck TEXT, Empfaenger TEXT, "
         "KategorieID INTEGER); "
         "INSERT INTO neu SELECT id, KontoID, Buchungsdatum, Valuta, BuchungsID, Betrag, "
         "Verwendungszweck, Empfaenger, KategorieID FROM Umsätze; "
         "DROP TABLE Umsätze; ALTER TABLE neu RENAME TO Umsätze",
         {QStringLiteral("Umsätze"), QStringLiteral("Verwendungszweck, Empfaenger")}},
    };
    const QString sSicherung = dir_.filePath(QStringLiteral("bank.BKA"));
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.sql);
        PrepareChanged(fall.sql);
        bool bErfolg = true;
        const StartErgebnis e = Start(&bErfolg, QString(), sSicherung);
        ExpectRefused(e, bErfolg, fall.aTeile);
        ExpectNothingChanged();
        EXPECT_FALSE(QFileInfo::exists(sSicherung));
        EXPECT_TRUE(TargetFolderEntries().isEmpty());
    }
}

// A date of another form sorts before the cut-off as text and would be archived and removed
// by mistake; the copying statement sees every selected date and ends the run.
TEST_F(RunSafetyTest, ASelectedDateOfAnotherFormEndsTheRunBeforeAnyRowIsRemoved) {
    const struct {
        const char* sql;
        const char* sWert;
    } faelle[] = {
        {"UPDATE Umsätze SET Buchungsdatum = '05.07.2024' WHERE id = "
         "(SELECT max(id) FROM Umsätze WHERE KontoID = 1)",
         "„05.07.2024“"},
        {"UPDATE UmsZusatz SET BuchungsID = '12.01.2019-000016' WHERE id = "
         "(SELECT max(id) FROM UmsZusatz)",
         "„12.01.2019-000016“"},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.sql);
        PrepareChanged(fall.sql);
        bool bErfolg = true;
        EXPECT_EQ(Start(&bErfolg), StartErgebnis::Gelaufen);
        EXPECT_FALSE(bErfolg);
        ExpectNothingChanged();
        EXPECT_TRUE(TargetFolderEntries().isEmpty());
        ASSERT_EQ(boxes_->Shown().size(), 1u);
        const ShownMessage& m = boxes_->Shown()[0];
        EXPECT_TRUE(m.sText.startsWith(QStringLiteral("Es wurde nur "))) << m.sText.toStdString();
        EXPECT_TRUE(m.sText.contains(QString::fromUtf8(fall.sWert))) << m.sText.toStdString();
    }
}

TEST_F(RunSafetyTest, AMissingCipherLibraryEndsTheRunBeforeAnythingIsWritten) {
    Prepare();
    SetCipherLibraryPath(QStringLiteral("/nicht/da/liborvcbf.so"));
    bool bErfolg = true;
    const StartErgebnis ergebnis = Start(&bErfolg);
    SetCipherLibraryPath(QString());
    EXPECT_EQ(ergebnis, StartErgebnis::Fehler);
    ExpectNothingChanged();
    EXPECT_TRUE(TargetFolderEntries().isEmpty());
    ASSERT_EQ(boxes_->Shown().size(), 1u);
    EXPECT_TRUE(boxes_->Shown()[0].sText.contains(QStringLiteral("liborvcbf.so")));
}

TEST_F(RunSafetyTest, ARemovalThatWouldChangeOtherRowsShowsTheCopiersMessage) {
    WriteFile(sZiel_, "altes Archiv");
    Prepare();
    boxes_->QueueAnswer(vbYes);
    // While the overwrite question is up, another program puts a trigger on the bookings.
    boxes_->onShow = [&](const ShownMessage& m) {
        if (m.lStil != 324) return;
        RawDatabase(sUser_).Exec(
            QStringLiteral("CREATE TRIGGER nebenwirkung AFTER DELETE ON Umsätze BEGIN "
                           "DELETE FROM Empfänger WHERE id = 1; END"));
    };
    bool bErfolg = true;
    EXPECT_EQ(Start(&bErfolg), StartErgebnis::Gelaufen);
    EXPECT_FALSE(bErfolg);
    ExpectRunEnded();
    ASSERT_EQ(boxes_->Shown().size(), 2u);
    const ShownMessage& m = boxes_->Shown()[1];
    EXPECT_TRUE(m.sText.startsWith(QStringLiteral("Es wurde nur "))) << m.sText.toStdString();
    EXPECT_TRUE(
        m.sText.contains(QStringLiteral("\r\nFEHLER: Beim Entfernen aus der "
                                        "Benutzer-Datenbank")))
        << m.sText.toStdString();
    EXPECT_EQ(m.sTitel, QStringLiteral("Archivierungs-Assistent"));
    EXPECT_EQ(m.lStil, 0);
    EXPECT_EQ(FileBytes(sZiel_), QByteArray("altes Archiv"));
    EXPECT_EQ(DumpAll(sUser_), DumpAll(sVorher_));
}

TEST_F(RunSafetyTest, AUserDatabaseInWalModeIsArchivedAndBackedUpWithTheRowsOfItsLog) {
    // Another program keeps the database open in WAL mode; its last row is only in the log.
    RawDatabase anderes(sUser_);
    anderes.Exec(
        QStringLiteral("PRAGMA journal_mode = WAL; INSERT INTO Kategorien (Name, "
                       "ParentID) VALUES ('Nur im Protokoll', 0)"));
    ASSERT_GT(QFileInfo(sUser_ + QStringLiteral("-wal")).size(), 0);
    const QString sSicherung = dir_.filePath(QStringLiteral("bank.BKA"));
    WriteFile(sSicherung, "alte Sicherung");
    Prepare();
    bool bErfolg = false;
    EXPECT_EQ(Start(&bErfolg, QString(), sSicherung), StartErgebnis::Gelaufen);
    EXPECT_TRUE(bErfolg) << (boxes_->Shown().empty() ? std::string()
                                                     : boxes_->Shown()[0].sText.toStdString());
    // The backup was opened again under its name before the commit, as its readers open it;
    // the log and shared memory that made beside it are gone again.
    for (const char* sZusatz : {"-wal", "-shm"})
        EXPECT_FALSE(QFileInfo::exists(sSicherung + QLatin1String(sZusatz))) << sZusatz;
    const QString sFrage = QStringLiteral(
        "SELECT count(*) FROM Kategorien WHERE Name = "
        "'Nur im Protokoll'");
    EXPECT_EQ(RawDatabase(sSicherung).Number(sFrage), 1);
    EXPECT_EQ(RawDatabase(sZiel_).Number(sFrage), 1);
    EXPECT_EQ(anderes.Number(QStringLiteral("SELECT count(*) FROM Umsätze WHERE Buchungsdatum < "
                                            "'2023-11-30' AND KontoID = 1")),
              0);
}

TEST_F(RunSafetyTest, AWalLogKeptBusyEndsTheStartBeforeTheOldBackupIsTouched) {
    RawDatabase schreiber(sUser_);
    schreiber.Exec(
        QStringLiteral("PRAGMA journal_mode = WAL; INSERT INTO Kategorien (Name, "
                       "ParentID) VALUES ('Nur im Protokoll', 0)"));
    // A reader whose view includes the log keeps it from being emptied.
    RawDatabase leser(sUser_);
    leser.Exec(QStringLiteral("BEGIN; SELECT count(*) FROM Kategorien;"));
    const QString sSicherung = dir_.filePath(QStringLiteral("bank.BKA"));
    WriteFile(sSicherung, "alte Sicherung");
    Prepare();
    bool bErfolg = true;
    EXPECT_EQ(Start(&bErfolg, QString(), sSicherung), StartErgebnis::Fehler);
    EXPECT_FALSE(bErfolg);
    // The backup's own box: the run's error icon, the reason, and what to do.
    ASSERT_EQ(boxes_->Shown().size(), 1u);
    EXPECT_EQ(boxes_->Shown()[0].lStil, vbCritical);
    EXPECT_TRUE(boxes_->Shown()[0].sText.contains(
        QStringLiteral("Die Datenbank „") + sUser_ +
        QStringLiteral("“ wird gerade von einem anderen Programm benutzt.")));
    EXPECT_EQ(FileBytes(sSicherung), QByteArray("alte Sicherung"));
    EXPECT_FALSE(QFileInfo::exists(sZiel_));
    // The database is open again for the user's next try.
    ASSERT_TRUE(Shared().cnDatenbank);
    EXPECT_EQ(Shared().cnDatenbank->State(), Connection::adStateOpen);
    leser.Exec(QStringLiteral("COMMIT"));
}

}  // namespace
}  // namespace tolva::test
