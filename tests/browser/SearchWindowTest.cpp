// The search across the live database and the archive folder, as a window, offscreen.
#include "EngineFiles.h"
#include "WizardFixture.h"
#include "text/DisplayFormat.h"

#include "browse/BrowseFile.h"
#include "browser/BrowserWindow.h"
#include "browser/SearchHitModel.h"
#include "browser/SearchWindow.h"
#include "window/WizardPilot.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <random>

using namespace tolva;
using namespace tolva::test;

namespace {

QStringList Keys(const std::vector<SearchHit>& treffer) {
    QStringList keys;
    for (const SearchHit& t : treffer)
        keys << t.sDatei + QLatin1Char('|') + QString::number(t.buchung.id);
    return keys;
}

// A database with 120 "Müller" bookings every five days from 2024 on, and an archive of those
// before June 2025 taken out of it (plus an archive with a password of the same).
QString MakeFiles(WizardEnvironment& env) {
    const QString db = env.MakeDatabase(QStringLiteral("Bank.dat"), 3, 2);
    RawDatabase(db).Exec(QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 120) "
        "INSERT INTO Umsätze (KontoID, Buchungsdatum, Betrag, Empfaenger, Verwendungszweck) "
        "SELECT 1 + i % 3, date('2024-01-01', '+' || (5 * i) || ' days'), -100 * i, "
        "'Müller', 'Rechnung ' || i FROM n"));
    for (const bool bEntfernen : {false, true}) {
        CreateChoice archivieren;
        archivieren.dStichtag = QDate(2025, 6, 1);
        archivieren.bEntfernen = bEntfernen;
        archivieren.lPasswortModus = bEntfernen ? 0 : 2;
        archivieren.sNeuesPasswort = QStringLiteral("Ge#h31m");
        archivieren.sZielDatei = env.ArchiveFolder() + (bEntfernen ? QStringLiteral("alt.aba")
                                                                   : QStringLiteral("geheim.aba"));
        archivieren.sSicherung = env.Path(QStringLiteral("vorher.BKA"));
        const Status lauf = RunCreateJob(db, archivieren);
        if (!lauf.ok()) qWarning("%s", qPrintable(lauf.description()));
    }
    return db;
}

}  // namespace

class SearchWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void hitsArriveFileByFileAndTheSelectedRowKeepsItsPlace();
    void closingTheWindowWhileAFileIsSearchedEndsAtOnce();
    void filesHandingInHitsInAnyOrderGiveTheNewestFirst();
};

void SearchWindowTest::hitsArriveFileByFileAndTheSelectedRowKeepsItsPlace() {
    WizardEnvironment env;
    const QString db = MakeFiles(env);
    const QString sAlt = env.ArchiveFolder() + QStringLiteral("alt.aba");
    Result<std::unique_ptr<BrowseFile>> datei = BrowseFile::Open(sAlt);
    QVERIFY(datei.ok());
    Result<std::unique_ptr<BrowserWindow>> fenster =
        BrowserWindow::Make(std::move(datei).value(), {db, QString()});
    QVERIFY(fenster.ok());
    BrowserWindow& browser = *fenster.value();
    browser.show();
    browser.SetSearchText(QStringLiteral("müller"));

    // The host writes to its database: the archives' hits come first.
    RawDatabase schreiber(db);
    schreiber.Exec(QStringLiteral("BEGIN EXCLUSIVE"));
    browser.findChild<QPushButton*>(QStringLiteral("cmdUeberall"))->click();
    auto* suche = browser.findChild<SearchWindow*>();
    QVERIFY(suche && suche->isVisible());
    auto* status = suche->findChild<QLabel*>(QStringLiteral("lblStatus"));
    auto* tabelle = suche->findChild<QTableView*>(QStringLiteral("tblTreffer"));
    QTRY_COMPARE(status->text(), QStringLiteral("Durchsucht: 2 von 3 Dateien …"));
    const int lArchiv = tabelle->model()->rowCount();
    QVERIFY(lArchiv >= 60);

    // A row in the middle chosen; the live database's newer hits go in above it.
    const QModelIndex gewaehlt = tabelle->model()->index(lArchiv / 2, 0);
    tabelle->selectRow(gewaehlt.row());
    tabelle->scrollTo(gewaehlt, QAbstractItemView::PositionAtCenter);
    const SearchHit hit = suche->Hits().Hits()[size_t(gewaehlt.row())];
    const int yVor = tabelle->visualRect(gewaehlt).top();
    schreiber.Exec(QStringLiteral("COMMIT"));
    QTRY_VERIFY(!suche->Running());

    const QModelIndexList jetzt = tabelle->selectionModel()->selectedRows();
    QCOMPARE(jetzt.size(), 1);
    QVERIFY(jetzt[0].row() > gewaehlt.row());
    QCOMPARE(Keys({suche->Hits().Hits()[size_t(jetzt[0].row())]}), Keys({hit}));
    QCOMPARE(tabelle->visualRect(jetzt[0]).top(), yVor);

    // All of it in the engine's order; the archive with a password is named as skipped.
    const SearchResult erwartet =
        SearchEverywhere(QStringLiteral("müller"), db, env.ArchiveFolder(), {}, 0, 1);
    QCOMPARE(Keys(suche->Hits().Hits()), Keys(erwartet.treffer));
    QCOMPARE(status->text(), QStringLiteral("%1 Treffer in 2 Dateien.\nÜbersprungen: geheim.aba "
                                            "(mit Passwort)")
                                 .arg(erwartet.treffer.size()));
    QCOMPARE(tabelle->model()->index(0, SearchHitModel::kBetrag).data(Qt::DisplayRole).toString(),
             DisplayCents(erwartet.treffer[0].buchung.lBetragCent));

    // Shown with its password, the archive is searched with it too.
    const QString sGeheim = env.ArchiveFolder() + QStringLiteral("geheim.aba");
    Result<std::unique_ptr<BrowseFile>> geheim =
        BrowseFile::Open(sGeheim, QStringLiteral("Ge#h31m"));
    QVERIFY(geheim.ok());
    Result<std::unique_ptr<BrowserWindow>> zweites =
        BrowserWindow::Make(std::move(geheim).value(), {db, QStringLiteral("Ge#h31m")});
    QVERIFY(zweites.ok());
    zweites.value()->SetSearchText(QStringLiteral("müller"));
    zweites.value()->findChild<QPushButton*>(QStringLiteral("cmdUeberall"))->click();
    auto* mitPasswort = zweites.value()->findChild<SearchWindow*>();
    QTRY_VERIFY(!mitPasswort->Running());
    const SearchResult alle = SearchEverywhere(QStringLiteral("müller"), db, env.ArchiveFolder(),
                                               {{sGeheim, QStringLiteral("Ge#h31m")}}, 0, 1);
    QCOMPARE(alle.uebersprungen.size(), size_t(0));
    QCOMPARE(Keys(mitPasswort->Hits().Hits()), Keys(alle.treffer));
}

void SearchWindowTest::closingTheWindowWhileAFileIsSearchedEndsAtOnce() {
    WizardEnvironment env;
    const QString db = MakeFiles(env);
    auto* suche = new SearchWindow(SearchRequest{{}, db, env.ArchiveFolder(), {}, 0, 2});
    suche->setAttribute(Qt::WA_DeleteOnClose);
    suche->show();
    RawDatabase schreiber(db);
    schreiber.Exec(QStringLiteral("BEGIN EXCLUSIVE"));
    suche->Search(QStringLiteral("müller"));
    auto* status = suche->findChild<QLabel*>(QStringLiteral("lblStatus"));
    QTRY_COMPARE(status->text(), QStringLiteral("Durchsucht: 2 von 3 Dateien …"));
    // The live database's worker waits for the lock (up to 1.5 s); closing stops it.
    QPointer<SearchWindow> offen(suche);
    QElapsedTimer uhr;
    uhr.start();
    suche->close();
    QVERIFY(uhr.elapsed() < 1000);
    QTRY_VERIFY(!offen);
    QTest::qWait(100);  // whatever a worker posted to the window meanwhile
    schreiber.Exec(QStringLiteral("COMMIT"));
}

void SearchWindowTest::filesHandingInHitsInAnyOrderGiveTheNewestFirst() {
    const unsigned lSeed = std::random_device{}();
    std::mt19937 zufall(lSeed);
    const auto wuerfel = [&](int n) { return int(zufall() % unsigned(n)); };
    for (int runde = 0; runde < 50; ++runde) {
        // Files of random hits on few days (ties across files), handed in as a search does:
        // each file's hits newest first, the files in any order.
        const int lDateien = 1 + wuerfel(5);
        std::vector<std::vector<SearchHit>> dateien(size_t(lDateien), std::vector<SearchHit>{});
        QStringList alle;
        std::map<QString, QString> datum;
        const int lHits = wuerfel(80);
        for (int i = 0; i < lHits; ++i) {
            SearchHit t;
            t.sDatei = QStringLiteral("/a/%1.aba").arg(wuerfel(lDateien));
            t.buchung.id = wuerfel(1000);
            t.buchung.sDatum = QStringLiteral("2025-01-0%1").arg(1 + wuerfel(4));
            const QString sKey = t.sDatei + QLatin1Char('|') + QString::number(t.buchung.id);
            if (datum.count(sKey)) continue;
            datum[sKey] = t.buchung.sDatum;
            dateien[size_t(t.sDatei.mid(3, 1).toInt())].push_back(t);
        }
        // The plain order: the date's text descending, the path ascending, the id descending.
        for (const auto& [sKey, sDatum] : datum) alle << sKey;
        std::sort(alle.begin(), alle.end(), [&](const QString& a, const QString& b) {
            const qint64 ia = a.section(u'|', 1).toLongLong(), ib = b.section(u'|', 1).toLongLong();
            return std::tuple(datum[b], a.section(u'|', 0, 0), ib) <
                   std::tuple(datum[a], b.section(u'|', 0, 0), ia);
        });
        const qint64 lHoechstens = wuerfel(2) ? 0 : 1 + wuerfel(40);
        SearchHitModel modell;
        for (auto& d : dateien)
            std::sort(d.begin(), d.end(), [](const SearchHit& a, const SearchHit& b) {
                return std::tuple(b.buchung.sDatum, b.buchung.id) <
                       std::tuple(a.buchung.sDatum, a.buchung.id);
            });
        std::shuffle(dateien.begin(), dateien.end(), zufall);
        for (const auto& d : dateien) modell.Add(d, lHoechstens);
        if (lHoechstens > 0) alle = alle.mid(0, lHoechstens);
        QVERIFY2(Keys(modell.Hits()) == alle, qPrintable(QStringLiteral("seed %1").arg(lSeed)));
    }
}

QTEST_MAIN(SearchWindowTest)
#include "SearchWindowTest.moc"
