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

FocusMarkerTops FocusMarker(double dSkalierung, double tabTop) {
    return {215 * dSkalierung + tabTop, tabTop + LabelOffset(dSkalierung) * dSkalierung};
}

std::optional<double> TabBackgroundHeight(double dSkalierung, double tabsTop, long n) {
    const std::int64_t produkt = static_cast<std::int64_t>(n) * 450;
    if (produkt > INT32_MAX || produkt < INT32_MIN) return std::nullopt;
    return tabsTop + static_cast<double>(produkt) * dSkalierung;
}

}  // namespace tolva
