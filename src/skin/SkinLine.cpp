// The hairline above the button bar.
#include "skin/SkinLine.h"

#include "skin/Twips.h"

#include <QPainter>

#include <algorithm>

namespace tolva {

SkinLine::SkinLine(const QString& name, QWidget* parent)
    : QWidget(parent), colour_(0xc9, 0xd2, 0xdd) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    SetGraphical(this);
}

void SkinLine::SetEnds(double x1, double x2, double y1, double y2) {
    x1_ = x1;
    x2_ = x2;
    y1_ = y1;
    y2_ = y2;
    SetLeft(this, std::min(x1, x2));
    SetTop(this, y1);
    SetWidth(this, std::abs(x2 - x1));
    resize(width(), 1);
}

void SkinLine::SetColour(const QColor& colour) {
    colour_ = colour;
    update();
}

void SkinLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), colour_);
}

}  // namespace tolva
