// A stretched picture on the wizard window.
#include "skin/SkinImage.h"

#include "skin/Twips.h"

#include <QPainter>

namespace tolva {

SkinImage::SkinImage(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    SetGraphical(this);
}

bool SkinImage::LoadPicture(const QString& sDatei) {
    picture_ = QPixmap();
    update();
    if (sDatei.isEmpty()) return true;
    QPixmap bild;
    if (!bild.load(sDatei)) return false;
    picture_ = bild;
    return true;
}

void SkinImage::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), picture_);
}

}  // namespace tolva
