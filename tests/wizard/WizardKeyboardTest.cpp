// The wizard driven by the keyboard alone: where the focus goes, what Return and Alt+letter do.
#include "WizardFixture.h"

#include "wizard/FrmArchiv.h"
#include "wizard/SuiTabs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QRadioButton>
#include <QTest>

using namespace tolva;
using namespace tolva::test;

namespace {

QString FocusName() {
    QWidget* w = QApplication::focusWidget();
    return w ? w->objectName() : QStringLiteral("(keiner)");
}

// One key pressed on the focused control, and what must follow: the page and the focus.
struct Step {
    const char* sTaste;
    Qt::Key taste;
    Qt::KeyboardModifiers mod;
    int lSeite;
    const char* sFokus;
};

// The mnemonic letters on the window as it is shown: buttons, labels with a buddy, the tab
// strip's shown tabs. Returns "letter: captions" for every letter taken twice.
QStringList SharedMnemonics(FrmArchiv& form) {
    QMap<QString, QStringList> nach;
    const auto zaehle = [&](const QString& sText) {
        const QString sBuchstabe = QKeySequence::mnemonic(sText).toString();
        if (!sBuchstabe.isEmpty()) nach[sBuchstabe] << sText;
    };
    for (QWidget* w : form.findChildren<QWidget*>()) {
        if (!w->isVisible()) continue;
        if (auto* knopf = qobject_cast<QAbstractButton*>(w)) zaehle(knopf->text());
        if (auto* label = qobject_cast<QLabel*>(w); label && label->buddy()) zaehle(label->text());
    }
    auto* tabs = Find<SuiTabs>(form, "suiTabs");
    for (int n = 1; n <= tabs->ItemCount(); ++n)
        if (tabs->IsShown(n)) zaehle(tabs->ItemCaption(n));
    QStringList doppelt;
    for (auto it = nach.cbegin(); it != nach.cend(); ++it)
        if (it.value().size() > 1)
            doppelt << it.key() + QStringLiteral(": ") + it.value().join('|');
    return doppelt;
}

}  // namespace

class WizardKeyboardTest : public QObject {
    Q_OBJECT
  private slots:
    void keysAloneWalkTheCreateJobAndReturnNeverGoesBack();
    void noTwoControlsOfAPageShareAMnemonic();
};

void WizardKeyboardTest::keysAloneWalkTheCreateJobAndReturnNeverGoesBack() {
    WizardEnvironment env;
    auto form = OpenWizard(env.MakeDatabase(QStringLiteral("Bank.dat")));
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QCOMPARE(FocusName(), QStringLiteral("optDaten_0"));
    const QString sArchiv = Find<QLineEdit>(*form, "txtDatei_0")->text();

    const Qt::KeyboardModifiers ohne = Qt::NoModifier;
    const Step weg[] = {
        {"Down", Qt::Key_Down, ohne, 1, "optDaten_1"},
        {"Up", Qt::Key_Up, ohne, 1, "optDaten_0"},
        {"Return", Qt::Key_Return, ohne, 2, "grdKonten"},
        {"Down", Qt::Key_Down, ohne, 2, "grdKonten"},
        {"Tab", Qt::Key_Tab, ohne, 2, "dtVon"},
        {"Tab", Qt::Key_Tab, ohne, 2, "dtVon"},
        {"Tab", Qt::Key_Tab, ohne, 2, "dtVon"},
        {"Tab", Qt::Key_Tab, ohne, 2, "chkEntfern"},
        {"Tab", Qt::Key_Tab, ohne, 2, "chkSichern"},
        {"Tab", Qt::Key_Tab, ohne, 2, "cmdSicherung"},
        {"Tab", Qt::Key_Tab, ohne, 2, "zurück"},
        {"Enter", Qt::Key_Enter, Qt::KeypadModifier, 3, "optPasswort_1"},
        {"Alt+Z", Qt::Key_Z, Qt::AltModifier, 2, "grdKonten"},
        {"Return", Qt::Key_Return, ohne, 3, "optPasswort_1"},
        {"Alt+W", Qt::Key_W, Qt::AltModifier, 4, "txtDatei_0"},
        {"Tab", Qt::Key_Tab, ohne, 4, "cmdDurchsuchen_0"},
        {"Return", Qt::Key_Return, ohne, 5, "trePlan"},
        {"Return", Qt::Key_Return, ohne, 5, "trePlan"},
        {"Alt+W", Qt::Key_W, Qt::AltModifier, 5, "trePlan"},
        {"Tab", Qt::Key_Tab, ohne, 5, "zurück"},
        {"Return", Qt::Key_Return, ohne, 5, "zurück"},
        {"Tab", Qt::Key_Tab, ohne, 5, "weiter"},
        {"Return", Qt::Key_Return, ohne, 5, "weiter"},
        {"Enter", Qt::Key_Enter, Qt::KeypadModifier, 5, "weiter"},
    };
    for (const Step& s : weg) {
        QWidget* ziel = QApplication::focusWidget();
        QVERIFY(ziel);
        QTest::keyClick(ziel, s.taste, s.mod);
        // Alt+letter clicks its button after a moment; a second move would follow as late.
        QTRY_COMPARE(form->CurrentPage(), s.lSeite);
        if (s.mod & Qt::AltModifier) QTest::qWait(200);
        qInfo("%-6s -> page %d, focus %s", s.sTaste, form->CurrentPage(), qPrintable(FocusName()));
        QCOMPARE(form->CurrentPage(), s.lSeite);
        QCOMPARE(FocusName(), QString::fromUtf8(s.sFokus));
    }
    QVERIFY(env.Dialogs().fileCalls.empty());  // Return on "Durchsuchen" went forward instead
    QVERIFY(QDir(env.ArchiveFolder()).entryList(QDir::Files).isEmpty());

    // Space on the focused "Starten" runs the job to its end.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    qInfo("Space  -> run, window closed: %s", form->IsUnloaded() ? "yes" : "no");
    QVERIFY(form->IsUnloaded());
    QCOMPARE(env.ShownBoxes(),
             QStringList{
                 QStringLiteral("Archivierung beendet|Die Daten wurden erfolgreich archiviert.")});
    QVERIFY(QFileInfo(sArchiv).isFile());
}

void WizardKeyboardTest::noTwoControlsOfAPageShareAMnemonic() {
    WizardEnvironment env;
    const QString db = env.MakeDatabase(QStringLiteral("Bank.dat"));
    auto form = OpenWizard(db);
    for (int p = 1; p <= 5; ++p) {
        if (p > 1) ClickButton(*form, QStringLiteral("weiter"));
        QCOMPARE(form->CurrentPage(), p);
        QVERIFY2(SharedMnemonics(*form).isEmpty(), qPrintable(SharedMnemonics(*form).join('\n')));
    }
    form = OpenWizard(db);
    Find<QRadioButton>(*form, "optDaten_1")->click();
    QVERIFY2(SharedMnemonics(*form).isEmpty(), qPrintable(SharedMnemonics(*form).join('\n')));
    ClickButton(*form, QStringLiteral("weiter"));
    QCOMPARE(form->CurrentPage(), 6);
    QVERIFY2(SharedMnemonics(*form).isEmpty(), qPrintable(SharedMnemonics(*form).join('\n')));
}

QTEST_MAIN(WizardKeyboardTest)
#include "WizardKeyboardTest.moc"
