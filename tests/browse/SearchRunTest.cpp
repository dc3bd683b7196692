// The search across the live database and a folder of archives on several threads: the same
// list as one thread and as a plain merge written here, and a cancel that stops the workers.
#include "EngineFiles.h"
#include "ProgramRun.h"

#include "browse/SearchRun.h"
#include "demo/DemoDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <condition_variable>
#include <random>

namespace tolva::test {
namespace {

QString Plain(QString s) {
    s = s.toLower();
    for (const auto& [von, nach] :
         {std::pair{u"ä", u"a"}, {u"ö", u"o"}, {u"ü", u"u"}, {u"é", u"e"}, {u"ß", u"ss"}})
        s.replace(QString::fromUtf16(von), QString::fromUtf16(nach));
    return s;
}

// "file|id" per hit, and the skipped files' paths: what two searches must share.
QStringList Keys(const SearchResult& r) {
    QStringList keys;
    for (const SearchHit& t : r.treffer)
        keys << t.sDatei + QLatin1Char('|') + QString::number(t.buchung.id);
    for (const SkippedFile& s : r.uebersprungen) keys << QStringLiteral("skip ") + s.sDatei;
    if (r.bGekuerzt) keys << QStringLiteral("cut");
    return keys;
}

class SearchRunTest : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir_ = new QTemporaryDir;
        sBank_ = dir_->filePath(QStringLiteral("bank.dat"));
        sBasis_ = dir_->filePath(QStringLiteral("basis.aba"));
        DemoOptions demo;
        demo.sPfad = sBank_;
        demo.lBuchungen = 2000;
        ASSERT_TRUE(MakeDemoDatabase(demo).ok());
        for (const auto& [sZiel, weitere] :
             {std::pair{sBasis_, QStringList{QStringLiteral("none")}},
              std::pair{dir_->filePath(QStringLiteral("geschuetzt.aba")),
                        QStringList{QStringLiteral("new"), QStringLiteral("--password"),
                                    QStringLiteral("Ge#h31m")}}}) {
            const ProgramRun a =
                Run(QStringList{QStringLiteral("create"), QStringLiteral("--db"), sBank_,
                                QStringLiteral("--before"), QStringLiteral("2100-01-01"),
                                QStringLiteral("--out"), sZiel, QStringLiteral("--yes"),
                                QStringLiteral("--password-mode")} +
                    weitere);
            ASSERT_EQ(a.lExitCode, 0) << a.sErr.toStdString();
        }
    }
    static void TearDownTestSuite() { delete dir_; }

    static ProgramRun Run(const QStringList& args, const QStringList& umgebung = {}) {
        return RunProgram(ProgramOfThisBuild(), args, dir_->filePath(QStringLiteral("host.ini")),
                          umgebung);
    }

    static inline QTemporaryDir* dir_ = nullptr;
    static inline QString sBank_, sBasis_;
};

// The plain merge: every row of the readable files whose payee or purpose holds the text,
// newest date first, then by path, then by id from the highest.
QStringList Model(const QStringList& dateien, const QString& sText, qint64 lHoechstens,
                  const QStringList& kaputt) {
    struct Hit {
        QString sDatum, sDatei;
        qint64 id;
    };
    std::vector<Hit> hits;
    for (const QString& sDatei : dateien) {
        if (kaputt.contains(sDatei)) continue;
        for (const QString& row : RawDatabase(sDatei).Rows(
                 QStringLiteral("SELECT id, Buchungsdatum, coalesce(Empfaenger, '') || ' ' || "
                                "coalesce(Verwendungszweck, '') FROM Umsätze"))) {
            const QStringList t = row.split(u'|');
            if (Plain(t.mid(2).join(u'|')).contains(Plain(sText)))
                hits.push_back(Hit{t[1], sDatei, t[0].toLongLong()});
        }
    }
    std::sort(hits.begin(), hits.end(), [](const Hit& a, const Hit& b) {
        return std::tuple(b.sDatum, a.sDatei, b.id) < std::tuple(a.sDatum, b.sDatei, a.id);
    });
    QStringList keys;
    for (const Hit& h : hits) keys << h.sDatei + QLatin1Char('|') + QString::number(h.id);
    const bool bGekuerzt = lHoechstens > 0 && keys.size() > lHoechstens;
    if (bGekuerzt) keys = keys.mid(0, lHoechstens);
    for (const QString& sDatei : kaputt) keys << QStringLiteral("skip ") + sDatei;
    if (bGekuerzt) keys << QStringLiteral("cut");
    return keys;
}

TEST_F(SearchRunTest, ManyThreadsFindWhatOneThreadAndAPlainMergeFind) {
    const unsigned lSeed = qEnvironmentVariableIsSet("TOLVA_TEST_SEED")
                               ? unsigned(qEnvironmentVariableIntValue("TOLVA_TEST_SEED"))
                               : std::random_device{}();
    SCOPED_TRACE("TOLVA_TEST_SEED=" + std::to_string(lSeed));
    std::mt19937 zufall(lSeed);
    const auto wuerfel = [&](int n) { return int(zufall() % unsigned(n)); };
    const QStringList woerter{QStringLiteral("Müller"), QStringLiteral("MULLER"),
                              QStringLiteral("Straße"), QStringLiteral("Bäckerei"),
                              QStringLiteral("Miete")};
    const QStringList suchen{QStringLiteral("muller"), QStringLiteral("STRASSE"),
                             QStringLiteral("bäck"), QStringLiteral("miete"), QStringLiteral("e")};

    // Five archives of random parts of the bookings, a few payees changed to the words above
    // on a few dates (hits of the same day in several files), the live database likewise;
    // one archive with a password and one cut in half, which are skipped.
    QTemporaryDir ordner;
    const QString sLive = ordner.filePath(QStringLiteral("live.dat"));
    CopyFileForTest(sBank_, sLive);
    QStringList dateien{sLive};
    for (int a = 0; a < 5; ++a) {
        const QString sArchiv = ordner.filePath(QStringLiteral("archiv-%1.aba").arg(a));
        CopyFileForTest(sBasis_, sArchiv);
        dateien << sArchiv;
    }
    for (const QString& sDatei : dateien) {
        RawDatabase db(sDatei);
        db.Exec(QStringLiteral("DELETE FROM Umsätze WHERE id % %1 = %2")
                    .arg(2 + wuerfel(4))
                    .arg(wuerfel(2)));
        for (int i = 0; i < 40; ++i)
            db.Exec(QStringLiteral("UPDATE Umsätze SET Empfaenger = '%1', Buchungsdatum = "
                                   "'2024-0%2-1%3' WHERE id = (SELECT id FROM Umsätze LIMIT 1 "
                                   "OFFSET %4)")
                        .arg(woerter[wuerfel(int(woerter.size()))])
                        .arg(1 + wuerfel(3))
                        .arg(wuerfel(3))
                        .arg(wuerfel(800)));
    }
    const QString sGeschuetzt = ordner.filePath(QStringLiteral("b-geschuetzt.aba"));
    const QString sKaputt = ordner.filePath(QStringLiteral("a-kaputt.aba"));
    CopyFileForTest(dir_->filePath(QStringLiteral("geschuetzt.aba")), sGeschuetzt);
    CopyFileForTest(sBasis_, sKaputt);
    ASSERT_TRUE(QFile::resize(sKaputt, QFileInfo(sKaputt).size() / 2));
    dateien << sGeschuetzt << sKaputt;
    std::sort(dateien.begin() + 1, dateien.end());

    for (int runde = 0; runde < 6; ++runde) {
        const QString sText = suchen[wuerfel(int(suchen.size()))];
        const qint64 lHoechstens = std::vector<qint64>{0, 1, 7, 60}[size_t(wuerfel(4))];
        SCOPED_TRACE(sText.toStdString() + " " + std::to_string(lHoechstens));
        const QStringList erwartet = Model(dateien, sText, lHoechstens, {sKaputt, sGeschuetzt});
        EXPECT_EQ(Keys(SearchEverywhere(sText, sLive, ordner.path(), {}, lHoechstens, 1)),
                  erwartet);
        EXPECT_EQ(Keys(SearchEverywhere(sText, sLive, ordner.path(), {}, lHoechstens, 0)),
                  erwartet);
    }
    // The command prints the same, byte for byte, on one thread and on all.
    const QStringList suche{QStringLiteral("search"),   QStringLiteral("miete"),
                            QStringLiteral("--db"),     sLive,
                            QStringLiteral("--folder"), ordner.path()};
    const ProgramRun eins = Run(suche, {QStringLiteral("TOLVA_SEARCH_THREADS=1")});
    const ProgramRun alle = Run(suche);
    EXPECT_EQ(eins.sOut, alle.sOut);
    EXPECT_EQ(eins.sErr, alle.sErr);
    EXPECT_TRUE(alle.sErr.contains(sKaputt) && alle.sErr.contains(sGeschuetzt));
}

TEST_F(SearchRunTest, CancelStopsTheWorkersAndNoFileIsReportedAfterIt) {
    QTemporaryDir ordner;
    constexpr int kArchive = 8;
    for (int a = 0; a < kArchive; ++a)
        CopyFileForTest(sBasis_, ordner.filePath(QStringLiteral("archiv-%1.aba").arg(a)));
    std::mutex sperre;
    std::condition_variable signal;
    int lGemeldet = 0;
    bool bWeiter = false;
    SearchRequest auftrag;
    auftrag.sText = QStringLiteral("e");
    auftrag.sOrdner = ordner.path();
    auftrag.lThreads = 1;
    SearchRun lauf(auftrag, [&](FileHits) {
        std::unique_lock halten(sperre);
        ++lGemeldet;
        signal.notify_all();
        signal.wait(halten, [&] { return bWeiter; });
    });
    {
        std::unique_lock halten(sperre);
        signal.wait(halten, [&] { return lGemeldet > 0; });
        bWeiter = true;
        signal.notify_all();
    }
    lauf.Cancel();
    const int lBeiAbbruch = lGemeldet;
    EXPECT_LT(lBeiAbbruch, kArchive);
    lauf.Wait();
    EXPECT_EQ(lGemeldet, lBeiAbbruch);
}

// Once its cancel flag is set an archive fails even a statement that reads a whole table in
// one step, which no progress handler interrupts (as SQLite's check of every page does).
TEST_F(SearchRunTest, OnceCancelledAnArchiveFailsEvenAStepThatReadsAWholeTable) {
    std::atomic<bool> bAbbruch{false};
    Result<std::unique_ptr<BrowseFile>> datei =
        BrowseFile::Open(sBasis_, QString(), true, &bAbbruch);
    ASSERT_TRUE(datei.ok());
    const char* sql = "SELECT count(*) FROM Umsätze";
    EXPECT_EQ(sqlite3_exec(datei.value()->Handle(), sql, nullptr, nullptr, nullptr), SQLITE_OK);
    bAbbruch = true;
    EXPECT_EQ(sqlite3_exec(datei.value()->Handle(), sql, nullptr, nullptr, nullptr) & 0xff,
              SQLITE_IOERR);
}

}  // namespace
}  // namespace tolva::test
