// The current tab's caption over the focus picture.
#include "skin/FocusLabel.h"

#include "skin/Twips.h"

#include <QPainter>

namespace tolva {

FocusLabel::FocusLabel(const QString& name, QWidget* parent)
    : QWidget(parent), colour_(QColor(0x1b, 0x2b, 0x41)) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    SetGraphical(this);
}

void FocusLabel::SetCaption(const QString& sCaption) {
    caption_ = sCaption;
    update();
}

void FocusLabel::SetTextColour(const QColor& colour) {
    colour_ = colour;
    update();
}

void FocusLabel::SetCaptionBand(int top, int height) {
    bandTop_ = top;
    bandHeight_ = height;
    update();
}

void FocusLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(colour_);
    const int hoehe = bandHeight_ < 0 ? height() : bandHeight_;
    const QRect band(0, bandTop_, width(), hoehe);
    painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption_);
}

}  // namespace tolva
