// The wizard's start-up, its pages and the moves between them, on real demo databases.
#include "WizardFixture.h"

#include "database/Connection.h"
#include "database/ConnectionText.h"
#include "hostlib/Clock.h"
#include "hostlib/HostServices.h"
#include "skin/FocusLabel.h"
#include "skin/Twips.h"
#include "state/SharedState.h"
#include "text/ModCrypt.h"
#include "wizard/CaptionLabel.h"
#include "wizard/FrmArchiv.h"
#include "wizard/KontenGrid.h"
#include "wizard/SuiButtons.h"
#include "wizard/SuiTabs.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QTest>
#include <QTreeWidget>

using namespace tolva;
using namespace tolva::test;

namespace {

int VisiblePanel(FrmArchiv& form) {
    int sichtbar = 0;
    for (int n = 1; n <= 6; ++n) {
        auto* panel = form.findChild<QWidget*>(QStringLiteral("pictab_%1").arg(n));
        if (panel && panel->isVisible()) {
            if (sichtbar != 0) return -1;  // more than one
            sichtbar = n;
        }
    }
    return sichtbar;
}

// The page invariant: its tab shown, enabled and selected, its panel the only one visible,
// no tab after it enabled, the focus marker on its tab.
void CheckOnPage(FrmArchiv& form, int p) {
    auto* tabs = Find<SuiTabs>(form, "suiTabs");
    QCOMPARE(form.CurrentPage(), p);
    QCOMPARE(VisiblePanel(form), p);
    QVERIFY(tabs->IsShown(p));
    QVERIFY(tabs->IsItemEnabled(p));
    QCOMPARE(tabs->SelectedItem(), p);
    for (int i = p + 1; i <= 6; ++i)
        QVERIFY2(!tabs->IsItemEnabled(i), qPrintable(QString::number(i)));
    auto* label = Find<FocusLabel>(form, "lblFocus");
    QCOMPARE(label->Caption(), tabs->ItemCaption(p));
    auto* picture = Find<QWidget>(form, "imFocus");
    const double tabOben = Top(tabs) + tabs->ItemTop(p);
    QVERIFY(Top(picture) <= tabOben);
    QVERIFY(Top(picture) + Height(picture) >= tabOben + tabs->ItemHeight(p));
    auto* bar = Find<SuiButtons>(form, "suiButtons");
    QCOMPARE(bar->IsItemEnabled(QStringLiteral("zurück")), p != 1);
}

QString Weiter(FrmArchiv& form) {
    return Find<SuiButtons>(form, "suiButtons")->Caption(QStringLiteral("weiter"));
}

// Moves a window of the create job from page 1 to page p (1 to 5).
void GoToCreatePage(FrmArchiv& form, int p) {
    for (int i = 1; i < p; ++i) ClickButton(form, QStringLiteral("weiter"));
    QCOMPARE(form.CurrentPage(), p);
}

}  // namespace

class WizardNavigationTest : public QObject {
    Q_OBJECT

  private slots:
    void startsOnPageOneWithEveryPagePrepared();
    void backupFileNameFollowsTheSettings_data();
    void backupFileNameFollowsTheSettings();
    void createJobWalksForwardAndBack();
    void viewJobSkipsTheCreatePages();
    void tabClickJumpsBackAndDisablesLaterTabs();
    void cancelClosesTheWindowOnEveryPage_data();
    void cancelClosesTheWindowOnEveryPage();
    void escapeActsAsCancel();
    void passwordPageChecks_data();
    void passwordPageChecks();
    void passwordOptionsEnableTheFields();
    void noDataBeforeTheDateKeepsPageFour();
    void summaryCountsTheTickedAccounts();
    void gridRowZeroStandsForAllAccounts();
    void gridShowsWhatTheUserKnowsTheAccountsBy();
    void missingTemplateClosesWithOneMessage();
    void databaseWithoutAccountsClosesWithOneMessage();
    void unreadableDatabaseReportsAndStaysOpen();
    void progressColourThatIsNoNumberReportsAndStaysOpen();
};

void WizardNavigationTest::startsOnPageOneWithEveryPagePrepared() {
    WizardEnvironment env;
    const QString db = env.MakeDatabase(QStringLiteral("Haus.Bank.dat"));
    // "Today" is the component's clock's: a user whose clock says 29.02.2028.
    const QDate dHeute(2028, 2, 29);
    InstallClock([dHeute] { return QDateTime(dHeute, QTime(9, 30)); });
    auto form = OpenWizard(db);
    InstallClock({});
    QVERIFY(!form->IsUnloaded());
    QVERIFY(env.ShownBoxes().isEmpty());
    CheckOnPage(*form, 1);

    auto* tabs = Find<SuiTabs>(*form, "suiTabs");
    for (int n = 2; n <= 5; ++n) QVERIFY(tabs->IsShown(n));
    QVERIFY(!tabs->IsShown(6));
    QCOMPARE(Weiter(*form), QStringLiteral(" &Weiter"));
    QCOMPARE(form->windowTitle(), QStringLiteral("Tolva - Archivierung von Daten"));
    QCOMPARE(Shared().lModus, kModusErstellen);
    QCOMPARE(Shared().lPasswortModus, 1L);
    QVERIFY(!Shared().bEntfernen);
    QVERIFY(Find<QCheckBox>(*form, "chkSichern")->isChecked());  // a backup unless declined

    // The default archive name: the database's name up to its last dot and today's date.
    const QString heute = dHeute.toString(QStringLiteral("yyyy-MM-dd"));
    QCOMPARE(
        Find<QLineEdit>(*form, "txtDatei_0")->text(),
        env.ArchiveFolder() + QStringLiteral("Haus.Bank_Archiv_") + heute + QStringLiteral(".aba"));
    QCOMPARE(Find<QLineEdit>(*form, "txtDatei_1")->text(), env.ArchiveFolder());
    QCOMPARE(Find<QDateEdit>(*form, "dtVon")->date(), dHeute);
    QCOMPARE(Find<CaptionLabel>(*form, "lblWarnung")->Caption(),
             QStringLiteral("Ist diese Option aktiviert werden alle Ihre Umsätze, gesendete "
                            "Aufträge und Sammelaufträge vor diesem Datum aus der aktuellen "
                            "Datenbank unwiderruflich gelöscht!"));

    // Every account listed and ticked.
    auto* grid = Find<KontenGrid>(*form, "grdKonten");
    QCOMPARE(grid->Rows(), 3);
    for (int r = 0; r < grid->Rows(); ++r)
        QCOMPARE(grid->CellChecked(r, 0), KontenGrid::flexChecked);
}

void WizardNavigationTest::backupFileNameFollowsTheSettings_data() {
    QTest::addColumn<QString>("letzte");       // setting 111
    QTest::addColumn<bool>("backupHatDatei");  // base/backup/ holds a file
    QTest::addColumn<QString>("erwartet");     // relative to the test folder, {db} = database
    QTest::newRow("last backup file names the folder")
        << QStringLiteral("{dir}Sich/alt.BKA") << false << QStringLiteral("{dir}Sich/Bank.dat.BKA");
    QTest::newRow("backup folder with files")
        << QString() << true << QStringLiteral("{dir}backup/Bank.dat.BKA");
    QTest::newRow("empty backup folder gives the base")
        << QString() << false << QStringLiteral("{dir}Bank.dat.BKA");
    QTest::newRow("last backup without folder")
        << QStringLiteral("alt.BKA") << false << QStringLiteral("{db}.BKA");
}

void WizardNavigationTest::backupFileNameFollowsTheSettings() {
    QFETCH(QString, letzte);
    QFETCH(bool, backupHatDatei);
    QFETCH(QString, erwartet);
    WizardEnvironment env;
    const QString dir = env.Path(QString()) + QLatin1Char('/');
    const QString db = env.MakeDatabase(QStringLiteral("Daten/Bank.dat"));
    QDir().mkpath(dir + QStringLiteral("backup"));
    if (backupHatDatei) {
        QFile datei(dir + QStringLiteral("backup/alt.BKA"));
        QVERIFY(datei.open(QIODevice::WriteOnly));
    }
    env.Settings().SetSetting(kSettingLetzteSicherung, QString(letzte).replace("{dir}", dir));
    auto form = OpenWizard(db);
    erwartet.replace(QStringLiteral("{dir}"), dir).replace(QStringLiteral("{db}"), db);
    QCOMPARE(Find<CaptionLabel>(*form, "lblSich")->Caption(), erwartet);
}

void WizardNavigationTest::createJobWalksForwardAndBack() {
    WizardEnvironment env;
    auto form = OpenWizard(env.MakeDatabase(QStringLiteral("Bank.dat")));
    for (int p = 2; p <= 5; ++p) {
        ClickButton(*form, QStringLiteral("weiter"));
        CheckOnPage(*form, p);
        QCOMPARE(Weiter(*form), p == 5 ? QStringLiteral(" Starten") : QStringLiteral(" &Weiter"));
    }
    // Back to page 4 rebuilds the default name over a typed one.
    auto* datei = Find<QLineEdit>(*form, "txtDatei_0");
    const QString standard = datei->text();
    ClickButton(*form, QStringLiteral("zurück"));
    CheckOnPage(*form, 4);
    datei->setText(QStringLiteral("/tmp/anders.aba"));
    ClickButton(*form, QStringLiteral("zurück"));
    CheckOnPage(*form, 3);
    ClickButton(*form, QStringLiteral("weiter"));
    CheckOnPage(*form, 4);
    QCOMPARE(datei->text(), standard);
    for (int p = 3; p >= 1; --p) {
        ClickButton(*form, QStringLiteral("zurück"));
        CheckOnPage(*form, p);
    }
    QVERIFY(env.ShownBoxes().isEmpty());
}

void WizardNavigationTest::viewJobSkipsTheCreatePages() {
    WizardEnvironment env;
    auto form = OpenWizard(env.MakeDatabase(QStringLiteral("Bank.dat")));
    auto* tabs = Find<SuiTabs>(*form, "suiTabs");
    auto* background = Find<QWidget>(*form, "imButtons");
    // The tab background ends below the last tab shown.
    QCOMPARE(Height(background), Top(tabs) + tabs->ItemTop(5) + tabs->ItemHeight(5));
    Find<QRadioButton>(*form, "optDaten_1")->click();
    QCOMPARE(Shared().lModus, kModusAnzeigen);
    for (int n = 2; n <= 5; ++n) QVERIFY(!tabs->IsShown(n));
    QVERIFY(tabs->IsShown(6));
    QCOMPARE(Height(background), Top(tabs) + tabs->ItemTop(6) + tabs->ItemHeight(6));

    ClickButton(*form, QStringLiteral("weiter"));
    CheckOnPage(*form, 6);
    QCOMPARE(Weiter(*form), QStringLiteral(" &Anzeigen"));
    // Tab 6 follows tab 1 directly, and so does the focus marker.
    QCOMPARE(tabs->ItemTop(6), tabs->ItemHeight(1));
    ClickButton(*form, QStringLiteral("zurück"));
    CheckOnPage(*form, 1);
    QVERIFY(tabs->IsShown(6));
    QVERIFY(!tabs->IsShown(2));

    // Back to creating: the create tabs return.
    Find<QRadioButton>(*form, "optDaten_0")->click();
    ClickButton(*form, QStringLiteral("weiter"));
    CheckOnPage(*form, 2);
}

void WizardNavigationTest::tabClickJumpsBackAndDisablesLaterTabs() {
    WizardEnvironment env;
    auto form = OpenWizard(env.MakeDatabase(QStringLiteral("Bank.dat")));
    GoToCreatePage(*form, 4);
    ClickTab(*form, 5);  // a later tab is not enabled: nothing happens
    CheckOnPage(*form, 4);
    ClickTab(*form, 2);
    CheckOnPage(*form, 2);
    auto* tabs = Find<SuiTabs>(*form, "suiTabs");
    QVERIFY(!tabs->IsItemEnabled(3));
    QVERIFY(!tabs->IsItemEnabled(4));
    ClickTab(*form, 1);
    CheckOnPage(*form, 1);
    QVERIFY(env.ShownBoxes().isEmpty());
}

void WizardNavigationTest::cancelClosesTheWindowOnEveryPage_data() {
    QTest::addColumn<int>("seite");
    for (int p = 1; p <= 6; ++p) QTest::newRow(qPrintable(QStringLiteral("page %1").arg(p))) << p;
}

void WizardNavigationTest::cancelClosesTheWindowOnEveryPage() {
    QFETCH(int, seite);
    WizardEnvironment env;
    auto form = OpenWizard(env.MakeDatabase(QStringLiteral("Bank.dat")));
    if (seite == 6) {
        Find<QRadioButton>(*form, "optDaten_1")->click();
        ClickButton(*form, QStringLiteral("weiter"));
    } else {
        GoToCreatePage(*form, seite);
    }
    QCOMPARE(form->CurrentPage(), seite);
    ClickButton(*form, QStringLiteral("cancel"));
    QVERIFY(form->IsUnloaded());
    QVERIFY(!form->isVisible());
    QVERIFY(!Shared().bArchivOK);
    QVERIFY(env.ShownBoxes().isEmpty());
    // Nothing was written: no archive, no folder setting changed.
    QVERIFY(QDir(env.ArchiveFolder()).entryList(QDir::Files).isEmpty());
    QCOMPARE(env.Settings().GetSetting(kSettingArchivPfad), env.ArchiveFolder());
}

void WizardNavigationTest::escapeActsAsCancel() {
    WizardEnvironment env;
    auto form = OpenWizard(env.MakeDatabase(QStringLiteral("Bank.dat")));
    GoToCreatePage(*form, 3);
    QTest::keyClick(form.get(), Qt::Key_Escape);
    QVERIFY(form->IsUnloaded());
}

void WizardNavigationTest::passwordPageChecks_data() {
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("neu");
    QTest::addColumn<QString>("kontrolle");
    QTest::addColumn<QString>("meldung");  // empty: page 4 is reached
    const QString leer = QStringLiteral("Bitte geben Sie das Passwort ein!");
    const QString anders = QStringLiteral("Die beide Passwörte stimmen nicht überein!");
    QTest::newRow("both empty") << 2 << QString() << QString() << leer;
    QTest::newRow("repetition empty") << 2 << QStringLiteral("abc") << QString() << leer;
    QTest::newRow("only blanks") << 2 << QStringLiteral("   ") << QStringLiteral("   ") << leer;
    QTest::newRow("trailing blank")
        << 2 << QStringLiteral("abc ") << QStringLiteral("abc") << anders;
    QTest::newRow("case differs") << 2 << QStringLiteral("Abc") << QStringLiteral("abc") << anders;
    QTest::newRow("equal") << 2 << QStringLiteral("Geheim 1") << QStringLiteral("Geheim 1")
                           << QString();
    QTest::newRow("no password, fields ignored")
        << 0 << QStringLiteral("x") << QString() << QString();
    QTest::newRow("keep password, fields ignored")
        << 1 << QString() << QStringLiteral("y") << QString();
}

void WizardNavigationTest::passwordPageChecks() {
    QFETCH(int, option);
    QFETCH(QString, neu);
    QFETCH(QString, kontrolle);
    QFETCH(QString, meldung);
    WizardEnvironment env;
    auto form = OpenWizard(env.MakeDatabase(QStringLiteral("Bank.dat")));
    GoToCreatePage(*form, 3);
    // Typed while option 2 allows it; the texts stay when another option is chosen.
    Find<QRadioButton>(*form, "optPasswort_2")->click();
    QTest::keyClicks(Find<QLineEdit>(*form, "txtPasswort_0"), neu);
    QTest::keyClicks(Find<QLineEdit>(*form, "txtPasswort_1"), kontrolle);
    Find<QRadioButton>(*form, qPrintable(QStringLiteral("optPasswort_%1").arg(option)))->click();
    QCOMPARE(Shared().lPasswortModus, static_cast<long>(option));
    ClickButton(*form, QStringLiteral("weiter"));
    if (meldung.isEmpty()) {
        CheckOnPage(*form, 4);
        QVERIFY(env.ShownBoxes().isEmpty());
    } else {
        QCOMPARE(form->CurrentPage(), 3);
        QCOMPARE(VisiblePanel(*form), 3);
        QCOMPARE(env.Boxes().Shown().size(), size_t{1});
        const ShownMessage& box = env.Boxes().Shown().front();
        QCOMPARE(box.sText, meldung);
        QCOMPARE(box.lStil, 48L);
        QCOMPARE(box.sTitel, QStringLiteral("Datenbank Passwort"));
    }
    QCOMPARE(form->NewPasswordText(), neu);
}

void WizardNavigationTest::passwordOptionsEnableTheFields() {
    WizardEnvironment env;
    auto form = OpenWizard(env.MakeDatabase(QStringLiteral("Bank.dat")));
    auto* neu = Find<QLineEdit>(*form, "txtPasswort_0");
    auto* kontrolle = Find<QLineEdit>(*form, "txtPasswort_1");
    QCOMPARE(neu->echoMode(), QLineEdit::Password);
    QVERIFY(!neu->isEnabled());
    form->optPasswort_Click(2);
    QVERIFY(neu->isEnabled() && kontrolle->isEnabled());
    QVERIFY(Find<QWidget>(*form, "lblPasswort")->isEnabled());
    form->optPasswort_Click(0);
    QCOMPARE(Shared().lPasswortModus, 0L);
    QVERIFY(!neu->isEnabled() && !kontrolle->isEnabled());
}

void WizardNavigationTest::noDataBeforeTheDateKeepsPageFour() {
    WizardEnvironment env;
    auto form = OpenWizard(env.MakeDatabase(QStringLiteral("Bank.dat")));
    GoToCreatePage(*form, 2);
    Find<QDateEdit>(*form, "dtVon")->setDate(QDate(2001, 3, 5));
    ClickButton(*form, QStringLiteral("weiter"));
    ClickButton(*form, QStringLiteral("weiter"));
    QCOMPARE(form->CurrentPage(), 4);
    ClickButton(*form, QStringLiteral("weiter"));
    QCOMPARE(form->CurrentPage(), 4);
    QCOMPARE(VisiblePanel(*form), 4);
    QCOMPARE(Weiter(*form), QStringLiteral(" &Weiter"));
    QCOMPARE(env.ShownBoxes(), QStringList{QStringLiteral(
                                   "Daten archivieren|Es wurden keine Daten vor dem 05.03.2001 "
                                   "gefunden.")});
    QCOMPARE(Shared().dStichtag, QDate(2001, 3, 5));
    QVERIFY(Shared().aKontenMitDaten.empty());

    // With the date back at today but no account ticked, the survey finds nothing either.
    ClickTab(*form, 2);
    Find<QDateEdit>(*form, "dtVon")->setDate(QDate::currentDate());
    auto* grid = Find<KontenGrid>(*form, "grdKonten");
    grid->item(0, 0)->setCheckState(Qt::Unchecked);  // the user unticks "all"
    ClickButton(*form, QStringLiteral("weiter"));
    ClickButton(*form, QStringLiteral("weiter"));
    ClickButton(*form, QStringLiteral("weiter"));
    QCOMPARE(form->CurrentPage(), 4);
    QCOMPARE(env.Boxes().Shown().size(), size_t{2});
    QVERIFY(Shared().aKontenAuswahl.empty());
}

void WizardNavigationTest::summaryCountsTheTickedAccounts() {
    WizardEnvironment env;
    auto form = OpenWizard(env.MakeDatabase(QStringLiteral("Bank.dat"), 3, 2));
    auto* grid = Find<KontenGrid>(*form, "grdKonten");
    GoToCreatePage(*form, 5);
    const SharedState& g = Shared();
    QCOMPARE(g.aKontenMitDaten.size(), size_t{3});
    QVERIFY(
        Find<CaptionLabel>(*form, "lblEx_0")
            ->Caption()
            .endsWith(QStringLiteral(" und 3 Konten gefunden.\r\n"
                                     "Um die Daten zu archivieren, klicken Sie auf 'Starten'")));

    // Only the second account ticked: the survey and the summary follow the ticks of now.
    ClickTab(*form, 2);
    grid->item(0, 0)->setCheckState(Qt::Unchecked);
    grid->item(1, 0)->setCheckState(Qt::Checked);
    QCOMPARE(grid->CellChecked(0, 0), KontenGrid::flexUnchecked);
    for (int i = 0; i < 3; ++i) ClickButton(*form, QStringLiteral("weiter"));
    CheckOnPage(*form, 5);
    QCOMPARE(g.aKontenAuswahl, std::vector<QString>{grid->RowData(1).toString()});
    QCOMPARE(g.aKontenMitDaten, std::vector<QString>{grid->RowData(1).toString()});
    QCOMPARE(g.aInstitute, std::vector<QString>{grid->TextMatrix(1, 1)});
    QCOMPARE(Find<CaptionLabel>(*form, "lblEx_0")->Caption(),
             QStringLiteral("Es wurden Daten für 1 Institut(e) und 1 Konto( gefunden.\r\n"
                            "Um die Daten zu archivieren, klicken Sie auf 'Starten'"));

    // Under it the plan: that account under its bank, the totals, and what else will happen.
    auto* plan = Find<QTreeWidget>(*form, "trePlan");
    QVERIFY(plan->isVisible());
    QCOMPARE(plan->topLevelItemCount(), 2);
    QCOMPARE(plan->topLevelItem(0)->text(0), grid->ShownText(1, 1));
    QCOMPARE(plan->topLevelItem(0)->child(0)->text(0), grid->ShownText(1, 0));
    QCOMPARE(plan->topLevelItem(1)->text(1), plan->topLevelItem(0)->child(0)->text(1));
    QCOMPARE(Find<CaptionLabel>(*form, "lblPlanZiel")->Caption(),
             Find<QLineEdit>(*form, "txtDatei_0")->text());
    QCOMPARE(Find<CaptionLabel>(*form, "lblPlanSicherung")->Caption(),
             Find<CaptionLabel>(*form, "lblSich")->Caption());
    QVERIFY(Find<CaptionLabel>(*form, "lblPlanEntfernen")->Caption().startsWith(u"nein"));
    ClickTab(*form, 2);
    Find<QCheckBox>(*form, "chkSichern")->click();
    Find<QCheckBox>(*form, "chkEntfern")->click();
    for (int i = 0; i < 3; ++i) ClickButton(*form, QStringLiteral("weiter"));
    QVERIFY(Find<CaptionLabel>(*form, "lblPlanSicherung")->Caption().startsWith(u"keine"));
    QVERIFY(Find<CaptionLabel>(*form, "lblPlanEntfernen")->Caption().startsWith(u"ja"));

    // Two accounts at one bank: "Konten" follows the accounts, not the banks.
    form.reset();
    auto eineBank = OpenWizard(env.MakeDatabase(QStringLiteral("EineBank.dat"), 2, 1));
    GoToCreatePage(*eineBank, 5);
    QVERIFY(Find<CaptionLabel>(*eineBank, "lblEx_0")
                ->Caption()
                .startsWith(QStringLiteral("Es wurden Daten für 1 Institut(e) und 2 Konten "
                                           "gefunden.")));
}

void WizardNavigationTest::gridRowZeroStandsForAllAccounts() {
    WizardEnvironment env;
    auto form = OpenWizard(env.MakeDatabase(QStringLiteral("Bank.dat"), 4, 2));
    auto* grid = Find<KontenGrid>(*form, "grdKonten");
    QCOMPARE(grid->Rows(), 4);
    grid->item(0, 0)->setCheckState(Qt::Unchecked);
    for (int r = 0; r < 4; ++r) QCOMPARE(grid->CellChecked(r, 0), KontenGrid::flexUnchecked);
    grid->item(0, 0)->setCheckState(Qt::Checked);
    for (int r = 0; r < 4; ++r) QCOMPARE(grid->CellChecked(r, 0), KontenGrid::flexChecked);
    grid->item(2, 0)->setCheckState(Qt::Unchecked);
    QCOMPARE(grid->CellChecked(0, 0), KontenGrid::flexUnchecked);
    QCOMPARE(grid->CellChecked(1, 0), KontenGrid::flexChecked);
    QCOMPARE(grid->CellChecked(3, 0), KontenGrid::flexChecked);
    grid->item(2, 0)->setCheckState(Qt::Checked);  // any other row clears row 0 again
    QCOMPARE(grid->CellChecked(0, 0), KontenGrid::flexUnchecked);
    QVERIFY(form->GetChecked());
    QCOMPARE(Shared().lAuswahlAnzahl, 3);
}

void WizardNavigationTest::missingTemplateClosesWithOneMessage() {
    WizardEnvironment env;
    const QString leer = env.Path(QStringLiteral("leer/"));
    QDir().mkpath(leer);
    env.Settings().SetSetting(kSettingSkinPfad, leer);
    auto form = OpenWizard(env.MakeDatabase(QStringLiteral("Bank.dat")));
    QVERIFY(form->IsUnloaded());
    QCOMPARE(env.ShownBoxes(), QStringList{QStringLiteral("Archivierungs-Assistent|") + leer +
                                           QStringLiteral("Assistent.atp nicht gefunden!")});
    QCOMPARE(env.Boxes().Shown().front().lStil, 0L);
    QVERIFY(Shared().cnDatenbank);
    QCOMPARE(Shared().cnDatenbank->State(), Connection::adStateClosed);
}

void WizardNavigationTest::databaseWithoutAccountsClosesWithOneMessage() {
    WizardEnvironment env;
    auto form = OpenWizard(env.MakeEmptyDatabase(QStringLiteral("Leer.dat")));
    QVERIFY(form->IsUnloaded());
    QCOMPARE(env.ShownBoxes(),
             QStringList{QStringLiteral("|Sie haben keine Konten eingerichtet.")});
}

void WizardNavigationTest::unreadableDatabaseReportsAndStaysOpen() {
    WizardEnvironment env;
    const QString kaputt = env.Path(QStringLiteral("kaputt.dat"));
    QFile datei(kaputt);
    QVERIFY(datei.open(QIODevice::WriteOnly));
    datei.write(QByteArray(8192, 'x'));
    datei.close();
    auto form = OpenWizard(kaputt);
    QVERIFY(!form->IsUnloaded());
    QCOMPARE(env.Boxes().Shown().size(), size_t{1});
    const ShownMessage& box = env.Boxes().Shown().front();
    QCOMPARE(box.sTitel, QStringLiteral("Archiv:FormLoad"));
    QVERIFY(box.sText.startsWith(QStringLiteral("Ein Fehler ist aufgetreten:\r\n")));
    QVERIFY(box.sText.size() > QStringLiteral("Ein Fehler ist aufgetreten:\r\n").size());
    // The steps after the failure stayed undone: no accounts were listed.
    QCOMPARE(Find<KontenGrid>(*form, "grdKonten")->Rows(), 0);
}

void WizardNavigationTest::progressColourThatIsNoNumberReportsAndStaysOpen() {
    WizardEnvironment env;
    env.Settings().SetSetting(kSettingFortschrittFarbe, QStringLiteral("blau"));
    auto form = OpenWizard(env.MakeDatabase(QStringLiteral("Bank.dat")));
    QVERIFY(!form->IsUnloaded());
    QCOMPARE(env.ShownBoxes(),
             QStringList{QStringLiteral("Archiv:FormLoad|Ein Fehler ist aufgetreten:\r\n"
                                        "Typen unverträglich")});
    // The load stopped at the colours: no database opened, no account listed.
    QCOMPARE(Shared().cnDatenbank->State(), Connection::adStateClosed);
    QCOMPARE(Find<KontenGrid>(*form, "grdKonten")->Rows(), 0);
}

void WizardNavigationTest::gridShowsWhatTheUserKnowsTheAccountsBy() {
    WizardEnvironment env;
    const QString db = env.MakeDatabase(QStringLiteral("Bank.dat"), 8, 3);
    // Account 1 gets a name far wider than the grid, account 2 no name but its number; both
    // belong to bank 1.
    const QString sLang = QStringLiteral("Gemeinschaftskonto ") + QString(60, QChar(u'\u00e4'));
    {
        Connection cn;
        QVERIFY(cn.Open(BuildConnectionText(db)).ok());
        const QString sql = QStringLiteral(
            "UPDATE Konten SET KontoName = X'%1', bankID = 1 WHERE id = 1; "
            "UPDATE Konten SET KontoName = X'', KontoNummer = X'%2', bankID = 1 WHERE id = 2; "
            "UPDATE BankDaten SET Name = 'Sparkasse am Markt' WHERE id = 1");
        const QByteArray name = Encrypt(sLang, false).value();
        const QByteArray nummer = Encrypt(QStringLiteral("0123456789"), false).value();
        QVERIFY(cn.Execute(sql.arg(QString::fromLatin1(name.toHex()),
                                   QString::fromLatin1(nummer.toHex())))
                    .ok());
    }
    auto form = OpenWizard(db);
    auto* grid = Find<KontenGrid>(*form, "grdKonten");
    QCOMPARE(grid->Rows(), 8);
    QCOMPARE(grid->ShownText(0, 0), sLang);
    QCOMPARE(grid->ShownText(1, 0), QStringLiteral("0123456789"));
    for (int r = 0; r < 2; ++r) {
        QCOMPARE(grid->ShownText(r, 1), QStringLiteral("Sparkasse am Markt"));
        QCOMPARE(grid->TextMatrix(r, 1), QStringLiteral("1"));  // the key stays for the survey
    }
    for (int r = 2; r < grid->Rows(); ++r)
        QVERIFY(!grid->ShownText(r, 0).isEmpty() && !grid->ShownText(r, 1).isEmpty());

    // The first column is at least 1800 twips and fits every ordinary name on one line; the
    // overlong one is cut there, so that the banks keep a third of the grid.
    ClickButton(*form, QStringLiteral("weiter"));
    QCoreApplication::processEvents();
    const int lErste = grid->columnWidth(0);
    QVERIFY(lErste >= ToPixels(grid, 1800));
    const int lBox = grid->style()->pixelMetric(QStyle::PM_IndicatorWidth);
    for (int r = 1; r < grid->Rows(); ++r) {  // row 0 holds the overlong name
        QVERIFY2(lBox + grid->fontMetrics().horizontalAdvance(grid->ShownText(r, 0)) < lErste,
                 qPrintable(grid->ShownText(r, 0)));
        QCOMPARE(grid->rowHeight(r), grid->rowHeight(0));
    }
    QVERIFY(grid->viewport()->width() - lErste >= grid->viewport()->width() / 3);
    QVERIFY(grid->columnViewportPosition(1) + grid->columnWidth(1) >= grid->viewport()->width());
}

QTEST_MAIN(WizardNavigationTest)
#include "WizardNavigationTest.moc"
