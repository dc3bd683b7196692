// Twips: window geometry in twips on Qt widgets, and the stacking rules of the skin controls.
#pragma once

#include <QWidget>

namespace tolva {

// The screen's twips per pixel for a widget: 1440 / the logical dots per inch of its screen,
// unless the top-level window carries its own value (SetWindowTwipsPerPixel).
double TwipsPerPixel(const QWidget* widget);
// Fixes the twips per pixel of a top-level window and everything on it (the window's
// "scale mode twips").
void SetWindowTwipsPerPixel(QWidget* window, double twipsPerPixel);

// Pixels for a twips value on the widget's window, rounded to the nearest pixel.
int ToPixels(const QWidget* widget, double twips);

// Position and size in twips. Each setter stores the exact twips value on the widget (so that
// reading it back gives what was set, not a pixel rounding) and moves or sizes the widget.
// A getter returns the stored value, or the widget's pixel geometry in twips when none was set.
void SetLeft(QWidget* widget, double twips);
void SetTop(QWidget* widget, double twips);
void SetWidth(QWidget* widget, double twips);
void SetHeight(QWidget* widget, double twips);
double Left(const QWidget* widget);
double Top(const QWidget* widget);
double Width(const QWidget* widget);
double Height(const QWidget* widget);
// Re-applies the stored twips geometry (after the window's twips per pixel changed).
void ApplyTwipsGeometry(QWidget* widget);

// Graphical controls (pictures, the focus label, lines) always lie below the windowed
// controls of the same parent, whatever their own order; ZOrder keeps that rule.
void SetGraphical(QWidget* widget, bool bGraphical = true);
bool IsGraphical(const QWidget* widget);
// 0 = to the front of its layer, 1 = to the back of its layer.
void ZOrder(QWidget* widget, int lPosition);

}  // namespace tolva
