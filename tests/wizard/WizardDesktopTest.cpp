// The wizard as a desktop program: Qt's own German, the keyboard, screen readers, any theme.
#include "WizardFixture.h"

#include "hostlib/MessageBox.h"
#include "hostlib/widgets/QtMessageBoxPresenter.h"
#include "state/SharedState.h"
#include "text/Language.h"
#include "widgets/FileDialogs.h"
#include "wizard/FrmArchiv.h"
#include "wizard/KontenGrid.h"
#include "wizard/SuiTabs.h"

#include <QAccessible>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextStream>
#include <QTimer>

using namespace tolva;
using namespace tolva::test;

namespace {

// Brings a freshly opened window to page n the way a person would: "weiter" through the create
// pages, or the view job for page 6.
void GoToPage(FrmArchiv& form, int n) {
    if (n == 6) {
        Find<QRadioButton>(form, "optDaten_1")->click();
        ClickButton(form, QStringLiteral("weiter"));
    }
    while (n < 6 && form.CurrentPage() < n) ClickButton(form, QStringLiteral("weiter"));
    QCoreApplication::processEvents();
    QCOMPARE(form.CurrentPage(), n);
}

QString Announced(QWidget* w) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(QAccessible::Name) : QString();
}

// A dark theme as desktops have it.
QPalette DarkPalette() {
    QPalette p;
    const QColor fenster(0x2b, 0x2b, 0x2b), feld(0x1e, 0x1e, 0x1e), text(0xee, 0xee, 0xee);
    for (int r = 0; r < QPalette::NColorRoles; ++r)
        p.setColor(static_cast<QPalette::ColorRole>(r), fenster);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::Base, feld);
    p.setColor(QPalette::AlternateBase, QColor(0x35, 0x35, 0x35));
    p.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    return p;
}

}  // namespace

class WizardDesktopTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { QApplication::setCursorFlashTime(0); }
    void screenReadersHearEveryControlAndTheCurrentStep();
    void spaceTicksTheFocusedAccountInAnyColumn();
    void pagesLookTheSameUnderADarkTheme();
    void qtOwnTextsAreGermanForTheLengthOfACall();
};

void WizardDesktopTest::screenReadersHearEveryControlAndTheCurrentStep() {
    WizardEnvironment env;
    const QString db = env.MakeDatabase(QStringLiteral("Bank.dat"));
    QTextStream out(stdout);
    for (int n = 1; n <= 6; ++n) {
        auto form = OpenWizard(db);
        GoToPage(*form, n);
        out << "page " << n << ":";
        for (QWidget* w : form->findChildren<QWidget*>()) {
            if (!w->isVisible() || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus)) continue;
            // A control's inner field (the date's text) is announced as the control.
            if (w->focusProxy()) continue;
            const QString name = Announced(w);
            QVERIFY2(!name.isEmpty(), qPrintable(w->objectName()));
            out << " [" << QAccessible::queryAccessibleInterface(w)->role() << "] " << name << ";";
        }
        // The step strip: the job's steps as page tabs, the current one selected and named.
        auto* tabs = Find<SuiTabs>(*form, "suiTabs");
        QAccessibleInterface* strip = QAccessible::queryAccessibleInterface(tabs);
        QCOMPARE(strip->role(), QAccessible::PageTabList);
        const int lSchritte = n == 6 ? 2 : 5;
        QCOMPARE(strip->childCount(), lSchritte);
        int lGewaehlt = 0;
        for (int i = 0; i < strip->childCount(); ++i) {
            QAccessibleInterface* tab = strip->child(i);
            QCOMPARE(tab->role(), QAccessible::PageTab);
            QCOMPARE(strip->indexOfChild(tab), i);
            if (tab->state().selected) {
                ++lGewaehlt;
                QCOMPARE(tab->text(QAccessible::Name), tabs->ItemCaption(n));
            }
        }
        QCOMPARE(lGewaehlt, 1);
        const QString sSchritt = strip->text(QAccessible::Description);
        QVERIFY2(sSchritt.endsWith(tabs->ItemCaption(n)) &&
                     sSchritt.contains(QStringLiteral(" von %1: ").arg(lSchritte)),
                 qPrintable(sSchritt));
        out << " steps: " << sSchritt << '\n';
        if (n == 2) {
            QAccessibleTableInterface* tabelle =
                QAccessible::queryAccessibleInterface(Find<KontenGrid>(*form, "grdKonten"))
                    ->tableInterface();
            QVERIFY(tabelle);
            QCOMPARE(tabelle->columnDescription(0), QStringLiteral("Konto"));
            QCOMPARE(tabelle->columnDescription(1), QStringLiteral("Bank"));
        }
    }
}

void WizardDesktopTest::spaceTicksTheFocusedAccountInAnyColumn() {
    WizardEnvironment env;
    auto form = OpenWizard(env.MakeDatabase(QStringLiteral("Bank.dat")));
    GoToPage(*form, 2);
    auto* grid = Find<KontenGrid>(*form, "grdKonten");
    QCOMPARE(grid->CellChecked(2, 0), KontenGrid::flexChecked);
    for (int lSpalte : {1, 0}) {
        grid->setCurrentCell(2, lSpalte);
        QTest::keyClick(grid, Qt::Key_Space);
        QCOMPARE(grid->CellChecked(2, 0),
                 lSpalte == 1 ? KontenGrid::flexUnchecked : KontenGrid::flexChecked);
        // Reported as the user's own change: the first row's "all" box went off with it.
        QCOMPARE(grid->CellChecked(0, 0), KontenGrid::flexUnchecked);
    }
}

void WizardDesktopTest::pagesLookTheSameUnderADarkTheme() {
    WizardEnvironment env;
    const QString db = env.MakeDatabase(QStringLiteral("Bank.dat"));
    const QPalette hell = QApplication::palette();
    for (int n = 1; n <= 6; ++n) {
        QImage bilder[2];
        for (int i = 0; i < 2; ++i) {
            QApplication::setPalette(i == 0 ? hell : DarkPalette());
            auto form = OpenWizard(db);
            GoToPage(*form, n);
            bilder[i] = form->grab().toImage();
        }
        QApplication::setPalette(hell);
        if (bilder[0] != bilder[1]) {
            const QString stamm = QDir::temp().filePath(QStringLiteral("tolva-seite-%1").arg(n));
            bilder[0].save(stamm + QStringLiteral("-hell.png"));
            bilder[1].save(stamm + QStringLiteral("-dunkel.png"));
            QFAIL(qPrintable(QStringLiteral("page %1 differs: %2-*.png").arg(n).arg(stamm)));
        }
    }
}

void WizardDesktopTest::qtOwnTextsAreGermanForTheLengthOfACall() {
    QVERIFY(!QtTextsTranslated());
    WizardEnvironment env;
    QString sDatei = env.MakeDatabase(QStringLiteral("Bank.dat"));
    QStringList knoepfe, filter;
    QString sStandard, sAbbrechen;
    long lAntwort = 0;
    ArchivWithPilot(sDatei, [&](FrmArchiv&) {
        // A yes/no box with the second button as default, answered with its default.
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            for (QAbstractButton* b : box->buttons()) knoepfe << b->text();
            sStandard = box->defaultButton() ? box->defaultButton()->text() : QString();
            box->defaultButton()->click();
        });
        lAntwort = QtMessageBoxPresenter().Show(QStringLiteral("Frage?"), 4 + 32 + 256,
                                                QStringLiteral("Titel"));
        // Qt's file dialog, as the wizard's "Durchsuchen" opens it.
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            filter = dialog->nameFilters();
            if (auto* leiste = dialog->findChild<QDialogButtonBox*>())
                sAbbrechen = leiste->button(QDialogButtonBox::Cancel)->text();
            dialog->reject();
        });
        QtFileDialogs().ChooseFile(nullptr, QStringLiteral("alt.aba"), QStringLiteral(".aba"),
                                   env.ArchiveFolder());
    });
    knoepfe.sort();
    QCOMPARE(knoepfe, (QStringList{QStringLiteral("&Ja"), QStringLiteral("&Nein")}));
    QCOMPARE(sStandard, QStringLiteral("&Nein"));
    QCOMPARE(lAntwort, vbNo);
    QCOMPARE(filter, QStringList{QStringLiteral("Archive (*.aba)")});
    QCOMPARE(sAbbrechen, QStringLiteral("Abbrechen"));
    // The host's process has no translator of ours once the call is over.
    QVERIFY(!QtTextsTranslated());
}

QTEST_MAIN(WizardDesktopTest)
#include "WizardDesktopTest.moc"
