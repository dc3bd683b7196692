// The layout numbers of the wizard window as plain arithmetic.
#include "skin/SkinGeometry.h"

#include <cmath>
#include <cstdint>

namespace tolva {

double ScaleFactorFor(double twipsPerPixel) {
    return std::nearbyint(twipsPerPixel) / 15.0;  // default rounding mode: halves to even
}

ScaleBand BandOf(double dSkalierung) {
    if (dSkalierung < 0.7) return ScaleBand::Small;
    if (dSkalierung <= 0.9) return ScaleBand::Middle;
    return ScaleBand::Large;
}

long FrameGap(double dSkalierung) {
    switch (BandOf(dSkalierung)) {
        case ScaleBand::Small:
            return 25;
        case ScaleBand::Middle:
            return 65;
        case ScaleBand::Large:
            return 90;
    }
    return 90;
}

long LabelOffset(double dSkalierung) {
    switch (BandOf(dSkalierung)) {
        case ScaleBand::Small:
            return 200;
        case ScaleBand::Middle:
            return 250;
        case ScaleBand::Large:
            return 330;
    }
    return 330;
}

SkinLayout ComputeSkinLayout(const SkinInput& in) {
    SkinLayout l;
    const double s = ScaleFactorFor(in.twipsPerPixel);
    l.dSkalierung = s;
    l.windowHeight = in.lHoehe == 0 ? 7590 : in.lHoehe;
    l.windowWidth = in.lBreite == 0 ? 10440 : in.lBreite;

    l.tabsWidth = 2490;
    l.tabsHeight = in.tabStripHeight * s;
    l.tabsTop = 230 * s;
    l.tabsLeft = 115 * s;
    l.tabHeight = 450 * s;
    l.tabWidth = 2205;
    l.focusLabelHeight = l.tabHeight;
    l.focusLabelLeft = 380 * s;
    l.focusLabelWidth = l.tabsWidth;
    l.focusPictureHeight = l.tabHeight + 30;
    l.focusPictureLeft = 120 * s;
    l.focusPictureWidth = l.tabsWidth;

    l.frameLeft = static_cast<long>(std::lround(l.tabsWidth)) + FrameGap(s);
    l.frameTop = 100;
    // The window is borderless: its scale size is its size.
    l.frameWidth = static_cast<double>(l.windowWidth) - l.frameLeft - 100;
    l.frameHeight = static_cast<double>(l.windowHeight) - 200;

    l.buttonsTop = l.frameHeight - in.buttonBarHeight - 100;
    l.buttonsLeft = l.frameWidth - in.buttonBarWidth - 100;
    l.lineX1 = 60;
    l.lineX2 = l.frameWidth - 100;
    l.lineY = l.buttonsTop - 80;
    return l;
}

FocusMarkerTops FocusMarker(double dSkalierung, double tabTop) {
    return {215 * dSkalierung + tabTop, tabTop + LabelOffset(dSkalierung) * dSkalierung};
}

std::optional<double> TabBackgroundHeight(double dSkalierung, double tabsTop, long n) {
    const std::int64_t produkt = static_cast<std::int64_t>(n) * 450;
    if (produkt > INT32_MAX || produkt < INT32_MIN) return std::nullopt;
    return tabsTop + static_cast<double>(produkt) * dSkalierung;
}

}  // namespace tolva
