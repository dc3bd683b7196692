// Twips geometry on widgets and the two stacking layers of the skin controls.
#include "skin/Twips.h"

#include <QScreen>
#include <QVariant>

#include <cmath>

namespace tolva {
namespace {

const char* const kTwipsPerPixel = "tolvaTwipsPerPixel";
const char* const kLeft = "tolvaTwipsLeft";
const char* const kTop = "tolvaTwipsTop";
const char* const kWidth = "tolvaTwipsWidth";
const char* const kHeight = "tolvaTwipsHeight";
const char* const kGraphical = "tolvaGraphical";

double Stored(const QWidget* widget, const char* name, double fallbackPixels) {
    const QVariant value = widget->property(name);
    if (value.isValid()) return value.toDouble();
    return fallbackPixels * TwipsPerPixel(widget);
}

// Puts the graphical children of a parent below all of its windowed children, keeping the
// order within each layer.
void NormaliseLayers(QWidget* parent) {
    if (!parent) return;
    QList<QWidget*> graphical;
    for (QObject* child : parent->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (w && !w->isWindow() && IsGraphical(w)) graphical << w;
    }
    for (auto it = graphical.crbegin(); it != graphical.crend(); ++it) (*it)->lower();
}

}  // namespace

double TwipsPerPixel(const QWidget* widget) {
    if (!widget) return 15.0;
    const QWidget* window = widget->window();
    const QVariant own = window->property(kTwipsPerPixel);
    if (own.isValid() && own.toDouble() > 0) return own.toDouble();
    const int dpi = window->logicalDpiX();
    return dpi > 0 ? 1440.0 / dpi : 15.0;
}

void SetWindowTwipsPerPixel(QWidget* window, double twipsPerPixel) {
    window->setProperty(kTwipsPerPixel, twipsPerPixel);
}

int ToPixels(const QWidget* widget, double twips) {
    return static_cast<int>(std::lround(twips / TwipsPerPixel(widget)));
}

void SetLeft(QWidget* widget, double twips) {
    widget->setProperty(kLeft, twips);
    widget->move(ToPixels(widget, twips), widget->y());
}

void SetTop(QWidget* widget, double twips) {
    widget->setProperty(kTop, twips);
    widget->move(widget->x(), ToPixels(widget, twips));
}

void SetWidth(QWidget* widget, double twips) {
    widget->setProperty(kWidth, twips);
    const int px = std::max(0, ToPixels(widget, twips));
    if (widget->isWindow())
        widget->setFixedWidth(px);
    else
        widget->resize(px, widget->height());
}

void SetHeight(QWidget* widget, double twips) {
    widget->setProperty(kHeight, twips);
    const int px = std::max(0, ToPixels(widget, twips));
    if (widget->isWindow())
        widget->setFixedHeight(px);
    else
        widget->resize(widget->width(), px);
}

double Left(const QWidget* widget) {
    return Stored(widget, kLeft, widget->x());
}
double Top(const QWidget* widget) {
    return Stored(widget, kTop, widget->y());
}
double Width(const QWidget* widget) {
    return Stored(widget, kWidth, widget->width());
}
double Height(const QWidget* widget) {
    return Stored(widget, kHeight, widget->height());
}

void ApplyTwipsGeometry(QWidget* widget) {
    if (widget->property(kLeft).isValid()) SetLeft(widget, Left(widget));
    if (widget->property(kTop).isValid()) SetTop(widget, Top(widget));
    if (widget->property(kWidth).isValid()) SetWidth(widget, Width(widget));
    if (widget->property(kHeight).isValid()) SetHeight(widget, Height(widget));
}

void SetGraphical(QWidget* widget, bool bGraphical) {
    widget->setProperty(kGraphical, bGraphical);
    NormaliseLayers(widget->parentWidget());
}

bool IsGraphical(const QWidget* widget) {
    return widget->property(kGraphical).toBool();
}

void ZOrder(QWidget* widget, int lPosition) {
    if (lPosition == 0)
        widget->raise();
    else
        widget->lower();
    NormaliseLayers(widget->parentWidget());
}

}  // namespace tolva
