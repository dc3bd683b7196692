// modBackground: lays out the borderless wizard window around its tab strip and frame.
#pragma once

#include <QWidget>

namespace tolva {

// The routines find the controls of the window by name at run time: suiTabs (a widget that
// implements SkinTabStrip), imBackground, imButtons, imFocus (SkinImage), lblFocus
// (FocusLabel), picFrame, and inside it Line1 (SkinLine) and suiButtons. A missing control
// ends the routine that needs it; LayoutWindow goes on with its next step. Positions and
// sizes are twips (skin/Twips.h). Pictures come from host settings 1001 to 1003.

// The scale factor set by the last LayoutWindow (1 before the first call).
double dSkalierung();

// The whole layout; the load handler calls LayoutWindow(window, 10800, 0, true).
// A width or height of 0 takes 10440 or 7590.
void LayoutWindow(QWidget* window, long lBreite, long lHoehe, bool bFokus);

// Fixes the window's twips per pixel from its screen and returns the scale factor.
double GetScaleFactor(QWidget* window);
void OrderLayers(QWidget* window);
void LayoutTabStrip(QWidget* window);
// Returns false when a picture could not be loaded (the pictures after it stay empty).
bool LoadSkinPictures(QWidget* window);
void PlaceFrame(QWidget* frame, long lTabsBreite);
void SizeFrame(QWidget* window);
void CopyTabFont(QWidget* window);
// Puts the focus picture and label on tab lTab (numbered from 1) of suiTabs.
void MoveFocusMarker(QWidget* window, int lTab);
// Height of the tab background for n visible tabs.
void FitTabBackground(QWidget* window, long n);

}  // namespace tolva
