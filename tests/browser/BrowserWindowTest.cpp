// The archive browser's window, driven as a person would, offscreen.
#include "EngineFiles.h"
#include "WizardFixture.h"
#include "text/DisplayFormat.h"
#include "text/Language.h"

#include "browse/BrowseFile.h"
#include "browse/BrowseMonths.h"
#include "browser/BookingModel.h"
#include "browser/BrowserWindow.h"
#include "browser/ChartTab.h"
#include "browser/ChartWidget.h"
#include "browser/DateField.h"
#include "browser/RestoreDialog.h"
#include "browser/SealCheck.h"
#include "hostlib/MessageBox.h"
#include "widgets/MoneyColours.h"
#include "window/WizardPilot.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QTreeWidget>

using namespace tolva;
using namespace tolva::test;

namespace {

// The status line for the bookings that match sWhere, counted by SQL of its own.
QString StatusFor(RawDatabase& roh, const QString& sWhere) {
    const qint64 lAnzahl =
        roh.Number(QStringLiteral("SELECT count(*) FROM Umsätze WHERE ") + sWhere);
    const qint64 lSumme =
        roh.Number(QStringLiteral("SELECT coalesce(sum(Betrag), 0) FROM Umsätze WHERE ") + sWhere);
    return QStringLiteral("%1 Umsätze, Summe %2")
        .arg(QLocale(QLocale::German).toString(lAnzahl), DisplayCents(lSumme));
}

QString FocusName() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

// An archive of everything before dStichtag without a password, made by the create job.
Status ArchiveWithoutPassword(const QString& sDatenbank, const QDate& dStichtag,
                              const QString& sArchiv) {
    CreateChoice archivieren;
    archivieren.dStichtag = dStichtag;
    archivieren.lPasswortModus = 0;
    archivieren.sZielDatei = sArchiv;
    return RunCreateJob(sDatenbank, archivieren);
}

}  // namespace

class BrowserWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void searchAccountsSortAndScrollShowWhatTheFileHolds();
    void aScrolledListKeepsItsBookingsWhileOthersChangeTheFileUntilItIsAppliedAgain();
    void datesAreTypedDigitByDigitAndNeverHoldTheFocus();
    void inEnglishDatesAreTypedInTheLocalesOrder();
    void restoreBringsBackTheShownAccountAndOnConflictRenumbersAfterJa();
    void restoreOfAnOldArchiveAsksWhoseRowsTheyAreAndNeverGuesses();
    void theChartFollowsTheFilterTellsItsMonthsAndStopsWhenTheWindowCloses();
    void theTitleTellsTheSealsStateAndClosingStopsTheCheck();
};

void BrowserWindowTest::searchAccountsSortAndScrollShowWhatTheFileHolds() {
    WizardEnvironment env;
    const QString db = env.MakeDatabase(QStringLiteral("Bank.dat"), 6, 2);
    RawDatabase roh(db);
    roh.Exec(QStringLiteral(
        "INSERT INTO Umsätze (KontoID, Buchungsdatum, Betrag, Empfaenger, Verwendungszweck) "
        "VALUES (1, '2025-01-02', -100, 'Bäckerei MÜLLER', 'Brötchen'), "
        "(2, '2025-01-03', -200, 'Mueller GmbH', 'Straße 5'), "
        "(1, '2025-01-04', -300, 'Muller & Co', 'Miete')"));
    const auto zahl = [&](const QString& sWhere) {
        return roh.Number(QStringLiteral("SELECT count(*) FROM Umsätze WHERE ") + sWhere);
    };
    const auto status = [&](const QString& sWhere) { return StatusFor(roh, sWhere); };

    Result<std::unique_ptr<BrowseFile>> datei = BrowseFile::Open(db, QString(), false);
    QVERIFY2(datei.ok(), qPrintable(datei.ok() ? QString() : datei.error().description));
    Result<std::unique_ptr<BrowserWindow>> fenster = BrowserWindow::Make(std::move(datei).value());
    QVERIFY(fenster.ok());
    BrowserWindow& browser = *fenster.value();
    browser.show();
    auto* zeile = browser.findChild<QLabel*>(QStringLiteral("lblStatus"));
    auto* tabelle = browser.findChild<QTableView*>(QStringLiteral("tblUmsaetze"));
    QCOMPARE(zeile->text(), status(QStringLiteral("1")));
    // Without a database to restore into there is no "Zurückholen …".
    QVERIFY(!browser.findChild<QPushButton*>(QStringLiteral("cmdZurueck"))->isVisible());

    // The list loads as it scrolls, to the last booking.
    QCOMPARE(tabelle->model()->rowCount(), int(BookingModel::kStueck));
    while (tabelle->model()->canFetchMore(QModelIndex())) {
        tabelle->scrollToBottom();
        QCoreApplication::processEvents();
    }
    QCOMPARE(tabelle->model()->rowCount(), int(zahl(QStringLiteral("1"))));
    // Beside the date order the Saldo adds the bookings up to each row, across the pieces;
    // descending it is still the sum up to and including the row, in date order.
    const auto saldoGezeigt = [&] {
        QAbstractItemModel& liste = *tabelle->model();
        while (liste.canFetchMore(QModelIndex())) liste.fetchMore(QModelIndex());
        QStringList werte;
        for (int r = 0; r < liste.rowCount(); ++r)
            werte << liste.index(r, BookingModel::kSaldo).data().toString();
        return werte;
    };
    const auto saldoErwartet = [&](bool bAbsteigend) {
        const QStringList betraege =
            roh.Rows(QStringLiteral("SELECT Betrag FROM Umsätze ORDER BY Buchungsdatum, id"));
        QStringList werte;
        qint64 lSumme = 0;
        for (const QString& b : betraege) werte << DisplayCents(lSumme += b.toLongLong());
        if (bAbsteigend) std::reverse(werte.begin(), werte.end());
        return werte;
    };
    QVERIFY(!tabelle->isColumnHidden(BookingModel::kSaldo));
    QCOMPARE(saldoGezeigt(), saldoErwartet(false));
    tabelle->horizontalHeader()->setSortIndicator(0, Qt::DescendingOrder);
    QCOMPARE(saldoGezeigt(), saldoErwartet(true));
    // Money going out in red, in the palette's red.
    for (int r = 0; r < tabelle->model()->rowCount(); ++r) {
        const QModelIndex betrag = tabelle->model()->index(r, BookingModel::kBetrag);
        const QVariant farbe = betrag.data(Qt::ForegroundRole);
        QCOMPARE(farbe.isValid(), betrag.data().toString().startsWith(u'-'));
        if (farbe.isValid()) QCOMPARE(farbe.value<QColor>(), NegativeColour(tabelle->palette()));
    }
    tabelle->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);

    // Typing searches after a short pause, ignoring case and umlauts ("ue" is no "ü").
    QTest::keyClicks(browser.findChild<QLineEdit*>(QStringLiteral("txtSuche")),
                     QStringLiteral("muller"));
    const QString sTreffer = QStringLiteral(
        "instr(lower(Empfaenger || ' ' || Verwendungszweck), 'muller') > 0 OR "
        "instr(Empfaenger || ' ' || Verwendungszweck, 'Müller') > 0 OR "
        "instr(Empfaenger || ' ' || Verwendungszweck, 'müller') > 0 OR "
        "instr(Empfaenger || ' ' || Verwendungszweck, 'MÜLLER') > 0");
    QTRY_COMPARE(zeile->text(), status(sTreffer));
    QVERIFY(zahl(sTreffer) >= 2);

    // An account on the left narrows bookings and orders to it.
    browser.SelectAccount(1);
    QCOMPARE(zeile->text(),
             status(QStringLiteral("KontoID = 1 AND (") + sTreffer + QLatin1Char(')')));
    QCOMPARE(browser.findChild<QTableWidget*>(QStringLiteral("tblAuftraege"))->rowCount(),
             int(roh.Number(QStringLiteral("SELECT count(*) FROM Aufträge WHERE KontoID = 1"))));
    browser.SetSearchText(QString());
    QCOMPARE(zeile->text(), status(QStringLiteral("KontoID = 1")));

    // Date and amount ranges, both ends included; amounts typed as Germans write them.
    browser.SetRanges(QDate(2024, 1, 1), QDate(2024, 12, 31), QStringLiteral("-50,00"),
                      QStringLiteral("1.000"));
    QCOMPARE(zeile->text(), status(QStringLiteral("KontoID = 1 AND Buchungsdatum BETWEEN "
                                                  "'2024-01-01' AND '2024-12-31' AND Betrag "
                                                  "BETWEEN -5000 AND 100000")));
    browser.SetRanges(QDate(), QDate(), QString(), QString());

    // The export never replaces the shown file, and another existing file only after "Ja".
    const QString sAlt = env.Path(QStringLiteral("alt.csv"));
    {
        QFile alt(sAlt);
        QVERIFY(alt.open(QIODevice::WriteOnly) && alt.write("alt") == 3);
    }
    const QByteArray vorher = FileBytes(db);
    auto* speichern = browser.findChild<QPushButton*>(QStringLiteral("cmdExport"));
    for (const QString& sZiel : {db, sAlt}) {
        env.Dialogs().files.push_back(sZiel);
        speichern->click();  // "Nein" is the default answer
    }
    QCOMPARE(FileBytes(db), vorher);
    QCOMPARE(FileBytes(sAlt), QByteArray("alt"));
    env.Dialogs().files.push_back(sAlt);
    env.Boxes().QueueAnswer(vbYes);
    speichern->click();
    QVERIFY(
        FileBytes(sAlt).startsWith("\xEF\xBB\xBF"
                                   "Konto;Kontonummer/IBAN;Buchungsdatum"));

    // A click on "Betrag" sorts by amount, smallest first.
    tabelle->horizontalHeader()->setSortIndicator(2, Qt::AscendingOrder);
    QCOMPARE(tabelle->model()->index(0, 2).data().toString(),
             DisplayCents(roh.Number(QStringLiteral("SELECT min(Betrag) FROM Umsätze "
                                                    "WHERE KontoID = 1"))));
    QVERIFY(tabelle->isColumnHidden(BookingModel::kSaldo));
}

void BrowserWindowTest::
    aScrolledListKeepsItsBookingsWhileOthersChangeTheFileUntilItIsAppliedAgain() {
    WizardEnvironment env;
    const QString db = env.MakeDatabase(QStringLiteral("Bank.dat"), 12, 2);
    RawDatabase roh(db);
    Result<std::unique_ptr<BrowseFile>> datei = BrowseFile::Open(db, QString(), false);
    QVERIFY(datei.ok());
    Result<std::unique_ptr<BrowserWindow>> fenster = BrowserWindow::Make(std::move(datei).value());
    QVERIFY(fenster.ok());
    BrowserWindow& browser = *fenster.value();
    browser.show();
    auto* zeile = browser.findChild<QLabel*>(QStringLiteral("lblStatus"));
    auto* tabelle = browser.findChild<QTableView*>(QStringLiteral("tblUmsaetze"));
    QAbstractItemModel& liste = *tabelle->model();
    const auto gezeigt = [&] {
        while (liste.canFetchMore(QModelIndex())) liste.fetchMore(QModelIndex());
        QStringList zeilen;
        for (int r = 0; r < liste.rowCount(); ++r)
            zeilen << liste.index(r, 2).data().toString() + u'|' +
                          liste.index(r, 4).data().toString() + u'|' +
                          liste.index(r, 5).data().toString();
        return zeilen;
    };
    const auto erwartet = [&](const QString& sWhere) {
        QStringList zeilen;
        for (const QString& z :
             roh.Rows(QStringLiteral(
                          "SELECT Betrag, coalesce(Empfaenger, ''), "
                          "coalesce(Verwendungszweck, '') FROM Umsätze WHERE %1 ORDER BY Betrag "
                          "DESC, id DESC")
                          .arg(sWhere))) {
            const QStringList t = z.split(u'|');
            zeilen << DisplayCents(t[0].toLongLong()) + u'|' + t[1] + u'|' + t[2];
        }
        return zeilen;
    };
    // Sorted by amount, largest first: the first screen of a list of 720.
    tabelle->horizontalHeader()->setSortIndicator(2, Qt::DescendingOrder);
    const QString sStatus = StatusFor(roh, QStringLiteral("1"));
    QCOMPARE(zeile->text(), sStatus);
    QCOMPARE(liste.rowCount(), int(BookingModel::kStueck));
    const QStringList ids =
        roh.Rows(QStringLiteral("SELECT id FROM Umsätze ORDER BY Betrag DESC, id DESC"));
    const QStringList vorher = erwartet(QStringLiteral("1"));
    QCOMPARE(ids.size(), 720);

    // Another program deletes a shown booking, one of the second piece and the whole third
    // piece, and adds one that would come first.
    const QString sWeg =
        QStringList{ids[10], ids[250]}.join(u',') + u',' + ids.mid(400, 200).join(u',');
    roh.Exec(QStringLiteral("DELETE FROM Umsätze WHERE id IN (%1)").arg(sWeg));
    roh.Exec(
        QStringLiteral("INSERT INTO Umsätze (KontoID, Buchungsdatum, Betrag, Empfaenger, "
                       "Verwendungszweck) VALUES (1, '2025-01-02', 99999999, 'Neu', 'oben')"));
    // Scrolling on shows the rest of what the first screen counted, without what is gone.
    QCOMPARE(gezeigt(), vorher.mid(0, 250) + vorher.mid(251, 149) + vorher.mid(600));
    QCOMPARE(zeile->text(), sStatus);

    // Applied again, the list and its count are the file's now.
    browser.SetSearchText(QString());
    QCOMPARE(zeile->text(), StatusFor(roh, QStringLiteral("1")));
    QCOMPARE(gezeigt(), erwartet(QStringLiteral("1")));
}

void BrowserWindowTest::datesAreTypedDigitByDigitAndNeverHoldTheFocus() {
    WizardEnvironment env;
    const QString db = env.MakeDatabase(QStringLiteral("Bank.dat"), 3, 2);
    RawDatabase roh(db);
    Result<std::unique_ptr<BrowseFile>> datei = BrowseFile::Open(db, QString(), false);
    QVERIFY(datei.ok());
    Result<std::unique_ptr<BrowserWindow>> fenster = BrowserWindow::Make(std::move(datei).value());
    QVERIFY(fenster.ok());
    BrowserWindow& browser = *fenster.value();
    browser.show();
    browser.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&browser));
    auto* zeile = browser.findChild<QLabel*>(QStringLiteral("lblStatus"));
    auto* vom = browser.findChild<QLineEdit*>(QStringLiteral("dtVon"));
    auto* bis = browser.findChild<QLineEdit*>(QStringLiteral("dtBis"));
    const auto taste = [](Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); };
    const auto tippe = [](const char* s) { QTest::keyClicks(QApplication::focusWidget(), s); };
    const QString sAlle = StatusFor(roh, QStringLiteral("1"));
    const QString sUngueltig = QStringLiteral("Kein gültiges Datum");
    QCOMPARE(FocusName(), QStringLiteral("txtSuche"));

    // A date left unfinished: Tab goes on, and the field says it holds no date.
    taste(Qt::Key_Tab);
    tippe("15");
    taste(Qt::Key_Tab);
    QCOMPARE(FocusName(), QStringLiteral("dtBis"));
    QCOMPARE(vom->toolTip(), sUngueltig);
    QVERIFY(vom->palette().color(QPalette::Text) != bis->palette().color(QPalette::Text));

    // Back in, the text is selected and the digits replace it; the dots come by themselves.
    taste(Qt::Key_Backtab);
    tippe("15022025");
    QCOMPARE(vom->text(), QStringLiteral("15.02.2025"));
    taste(Qt::Key_Tab);
    QCOMPARE(FocusName(), QStringLiteral("dtBis"));
    const QString sAb = StatusFor(roh, QStringLiteral("Buchungsdatum >= '2025-02-15'"));
    QVERIFY(sAb != sAlle);
    QTRY_COMPARE(zeile->text(), sAb);

    // 31.02. is no date: left with Tab, shown as invalid, and it filters nothing.
    tippe("31.02.2026");
    taste(Qt::Key_Tab);
    QCOMPARE(FocusName(), QStringLiteral("txtBetragVon"));
    QCOMPARE(bis->toolTip(), sUngueltig);
    QTest::qWait(400);  // longer than the pause after typing
    QCOMPARE(zeile->text(), sAb);

    // Backspace and Delete on the selected text empty the fields: "offen", no filter.
    taste(Qt::Key_Backtab);
    taste(Qt::Key_Backspace);
    taste(Qt::Key_Backtab);
    taste(Qt::Key_Delete);
    QCOMPARE(FocusName(), QStringLiteral("dtVon"));
    QVERIFY(vom->text().isEmpty() && bis->text().isEmpty());
    QCOMPARE(vom->placeholderText(), QStringLiteral("offen"));
    QTRY_COMPARE(zeile->text(), sAlle);
}

void BrowserWindowTest::inEnglishDatesAreTypedInTheLocalesOrder() {
    const auto zurueck = qScopeGuard([frueher = QLocale()] { QLocale::setDefault(frueher); });
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const ScopedLanguage englisch(Sprache::Englisch);
    DateField feld(nullptr);
    // Month first, the slashes come by themselves; a day or month of one digit ends with one.
    const auto tippe = [&](const char* s) {
        feld.clear();
        QTest::keyClicks(&feld, s);
        return feld.Date();
    };
    QCOMPARE(tippe("02152025"), QDate(2025, 2, 15));
    QCOMPARE(feld.text(), QStringLiteral("02/15/2025"));
    QCOMPARE(tippe("3/4/2025"), QDate(2025, 3, 4));
    QCOMPARE(tippe("2/30/2025"), QDate());   // no such day
    QCOMPARE(tippe("15.02.2025"), QDate());  // read as month 15: no date
    feld.SetDate(QDate(2025, 12, 31));
    QCOMPARE(feld.text(), QStringLiteral("12/31/2025"));
}

void BrowserWindowTest::restoreBringsBackTheShownAccountAndOnConflictRenumbersAfterJa() {
    WizardEnvironment env;
    const QString db = env.MakeDatabase(QStringLiteral("Bank.dat"), 3, 2);
    const auto zahl = [&](const QString& sWhere) {
        return RawDatabase(db).Number(QStringLiteral("SELECT count(*) FROM Umsätze WHERE ") +
                                      sWhere);
    };
    const qint64 lAlle = zahl(QStringLiteral("1"));
    const qint64 lKonto2 = zahl(QStringLiteral("KontoID = 2"));
    const qint64 lBelegt = RawDatabase(db).Number(QStringLiteral(
        "SELECT min(id) FROM Umsätze WHERE KontoID = 1 AND Buchungsdatum < '2025-06-01'"));

    // An archive with its own password, its rows removed from the database.
    const QString sArchiv = env.ArchiveFolder() + QStringLiteral("alt.aba");
    CreateChoice archivieren;
    archivieren.dStichtag = QDate(2025, 6, 1);
    archivieren.bEntfernen = true;
    archivieren.lPasswortModus = 2;
    archivieren.sNeuesPasswort = QStringLiteral("Ge#h31m");
    archivieren.sZielDatei = sArchiv;
    archivieren.sSicherung = env.Path(QStringLiteral("vorher.BKA"));
    const Status lauf = RunCreateJob(db, archivieren);
    QVERIFY2(lauf.ok(), qPrintable(lauf.description()));
    const qint64 lRest = zahl(QStringLiteral("1"));
    const qint64 lKonto1Rest = zahl(QStringLiteral("KontoID = 1"));
    const qint64 lFehlend2 = lKonto2 - zahl(QStringLiteral("KontoID = 2"));
    QVERIFY(lFehlend2 > 0 && lRest + lFehlend2 < lAlle);

    // Opened without its password, the window asks; a wrong one brings the dialog back saying
    // so under the field, the right one opens the browser.
    QStringList aGesehen;
    QTimer pilot;
    QObject::connect(&pilot, &QTimer::timeout, [&] {
        QWidget* oben = QApplication::activeModalWidget();
        if (!oben || oben->property("gesehen").toBool()) return;
        oben->setProperty("gesehen", true);
        if (qobject_cast<BrowserWindow*>(oben)) {
            aGesehen << QStringLiteral("Browser");
            oben->close();
            return;
        }
        auto* feld = oben->findChild<QLineEdit*>(QStringLiteral("txtPasswort"));
        auto* falsch = oben->findChild<QLabel*>(QStringLiteral("lblFalsch"));
        if (!feld || !falsch) return;
        aGesehen << (falsch->isVisible() ? falsch->text() : QStringLiteral("gefragt"));
        QTest::keyClicks(
            feld, aGesehen.size() == 1 ? QStringLiteral("ge#h31m") : archivieren.sNeuesPasswort);
        QTest::keyClick(feld, Qt::Key_Return);
    });
    pilot.start(20);
    const Status gezeigt = BrowseArchive(sArchiv, QString());
    pilot.stop();
    QVERIFY2(gezeigt.ok(), qPrintable(gezeigt.description()));
    QCOMPARE(aGesehen,
             (QStringList{QStringLiteral("gefragt"), QStringLiteral("Das Passwort ist falsch."),
                          QStringLiteral("Browser")}));

    Result<std::unique_ptr<BrowseFile>> datei =
        BrowseFile::Open(sArchiv, archivieren.sNeuesPasswort);
    QVERIFY(datei.ok());
    Result<std::unique_ptr<BrowserWindow>> fenster =
        BrowserWindow::Make(std::move(datei).value(), {db, archivieren.sNeuesPasswort});
    QVERIFY(fenster.ok());
    BrowserWindow& browser = *fenster.value();
    browser.show();
    // The seal is checked with the password that opened the archive.
    QVERIFY(browser.Seal().WaitUntilDone());
    QCOMPARE(browser.windowTitle(), QStringLiteral("Archiv alt.aba – Siegel in Ordnung"));
    auto* zurueck = browser.findChild<QPushButton*>(QStringLiteral("cmdZurueck"));
    QVERIFY(zurueck->isVisible());

    // "Nein" (the default) to the question: no window, no further box, nothing back.
    env.Boxes().Clear();
    browser.SelectAccount(2);
    zurueck->click();
    QCOMPARE(env.ShownBoxes().size(), 1);
    QVERIFY(browser.findChildren<RestoreDialog*>().isEmpty());
    QCOMPARE(zahl(QStringLiteral("1")), lRest);

    // "Ja": the shown account's rows come back, the other accounts' stay out, and the list
    // says per table what went back.
    env.Boxes().Clear();
    env.Boxes().QueueAnswer(vbYes);
    zurueck->click();
    QCOMPARE(zahl(QStringLiteral("KontoID = 2")), lKonto2);
    QCOMPARE(zahl(QStringLiteral("KontoID = 1")), lKonto1Rest);
    QCOMPARE(env.ShownBoxes().last(),
             QStringLiteral("Zurückholen beendet|Die Daten wurden erfolgreich zurückgeholt."));
    auto* liste = browser.findChild<QListWidget*>(QStringLiteral("lstFortschritt"));
    QVERIFY(liste && liste->isVisible());
    QVERIFY(!liste
                 ->findItems(QStringLiteral("%1 Umsätze zurückgeholt")
                                 .arg(QLocale(QLocale::German).toString(lFehlend2)),
                             Qt::MatchStartsWith)
                 .isEmpty());
    browser.findChild<RestoreDialog*>()->close();

    // Another booking took the id of an archived one: after "Ja" to new numbers everything is
    // back, and the new booking is untouched.
    RawDatabase(db).Exec(QStringLiteral("INSERT INTO Umsätze (id, KontoID, Buchungsdatum, Betrag) "
                                        "VALUES (%1, 1, '2026-11-30', 4711)")
                             .arg(lBelegt));
    env.Boxes().Clear();
    env.Boxes().QueueAnswer(vbYes);
    env.Boxes().QueueAnswer(vbYes);
    browser.SelectAccount(std::nullopt);
    zurueck->click();
    // The conflict is found before the restore's question, which then names the new numbers.
    QCOMPARE(env.Boxes().Shown().size(), size_t(3));
    const ShownMessage& frage = env.Boxes().Shown()[0];
    QVERIFY(frage.sText.contains(QStringLiteral("(id) %1 schon").arg(lBelegt)));
    QVERIFY(frage.sText.endsWith(QStringLiteral("die ihre Nummern jetzt tragen?")));
    QCOMPARE(frage.lStil, vbYesNo + vbQuestion + vbDefaultButton2);
    QVERIFY(env.Boxes().Shown()[1].sText.contains(QStringLiteral("1 unter neuen Nummern")));
    QCOMPARE(env.ShownBoxes().last(),
             QStringLiteral("Zurückholen beendet|Die Daten wurden erfolgreich zurückgeholt."));
    QCOMPARE(zahl(QStringLiteral("1")), lAlle + 1);
    QCOMPARE(zahl(QStringLiteral("id = %1 AND Betrag = 4711").arg(lBelegt)), 1);
}

void BrowserWindowTest::restoreOfAnOldArchiveAsksWhoseRowsTheyAreAndNeverGuesses() {
    WizardEnvironment env;
    const QString db = env.MakeDatabase(QStringLiteral("Bank.dat"), 3, 2);
    const QString sArchiv = env.ArchiveFolder() + QStringLiteral("alt.aba");
    const Status lauf = ArchiveWithoutPassword(db, QDate(2025, 6, 1), sArchiv);
    QVERIFY2(lauf.ok(), qPrintable(lauf.description()));
    // An archive made before archives carried every account (and before seals): two orders of
    // an account 77 that neither it nor the database knows.
    RawDatabase(sArchiv).Exec(QStringLiteral(
        "DROP TABLE tolva_Konten; DROP TABLE tolva_BankDaten; DROP TABLE TolvaSiegel; "
        "INSERT INTO Aufträge (id, KontoID, Status, Datum, Betrag, Empfaenger) VALUES "
        "(9001, 77, 4, '2025-01-02', 1500, 'Vermieter'), (9002, 77, 4, '2025-02-02', 1500, "
        "'Vermieter')"));
    const auto auftraege = [&](const QString& sWhere) {
        return RawDatabase(db).Number(QStringLiteral("SELECT count(*) FROM Aufträge WHERE ") +
                                      sWhere);
    };
    const QByteArray vorher = FileBytes(db);

    Result<std::unique_ptr<BrowseFile>> datei = BrowseFile::Open(sArchiv);
    QVERIFY(datei.ok());
    Result<std::unique_ptr<BrowserWindow>> fenster =
        BrowserWindow::Make(std::move(datei).value(), {db, QString()});
    QVERIFY(fenster.ok());
    BrowserWindow& browser = *fenster.value();
    browser.show();
    browser.SelectAccount(std::nullopt);
    auto* zurueck = browser.findChild<QPushButton*>(QStringLiteral("cmdZurueck"));

    // The dialog comes before any question; "nicht zurückholen" is what it offers first, and
    // "Abbrechen" leaves the database as it was.
    const auto answerDialog = [](const std::function<void(QDialog*)>& antwort) {
        QTimer::singleShot(0, [antwort] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog && dialog->objectName() == QStringLiteral("frmKontenZuordnen"));
            antwort(dialog);
        });
    };
    bool bGesehen = false;
    answerDialog([&](QDialog* dialog) {
        auto* wahl = dialog->findChild<QComboBox*>(QStringLiteral("cboKonto77"));
        QVERIFY(wahl);
        QCOMPARE(wahl->currentText(), QStringLiteral("nicht zurückholen"));
        QCOMPARE(wahl->count(), 1 + 3);  // and the database's three accounts
        bGesehen = true;
        dialog->reject();
    });
    env.Boxes().Clear();
    zurueck->click();
    QVERIFY(bGesehen);
    QVERIFY(env.Boxes().Shown().empty());
    QCOMPARE(FileBytes(db), vorher);

    // The database's account 2 named for it: after the question the orders go there.
    answerDialog([](QDialog* dialog) {
        auto* wahl = dialog->findChild<QComboBox*>(QStringLiteral("cboKonto77"));
        wahl->setCurrentIndex(wahl->findData(qint64{2}));
        dialog->findChild<QPushButton*>(QStringLiteral("cmdZurueckholen"))->click();
    });
    env.Boxes().QueueAnswer(vbYes);
    zurueck->click();
    QCOMPARE(env.ShownBoxes().last(),
             QStringLiteral("Zurückholen beendet|Die Daten wurden erfolgreich zurückgeholt."));
    QCOMPARE(auftraege(QStringLiteral("id IN (9001, 9002) AND KontoID = 2")), 2);
    QCOMPARE(auftraege(QStringLiteral("KontoID = 77")), 0);
}

void BrowserWindowTest::theChartFollowsTheFilterTellsItsMonthsAndStopsWhenTheWindowCloses() {
    WizardEnvironment env;
    const QString db = env.MakeDatabase(QStringLiteral("Bank.dat"), 12, 2);
    Result<std::unique_ptr<BrowseFile>> datei = BrowseFile::Open(db, QString(), false);
    QVERIFY(datei.ok());
    Result<std::unique_ptr<BrowserWindow>> gemacht = BrowserWindow::Make(std::move(datei).value());
    QVERIFY(gemacht.ok());
    std::unique_ptr<BrowserWindow> fenster = std::move(gemacht).value();
    BrowserWindow& browser = *fenster;
    browser.show();
    QCOMPARE(browser.windowTitle(), QStringLiteral("Archiv Bank.dat"));  // no seal to check
    ChartTab& verlauf = browser.Chart();
    ChartWidget& chart = verlauf.Chart();
    const auto text = [](const std::vector<MonthTotals>& monate) {
        QStringList s;
        for (const MonthTotals& m : monate)
            s << QStringLiteral("%1-%2 %3 %4 %5")
                     .arg(m.lJahr)
                     .arg(m.lMonat)
                     .arg(m.lAnzahl)
                     .arg(m.lEingangCent)
                     .arg(m.lAusgangCent);
        return s;
    };
    const auto engine = [&](const BookingFilter& f) {
        Result<std::unique_ptr<MonthReader>> leser = MonthReader::Open(db);
        return leser.ok() ? text(leser.value()->Read(f).value()) : QStringList();
    };
    browser.ShowChart();
    QVERIFY(verlauf.WaitUntilDone());
    const QStringList alle = text(chart.Months());
    QCOMPARE(alle, engine({}));
    // An account and a search narrow the chart as they narrow the list.
    browser.SelectAccount(2);
    browser.SetSearchText(QStringLiteral("E"));
    QVERIFY(verlauf.WaitUntilDone());
    BookingFilter f;
    f.lKontoID = 2;
    f.sText = QStringLiteral("E");
    QCOMPARE(text(chart.Months()), engine(f));
    QVERIFY(text(chart.Months()) != alle);
    auto* jahre = browser.findChild<QTableWidget*>(QStringLiteral("tblJahre"));
    QCOMPARE(jahre->rowCount(), int(YearsOf(chart.Months()).size()));

    // The tooltip of the last month names it and its sums, as SQL of the test's own adds them.
    RawDatabase roh(db);
    const MonthTotals& m = chart.Months().back();
    const QString sMonat =
        QStringLiteral("%1-%2").arg(m.lJahr).arg(m.lMonat, 2, 10, QLatin1Char('0'));
    const QStringList summe =
        roh.Rows(QStringLiteral("SELECT count(*), sum(max(Betrag, 0)), sum(min(Betrag, 0)), "
                                "sum(Betrag) FROM Umsätze WHERE KontoID = 2 AND "
                                "substr(Buchungsdatum, 1, 7) = '%1' AND "
                                "instr(lower(coalesce(Empfaenger, '') || ' ' || "
                                "coalesce(Verwendungszweck, '')), 'e') > 0")
                     .arg(sMonat))
            .value(0)
            .split(u'|');
    const QRect spalte = chart.MonthRect(chart.Months().size() - 1);
    QHelpEvent hilfe(QEvent::ToolTip, spalte.center(), chart.mapToGlobal(spalte.center()));
    QApplication::sendEvent(&chart, &hilfe);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(
        QToolTip::text(),
        QStringLiteral("%1 %2: %3 %4\nEingänge %5\nAusgänge %6\nDifferenz %7")
            .arg(QLocale(QLocale::German).standaloneMonthName(m.lMonat))
            .arg(m.lJahr)
            .arg(summe[0], summe[0] == u"1" ? QStringLiteral("Umsatz") : QStringLiteral("Umsätze"),
                 DisplayCents(summe[1].toLongLong()), DisplayCents(summe[2].toLongLong()),
                 DisplayCents(summe[3].toLongLong())));

    // A filter changed while the list is in front is counted once the chart is shown again.
    browser.findChild<QTabWidget*>(QStringLiteral("tabInhalt"))->setCurrentIndex(0);
    browser.SelectAccount(3);
    browser.SetSearchText(QString());
    browser.ShowChart();
    QVERIFY(verlauf.WaitUntilDone());
    f.lKontoID = 3;
    f.sText.clear();
    QCOMPARE(text(chart.Months()), engine(f));

    // While another program writes the file the count waits for it; closing the window then
    // cancels the wait at once.
    roh.Exec(QStringLiteral("BEGIN EXCLUSIVE"));
    browser.SetSearchText(QStringLiteral("a"));
    QVERIFY(verlauf.Busy());
    QCOMPARE(chart.Message(), QStringLiteral("Wird berechnet …"));
    QElapsedTimer uhr;
    uhr.start();
    fenster.reset();
    QVERIFY2(uhr.elapsed() < 1000, qPrintable(QString::number(uhr.elapsed())));
    roh.Exec(QStringLiteral("COMMIT"));
}

void BrowserWindowTest::theTitleTellsTheSealsStateAndClosingStopsTheCheck() {
    WizardEnvironment env;
    const QString db = env.MakeDatabase(QStringLiteral("Bank.dat"), 3, 2);
    const QString sArchiv = env.ArchiveFolder() + QStringLiteral("neu.aba");
    const Status lauf = ArchiveWithoutPassword(db, QDate(2100, 1, 1), sArchiv);
    QVERIFY2(lauf.ok(), qPrintable(lauf.description()));
    // Copies as an archive from before seals and a changed row would leave them.
    const auto kopie = [&](const QString& sName, const QString& sql) {
        const QString sKopie = env.ArchiveFolder() + sName;
        CopyFileForTest(sArchiv, sKopie);
        RawDatabase(sKopie).Exec(sql);
        return sKopie;
    };
    const auto fenster = [](const QString& sPfad) {
        Result<std::unique_ptr<BrowseFile>> datei = BrowseFile::Open(sPfad);
        return datei.ok() ? BrowserWindow::Make(std::move(datei).value()).value() : nullptr;
    };
    const struct {
        QString sPfad;
        QString sTitel;
        QString sZeile;  // the line above the buttons; empty: hidden
    } faelle[] = {
        {sArchiv, QStringLiteral("Archiv neu.aba – Siegel in Ordnung"), QString()},
        {kopie(QStringLiteral("alt.aba"), QStringLiteral("DROP TABLE TolvaSiegel")),
         QStringLiteral("Archiv alt.aba – ohne Siegel"), QString()},
        {kopie(QStringLiteral("rot.aba"),
               QStringLiteral("UPDATE Umsätze SET Betrag = Betrag + 1 WHERE id = "
                              "(SELECT max(id) FROM Umsätze)")),
         QStringLiteral("Archiv rot.aba – beschädigt: Umsätze: Zeilen geändert"),
         QStringLiteral("Das Archiv ist nicht mehr so, wie es geschrieben wurde: Umsätze: "
                        "Zeilen geändert")},
    };
    for (const auto& f : faelle) {
        std::unique_ptr<BrowserWindow> browser = fenster(f.sPfad);
        QVERIFY(browser);
        browser->show();
        QVERIFY(browser->Seal().WaitUntilDone());
        QCOMPARE(browser->windowTitle(), f.sTitel);
        auto* zeile = browser->findChild<QLabel*>(QStringLiteral("lblSiegel"));
        QCOMPARE(zeile->isVisible() ? zeile->text() : QString(), f.sZeile);
    }

    // While another program holds the file the check waits for it, the title says so, and
    // closing the window ends the wait at once.
    std::unique_ptr<BrowserWindow> browser = fenster(sArchiv);
    QVERIFY(browser);
    RawDatabase roh(sArchiv);
    roh.Exec(QStringLiteral("BEGIN EXCLUSIVE"));
    browser->show();
    QCOMPARE(browser->windowTitle(), QStringLiteral("Archiv neu.aba – Prüfung läuft …"));
    QTest::qWait(200);
    QVERIFY(browser->Seal().Busy());
    QElapsedTimer uhr;
    uhr.start();
    browser.reset();
    QVERIFY2(uhr.elapsed() < 500, qPrintable(QString::number(uhr.elapsed())));
    roh.Exec(QStringLiteral("COMMIT"));
}

QTEST_MAIN(BrowserWindowTest)
#include "BrowserWindowTest.moc"
