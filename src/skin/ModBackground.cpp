// modBackground: the layout of the wizard window in twips, scaled to the screen.
#include "skin/ModBackground.h"

#include "hostlib/HostServices.h"
#include "skin/FocusLabel.h"
#include "skin/SkinGeometry.h"
#include "skin/SkinImage.h"
#include "skin/SkinLine.h"
#include "skin/SkinTabStrip.h"
#include "skin/Twips.h"

#include <cmath>

namespace tolva {
namespace {

double g_dSkalierung = 1.0;

template <typename T = QWidget>
T* Control(QWidget* window, const char* name) {
    return window ? window->findChild<T*>(QString::fromLatin1(name)) : nullptr;
}

SkinTabStrip* TabStrip(QWidget* window) {
    return dynamic_cast<SkinTabStrip*>(Control(window, "suiTabs"));
}

}  // namespace

double dSkalierung() {
    return g_dSkalierung;
}

double GetScaleFactor(QWidget* window) {
    const int dpi = window->logicalDpiX();
    const double twipsPerPixel = dpi > 0 ? 1440.0 / dpi : 15.0;
    SetWindowTwipsPerPixel(window, twipsPerPixel);
    return ScaleFactorFor(twipsPerPixel);
}

void LayoutWindow(QWidget* window, long lBreite, long lHoehe, bool bFokus) {
    if (!window) return;
    g_dSkalierung = GetScaleFactor(window);
    SetHeight(window, lHoehe == 0 ? 7590 : lHoehe);
    SetWidth(window, lBreite == 0 ? 10440 : lBreite);
    OrderLayers(window);
    LayoutTabStrip(window);
    LoadSkinPictures(window);
    QWidget* tabs = Control(window, "suiTabs");
    QWidget* frame = Control(window, "picFrame");
    if (tabs && frame) PlaceFrame(frame, std::lround(Width(tabs)));
    SizeFrame(window);
    QWidget* buttons = Control(window, "suiButtons");
    if (frame && buttons) {
        SetTop(buttons, Height(frame) - Height(buttons) - 100);
        SetLeft(buttons, Width(frame) - Width(buttons) - 100);
        if (auto* line = Control<SkinLine>(window, "Line1")) {
            const double y = Top(buttons) - 80;
            line->SetEnds(60, Width(frame) - 100, y, y);
        }
    }
    CopyTabFont(window);
    if (bFokus) MoveFocusMarker(window, 1);
}

void OrderLayers(QWidget* window) {
    for (const char* name :
         {"imBackground", "imButtons", "suiTabs", "imFocus", "lblFocus", "suiButtons"}) {
        if (QWidget* w = Control(window, name)) ZOrder(w, 0);
    }
    if (QWidget* frame = Control(window, "picFrame")) ZOrder(frame, 1);
}

void LayoutTabStrip(QWidget* window) {
    const double s = g_dSkalierung;
    QWidget* tabs = Control(window, "suiTabs");
    SkinTabStrip* strip = TabStrip(window);
    if (!tabs || !strip) return;
    SetWidth(tabs, 2490);
    SetHeight(tabs, Height(tabs) * s);
    SetTop(tabs, 230 * s);
    SetLeft(tabs, 115 * s);
    for (int n = 1; n <= strip->ItemCount(); ++n) {
        strip->SetItemHeight(n, 450 * s);
        strip->SetItemWidth(n, 2205);
    }
    QWidget* label = Control(window, "lblFocus");
    if (!label || strip->ItemCount() < 1) return;
    SetHeight(label, strip->ItemHeight(1));
    SetLeft(label, 380 * s);
    SetWidth(label, Width(tabs));
    strip->SetCaptionIndent(Left(label) - Left(tabs));
    QWidget* picture = Control(window, "imFocus");
    if (!picture) return;
    SetHeight(picture, strip->ItemHeight(1) + 30);
    SetLeft(picture, 120 * s);
    SetWidth(picture, Width(tabs));
}

bool LoadSkinPictures(QWidget* window) {
    auto* background = Control<SkinImage>(window, "imBackground");
    auto* tabBackground = Control<SkinImage>(window, "imButtons");
    auto* focus = Control<SkinImage>(window, "imFocus");
    if (!background || !tabBackground || !focus) return false;
    SetTop(background, 0);
    SetLeft(background, 0);
    SetTop(tabBackground, 0);
    SetLeft(tabBackground, 0);
    // The pictures are stretched: the background covers the window, the tab background
    // the strip's column (its height follows the visible tabs).
    SetWidth(background, Width(window));
    SetHeight(background, Height(window));
    if (QWidget* tabs = Control(window, "suiTabs")) {
        SetWidth(tabBackground, Left(tabs) + Width(tabs));
        if (SkinTabStrip* strip = TabStrip(window)) {
            if (auto h = TabBackgroundHeight(g_dSkalierung, Top(tabs), strip->ItemCount()))
                SetHeight(tabBackground, *h);
        }
    }
    HostServices& host = Host();
    if (!background->LoadPicture(host.GetSetting(kSettingBildHintergrund))) return false;
    if (!tabBackground->LoadPicture(host.GetSetting(kSettingBildTabs))) return false;
    if (!focus->LoadPicture(host.GetSetting(kSettingBildFokus))) return false;
    return true;
}

void PlaceFrame(QWidget* frame, long lTabsBreite) {
    SetLeft(frame, static_cast<double>(lTabsBreite + FrameGap(g_dSkalierung)));
    SetTop(frame, 100);
}

void SizeFrame(QWidget* window) {
    QWidget* frame = Control(window, "picFrame");
    if (!frame) return;
    SetWidth(frame, Width(window) - Left(frame) - 100);
    SetHeight(frame, Height(window) - 200);
}

void CopyTabFont(QWidget* window) {
    QWidget* tabs = Control(window, "suiTabs");
    QWidget* label = Control(window, "lblFocus");
    if (!tabs || !label) return;
    QFont font = tabs->font();
    font.setPointSizeF(tabs->font().pointSizeF());
    font.setBold(tabs->font().bold());
    label->setFont(font);
}

void MoveFocusMarker(QWidget* window, int lTab) {
    const double s = g_dSkalierung;
    SkinTabStrip* strip = TabStrip(window);
    QWidget* tabs = Control(window, "suiTabs");
    if (!strip || !tabs || lTab < 1 || lTab > strip->ItemCount()) return;
    const double y = strip->ItemTop(lTab);
    const FocusMarkerTops tops = FocusMarker(s, y);
    QWidget* picture = Control(window, "imFocus");
    if (!picture) return;
    SetTop(picture, tops.pictureTop);
    auto* label = Control<FocusLabel>(window, "lblFocus");
    if (!label) return;
    SetTop(label, tops.labelTop);
    label->SetCaption(strip->ItemCaption(lTab));
    // The caption sits on the rows of the tab itself.
    const int tabTopPx = ToPixels(window, Top(tabs) + y);
    label->SetCaptionBand(tabTopPx - label->y(), ToPixels(window, strip->ItemHeight(lTab)));
}

void FitTabBackground(QWidget* window, long n) {
    QWidget* tabs = Control(window, "suiTabs");
    QWidget* tabBackground = Control(window, "imButtons");
    if (!tabs || !tabBackground) return;
    if (auto h = TabBackgroundHeight(g_dSkalierung, Top(tabs), n)) SetHeight(tabBackground, *h);
}

}  // namespace tolva
