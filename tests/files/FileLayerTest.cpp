// The file steps of whole jobs of the tolva-archiv binary where other people's files lie: names
// that are no plain files, paths too long to open again, what killed restores leave, a signal
// during the commit, and CSV exports over databases. (Signals before the commit:
// crash_signals_small.)
#include "ArchiveScenario.h"
#include "ProgramRun.h"

#include "browse/BrowseExport.h"
#include "demo/DemoDatabase.h"
#include "files/RunFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace tolva::test {
namespace {

using Ausgabe = ProgramRun;

// A job may take a few seconds; one that waits on a pipe never ends. The test fails, the suite
// goes on.
constexpr int kHoechstensMs = 60000;

void WriteFile(const QString& sPfad, const QByteArray& inhalt) {
    QFile f(sPfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << sPfad.toStdString();
    f.write(inhalt);
}

class FileLayerTest : public testing::Test {
  protected:
    void SetUp() override {
        sProgramm_ = ProgramOfThisBuild();
        ASSERT_TRUE(QFileInfo(sProgramm_).isExecutable()) << sProgramm_.toStdString();
        sBank_ = dir_.filePath(QStringLiteral("bank.dat"));
        sOrdner_ = dir_.filePath(QStringLiteral("archiv"));
        ASSERT_TRUE(QDir().mkpath(sOrdner_));
        sZiel_ = sOrdner_ + QStringLiteral("/x.aba");
        DemoOptions demo;
        demo.sPfad = sBank_;
        demo.lBuchungen = 1500;
        ASSERT_TRUE(MakeDemoDatabase(demo).ok());
        sVorher_ = DumpAll(sBank_);
        sStart_ = dir_.filePath(QStringLiteral("start.dat"));
        ASSERT_TRUE(QFile::copy(sBank_, sStart_));
    }

    Ausgabe Run(const QStringList& args) {
        return RunProgram(sProgramm_, args, dir_.filePath(QStringLiteral("host.ini")), {}, {},
                          kHoechstensMs);
    }
    QStringList CreateArgs(const QString& sZiel) const {
        return {QStringLiteral("create"),
                QStringLiteral("--db"),
                sBank_,
                QStringLiteral("--before"),
                QStringLiteral("2023-11-30"),
                QStringLiteral("--out"),
                sZiel,
                QStringLiteral("--remove"),
                QStringLiteral("--password-mode"),
                QStringLiteral("none"),
                QStringLiteral("--yes")};
    }
    // A restore of sZiel_ with its backup beside the database.
    QStringList RestoreArgs() const {
        return {QStringLiteral("restore"), sZiel_, QStringLiteral("--db"), sBank_,
                QStringLiteral("--yes")};
    }
    static QStringList Entries(const QString& sOrdner) {
        return QDir(sOrdner).entryList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    }
    // What a restore killed while it wrote its backup leaves beside the database: its lock file
    // and its private folder with half a copy.
    void LeaveKilledRestore(const QString& sKey) {
        const QDir ordner = QFileInfo(sBank_).dir();
        ASSERT_TRUE(ordner.mkdir(QStringLiteral(".tolva-%1.Xy12Ab").arg(sKey)));
        WriteFile(ordner.filePath(QStringLiteral(".tolva-%1.Xy12Ab/sicherung").arg(sKey)),
                  QByteArray(4096, 'x'));
        WriteFile(ordner.filePath(QStringLiteral(".tolva-%1.lock").arg(sKey)), QByteArray());
    }

    QTemporaryDir dir_;
    QString sProgramm_, sBank_, sOrdner_, sZiel_;
    QString sStart_;  // a copy of the database as made
    QStringList sVorher_;
};

TEST_F(FileLayerTest, ANamedPipeWhereALockFileGoesIsNeverWaitedOn) {
    // A pipe under the lock name of the target itself: the run names it and ends.
    const QString sSperre = LockFileOf(sZiel_);
    ASSERT_EQ(::mkfifo(QFile::encodeName(sSperre).constData(), 0600), 0);
    const Ausgabe a = Run(CreateArgs(sZiel_));
    EXPECT_EQ(a.lExitCode, 1) << a.sErr.toStdString();
    EXPECT_TRUE(a.sErr.contains(sSperre + QStringLiteral("“ ist keine Sperrdatei")))
        << a.sErr.toStdString();
    EXPECT_EQ(DumpAll(sBank_), sVorher_);
    EXPECT_FALSE(QFileInfo::exists(sZiel_));
    ASSERT_TRUE(QFile::remove(sSperre));

    // Pipes under the lock names of other names, in the archive folder (with a leftover folder
    // of that name) and beside the database: skipped, never opened; the jobs go through, and
    // the pipes and what belongs to them stay.
    const QString sFremd = sOrdner_ + QStringLiteral("/.tolva-00000000000000aa.lock");
    const QString sFremdOrdner = sOrdner_ + QStringLiteral("/.tolva-00000000000000aa.Qq11Rr");
    const QString sNeben = dir_.filePath(QStringLiteral(".tolva-00000000000000bb.lock"));
    for (const QString& s : {sFremd, sNeben})
        ASSERT_EQ(::mkfifo(QFile::encodeName(s).constData(), 0600), 0);
    ASSERT_TRUE(QDir().mkdir(sFremdOrdner));
    const Ausgabe b = Run(CreateArgs(sZiel_) << QStringLiteral("--backup")
                                             << dir_.filePath(QStringLiteral("vorher.BKA")));
    EXPECT_EQ(b.lExitCode, 0) << b.sErr.toStdString();
    const Ausgabe c = Run(RestoreArgs());
    EXPECT_EQ(c.lExitCode, 0) << c.sErr.toStdString();
    EXPECT_EQ(DumpWithoutRenumbering(sBank_), DumpWithoutRenumbering(sStart_));
    for (const QString& s : {sFremd, sFremdOrdner, sNeben}) EXPECT_TRUE(QFileInfo::exists(s));
}

TEST_F(FileLayerTest, AnArchivePathTooLongToOpenAgainIsRefusedBeforeAnythingIsWritten) {
    // Every folder name is short enough; the whole path is longer than a database opens.
    QString sTief = sOrdner_;
    while (QFile::encodeName(sTief).size() < 520) sTief += QLatin1Char('/') + QString(60, u'o');
    ASSERT_TRUE(QDir().mkpath(sTief));
    const QString sLang = sTief + QStringLiteral("/lang.aba");
    const Ausgabe a = Run(CreateArgs(sLang));
    EXPECT_EQ(a.lExitCode, 1);
    EXPECT_TRUE(a.sErr.contains(sLang) && a.sErr.contains(QStringLiteral("höchstens 512 Byte")))
        << a.sErr.toStdString();
    EXPECT_EQ(DumpAll(sBank_), sVorher_);
    EXPECT_TRUE(Entries(sTief).isEmpty()) << Entries(sTief).join(u' ').toStdString();
    // The same for a backup under such a path: not even the archive is written.
    const Ausgabe b =
        Run(CreateArgs(sZiel_) << QStringLiteral("--backup") << sTief + QStringLiteral("/s.BKA"));
    EXPECT_EQ(b.lExitCode, 1);
    EXPECT_TRUE(b.sErr.contains(QStringLiteral("Die Sicherungsdatei"))) << b.sErr.toStdString();
    EXPECT_FALSE(QFileInfo::exists(sZiel_));
    EXPECT_EQ(DumpAll(sBank_), sVorher_);
}

TEST_F(FileLayerTest, WhatKilledRestoresLeftGoesWithTheNextJobBesideTheDatabase) {
    ASSERT_EQ(Run(CreateArgs(sZiel_)).lExitCode, 0);
    const QString sDbOrdner = QFileInfo(sBank_).absolutePath();
    const QStringList sauber = Entries(sDbOrdner);
    // A restore without a backup of its own, then an archive run into another folder.
    LeaveKilledRestore(QStringLiteral("0123456789abcdef"));
    const Ausgabe r = Run(RestoreArgs() << QStringLiteral("--no-backup"));
    ASSERT_EQ(r.lExitCode, 0) << r.sErr.toStdString();
    EXPECT_EQ(Entries(sDbOrdner), sauber);
    LeaveKilledRestore(QStringLiteral("fedcba9876543210"));
    const Ausgabe l = Run({QStringLiteral("list"), sDbOrdner});
    EXPECT_FALSE(l.sOut.contains(QStringLiteral(".tolva"))) << l.sOut.toStdString();
    const Ausgabe a = Run(CreateArgs(sOrdner_ + QStringLiteral("/zweites.aba")));
    ASSERT_EQ(a.lExitCode, 0) << a.sErr.toStdString();
    EXPECT_EQ(Entries(sDbOrdner), sauber);
}

// A signal that comes exactly while the job commits: archive run and restore both complete,
// print what they did, name the signal and end with 0.
TEST_F(FileLayerTest, ASignalWhileTheJobCommitsLetsItFinishWithExitZero) {
    const QStringList umgebung{QStringLiteral("LD_PRELOAD=") + QStringLiteral(TOLVA_FILE_STEP_SHIM),
                               QStringLiteral("TOLVA_SIGNAL_AFTER=bank.dat-journal")};
    const Ausgabe a = RunProgram(sProgramm_, CreateArgs(sZiel_),
                                 dir_.filePath(QStringLiteral("host.ini")), umgebung);
    EXPECT_EQ(a.lExitCode, 0) << a.sErr.toStdString();
    EXPECT_TRUE(
        a.sErr.contains(QStringLiteral("SIGTERM kam, als das Archiv schon an seinem Platz")))
        << a.sErr.toStdString();
    EXPECT_TRUE(a.sOut.contains(QStringLiteral("Archiv: ") + sZiel_)) << a.sOut.toStdString();
    const QStringList nachLauf = DumpAll(sBank_);
    EXPECT_NE(nachLauf, sVorher_);
    const Ausgabe r = RunProgram(sProgramm_, RestoreArgs() << QStringLiteral("--no-backup"),
                                 dir_.filePath(QStringLiteral("host.ini")), umgebung);
    EXPECT_EQ(r.lExitCode, 0) << r.sErr.toStdString();
    EXPECT_TRUE(r.sErr.contains(QStringLiteral("SIGTERM kam, als die Daten schon zurückgeholt")))
        << r.sErr.toStdString();
    EXPECT_TRUE(r.sOut.contains(QStringLiteral("Umsätze"))) << r.sOut.toStdString();
    EXPECT_EQ(DumpWithoutRenumbering(sBank_), DumpWithoutRenumbering(sStart_));
}

// Archives are never in WAL mode; a file in that mode offered as one is refused or read, and
// either way nothing is written: not the file, and nothing beside it.
TEST_F(FileLayerTest, AnArchiveInWalModeIsReadWithoutAWrite) {
    ASSERT_EQ(Run(CreateArgs(sZiel_)).lExitCode, 0);
    RawDatabase(sZiel_).Exec(QStringLiteral("PRAGMA journal_mode = WAL"));
    const QByteArray vorher = FileBytes(sZiel_);
    const QStringList daneben = Entries(sOrdner_);
    {
        Result<std::unique_ptr<BrowseFile>> datei = BrowseFile::Open(sZiel_, QString());
        if (datei.ok()) {
            EXPECT_TRUE(datei.value()->Accounts().ok());
        }
    }
    const Ausgabe l = Run({QStringLiteral("show"), sZiel_});
    EXPECT_EQ(FileBytes(sZiel_), vorher);
    EXPECT_EQ(Entries(sOrdner_), daneben);
}

TEST_F(FileLayerTest, TheCsvExportNeverReplacesADatabase) {
    ASSERT_EQ(Run(CreateArgs(sZiel_)
                  << QStringLiteral("--backup") << dir_.filePath(QStringLiteral("vorher.BKA")))
                  .lExitCode,
              0);
    const QString sKopie = dir_.filePath(QStringLiteral("kopie.dat"));
    ASSERT_TRUE(QFile::copy(sBank_, sKopie));
    const QString sPlain = dir_.filePath(QStringLiteral("plain.db"));
    WriteFile(sPlain, QByteArray("SQLite format 3", 16) + QByteArray(4080, '\0'));
    WriteFile(sKopie + QStringLiteral("-wal"), "log");
    const QString sVerweis = dir_.filePath(QStringLiteral("verweis.csv"));
    ASSERT_TRUE(QFile::link(sBank_, sVerweis));

    Result<std::unique_ptr<BrowseFile>> datei = BrowseFile::Open(sZiel_, QString());
    ASSERT_TRUE(datei.ok()) << datei.status().description().toStdString();
    const QStringList geschuetzt{sZiel_, sBank_};
    for (const QString& sZiel :
         {sZiel_, sBank_, sBank_ + QStringLiteral("-journal"), sBank_ + QStringLiteral("-wal"),
          dir_.filePath(QStringLiteral("vorher.BKA")), sKopie, sKopie + QStringLiteral("-wal"),
          sPlain, sVerweis, sOrdner_ + QStringLiteral("/../bank.dat")}) {
        SCOPED_TRACE(sZiel.toStdString());
        const QByteArray vorher = QFileInfo::exists(sZiel) ? FileBytes(sZiel) : QByteArray();
        const Status s = ExportBookingsCsv(*datei.value(), {}, sZiel, geschuetzt);
        ASSERT_FALSE(s.ok());
        EXPECT_TRUE(s.description().contains(QStringLiteral("ist eine Datenbank")))
            << s.description().toStdString();
        EXPECT_EQ(QFileInfo::exists(sZiel) ? FileBytes(sZiel) : QByteArray(), vorher);
    }
    // Another file is replaced (the question is the window's), a new one made.
    const QString sAlt = dir_.filePath(QStringLiteral("alt.csv"));
    WriteFile(sAlt, "alt");
    for (const QString& sZiel : {sAlt, dir_.filePath(QStringLiteral("neu.csv"))}) {
        ASSERT_TRUE(ExportBookingsCsv(*datei.value(), {}, sZiel, geschuetzt).ok());
        EXPECT_TRUE(
            FileBytes(sZiel).startsWith("\xEF\xBB\xBF"
                                        "Konto;Kontonummer/IBAN;Buchungsdatum"));
    }
}

}  // namespace
}  // namespace tolva::test
