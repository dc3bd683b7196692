// Whole calls of Archiv driven through the window: archives made, chosen, refused.
#include "EngineFiles.h"
#include "WizardFixture.h"

#include "archive/ArchiveList.h"
#include "hostlib/HostServices.h"
#include "state/SharedState.h"
#include "window/PageRenderer.h"
#include "wizard/CaptionLabel.h"
#include "wizard/FrmArchiv.h"
#include "wizard/KontenGrid.h"
#include "wizard/SuiButtons.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

using namespace tolva;
using namespace tolva::test;

namespace {

const QString kWeiter = QStringLiteral("weiter");

// Counts the paint events of a widget.
class PaintCounter : public QObject {
  public:
    explicit PaintCounter(QWidget* w) { w->installEventFilter(this); }
    int count = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++count;
        return false;
    }
};

void GoToPage(FrmArchiv& form, int p) {
    while (form.CurrentPage() < p) {
        const int vorher = form.CurrentPage();
        ClickButton(form, kWeiter);
        if (form.CurrentPage() == vorher) break;
    }
    QCOMPARE(form.CurrentPage(), p);
}

// Goes to page 4, puts sZiel into the file field and moves on to page 5.
void TargetAndSummary(FrmArchiv& form, const QString& sZiel) {
    GoToPage(form, 4);
    Find<QLineEdit>(form, "txtDatei_0")->setText(sZiel);
    ClickButton(form, kWeiter);
    QCOMPARE(form.CurrentPage(), 5);
}

void ChooseView(FrmArchiv& form) {
    Find<QRadioButton>(form, "optDaten_1")->click();
    ClickButton(form, kWeiter);
    QCOMPARE(form.CurrentPage(), 6);
}

QStringList Entries(QListWidget* list) {
    QStringList texte;
    for (int i = 0; i < list->count(); ++i) texte << list->item(i)->text();
    return texte;
}

QByteArray ReadAll(const QString& sPfad) {
    QFile datei(sPfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

void WriteFile(const QString& sPfad, const QByteArray& inhalt) {
    QDir().mkpath(QFileInfo(sPfad).absolutePath());
    QFile datei(sPfad);
    if (datei.open(QIODevice::WriteOnly)) datei.write(inhalt);
}

// Makes an archive of db through the window; returns its path.
QString MakeArchive(WizardEnvironment& env, const QString& db) {
    QString archiv;
    QString name = db;
    ArchivWithPilot(name, [&](FrmArchiv& form) {
        GoToPage(form, 5);
        archiv = Find<QLineEdit>(form, "txtDatei_0")->text();
        ClickButton(form, kWeiter);
    });
    env.Boxes().Clear();
    return archiv;
}

}  // namespace

class WizardFlowTest : public QObject {
    Q_OBJECT
    int drivesBefore_ = 0;

  private slots:
    void init() { drivesBefore_ = PilotDrives(); }
    void cleanup() { QVERIFY2(PilotDrives() > drivesBefore_, "the window was never driven"); }

    void createFlowMakesAnArchiveAndReturnsFalse();
    void overwriteQuestionNoKeepsPageFive();
    void folderQuestionNoKeepsPageFive();
    void targetWithoutFolderEndsInTheErrorExit();
    void failedRunStillClosesTheWindow();
    void viewFlowHandsTheArchiveBack_data();
    void viewFlowHandsTheArchiveBack();
    void everyCallStartsWithoutTheLastResult();
    void browsingListsTheArchivesOfAFolder();
    void unreadableArchiveInTheList();
    void vanishedArchiveIsNotHandedBack();
    void folderWithoutArchivesDisablesNext();
    void createSideBrowseSetsFileAndFolder();
    void thePlanFollowsWhatPageTwoChangedAfterwards();
};

void WizardFlowTest::createFlowMakesAnArchiveAndReturnsFalse() {
    WizardEnvironment env;
    const QString db = env.MakeDatabase(QStringLiteral("Bank.dat"));
    QString sDateiname = db;
    QString archiv;
    int listePaints = 0;
    int zeilen = 0;
    // "Ändern …" on page 2: another backup file for this run, into a folder that the run makes;
    // the name gets its ".BKA", and no setting remembers it.
    const QString sSicherung = env.Path(QStringLiteral("Sicherungen/vor dem Archiv"));
    const QString s111 = env.Settings().GetSetting(111);
    env.Dialogs().files.push_back(sSicherung);
    const bool ok = ArchivWithPilot(sDateiname, [&](FrmArchiv& form) {
        GoToPage(form, 2);
        auto* aendern = Find<QPushButton>(form, "cmdSicherung");
        Find<QCheckBox>(form, "chkSichern")->click();
        QVERIFY(!aendern->isEnabled());
        Find<QCheckBox>(form, "chkSichern")->click();
        QTest::mouseClick(aendern, Qt::LeftButton);
        QCOMPARE(env.Dialogs().fileCalls.at(0).sZusatz, QStringLiteral(".BKA"));
        QCOMPARE(Find<CaptionLabel>(form, "lblSich")->Caption(),
                 sSicherung + QStringLiteral(".BKA"));
        GoToPage(form, 5);
        archiv = Find<QLineEdit>(form, "txtDatei_0")->text();
        auto* liste = Find<QListWidget>(form, "lstFortschritt");
        PaintCounter paints(liste);
        ClickButton(form, kWeiter);  // " Starten"
        QVERIFY(form.IsUnloaded());
        listePaints = paints.count;
        zeilen = liste->count();
    });
    QVERIFY(!ok);
    QCOMPARE(sDateiname, db);
    QCOMPARE(env.ShownBoxes(),
             QStringList{
                 QStringLiteral("Archivierung beendet|Die Daten wurden erfolgreich archiviert.")});
    QVERIFY(QFileInfo(archiv).isFile());
    QVERIFY(QFileInfo(sSicherung + QStringLiteral(".BKA")).isFile());
    QCOMPARE(env.Settings().GetSetting(111), s111);
    QCOMPARE(QFileInfo(archiv).absolutePath() + QLatin1Char('/'), env.ArchiveFolder());
    QCOMPARE(env.Settings().GetSetting(kSettingArchivPfad), env.ArchiveFolder());
    const ArchiveDescription beschreibung = ReadArchiveDescription(archiv);
    QVERIFY(beschreibung.bGeoeffnet);
    QVERIFY(beschreibung.aZeilen.value(0).startsWith(QStringLiteral("Alle Daten älter als ") +
                                                     QDate::currentDate().toString("dd.MM.yyyy")));
    // The window kept painting while the run worked: the list grew and was drawn.
    QVERIFY(zeilen > 3);
    QVERIFY2(listePaints >= 3, qPrintable(QString::number(listePaints)));
    // The call released its window, connection and helper.
    QVERIFY(!Shared().oArchivForm);
    QVERIFY(!Shared().cnDatenbank);
    QVERIFY(!Shared().oTools);
}

void WizardFlowTest::overwriteQuestionNoKeepsPageFive() {
    WizardEnvironment env;
    const QString db = env.MakeDatabase(QStringLiteral("Bank.dat"));
    const QString ziel = env.Path(QStringLiteral("Ziel/Jahr.aba"));
    WriteFile(ziel, "alt");
    QString sDateiname = db;
    ArchivWithPilot(sDateiname, [&](FrmArchiv& form) {
        TargetAndSummary(form, ziel);
        env.Boxes().QueueAnswer(vbNo);
        ClickButton(form, kWeiter);
        QCOMPARE(form.CurrentPage(), 5);
        QVERIFY(!form.IsUnloaded());
        QCOMPARE(env.Boxes().Shown().size(), size_t{1});
        const ShownMessage& box = env.Boxes().Shown().front();
        QCOMPARE(box.sText,
                 QStringLiteral("Die Datei ") + ziel +
                     QStringLiteral(" existiert bereits!\r\nSoll Sie überschrieben werden?"));
        QCOMPARE(box.lStil, 324L);
        QCOMPARE(box.sTitel, QStringLiteral("Archivierungs-Assistent"));
        QCOMPARE(ReadAll(ziel), QByteArray("alt"));
        QCOMPARE(env.Settings().GetSetting(kSettingArchivPfad), env.ArchiveFolder());
        // Asked again, Yes: the run replaces the file and the window closes.
        env.Boxes().QueueAnswer(vbYes);
        ClickButton(form, kWeiter);
        QVERIFY(form.IsUnloaded());
    });
    QVERIFY(ReadArchiveDescription(ziel).bGeoeffnet);
    QCOMPARE(env.Settings().GetSetting(kSettingArchivPfad), env.Path(QStringLiteral("Ziel/")));
}

void WizardFlowTest::folderQuestionNoKeepsPageFive() {
    WizardEnvironment env;
    const QString db = env.MakeDatabase(QStringLiteral("Bank.dat"));
    const QString ordner = env.Path(QStringLiteral("neu/tief/"));
    QString sDateiname = db;
    ArchivWithPilot(sDateiname, [&](FrmArchiv& form) {
        TargetAndSummary(form, ordner + QStringLiteral("x.aba"));
        env.Boxes().QueueAnswer(vbNo);
        ClickButton(form, kWeiter);
        QCOMPARE(form.CurrentPage(), 5);
        QVERIFY(!form.IsUnloaded());
        QCOMPARE(env.ShownBoxes(),
                 QStringList{QStringLiteral("|Der Archiv-Pfad ") + ordner +
                             QStringLiteral(" existiert nicht! Soll dieses Verzeichnis angelegt "
                                            "werden?")});
        QCOMPARE(env.Boxes().Shown().front().lStil, 36L);
        QVERIFY(!QFileInfo::exists(env.Path(QStringLiteral("neu"))));
        // The bar works again after the refused start.
        QVERIFY(Find<SuiButtons>(form, "suiButtons")->IsItemEnabled(kWeiter));
        env.Boxes().QueueAnswer(vbYes);
        ClickButton(form, kWeiter);
        QVERIFY(form.IsUnloaded());
    });
    QVERIFY(QFileInfo(ordner + QStringLiteral("x.aba")).isFile());
}

void WizardFlowTest::targetWithoutFolderEndsInTheErrorExit() {
    WizardEnvironment env;
    QString sDateiname = env.MakeDatabase(QStringLiteral("Bank.dat"));
    ArchivWithPilot(sDateiname, [&](FrmArchiv& form) {
        TargetAndSummary(form, QStringLiteral("Jahr.aba"));
        ClickButton(form, kWeiter);
        QCOMPARE(form.CurrentPage(), 5);
        QVERIFY(!form.IsUnloaded());
        QCOMPARE(env.Boxes().Shown().size(), size_t{1});
        QCOMPARE(env.Boxes().Shown().front().sTitel, QStringLiteral("Archiv:Fertig"));
        QCOMPARE(env.Boxes().Shown().front().lStil, 0L);
    });
}

void WizardFlowTest::failedRunStillClosesTheWindow() {
    WizardEnvironment env;
    const QString db = env.MakeDatabase(QStringLiteral("Bank.dat"));
    const QString ohneVorlage = env.Path(QStringLiteral("ohne/"));
    QDir().mkpath(ohneVorlage);
    env.Settings().SetSetting(kSettingVorlagenPfad, ohneVorlage);  // no HbLeer.dat there
    const QByteArray vorher = ReadAll(db);
    QString sDateiname = db;
    QString archiv;
    const bool ok = ArchivWithPilot(sDateiname, [&](FrmArchiv& form) {
        GoToPage(form, 5);
        archiv = Find<QLineEdit>(form, "txtDatei_0")->text();
        ClickButton(form, kWeiter);
        QVERIFY(form.IsUnloaded());
    });
    QVERIFY(!ok);
    QCOMPARE(env.Boxes().Shown().size(), size_t{1});
    QCOMPARE(env.Boxes().Shown().front().sTitel, QStringLiteral("Export"));
    QVERIFY(!QFileInfo::exists(archiv));
    QCOMPARE(ReadAll(db), vorher);
}

void WizardFlowTest::viewFlowHandsTheArchiveBack_data() {
    QTest::addColumn<QString>("einstellung");  // setting 601, below the test folder
    QTest::addColumn<QString>("ordner");       // where the archive lies and is listed
    QTest::newRow("archive folder set without its separator")
        << QStringLiteral("Archive") << QStringLiteral("Archive/");
    QTest::newRow("no archive folder set: the database's folder") << QString() << QString();
}

void WizardFlowTest::viewFlowHandsTheArchiveBack() {
    QFETCH(QString, einstellung);
    QFETCH(QString, ordner);
    WizardEnvironment env;
    const QString db = env.MakeDatabase(QStringLiteral("Bank.dat"));
    const QString gemacht = MakeArchive(env, db);
    QVERIFY(QFileInfo(gemacht).isFile());
    const QString sOrdner = env.Path(QString()) + QLatin1Char('/') + ordner;
    const QString archiv = sOrdner + QFileInfo(gemacht).fileName();
    if (archiv != gemacht) QVERIFY(QDir().rename(gemacht, archiv));
    env.Settings().SetSetting(kSettingArchivPfad,
                              einstellung.isEmpty() ? QString() : env.Path(einstellung));

    QString sDateiname = db;
    const bool ok = ArchivWithPilot(sDateiname, [&](FrmArchiv& form) {
        ChooseView(form);
        auto* liste = Find<QListWidget>(form, "lstArchiv");
        QCOMPARE(liste->count(), 1);
        QVERIFY(liste->item(0)->text().startsWith(QFileInfo(archiv).fileName() +
                                                  QStringLiteral(" vom ")));
        QCOMPARE(liste->currentRow(), 0);
        // The description of the archive is shown.
        QVERIFY(Entries(Find<QListWidget>(form, "lstInhalt"))
                    .value(0)
                    .startsWith(QStringLiteral("Alle Daten älter als ")));
        QCOMPARE(Find<CaptionLabel>(form, "lblDatei_1")->Caption(),
                 QStringLiteral("Wählen Sie das gewünschte Archiv aus und klicken Sie auf "
                                "'Anzeigen'."));
        ClickButton(form, kWeiter);  // " &Anzeigen"
        QVERIFY(form.IsUnloaded());
    });
    QVERIFY(ok);
    QCOMPARE(sDateiname, archiv);
    QCOMPARE(env.Settings().GetSetting(kSettingArchivPfad), sOrdner);
    QVERIFY(env.ShownBoxes().isEmpty());
}

void WizardFlowTest::everyCallStartsWithoutTheLastResult() {
    WizardEnvironment env;
    const QString db = env.MakeDatabase(QStringLiteral("Bank.dat"));
    MakeArchive(env, db);
    QString sDateiname = db;
    QVERIFY(ArchivWithPilot(sDateiname, [&](FrmArchiv& form) {
        ChooseView(form);
        ClickButton(form, kWeiter);
    }));
    QVERIFY(Shared().bArchivOK);
    // The next call is cancelled: it returns false and leaves the text alone.
    QString zweiter = db;
    QVERIFY(!ArchivWithPilot(zweiter, [&](FrmArchiv& form) {
        QVERIFY(Shared().sArchivDatei.isEmpty() || !Shared().bArchivOK);
        ClickButton(form, QStringLiteral("cancel"));
    }));
    QCOMPARE(zweiter, db);
    // A start-up that fails returns false too, whatever came before.
    QString leer = env.MakeEmptyDatabase(QStringLiteral("Leer.dat"));
    const QString vorher = leer;
    QVERIFY(!ArchivWithPilot(leer, [](FrmArchiv&) {}));
    QCOMPARE(leer, vorher);
}

void WizardFlowTest::browsingListsTheArchivesOfAFolder() {
    WizardEnvironment env;
    const QString db = env.MakeDatabase(QStringLiteral("Bank.dat"));
    const QString archiv = MakeArchive(env, db);
    const QString andere = env.Path(QStringLiteral("Andere"));
    QDir().mkpath(andere + QStringLiteral("/ordner.aba"));  // a folder is no archive
    for (const char* name : {"b.aba", "a.aba", ".alt.aba"})
        QFile::copy(archiv, andere + QLatin1Char('/') + QString::fromLatin1(name));
    WriteFile(andere + QStringLiteral("/notiz.txt"), "x");
    const QString leer = env.Path(QStringLiteral("leer"));
    QDir().mkpath(leer);

    QString sDateiname = db;
    const bool ok = ArchivWithPilot(sDateiname, [&](FrmArchiv& form) {
        ChooseView(form);
        auto* liste = Find<QListWidget>(form, "lstArchiv");
        auto* knopf = Find<QPushButton>(form, "cmdDurchsuchen_1");
        // A folder without archives empties both lists.
        env.Dialogs().folders.push_back(leer);
        QTest::mouseClick(knopf, Qt::LeftButton);
        QCOMPARE(liste->count(), 0);
        QCOMPARE(Find<QListWidget>(form, "lstInhalt")->count(), 0);

        env.Dialogs().folders.push_back(andere);
        QTest::mouseClick(knopf, Qt::LeftButton);
        QCOMPARE(env.Dialogs().folderCalls.size(), size_t{2});
        QCOMPARE(env.Dialogs().folderCalls[0].sStart, env.ArchiveFolder().chopped(1));
        QCOMPARE(env.Dialogs().folderCalls[0].sZusatz, QStringLiteral("Pfad für Archiv"));
        QCOMPARE(Find<QLineEdit>(form, "txtDatei_1")->text(), andere + QLatin1Char('/'));
        const QStringList eintraege = Entries(liste);
        QCOMPARE(eintraege.size(), 3);
        QVERIFY(eintraege[0].startsWith(QStringLiteral(".alt.aba vom ")));
        QVERIFY(eintraege[1].startsWith(QStringLiteral("a.aba vom ")));
        QVERIFY(eintraege[2].startsWith(QStringLiteral("b.aba vom ")));

        // A cancelled browse changes nothing.
        QTest::mouseClick(knopf, Qt::LeftButton);
        QCOMPARE(Entries(liste), eintraege);
        QCOMPARE(Shared().sArchivPfad, andere + QLatin1Char('/'));

        // A dot-name is an archive like any other.
        liste->setCurrentRow(0);
        ClickButton(form, kWeiter);
    });
    QVERIFY(ok);
    QCOMPARE(sDateiname, andere + QStringLiteral("/.alt.aba"));
    QCOMPARE(env.Settings().GetSetting(kSettingArchivPfad), andere + QLatin1Char('/'));
}

void WizardFlowTest::unreadableArchiveInTheList() {
    WizardEnvironment env;
    const QString db = env.MakeDatabase(QStringLiteral("Bank.dat"));
    const QString archiv = MakeArchive(env, db);
    WriteFile(env.ArchiveFolder() + QStringLiteral("0-kaputt.aba"), QByteArray(4096, 'k'));
    QString sDateiname = db;
    ArchivWithPilot(sDateiname, [&](FrmArchiv& form) {
        // The load handler lists the folder and opens its first entry: the broken one.
        QCOMPARE(env.ShownBoxes(), QStringList{QStringLiteral(
                                       "Fehler|Fehler beim Öffnen der Datenbank. Eventuell ist "
                                       "es keine Tolva-Backup-Datei")});
        QCOMPARE(env.Boxes().Shown().front().lStil, 16L);
        ChooseView(form);
        auto* liste = Find<QListWidget>(form, "lstArchiv");
        auto* inhalt = Find<QListWidget>(form, "lstInhalt");
        QCOMPARE(liste->count(), 2);
        QCOMPARE(inhalt->count(), 0);
        liste->setCurrentRow(1);
        QVERIFY(inhalt->count() >= 1);
        liste->setCurrentRow(0);
        QCOMPARE(inhalt->count(), 0);
        QCOMPARE(env.Boxes().Shown().size(), size_t{2});
        // The chosen entry goes back, not the first one.
        liste->setCurrentRow(1);
        ClickButton(form, kWeiter);
    });
    QCOMPARE(sDateiname, archiv);
}

void WizardFlowTest::vanishedArchiveIsNotHandedBack() {
    WizardEnvironment env;
    const QString db = env.MakeDatabase(QStringLiteral("Bank.dat"));
    const QString archiv = MakeArchive(env, db);
    QString sDateiname = db;
    const bool ok = ArchivWithPilot(sDateiname, [&](FrmArchiv& form) {
        ChooseView(form);
        QVERIFY(QFile::remove(archiv));
        ClickButton(form, kWeiter);
        QVERIFY(!form.IsUnloaded());
        QCOMPARE(form.CurrentPage(), 6);
        QCOMPARE(env.ShownBoxes(),
                 QStringList{QStringLiteral("Archivierungs-Assistent|Die Datei ") + archiv +
                             QStringLiteral(" existiert nicht!\r\nBitte eine existierende Datei "
                                            "auswählen.")});
        // Nothing chosen at all: the path cannot be cut, the start's error exit reports it.
        Find<QListWidget>(form, "lstArchiv")->setCurrentRow(-1);
        ClickButton(form, kWeiter);
        QCOMPARE(env.Boxes().Shown().size(), size_t{2});
        QCOMPARE(env.Boxes().Shown().back().sTitel, QStringLiteral("Archiv:Fertig"));
        QVERIFY(!form.IsUnloaded());
    });
    QVERIFY(!ok);
    QCOMPARE(sDateiname, db);
}

void WizardFlowTest::folderWithoutArchivesDisablesNext() {
    WizardEnvironment env;
    QString sDateiname = env.MakeDatabase(QStringLiteral("Bank.dat"));
    ArchivWithPilot(sDateiname, [&](FrmArchiv& form) {
        ChooseView(form);
        auto* bar = Find<SuiButtons>(form, "suiButtons");
        QVERIFY(!bar->IsItemEnabled(kWeiter));
        QCOMPARE(Find<CaptionLabel>(form, "lblDatei_1")->Caption(),
                 QStringLiteral("Im gewählten Verzeichnis wurden keine Archiv-Dateien gefunden."));
        form.GoForward();  // a disabled "weiter" does nothing
        QCOMPARE(form.CurrentPage(), 6);
        QVERIFY(!form.IsUnloaded());
        QVERIFY(env.ShownBoxes().isEmpty());
    });
}

void WizardFlowTest::createSideBrowseSetsFileAndFolder() {
    WizardEnvironment env;
    QString sDateiname = env.MakeDatabase(QStringLiteral("Bank.dat"));
    ArchivWithPilot(sDateiname, [&](FrmArchiv& form) {
        GoToPage(form, 4);
        auto* datei = Find<QLineEdit>(form, "txtDatei_0");
        auto* knopf = Find<QPushButton>(form, "cmdDurchsuchen_0");
        datei->setText(QStringLiteral("/x/y//"));
        QTest::mouseClick(knopf, Qt::LeftButton);  // cancelled
        QCOMPARE(env.Dialogs().fileCalls.size(), size_t{1});
        QCOMPARE(env.Dialogs().fileCalls[0].sStart, QStringLiteral("/x/y"));
        QCOMPARE(env.Dialogs().fileCalls[0].sZusatz, QStringLiteral(".aba"));
        QCOMPARE(env.Dialogs().fileCalls[0].sOrdner, env.ArchiveFolder());
        QCOMPARE(datei->text(), QStringLiteral("/x/y//"));
        QCOMPARE(Shared().sArchivDatei, QStringLiteral("/x/y"));

        const QString gewaehlt = env.Path(QStringLiteral("Ziel/neu.aba"));
        env.Dialogs().files.push_back(gewaehlt);
        QTest::mouseClick(knopf, Qt::LeftButton);
        QCOMPARE(datei->text(), gewaehlt);
        QCOMPARE(Shared().sArchivPfad, env.Path(QStringLiteral("Ziel/")));
    });
}

// The user looks at the plan, goes back to page 2, moves the cut-off and unticks an account:
// the plan shown then is what the run archives, and the run takes the new date and ticks.
void WizardFlowTest::thePlanFollowsWhatPageTwoChangedAfterwards() {
    WizardEnvironment env;
    const QString db = env.MakeDatabase(QStringLiteral("Bank.dat"), 4, 2);
    // Every account has the same name: the grid and the plan still tell them apart.
    RawDatabase(db).Exec(QStringLiteral(
        "UPDATE Konten SET KontoName = (SELECT KontoName FROM Konten ORDER BY id LIMIT 1)"));
    const auto verschieden = [](const QStringList& texte) {
        return QSet<QString>(texte.begin(), texte.end()).size() == texte.size();
    };
    QString sDateiname = db;
    QString archiv;
    QStringList plan;
    QStringList aKontoZeilen;
    qint64 lAusgelassen = 0;
    const bool ok = ArchivWithPilot(sDateiname, [&](FrmArchiv& form) {
        GoToPage(form, 2);
        auto* konten = Find<KontenGrid>(form, "grdKonten");
        QStringList gezeigt;
        for (int r = 0; r < konten->Rows(); ++r) gezeigt << konten->ShownText(r, 0);
        QVERIFY2(verschieden(gezeigt), qPrintable(gezeigt.join(QLatin1Char('|'))));
        GoToPage(form, 5);
        while (form.CurrentPage() > 2) ClickButton(form, QStringLiteral("zurück"));
        QCOMPARE(form.CurrentPage(), 2);
        Find<QDateEdit>(form, "dtVon")->setDate(QDate(2025, 3, 1));
        auto* grid = Find<KontenGrid>(form, "grdKonten");
        grid->SetCellChecked(1, 0, KontenGrid::flexUnchecked);
        lAusgelassen = grid->RowData(1).toLongLong();
        GoToPage(form, 5);
        auto* tre = Find<QTreeWidget>(form, "trePlan");
        const QTreeWidgetItem* summe = tre->topLevelItem(tre->topLevelItemCount() - 1);
        for (int i = 1; i <= 5; ++i) plan << summe->text(i);
        for (QTreeWidgetItemIterator it(tre); *it; ++it)
            if ((*it)->parent()) aKontoZeilen << (*it)->text(0);
        archiv = Find<QLineEdit>(form, "txtDatei_0")->text();
        ClickButton(form, kWeiter);  // " Starten"
    });
    QVERIFY(!ok);
    QVERIFY(lAusgelassen > 0);
    QVERIFY2(aKontoZeilen.size() > 1 && verschieden(aKontoZeilen),
             qPrintable(aKontoZeilen.join(QLatin1Char('|'))));
    RawDatabase a(archiv);
    const auto n = [&](const char* sTabelle) {
        return QLocale(QLocale::German)
            .toString(a.Number(QStringLiteral("SELECT count(*) FROM \"%1\"").arg(sTabelle)));
    };
    QCOMPARE(plan, (QStringList{n("Umsätze"), n("UmsZusatz"), n("OffeneUmsätze"), n("Aufträge"),
                                n("SammelAufträge") + QStringLiteral(" (") + n("SammelEinzel") +
                                    QLatin1Char(')')}));
    QVERIFY(a.Number(QStringLiteral("SELECT count(*) FROM Umsätze")) > 0);
    QCOMPARE(a.Number(QStringLiteral("SELECT count(*) FROM Umsätze WHERE Buchungsdatum >= "
                                     "'2025-03-01' OR KontoID = %1")
                          .arg(lAusgelassen)),
             qint64{0});
}

QTEST_MAIN(WizardFlowTest)
#include "WizardFlowTest.moc"
