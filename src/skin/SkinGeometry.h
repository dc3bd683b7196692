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

// What the layout starts from: the screen, the requested size and the design sizes of the
// controls that the layout reads but does not set.
struct SkinInput {
    double twipsPerPixel = 15;
    long lBreite = 0;           // requested window width; 0 = 10440
    long lHoehe = 0;            // requested window height; 0 = 7590
    double tabStripHeight = 0;  // design height of suiTabs
    double buttonBarWidth = 0;  // design size of suiButtons
    double buttonBarHeight = 0;
};

// Every position and size that the layout sets, in twips. Values multiplied by the factor
// are kept as doubles; the others are whole numbers.
struct SkinLayout {
    double dSkalierung = 1;
    long windowWidth = 0;
    long windowHeight = 0;
    // suiTabs and each of its tabs
    double tabsLeft = 0, tabsTop = 0, tabsWidth = 0, tabsHeight = 0;
    double tabHeight = 0, tabWidth = 0;
    // lblFocus and imFocus (their tops follow the current tab, see FocusMarker)
    double focusLabelLeft = 0, focusLabelWidth = 0, focusLabelHeight = 0;
    double focusPictureLeft = 0, focusPictureWidth = 0, focusPictureHeight = 0;
    // picFrame (in the window) and, relative to it, suiButtons and Line1
    long frameLeft = 0, frameTop = 0;
    double frameWidth = 0, frameHeight = 0;
    double buttonsLeft = 0, buttonsTop = 0;
    double lineX1 = 0, lineX2 = 0, lineY = 0;
};

SkinLayout ComputeSkinLayout(const SkinInput& input);

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
