// The fault sweep: every file step of a run and every call of SQLite's file layer on the user
// database, its journal and the archive fails in turn, call n = 1, 2, ... until the run
// succeeds. After every run the guarantees of "What a run guarantees" must hold. The size
// comes from TOLVA_SWEEP_BOOKINGS (default 300); bench/fault-sweep.sh runs it larger.
#include "ArchiveScenario.h"
#include "FailingFileSystem.h"
#include "FailingVfs.h"

#include "archive/ArchiveList.h"
#include "browse/BrowseExport.h"
#include "demo/DemoDatabase.h"
#include "hostlib/MessageBox.h"
#include "restore/Restore.h"
#include "state/SharedState.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <functional>
#include <iostream>

namespace tolva::test {
namespace {

const QByteArray kAltesArchiv = "altes Archiv";

// One kind of fault: how to arm it for call n and whether it fired.
struct Fault {
    QString sName;
    std::function<void(int)> arm;
    std::function<bool()> fired;
    bool bEntfernen = false;  // a removal: what it should have removed may stay, told
};

class FaultSweepTest : public ArchiveScenario {
  protected:
    void SetUp() override {
        ArchiveScenario::SetUp();
        const QString sDemo = dir_.filePath(QStringLiteral("sweep-demo.dat"));
        DemoOptions options;
        options.sPfad = sDemo;
        options.lKonten = 12;
        options.lBanken = 4;
        options.lBuchungen = qEnvironmentVariableIntValue("TOLVA_SWEEP_BOOKINGS");
        if (options.lBuchungen <= 0) options.lBuchungen = 300;
        options.lJahre = 6;
        const Result<DemoSummary> demo = MakeDemoDatabase(options);
        ASSERT_TRUE(demo.ok()) << demo.status().description().toStdString();
        sVorher_ = sDemo;
        ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("sicherung")));
        sSicherung_ = dir_.filePath(QStringLiteral("sicherung/bank.BKA"));
        vorher_ = FileBytes(sVorher_);
        dumpVorher_ = DumpAll(sVorher_);
        const Expectation e(sVorher_, kAuswahl, kStichtag);
        for (const char* t : kBewegungsTabellen) {
            const QString sTabelle = QString::fromUtf8(t);
            auswahl_[sTabelle] = e.Selected(sTabelle);
            rest_[sTabelle] = e.Remaining(sTabelle);
        }
        CopyFileForTest(sVorher_, sUser_);
        vfs_ = std::make_unique<ScopedFailingVfs>(sUser_);
        fs_ = std::make_shared<FailingFileSystem>();
        InstallFileSystem(fs_);
    }

    void TearDown() override {
        InstallFileSystem(nullptr);
        ArchiveScenario::TearDown();
        vfs_.reset();
    }

    // One run with removal, a backup and the existing target answered "Ja", with fault f armed
    // for call n; then the guarantees. Returns whether the fault fired.
    bool RunWithFault(const Fault& f, int n) {
        CopyFileForTest(sVorher_, sUser_);
        QFile ziel(sZiel_);
        EXPECT_TRUE(ziel.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ziel.write(kAltesArchiv);
        ziel.close();
        QFile::remove(sSicherung_);
        Prepare();
        boxes_->Clear();
        boxes_->QueueAnswer(vbYes);
        f.arm(n);
        bool bErfolg = false;
        Start(&bErfolg, QString(), sSicherung_);
        const bool bFired = f.fired();
        fs_->Disarm();
        vfs_->Disarm();
        Shared().cnDatenbank.reset();
        Check(f.sName + QStringLiteral(" #%1").arg(n), bFired, bErfolg, f.bEntfernen);
        return bFired;
    }

    void Check(const QString& sFall, bool bFired, bool bErfolg, bool bEntfernen) {
        const auto expect = [&](bool bGilt, const QString& sWas) {
            if (bGilt) return;
            ++lGebrochen_;
            QStringList texte;
            for (const ShownMessage& m : boxes_->Shown()) texte << m.sText;
            ADD_FAILURE() << sFall.toStdString() << ": " << sWas.toStdString()
                          << "\n  boxes: " << texte.join(QStringLiteral(" | ")).toStdString();
        };
        // A journal the run left must not be hot: whoever opens the database next would have to
        // roll it back. (SQLite itself may leave one with a zeroed header, which is ignored.)
        const QByteArray journal = FileBytes(sUser_ + QStringLiteral("-journal"));
        expect(journal.left(8).count('\0') == journal.left(8).size(),
               QStringLiteral("a hot journal is left"));
        expect(IntegrityCheck(sUser_) == QStringLiteral("ok"), QStringLiteral("user database"));
        const bool bArchiviert = DumpAll(sUser_) != dumpVorher_;
        if (bArchiviert) {
            for (const char* t : kBewegungsTabellen) {
                const QString sTabelle = QString::fromUtf8(t);
                const QString sAlle =
                    QStringLiteral("SELECT * FROM ") + sTabelle + QStringLiteral(" ORDER BY id");
                expect(RawDatabase(sUser_).Rows(sAlle) == rest_[sTabelle],
                       sTabelle + QStringLiteral(": not exactly the remaining rows at home"));
                expect(RawDatabase(sZiel_).Rows(sAlle) == auswahl_[sTabelle],
                       sTabelle + QStringLiteral(": archive incomplete"));
            }
            expect(bErfolg || bFired, QStringLiteral("archived, but the run failed"));
        } else {
            expect(FileBytes(sZiel_) == kAltesArchiv, QStringLiteral("old archive changed"));
            expect(!bErfolg, QStringLiteral("success without removal"));
        }
        const QByteArray sicherung = FileBytes(sSicherung_);
        expect(!QFileInfo::exists(sSicherung_) || sicherung == vorher_,
               QStringLiteral("partial backup"));

        // What a run leaves: nothing, unless a removal failed and the message said so.
        QStringList reste;
        for (const QString& sOrdner : {QFileInfo(sZiel_).path(), QFileInfo(sSicherung_).path()}) {
            QDirIterator it(sOrdner, {QStringLiteral(".tolva-*"), QStringLiteral("*(ersetzt*")},
                            QDir::AllEntries | QDir::Hidden | QDir::System);
            while (it.hasNext()) reste << it.next();
        }
        for (const QString& sRest : reste)
            QFileInfo(sRest).isDir() ? (void)QDir(sRest).removeRecursively()
                                     : (void)QFile::remove(sRest);

        // The messages besides the overwrite question.
        std::vector<ShownMessage> meldungen;
        for (const ShownMessage& m : boxes_->Shown())
            if (m.lStil != 324) meldungen.push_back(m);
        const bool bErfolgGemeldet =
            !meldungen.empty() &&
            meldungen[0].sText == QStringLiteral("Die Daten wurden erfolgreich archiviert.");
        if (!bFired) {
            expect(bErfolg && meldungen.size() == 1 && bErfolgGemeldet && reste.isEmpty(),
                   QStringLiteral("undisturbed run"));
        } else if (bErfolg) {
            // Only a removal after the commit can fail a successful run's step: one warning.
            expect(bEntfernen && meldungen.size() == 2 && bErfolgGemeldet,
                   QStringLiteral("success with a fault, but not one warning"));
        } else if (bErfolgGemeldet) {
            // The commit's own last step after the success message: undone, one error.
            expect(meldungen.size() == 2 && !bArchiviert,
                   QStringLiteral("failure after the success message"));
        } else {
            expect(meldungen.size() == 1, QStringLiteral("%1 messages").arg(meldungen.size()));
        }
        expect(reste.isEmpty() || bEntfernen, QStringLiteral("left behind: ") + reste.join(u' '));
        const QStringList aNamen = {sUser_,
                                    sZiel_,
                                    sSicherung_,
                                    QFileInfo(sZiel_).path(),
                                    QFileInfo(sSicherung_).path(),
                                    IniHostServices::DataFolder() + QStringLiteral("HbLeer.dat")};
        for (size_t i = bErfolgGemeldet ? 1 : 0; i < meldungen.size(); ++i) {
            const QString& sText = meldungen[i].sText;
            expect(!sText.contains(QStringLiteral("/.tolva-")),
                   QStringLiteral("a temporary name in: ") + sText);
            expect(std::any_of(aNamen.begin(), aNamen.end(),
                               [&](const QString& s) { return sText.contains(s); }),
                   QStringLiteral("no file of the user named in: ") + sText);
        }
    }

    // Sweeps one kind of fault: n = 1, 2, ... until the run no longer meets it.
    // Returns how often the fault fired: the run took that step so many times.
    int Sweep(const Fault& f) {
        int n = 1;
        for (; n < 100000; ++n) {
            if (!RunWithFault(f, n)) break;
            ++lFehler_;
        }
        return n - 1;
    }

    std::vector<Fault> Faults() {
        std::vector<Fault> faults;
        const struct {
            const char* name;
            FileStep schritt;
            int lFehler;
        } dateiSchritte[] = {
            {"make folder", FileStep::MakeFolder, EIO},
            {"create", FileStep::Create, ENOSPC},
            {"open", FileStep::Open, EIO},
            {"read", FileStep::Read, EIO},
            {"write", FileStep::Write, ENOSPC},
            {"close", FileStep::Close, EIO},
            {"flush", FileStep::Flush, EIO},
            {"folder sync", FileStep::SyncFolder, EIO},
            {"rename", FileStep::Rename, EIO},
            {"link", FileStep::Link, EIO},
            {"remove", FileStep::Remove, EIO},
            {"set mode", FileStep::SetMode, EIO},
            {"lock", FileStep::Lock, EIO},
        };
        for (const auto& d : dateiSchritte)
            faults.push_back({QString::fromUtf8(d.name),
                              [this, d](int n) { fs_->Arm(d.schritt, n, d.lFehler); },
                              [this] { return fs_->Fired(); }, d.schritt == FileStep::Remove});
        const struct {
            const char* name;
            VfsFile datei;
        } dateien[] = {{"user database", VfsFile::UserDatabase},
                       {"journal", VfsFile::UserJournal},
                       {"archive", VfsFile::Archive},
                       {"archive under its name", VfsFile::NamedArchive}};
        const struct {
            const char* name;
            VfsStep schritt;
            int rc;
        } aufrufe[] = {{"read", VfsStep::Read, SQLITE_IOERR_READ},
                       {"write", VfsStep::Write, SQLITE_FULL},
                       {"sync", VfsStep::Sync, SQLITE_IOERR_FSYNC},
                       {"truncate", VfsStep::Truncate, SQLITE_IOERR_TRUNCATE},
                       {"lock", VfsStep::Lock, SQLITE_IOERR_LOCK}};
        for (const auto& d : dateien)
            for (const auto& a : aufrufe)
                faults.push_back({QString::fromUtf8(d.name) + u' ' + QString::fromUtf8(a.name),
                                  [this, d, a](int n) {
                                      vfs_->Arm({d.datei, a.schritt, n, a.rc});
                                  },
                                  [this] { return vfs_->Fired(); }});
        return faults;
    }

    QString sSicherung_;
    QByteArray vorher_;
    QStringList dumpVorher_;
    std::map<QString, QStringList> auswahl_;
    std::map<QString, QStringList> rest_;
    std::unique_ptr<ScopedFailingVfs> vfs_;
    std::shared_ptr<FailingFileSystem> fs_;
    int lFehler_ = 0;
    int lGebrochen_ = 0;
};

TEST_F(FaultSweepTest, EveryFileStepFailsInTurnAndTheGuaranteesHold) {
    // TOLVA_SWEEP_ONLY narrows the sweep to the kinds whose name contains it.
    const QString sNur = qEnvironmentVariable("TOLVA_SWEEP_ONLY");
    // A step the run never takes cannot fail; a step it stopped taking (a flush, a folder sync,
    // a lock skipped) would pass unnoticed. So the steps a run never takes are named here, each
    // with its reason, and any other that never fires fails the sweep.
    const QStringList nieGenommen = {
        QStringLiteral("user database truncate"),  // removing rows never shrinks the file
        QStringLiteral("journal truncate"),        // the journal is deleted at the commit
        QStringLiteral("journal lock"),            // SQLite locks the database, not its journal
        QStringLiteral("archive sync"),      // written without SQLite's syncs, flushed by the run
        QStringLiteral("archive truncate"),  // a new archive only grows
        // Under its name the archive is only opened again, read-only, before the commit.
        QStringLiteral("archive under its name write"),
        QStringLiteral("archive under its name sync"),
        QStringLiteral("archive under its name truncate"),
    };
    QStringList nie;
    for (const Fault& f : Faults()) {
        if (!f.sName.contains(sNur)) continue;
        SCOPED_TRACE(f.sName.toStdString());
        if (Sweep(f) == 0) nie << f.sName;
    }
    std::cout << lFehler_ << " injected faults, " << lGebrochen_ << " guarantees broken"
              << std::endl;
    if (sNur.isEmpty()) {
        EXPECT_EQ(nie, nieGenommen) << "steps a run never took";
    }
    EXPECT_GT(lFehler_, 0);
    EXPECT_EQ(lGebrochen_, 0);
}

// The same faults during a restore after a run with removal: the user database is afterwards
// exactly as the run left it (the restore failed and said why) or exactly as before the run
// (it succeeded); the archive is never changed; a backup is complete or absent.
TEST_F(FaultSweepTest, EveryFaultDuringARestoreLeavesTheDatabaseUnchangedOrRestored) {
    Prepare();
    bool bErfolg = false;
    ASSERT_EQ(Start(&bErfolg), StartErgebnis::Gelaufen);
    ASSERT_TRUE(bErfolg);
    Shared().cnDatenbank.reset();
    const QString sNachher = dir_.filePath(QStringLiteral("nachher.dat"));
    CopyFileForTest(sUser_, sNachher);
    const QStringList dumpNachher = DumpAll(sNachher);
    const QStringList dumpVorher = DumpWithoutRenumbering(sVorher_);
    const QByteArray archiv = FileBytes(sZiel_);
    const QString sSicherung = sUser_ + QStringLiteral(".vor-Zurückholen-20240705-140322.BKA");
    RestoreChoice wahl;
    wahl.sArchiv = sZiel_;
    wahl.sDatenbank = sUser_;
    wahl.sPasswort = QString::fromUtf8(kDemoPasswort);
    wahl.bFragen = false;

    const QString sNur = qEnvironmentVariable("TOLVA_SWEEP_ONLY");
    int lFehler = 0;
    for (const Fault& f : Faults()) {
        if (!f.sName.contains(sNur) || f.sName.startsWith(QStringLiteral("archive"))) continue;
        for (int n = 1; n < 100000; ++n) {
            CopyFileForTest(sNachher, sUser_);
            f.arm(n);
            const Result<RestoreReport> r = StartRestore(wahl, {});
            const bool bFired = f.fired();
            fs_->Disarm();
            vfs_->Disarm();
            if (!bFired) break;
            ++lFehler;
            const std::string sFall = QStringLiteral("%1 #%2").arg(f.sName).arg(n).toStdString();
            const QByteArray journal = FileBytes(sUser_ + QStringLiteral("-journal"));
            EXPECT_EQ(journal.left(8).count('\0'), journal.left(8).size())
                << sFall << ": hot journal";
            EXPECT_EQ(IntegrityCheck(sUser_), QStringLiteral("ok")) << sFall;
            if (r.ok()) {
                EXPECT_EQ(DumpWithoutRenumbering(sUser_), dumpVorher) << sFall;
            } else {
                EXPECT_EQ(DumpAll(sUser_), dumpNachher)
                    << sFall << ": " << r.error().description.toStdString();
                EXPECT_FALSE(r.error().description.contains(QStringLiteral("/.tolva-"))) << sFall;
            }
            EXPECT_EQ(FileBytes(sZiel_), archiv) << sFall << ": the archive changed";
            if (QFileInfo::exists(sSicherung)) {
                EXPECT_EQ(FileBytes(sSicherung), FileBytes(sNachher))
                    << sFall << ": partial backup";
            }
            QFile::remove(sSicherung);
            QDirIterator it(dir_.path(), {QStringLiteral(".tolva-*")},
                            QDir::AllEntries | QDir::Hidden | QDir::System);
            while (it.hasNext()) {
                const QString sRest = it.next();
                EXPECT_TRUE(f.bEntfernen) << sFall << ": left behind " << sRest.toStdString();
                QFileInfo(sRest).isDir() ? (void)QDir(sRest).removeRecursively()
                                         : (void)QFile::remove(sRest);
            }
        }
    }
    std::cout << lFehler << " injected faults during restores" << std::endl;
    EXPECT_GT(lFehler, 0);
}

// Every file step of a CSV export fails in turn over an existing file: afterwards the name holds
// the old file or the whole new one, never part of it, and nothing of the export is left beside
// it unless its own clean-up was the step that failed, which is then said.
TEST_F(FaultSweepTest, EveryFaultDuringACsvExportLeavesTheOldFileOrTheWholeNewOne) {
    Result<std::unique_ptr<BrowseFile>> datei = BrowseFile::Open(sVorher_, QString(), false);
    ASSERT_TRUE(datei.ok()) << datei.status().description().toStdString();
    const QString sOrdner = dir_.filePath(QStringLiteral("export"));
    ASSERT_TRUE(QDir().mkpath(sOrdner));
    const QString sCsv = sOrdner + QStringLiteral("/umsaetze.csv");
    const auto exportieren = [&] {
        return ExportBookingsCsv(*datei.value(), {}, sCsv, {sVorher_});
    };
    ASSERT_TRUE(exportieren().ok());
    const QByteArray ganz = FileBytes(sCsv);
    ASSERT_GT(ganz.size(), 1000);
    int lFehler = 0;
    for (int k = 0; k <= static_cast<int>(FileStep::Lock); ++k) {
        const auto schritt = static_cast<FileStep>(k);
        for (int n = 1; n < 1000; ++n) {
            SCOPED_TRACE(testing::Message() << "step " << k << " #" << n);
            {
                QFile alt(sCsv);
                ASSERT_TRUE(alt.open(QIODevice::WriteOnly | QIODevice::Truncate));
                alt.write("alt");
            }
            fs_->Arm(schritt, n, schritt == FileStep::Write ? ENOSPC : EIO);
            const Status s = exportieren();
            const bool bFired = fs_->Fired();
            fs_->Disarm();
            if (!bFired) {
                EXPECT_TRUE(s.ok()) << s.description().toStdString();
                EXPECT_EQ(FileBytes(sCsv), ganz);
                break;
            }
            ++lFehler;
            const QByteArray jetzt = FileBytes(sCsv);
            const QStringList daneben =
                QDir(sOrdner).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
            // A fault after the rename (the folder's flush) leaves the whole new file, told.
            EXPECT_TRUE(jetzt == ganz || jetzt == "alt") << jetzt.left(40).toStdString();
            if (schritt == FileStep::Remove) {
                EXPECT_TRUE(daneben.size() == 1 || !s.ok()) << daneben.join(u' ').toStdString();
            } else {
                EXPECT_FALSE(s.ok());
                EXPECT_EQ(daneben, QStringList{QStringLiteral("umsaetze.csv")});
            }
            if (!s.ok()) {
                EXPECT_TRUE(s.description().contains(sCsv) || s.description().contains(sOrdner))
                    << s.description().toStdString();
            }
        }
    }
    std::cout << lFehler << " injected faults during CSV exports" << std::endl;
    EXPECT_GT(lFehler, 5);
}

}  // namespace
}  // namespace tolva::test
