// SkinGeometry: the numbers of the wizard window's layout, computed without any widget.
#pragma once

#include <optional>

namespace tolva {

// The screen's twips per pixel rounded to a whole number (halves to the even neighbour) and
// divided by 15: 1 at 15 twips per pixel (96 dpi), 0.8 at 12, 2/3 at 10.
double ScaleFactorFor(double twipsPerPixel);

// The three bands of the factor: small below 0.7, middle from 0.7 to 0.9, large above 0.9.
enum class ScaleBand { Small, Middle, Large };
ScaleBand BandOf(double dSkalierung);
// Gap between the tab strip and the frame: 25, 65 or 90 twips.
long FrameGap(double dSkalierung);
// Offset of the focus label below the tab's top before scaling: 200, 250 or 330.
long LabelOffset(double dSkalierung);

// Tops of imFocus and lblFocus for a tab whose top within the strip is tabTop.
struct FocusMarkerTops {
    double pictureTop = 0;
    double labelTop = 0;
};
FocusMarkerTops FocusMarker(double dSkalierung, double tabTop);

// Height of the tab background for n visible tabs: top of the strip + (n * 450) * factor.
// The product n * 450 is a 32-bit whole number; nothing comes back when it overflows.
std::optional<double> TabBackgroundHeight(double dSkalierung, double tabsTop, long n);

}  // namespace tolva
