// The window layout: its numbers at three screen resolutions, and a window on which no text is
// cut and no control covers another. The suite runs once per resolution (see CMakeLists.txt).
#include "WizardFixture.h"

#include "component/SharedState.h"
#include "skin/FocusLabel.h"
#include "skin/ModBackground.h"
#include "skin/SkinGeometry.h"
#include "skin/SkinImage.h"
#include "skin/SkinLine.h"
#include "skin/Twips.h"
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

using namespace tolva;
using namespace tolva::test;

namespace {

bool Near(double a, double b) {
    return std::abs(a - b) < 1e-6;
}

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
    void scaleFactorRoundsTwipsPerPixel();
    void bandsIncludeTheirLimits();
    void layoutNumbers_data();
    void layoutNumbers();
    void windowAndFrameSizes();
    void tabBackgroundOverflowIsRefused();
    void windowFollowsTheComputedLayout();
    void noTextIsCutOnAnyPage();
    void missingPictureLeavesTheLaterOnesEmpty();
};

void WizardSkinTest::scaleFactorRoundsTwipsPerPixel() {
    QCOMPARE(ScaleFactorFor(15), 1.0);
    QCOMPARE(ScaleFactorFor(12), 0.8);
    QVERIFY(Near(ScaleFactorFor(10), 2.0 / 3.0));
    QCOMPARE(ScaleFactorFor(12.5), 0.8);  // halves go to the even neighbour
    QVERIFY(Near(ScaleFactorFor(13.5), 14.0 / 15.0));
    QVERIFY(Near(ScaleFactorFor(1440.0 / 110), 13.0 / 15.0));
}

void WizardSkinTest::bandsIncludeTheirLimits() {
    QCOMPARE(BandOf(0.7), ScaleBand::Middle);
    QCOMPARE(BandOf(0.9), ScaleBand::Middle);
    QCOMPARE(BandOf(0.6999), ScaleBand::Small);
    QCOMPARE(BandOf(0.9001), ScaleBand::Large);
    QCOMPARE(FrameGap(0.7), 65L);
    QCOMPARE(LabelOffset(0.9), 250L);
}

void WizardSkinTest::layoutNumbers_data() {
    QTest::addColumn<double>("tpp");
    QTest::addColumn<double>("tabsLeft");
    QTest::addColumn<double>("tabsTop");
    QTest::addColumn<double>("tabHeight");
    QTest::addColumn<double>("focusLeft");
    QTest::addColumn<double>("focusHeight");
    QTest::addColumn<double>("labelLeft");
    QTest::addColumn<long>("frameLeft");
    QTest::addColumn<double>("labelBelowTab");  // label top - tab top (y)
    QTest::addColumn<double>("pictureBelowTab");
    QTest::newRow("15 twips per pixel")
        << 15.0 << 115.0 << 230.0 << 450.0 << 120.0 << 480.0 << 380.0 << 2580L << 330.0 << 215.0;
    QTest::newRow("12 twips per pixel")
        << 12.0 << 92.0 << 184.0 << 360.0 << 96.0 << 390.0 << 304.0 << 2555L << 200.0 << 172.0;
    QTest::newRow("10 twips per pixel")
        << 10.0 << 115.0 * 2 / 3 << 230.0 * 2 / 3 << 300.0 << 80.0 << 330.0 << 380.0 * 2 / 3
        << 2515L << 200.0 * 2 / 3 << 215.0 * 2 / 3;
}

void WizardSkinTest::layoutNumbers() {
    QFETCH(double, tpp);
    SkinInput in;
    in.twipsPerPixel = tpp;
    in.lBreite = 10800;
    in.tabStripHeight = 2900;
    in.buttonBarWidth = 4560;
    in.buttonBarHeight = 480;
    const SkinLayout l = ComputeSkinLayout(in);
    QFETCH(double, tabsLeft);
    QFETCH(double, tabsTop);
    QFETCH(double, tabHeight);
    QFETCH(double, focusLeft);
    QFETCH(double, focusHeight);
    QFETCH(double, labelLeft);
    QFETCH(long, frameLeft);
    QFETCH(double, labelBelowTab);
    QFETCH(double, pictureBelowTab);
    QVERIFY(Near(l.tabsLeft, tabsLeft));
    QVERIFY(Near(l.tabsTop, tabsTop));
    QCOMPARE(l.tabsWidth, 2490.0);  // not scaled
    QVERIFY(Near(l.tabsHeight, 2900 * l.dSkalierung));
    QVERIFY(Near(l.tabHeight, tabHeight));
    QCOMPARE(l.tabWidth, 2205.0);
    QVERIFY(Near(l.focusPictureLeft, focusLeft));
    QVERIFY(Near(l.focusPictureHeight, focusHeight));
    QCOMPARE(l.focusPictureWidth, 2490.0);
    QVERIFY(Near(l.focusLabelLeft, labelLeft));
    QVERIFY(Near(l.focusLabelHeight, tabHeight));
    QCOMPARE(l.frameLeft, frameLeft);
    QCOMPARE(l.frameTop, 100L);
    const double y = 3 * tabHeight;  // the fourth visible tab
    QVERIFY(Near(FocusMarker(l.dSkalierung, y).labelTop - y, labelBelowTab));
    QVERIFY(Near(FocusMarker(l.dSkalierung, y).pictureTop - y, pictureBelowTab));
    if (tpp == 15) {
        QCOMPARE(*TabBackgroundHeight(1, l.tabsTop, 5), 2480.0);
        QCOMPARE(*TabBackgroundHeight(1, l.tabsTop, 2), 1130.0);
    }
}

void WizardSkinTest::windowAndFrameSizes() {
    SkinInput in;
    in.buttonBarWidth = 4000;
    in.buttonBarHeight = 500;
    SkinLayout l = ComputeSkinLayout(in);
    QCOMPARE(l.windowWidth, 10440L);
    QCOMPARE(l.windowHeight, 7590L);
    in.lBreite = 10800;
    in.lHoehe = 2000;
    l = ComputeSkinLayout(in);
    QCOMPARE(l.frameHeight, 1800.0);
    QCOMPARE(l.frameWidth, 10800.0 - 2580 - 100);
    QCOMPARE(l.buttonsTop, 1800.0 - 500 - 100);
    QCOMPARE(l.buttonsLeft, l.frameWidth - 4000 - 100);
    QCOMPARE(l.lineY, l.buttonsTop - 80);
    QCOMPARE(l.lineX1, 60.0);
    QCOMPARE(l.lineX2, l.frameWidth - 100);
}

void WizardSkinTest::tabBackgroundOverflowIsRefused() {
    QVERIFY(TabBackgroundHeight(1, 230, 4772185).has_value());
    QVERIFY(!TabBackgroundHeight(1, 230, 4772186).has_value());  // 450 * n beyond 32 bits
}

void WizardSkinTest::windowFollowsTheComputedLayout() {
    WizardEnvironment env;
    auto form = OpenWizard(env.MakeDatabase(QStringLiteral("Bank.dat")));
    QVERIFY(!form->IsUnloaded());
    const double tpp = TwipsPerPixel(form.get());
    const QByteArray erwartet = qgetenv("TOLVA_EXPECT_TWIPS_PER_PIXEL");
    if (!erwartet.isEmpty()) QCOMPARE(tpp, erwartet.toDouble());

    SkinInput in;
    in.twipsPerPixel = tpp;
    in.lBreite = 10800;
    in.tabStripHeight = FrmArchiv::kTabsDesignHeight;
    in.buttonBarWidth = FrmArchiv::kButtonsDesignWidth;
    in.buttonBarHeight = FrmArchiv::kButtonsDesignHeight;
    const SkinLayout l = ComputeSkinLayout(in);
    QVERIFY(Near(dSkalierung(), l.dSkalierung));

    QCOMPARE(Width(form.get()), 10800.0);
    QCOMPARE(Height(form.get()), 7590.0);
    QCOMPARE(form->width(), qRound(10800 / tpp));
    auto* tabs = Find<SuiTabs>(*form, "suiTabs");
    QVERIFY(Near(Left(tabs), l.tabsLeft));
    QVERIFY(Near(Top(tabs), l.tabsTop));
    QVERIFY(Near(Width(tabs), l.tabsWidth));
    QVERIFY(Near(Height(tabs), l.tabsHeight));
    QCOMPARE(tabs->x(), qRound(l.tabsLeft / tpp));
    for (int n = 1; n <= tabs->ItemCount(); ++n) {
        QVERIFY(Near(tabs->ItemHeight(n), l.tabHeight));
        QVERIFY(Near(tabs->ItemWidth(n), l.tabWidth));
    }
    auto* label = Find<QWidget>(*form, "lblFocus");
    QVERIFY(Near(Left(label), l.focusLabelLeft));
    QVERIFY(Near(Width(label), l.focusLabelWidth));
    QVERIFY(Near(Height(label), l.focusLabelHeight));
    QVERIFY(Near(Top(label), FocusMarker(l.dSkalierung, 0).labelTop));
    auto* picture = Find<QWidget>(*form, "imFocus");
    QVERIFY(Near(Left(picture), l.focusPictureLeft));
    QVERIFY(Near(Width(picture), l.focusPictureWidth));
    QVERIFY(Near(Height(picture), l.focusPictureHeight));
    QVERIFY(Near(Top(picture), FocusMarker(l.dSkalierung, 0).pictureTop));
    auto* frame = Find<QWidget>(*form, "picFrame");
    QCOMPARE(Left(frame), static_cast<double>(l.frameLeft));
    QCOMPARE(Top(frame), static_cast<double>(l.frameTop));
    QVERIFY(Near(Width(frame), l.frameWidth));
    QVERIFY(Near(Height(frame), l.frameHeight));
    auto* bar = Find<QWidget>(*form, "suiButtons");
    QVERIFY(Near(Left(bar), l.buttonsLeft));
    QVERIFY(Near(Top(bar), l.buttonsTop));
    auto* line = Find<SkinLine>(*form, "Line1");
    QVERIFY(Near(line->X1(), l.lineX1));
    QVERIFY(Near(line->X2(), l.lineX2));
    QVERIFY(Near(line->Y1(), l.lineY));
    // The pages lie over the frame, inside it and above the line.
    for (int n = 1; n <= 6; ++n) {
        auto* panel = form->findChild<QWidget*>(QStringLiteral("pictab_%1").arg(n));
        QCOMPARE(Left(panel), l.frameLeft + 50.0);
        QCOMPARE(Top(panel), 180.0);
        QVERIFY(Near(Width(panel), l.frameWidth - 100));
        QVERIFY(Near(Height(panel), l.frameHeight - FrmArchiv::kButtonsDesignHeight - 300));
        QVERIFY(Top(panel) + Height(panel) < l.frameTop + l.lineY);
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
    QCOMPARE(Left(Find<QWidget>(*form, "picFrame")), 2490.0 + FrameGap(dSkalierung()));
}

QTEST_MAIN(WizardSkinTest)
#include "WizardSkinTest.moc"
