// The window layout at three screen resolutions: where its parts lie, and that no text is cut
// and no control covers another. The suite runs once per resolution, and once in English with
// TOLVA_TEST_LANG=en, where no text may be left German either (see CMakeLists.txt).
#include "TranslationFile.h"
#include "WindowTexts.h"
#include "WizardFixture.h"

#include "skin/FocusLabel.h"
#include "skin/ModBackground.h"
#include "skin/SkinImage.h"
#include "skin/SkinLine.h"
#include "skin/Twips.h"
#include "state/SharedState.h"
#include "text/Language.h"
#include "wizard/FrmArchiv.h"
#include "wizard/KontenGrid.h"
#include "wizard/SuiButtons.h"
#include "wizard/SuiTabs.h"

#include <QAbstractButton>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTest>

#include <cmath>
#include <memory>

using namespace tolva;
using namespace tolva::test;

namespace {

QString Plain(QString text) {
    return text.remove(QLatin1Char('&'));
}

// Every control of a page with its visible text: cut text is reported as "name: why".
QStringList ClippedTexts(QWidget* page) {
    QStringList fehler;
    for (QWidget* w : page->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(page) || w->objectName().isEmpty() ||
            w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        const QString name = w->objectName();
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->text().isEmpty()) continue;
            if (label->wordWrap()) {
                if (label->heightForWidth(label->width()) > label->height())
                    fehler << name + QStringLiteral(": wrapped text taller than the label");
            } else if (label->sizeHint().width() > label->width()) {
                fehler << name + QStringLiteral(": text wider than the label");
            }
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            if (button->minimumSizeHint().width() > button->width() ||
                button->fontMetrics().horizontalAdvance(Plain(button->text())) > button->width())
                fehler << name + QStringLiteral(": caption wider than the button");
            if (button->fontMetrics().height() > button->height())
                fehler << name + QStringLiteral(": caption taller than the button");
        } else if (auto* grid = qobject_cast<KontenGrid*>(w)) {
            const int lBox = grid->style()->pixelMetric(QStyle::PM_IndicatorWidth);
            for (int r = 0; r < grid->Rows(); ++r) {
                const QString sText = grid->ShownText(r, 0);
                if (lBox + grid->fontMetrics().horizontalAdvance(sText) >= grid->columnWidth(0))
                    fehler << name + QStringLiteral(": account wider than its column: ") + sText;
                if (grid->fontMetrics().height() > grid->rowHeight(r))
                    fehler << name + QStringLiteral(": row lower than its text: ") + sText;
            }
        } else if (auto* datum = qobject_cast<QDateEdit*>(w)) {
            if (datum->sizeHint().width() > datum->width())
                fehler << name + QStringLiteral(": date wider than the field");
        }
    }
    return fehler;
}

// Controls of a page that lie on one another or reach outside the page.
QStringList Overlaps(QWidget* page) {
    QStringList fehler;
    QList<QWidget*> controls;
    for (QWidget* w : page->findChildren<QWidget*>()) {
        const QString name = w->objectName();
        if (!w->isVisibleTo(page) || name.isEmpty() || name.startsWith(QLatin1String("qt_")) ||
            name.startsWith(QLatin1String("pic")))
            continue;
        controls << w;
    }
    for (QWidget* w : controls) {
        const QRect r(w->mapTo(page, QPoint(0, 0)), w->size());
        if (!page->rect().contains(r)) fehler << w->objectName() + QStringLiteral(" outside");
        for (QWidget* v : controls) {
            if (v == w || w->isAncestorOf(v) || v->isAncestorOf(w) ||
                w->objectName() > v->objectName())
                continue;
            const QRect s(v->mapTo(page, QPoint(0, 0)), v->size());
            if (r.intersects(s))
                fehler << w->objectName() + QStringLiteral(" on ") + v->objectName();
        }
    }
    return fehler;
}

void CheckPage(FrmArchiv& form, int p) {
    auto* page = form.findChild<QWidget*>(QStringLiteral("pictab_%1").arg(p));
    QVERIFY(page && page->isVisible());
    QCoreApplication::processEvents();  // layouts of the page just shown
    if (CurrentLanguage() == Sprache::Englisch) {
        static const TranslationFile ts = TranslationFile::English();
        QStringList deutsch;
        for (const QString& sText : VisibleTexts(&form))
            if (ts.IsUntranslatedGerman(sText)) deutsch << sText;
        QVERIFY2(deutsch.isEmpty(), qPrintable(deutsch.join(QStringLiteral("; "))));
    }
    const QStringList cut = ClippedTexts(page);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
    const QStringList lying = Overlaps(page);
    QVERIFY2(lying.isEmpty(), qPrintable(lying.join(QStringLiteral("; "))));

    // The tab strip's captions and the focus label fit their tabs.
    auto* tabs = Find<SuiTabs>(form, "suiTabs");
    const QFontMetrics fm(tabs->font());
    for (int n = 1; n <= tabs->ItemCount(); ++n) {
        if (!tabs->IsShown(n)) continue;
        const QRect r = tabs->ItemRect(n);
        QVERIFY2(fm.height() <= r.height(), qPrintable(tabs->ItemCaption(n)));
        QVERIFY2(
            ToPixels(&form, 265 * dSkalierung()) + fm.horizontalAdvance(tabs->ItemCaption(n)) <=
                r.width(),
            qPrintable(tabs->ItemCaption(n)));
    }
    auto* label = Find<FocusLabel>(form, "lblFocus");
    QVERIFY(QFontMetrics(label->font()).horizontalAdvance(label->Caption()) <= label->width());
    // The button bar's captions.
    auto* bar = Find<SuiButtons>(form, "suiButtons");
    for (int n = 1; n <= bar->ItemCount(); ++n) {
        QPushButton* b = bar->Button(bar->Key(n));
        QVERIFY2(b->fontMetrics().horizontalAdvance(Plain(b->text())) + ToPixels(&form, 150) <=
                     b->width(),
                 qPrintable(b->text()));
    }
}

}  // namespace

class WizardSkinTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void windowPartsLieWhereTheUserExpectsThem();
    void noTextIsCutOnAnyPage();
    void missingPictureLeavesTheLaterOnesEmpty();

  private:
    std::unique_ptr<ScopedLanguage> sprache_;
};

void WizardSkinTest::initTestCase() {
    if (qgetenv("TOLVA_TEST_LANG") == "en") {
        sprache_ = std::make_unique<ScopedLanguage>(Sprache::Englisch);
        QVERIFY(sprache_->ok());
    }
}

void WizardSkinTest::windowPartsLieWhereTheUserExpectsThem() {
    WizardEnvironment env;
    auto form = OpenWizard(env.MakeDatabase(QStringLiteral("Bank.dat")));
    QVERIFY(!form->IsUnloaded());
    const double tpp = TwipsPerPixel(form.get());
    const QByteArray erwartet = qgetenv("TOLVA_EXPECT_TWIPS_PER_PIXEL");
    if (!erwartet.isEmpty()) QCOMPARE(tpp, erwartet.toDouble());
    QCOMPARE(Width(form.get()), 10800.0);
    QCOMPARE(Height(form.get()), 7590.0);
    QCOMPARE(form->width(), qRound(10800 / tpp));

    // The tabs lie one below the other in the strip, left of the frame.
    auto* tabs = Find<SuiTabs>(*form, "suiTabs");
    auto* frame = Find<QWidget>(*form, "picFrame");
    QVERIFY(Left(tabs) > 0 && Top(tabs) > 0);
    for (int n = 1; n <= 5; ++n) {
        QVERIFY(Left(tabs) + tabs->ItemWidth(n) < Left(frame));
        if (n > 1) QCOMPARE(tabs->ItemTop(n), tabs->ItemTop(n - 1) + tabs->ItemHeight(n - 1));
    }
    QVERIFY(tabs->ItemTop(5) + tabs->ItemHeight(5) <= Height(tabs));
    // The focus marker lies over the first tab: the picture covers it, the label's middle is
    // inside it.
    const double tabOben = Top(tabs) + tabs->ItemTop(1);
    const double tabUnten = tabOben + tabs->ItemHeight(1);
    auto* picture = Find<QWidget>(*form, "imFocus");
    QVERIFY(Top(picture) <= tabOben && Top(picture) + Height(picture) >= tabUnten);
    auto* label = Find<QWidget>(*form, "lblFocus");
    const double labelMitte = Top(label) + Height(label) / 2;
    QVERIFY(labelMitte > tabOben && labelMitte < tabUnten);
    QVERIFY(Left(label) > Left(tabs) && Left(label) < Left(tabs) + tabs->ItemWidth(1));
    // The frame inside the window; in the frame the button bar at the bottom right, the line
    // above it, and the pages above the line.
    QVERIFY(Left(frame) + Width(frame) < 10800 && Top(frame) > 0);
    QVERIFY(Top(frame) + Height(frame) < 7590);
    auto* bar = Find<QWidget>(*form, "suiButtons");
    QVERIFY(Left(bar) > 0 && Left(bar) + Width(bar) < Width(frame));
    QVERIFY(Left(bar) + Width(bar) / 2 > Width(frame) / 2);
    QVERIFY(Top(bar) > Height(frame) / 2 && Top(bar) + Height(bar) < Height(frame));
    auto* line = Find<SkinLine>(*form, "Line1");
    QVERIFY(line->X1() > 0 && line->X2() < Width(frame));
    QVERIFY(line->Y1() < Top(bar));
    for (int n = 1; n <= 6; ++n) {
        auto* panel = form->findChild<QWidget*>(QStringLiteral("pictab_%1").arg(n));
        QVERIFY(Left(panel) > Left(frame) &&
                Left(panel) + Width(panel) < Left(frame) + Width(frame));
        QVERIFY(Top(panel) > Top(frame) && Top(panel) + Height(panel) < Top(frame) + line->Y1());
    }
    // Pictures below the windowed controls, the frame behind the pages.
    const QObjectList order = form->children();
    QVERIFY(order.indexOf(Find<QWidget>(*form, "imBackground")) < order.indexOf(frame));
    QVERIFY(order.indexOf(picture) < order.indexOf(tabs));
    QVERIFY(order.indexOf(frame) < order.indexOf(form->findChild<QWidget*>("pictab_1")));
}

void WizardSkinTest::noTextIsCutOnAnyPage() {
    WizardEnvironment env;
    auto form = OpenWizard(env.MakeDatabase(QStringLiteral("Haushaltsbuch.dat"), 6, 3));
    CheckPage(*form, 1);
    for (int p = 2; p <= 5; ++p) {
        ClickButton(*form, QStringLiteral("weiter"));
        QCOMPARE(form->CurrentPage(), p);
        if (p == 3) {
            Find<QRadioButton>(*form, "optPasswort_2")->click();
            Find<QLineEdit>(*form, "txtPasswort_0")->setText(QStringLiteral("Sommer2026"));
            Find<QLineEdit>(*form, "txtPasswort_1")->setText(QStringLiteral("Sommer2026"));
        }
        CheckPage(*form, p);
    }
    // Page 5 while a run shows its list and bar.
    form->SetProgressListVisible(true);
    form->SetProgressVisible(true);
    form->AddProgressLine(
        QStringLiteral("1716 Umsätze des Kontos Haushaltskonto Heike archiviert"));
    form->SetProgress(form->ProgressFrameWidth() / 2);
    CheckPage(*form, 5);
    QVERIFY(std::abs(Find<QWidget>(*form, "ProgressBar")->width() * 2 -
                     Find<QWidget>(*form, "fraProgress")->width()) <= 2);
    ClickTab(*form, 1);
    Find<QRadioButton>(*form, "optDaten_1")->click();
    ClickButton(*form, QStringLiteral("weiter"));
    QCOMPARE(form->CurrentPage(), 6);
    CheckPage(*form, 6);
}

void WizardSkinTest::missingPictureLeavesTheLaterOnesEmpty() {
    WizardEnvironment env;
    env.Settings().SetSetting(kSettingBildTabs, env.Path(QStringLiteral("fehlt.png")));
    auto form = OpenWizard(env.MakeDatabase(QStringLiteral("Bank.dat")));
    QVERIFY(!form->IsUnloaded());  // the layout reports nothing
    QVERIFY(env.ShownBoxes().isEmpty());
    QVERIFY(!Find<SkinImage>(*form, "imBackground")->Picture().isNull());
    QVERIFY(Find<SkinImage>(*form, "imButtons")->Picture().isNull());
    QVERIFY(Find<SkinImage>(*form, "imFocus")->Picture().isNull());
    // The frame was still placed after the failed picture.
    auto* tabs = Find<SuiTabs>(*form, "suiTabs");
    QVERIFY(Left(Find<QWidget>(*form, "picFrame")) > Left(tabs) + tabs->ItemWidth(1));
}

QTEST_MAIN(WizardSkinTest)
#include "WizardSkinTest.moc"
