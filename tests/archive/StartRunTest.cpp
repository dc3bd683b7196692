// The start of a run and the ways a run can fail: the kept name of a replaced archive, names
// the run must not take, the backup, the archive's mode, and a row that the archive refuses.
#include "ArchiveScenario.h"

#include "archive/ArchiveList.h"
#include "files/RunFolder.h"
#include "hostlib/MessageBox.h"
#include "state/SharedState.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <memory>

namespace tolva::test {
namespace {

const QString kFehlerAnfang =
    QStringLiteral("Beim Archivieren ist folgender Fehler aufgetreten:\r\n");

QStringList Table(const QString& sPfad, const QString& sTabelle, const QString& sWhere) {
    RawDatabase db(sPfad);
    return db.Rows(QStringLiteral("SELECT * FROM ") + sTabelle + QStringLiteral(" WHERE ") +
                   sWhere + QStringLiteral(" ORDER BY id"));
}

void WriteFile(const QString& sPfad, const QByteArray& inhalt) {
    QFile f(sPfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << sPfad.toStdString();
    f.write(inhalt);
}

// The name under which a run keeps the archive that it replaces.
QString KeptName(const QString& sZiel, const QString& sZusatz = QString()) {
    return sZiel.left(sZiel.size() - 4) + QStringLiteral(" (ersetzt") + sZusatz +
           QStringLiteral(").aba");
}

class StartRunTest : public ArchiveScenario {};

TEST_F(StartRunTest, AnExistingTargetIsReplacedOnlyAfterYesAndAFileWithTheKeptNameStays) {
    WriteFile(sZiel_, "altes Archiv");
    WriteFile(KeptName(sZiel_), "fremde Datei");
    Prepare();
    const QString s601 = host_->GetSetting(601);
    boxes_->QueueAnswer(vbNo);
    bool bErfolg = true;
    EXPECT_EQ(Start(&bErfolg), StartErgebnis::Abgebrochen);
    EXPECT_FALSE(bErfolg);
    ASSERT_EQ(boxes_->Shown().size(), 1u);
    EXPECT_EQ(FileBytes(sZiel_), QByteArray("altes Archiv"));
    EXPECT_EQ(host_->GetSetting(601), s601);
    // The wizard stays on its page with the user database open and untouched.
    ASSERT_TRUE(Shared().cnDatenbank);
    EXPECT_EQ(Shared().cnDatenbank->State(), Connection::adStateOpen);
    EXPECT_FALSE(Shared().cnDatenbank->InTransaction());
    EXPECT_TRUE(form_.lines.isEmpty());
    EXPECT_EQ(DumpAll(sUser_), DumpAll(sVorher_));

    // "Ja": the old archive waits under another free name until the commit, then goes.
    boxes_->Clear();
    boxes_->QueueAnswer(vbYes);
    QStringList aBehalten;
    boxes_->onShow = [&](const ShownMessage& m) {
        if (m.sTitel == QStringLiteral("Archivierung beendet"))
            aBehalten << QString::fromLatin1(FileBytes(KeptName(sZiel_, QStringLiteral(" 2"))));
    };
    EXPECT_EQ(Start(&bErfolg), StartErgebnis::Gelaufen);
    EXPECT_TRUE(bErfolg);
    ExpectRunEnded();
    EXPECT_EQ(aBehalten, QStringList{QStringLiteral("altes Archiv")});
    EXPECT_EQ(FileBytes(KeptName(sZiel_)), QByteArray("fremde Datei"));
    EXPECT_FALSE(QFileInfo::exists(KeptName(sZiel_, QStringLiteral(" 2"))));
    EXPECT_TRUE(ReadArchiveDescription(sZiel_).bGeoeffnet);
}

TEST_F(StartRunTest, AReaderThatStaysFailsTheRunBeforeTheOldArchiveIsReplaced) {
    WriteFile(sZiel_, "altes Archiv");
    Prepare();
    boxes_->QueueAnswer(vbYes);
    // While the overwrite question is up, another program starts reading the user database
    // and keeps reading: the run cannot take the lock its commit needs.
    std::unique_ptr<RawDatabase> leser;
    boxes_->onShow = [&](const ShownMessage&) {
        if (leser) return;
        leser = std::make_unique<RawDatabase>(sUser_);
        leser->Exec(QStringLiteral("BEGIN; SELECT count(*) FROM Konten;"));
    };
    bool bErfolg = true;
    EXPECT_EQ(Start(&bErfolg), StartErgebnis::Gelaufen);
    leser.reset();
    EXPECT_FALSE(bErfolg);
    ExpectRunEnded();
    ASSERT_EQ(boxes_->Shown().size(), 2u);
    EXPECT_EQ(boxes_->Shown()[1].sText,
              kFehlerAnfang + QStringLiteral("Die Datenbank „") + sUser_ +
                  QStringLiteral("“ wird gerade von einem anderen Programm benutzt."));
    EXPECT_EQ(boxes_->Shown()[1].sTitel, QStringLiteral("Export"));
    // No success was shown, the old archive never left its name, and no row left home.
    EXPECT_EQ(FileBytes(sZiel_), QByteArray("altes Archiv"));
    EXPECT_FALSE(QFileInfo::exists(KeptName(sZiel_)));
    EXPECT_EQ(DumpAll(sUser_), DumpAll(sVorher_));
}

// Archive and backup names that would destroy the user database, its journal or each other
// are refused before anything is written, under any spelling of the path.
TEST_F(StartRunTest, NamesOfTheUserDatabasesOwnFilesTheTemplateAndLocksAreRefused) {
    const QString sVorlage = UseTemplate();
    const QByteArray vorlage = FileBytes(sVorlage);
    ASSERT_TRUE(QFile::link(dir_.path(), dir_.filePath(QStringLiteral("verknuepft"))));
    const QString sAnders = dir_.filePath(QStringLiteral("verknuepft/./archiv/../bank.dat"));
    const QString sBackup = dir_.filePath(QStringLiteral("bank.BKA"));
    const struct {
        QString sZiel;
        QString sSicherung;
    } faelle[] = {
        {sAnders, QString()},
        {sUser_ + QStringLiteral("-journal"), QString()},
        {dir_.filePath(QStringLiteral("verknuepft/bank.dat-wal")), QString()},
        {sZiel_, sUser_ + QStringLiteral("-journal")},
        {sZiel_, dir_.filePath(QStringLiteral("archiv/./Archiv 2023.aba"))},
        {sBackup, sBackup},
        {sVorlage, QString()},
        {sZiel_, sVorlage},
        {sZiel_, LockFileOf(sZiel_)},
    };
    Prepare();
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.sZiel.toStdString() + " / " + fall.sSicherung.toStdString());
        boxes_->QueueAnswer(vbYes);  // also with "Ja" to an overwrite question
        bool bErfolg = true;
        EXPECT_EQ(Start(&bErfolg, fall.sZiel, fall.sSicherung), StartErgebnis::Fehler);
        EXPECT_FALSE(bErfolg);
        ASSERT_EQ(boxes_->Shown().size(), 1u);
        EXPECT_EQ(boxes_->Shown().back().sTitel, QStringLiteral("Archiv:Fertig"));
        EXPECT_TRUE(boxes_->Shown().back().sText.contains(QStringLiteral("Bitte wählen Sie")))
            << boxes_->Shown().back().sText.toStdString();
        boxes_->Clear();
    }
    EXPECT_EQ(DumpAll(sUser_), DumpAll(sVorher_));
    EXPECT_FALSE(QFileInfo::exists(sZiel_));
    EXPECT_FALSE(QFileInfo::exists(sBackup));
    EXPECT_FALSE(QFileInfo::exists(sUser_ + QStringLiteral("-wal")));
    EXPECT_EQ(FileBytes(sVorlage), vorlage);
}

TEST_F(StartRunTest, AMissingBackupFolderIsMadeAndOneThatCannotBeWrittenKeepsTheWizardGoing) {
    // A folder below a file cannot be made (for root neither): the backup cannot be written,
    // the box says what to do, nothing is archived, and the database stays open for another try.
    const QString sDatei = dir_.filePath(QStringLiteral("eine Datei"));
    WriteFile(sDatei, "kein Ordner");
    Prepare();
    bool bErfolg = true;
    EXPECT_EQ(Start(&bErfolg, QString(), sDatei + QStringLiteral("/neu/bank.BKA")),
              StartErgebnis::Fehler);
    EXPECT_FALSE(bErfolg);
    ASSERT_EQ(boxes_->Shown().size(), 1u);
    EXPECT_EQ(boxes_->Shown()[0].lStil, vbCritical);
    EXPECT_TRUE(boxes_->Shown()[0].sText.contains(QStringLiteral("mit „Ändern …“")))
        << boxes_->Shown()[0].sText.toStdString();
    EXPECT_FALSE(QFileInfo::exists(sZiel_));
    EXPECT_EQ(Shared().cnDatenbank->State(), Connection::adStateOpen);
    EXPECT_EQ(DumpAll(sUser_), DumpAll(sVorher_));

    // The next start with a backup in folders that do not exist yet makes them.
    boxes_->Clear();
    const QString sSicherung = dir_.filePath(QStringLiteral("Tolva/Sicherungen/bank.BKA"));
    EXPECT_EQ(Start(&bErfolg, QString(), sSicherung), StartErgebnis::Gelaufen);
    EXPECT_TRUE(bErfolg);
    EXPECT_EQ(FileBytes(sSicherung), FileBytes(sVorher_));
    EXPECT_TRUE(ReadArchiveDescription(sZiel_).bGeoeffnet);
}

TEST_F(StartRunTest, BackupAndArchiveAreNoMoreReadableThanTheUserDatabase) {
    // The template may be readable by all; the user database is its owner's alone.
    const QString sVorlage = UseTemplate();
    ASSERT_TRUE(
        QFile::setPermissions(sVorlage, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    ASSERT_TRUE(QFile::setPermissions(sUser_, QFile::ReadOwner | QFile::WriteOwner));
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("sicherung")));
    const QString sSicherung = dir_.filePath(QStringLiteral("sicherung/bank.BKA"));
    WriteFile(sSicherung, "alte Sicherung");
    Prepare();
    bool bErfolg = false;
    EXPECT_EQ(Start(&bErfolg, QString(), sSicherung), StartErgebnis::Gelaufen);
    EXPECT_TRUE(bErfolg);
    ExpectRunEnded();
    // The backup is a byte copy of the user database before the run.
    EXPECT_EQ(FileBytes(sSicherung), FileBytes(sVorher_));
    EXPECT_EQ(QFileInfo(sSicherung).permissions() & (QFile::ReadOther | QFile::ReadGroup), 0);
    EXPECT_TRUE(QFileInfo(sZiel_).permissions() & QFile::WriteOwner);
    EXPECT_EQ(QFileInfo(sZiel_).permissions() & (QFile::ReadOther | QFile::ReadGroup), 0);
    // The run itself went on with the reopened connection and removed the old rows.
    EXPECT_NE(FileBytes(sUser_), FileBytes(sVorher_));
    EXPECT_TRUE(ReadArchiveDescription(sZiel_).bGeoeffnet);
    QFile::setPermissions(sVorlage, QFile::ReadOwner | QFile::WriteOwner);
}

// Runs on a template whose table refuses one chosen row.
class RefusedRowTest : public StartRunTest {
  protected:
    // Makes the template refuse the row of sTabelle whose id is sId.
    void RefuseRow(const QString& sTabelle, const QString& sId) {
        UseTemplate(QStringLiteral("CREATE TRIGGER sperre BEFORE INSERT ON %1 WHEN NEW.id = %2 "
                                   "BEGIN SELECT RAISE(ABORT, 'Zeile gesperrt'); END")
                        .arg(sTabelle, sId));
    }
    // Refuses the middle one of the bookings that the run selects.
    void RefuseABooking() {
        const Expectation e(sVorher_, kAuswahl, kStichtag);
        const QStringList auswahl = e.Selected(QStringLiteral("Umsätze"));
        ASSERT_GT(auswahl.size(), 100);
        lAnzahl_ = auswahl.size();
        RefuseRow(QStringLiteral("Umsätze"), auswahl[auswahl.size() / 2].section(u'|', 0, 0));
    }

    // The copier's message, for a copy of lAnzahl_ rows.
    void ExpectCopyFailure(const ShownMessage& m) const {
        EXPECT_TRUE(m.sText.startsWith(QStringLiteral("Es wurde nur "))) << m.sText.toStdString();
        EXPECT_TRUE(m.sText.contains(
            QStringLiteral(" von insgesammt %1 Einträge archiviert werden!\r\nEs werden keine "
                           "Änderungen an der Benutzer-Datenbank vorgenommen.\r\nFEHLER: ")
                .arg(lAnzahl_)))
            << m.sText.toStdString();
        EXPECT_EQ(m.sTitel, QStringLiteral("Archivierungs-Assistent"));
        EXPECT_EQ(m.lStil, 0);
    }

    qsizetype lAnzahl_ = 0;
};

TEST_F(RefusedRowTest, AFolderThatTheStartMadeGoesAgain) {
    RefuseABooking();
    Prepare();
    boxes_->QueueAnswer(vbYes);
    bool bErfolg = true;
    EXPECT_EQ(Start(&bErfolg, dir_.filePath(QStringLiteral("neu/2023/Archiv.aba"))),
              StartErgebnis::Gelaufen);
    EXPECT_FALSE(bErfolg);
    ASSERT_EQ(boxes_->Shown().size(), 2u);
    ExpectCopyFailure(boxes_->Shown()[1]);
    EXPECT_FALSE(QFileInfo::exists(dir_.filePath(QStringLiteral("neu"))));
    EXPECT_EQ(DumpAll(sUser_), DumpAll(sVorher_));
}

TEST_F(RefusedRowTest, ARefusedItemUndoesEveryRemovalBeforeIt) {
    // The item copy fails while the collective orders are being walked, after the bookings
    // and orders have been removed inside the transaction.
    const Expectation e(sVorher_, kAuswahl, kStichtag);
    const QStringList posten = e.Selected(QStringLiteral("SammelEinzel"));
    ASSERT_FALSE(posten.isEmpty());
    const QString sSammelID = posten.last().section(u'|', 1, 1);
    const QString sId = posten.last().section(u'|', 0, 0);
    lAnzahl_ =
        Table(sVorher_, QStringLiteral("SammelEinzel"), QStringLiteral("SammelID = ") + sSammelID)
            .size();
    RefuseRow(QStringLiteral("SammelEinzel"), sId);
    Prepare();
    bool bErfolg = true;
    EXPECT_EQ(Start(&bErfolg), StartErgebnis::Gelaufen);
    EXPECT_FALSE(bErfolg);
    ExpectRunEnded();
    ASSERT_EQ(boxes_->Shown().size(), 1u);
    ExpectCopyFailure(boxes_->Shown()[0]);
    ExpectNothingChanged();
}

}  // namespace
}  // namespace tolva::test
