// The vertical tab strip: items, their states, painting and clicks.
#include "wizard/SuiTabs.h"

#include "skin/Twips.h"
#include "wizard/SuiTabsAccessible.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace tolva {

SuiTabs::SuiTabs(QWidget* parent) : QWidget(parent) {
    // Screen readers see the steps through SuiTabsAccessible.
    static const bool bFabrik = (QAccessible::installFactory(&SuiTabsAccessible::Factory), true);
    (void)bFabrik;
    setObjectName(QStringLiteral("suiTabs"));
    setAccessibleName(tr("Schritte"));
    setMouseTracking(true);
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
}

int SuiTabs::AddItem(const QString& sCaption) {
    items_.push_back(Item{sCaption});
    update();
    return ItemCount();
}

bool SuiTabs::IsShown(int n) const {
    return Valid(n) && items_[n - 1].shown;
}

void SuiTabs::SetShown(int n, bool bShown) {
    if (!Valid(n)) return;
    items_[n - 1].shown = bShown;
    update();
}

bool SuiTabs::IsItemEnabled(int n) const {
    return Valid(n) && items_[n - 1].enabled;
}

void SuiTabs::SetItemEnabled(int n, bool bEnabled) {
    if (!Valid(n)) return;
    items_[n - 1].enabled = bEnabled;
    update();
}

bool SuiTabs::IsSelected(int n) const {
    return Valid(n) && items_[n - 1].selected;
}

void SuiTabs::SetSelected(int n) {
    if (!Valid(n)) return;
    for (int i = 1; i <= ItemCount(); ++i) items_[i - 1].selected = (i == n);
    update();
    // The step that a screen reader announces changes with the selection.
    QAccessibleEvent geaendert(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&geaendert);
    emit ItemClick(n);
}

int SuiTabs::SelectedItem() const {
    for (int i = 1; i <= ItemCount(); ++i)
        if (items_[i - 1].selected) return i;
    return 0;
}

QString SuiTabs::ItemCaption(int n) const {
    return Valid(n) ? items_[n - 1].caption : QString();
}

void SuiTabs::SetItemCaption(int n, const QString& sCaption) {
    if (!Valid(n)) return;
    items_[n - 1].caption = sCaption;
    update();
}

void SuiTabs::SetItemHeight(int n, double twips) {
    if (!Valid(n)) return;
    items_[n - 1].height = twips;
    update();
}

double SuiTabs::ItemHeight(int n) const {
    return Valid(n) ? items_[n - 1].height : 0;
}

void SuiTabs::SetItemWidth(int n, double twips) {
    if (!Valid(n)) return;
    items_[n - 1].width = twips;
    update();
}

double SuiTabs::ItemWidth(int n) const {
    return Valid(n) ? items_[n - 1].width : 0;
}

double SuiTabs::ItemTop(int n) const {
    double top = 0;
    for (int i = 1; i < n && i <= ItemCount(); ++i)
        if (items_[i - 1].shown) top += items_[i - 1].height;
    return top;
}

void SuiTabs::SetCaptionIndent(double twips) {
    captionIndent_ = twips;
    update();
}

QRect SuiTabs::ItemRect(int n) const {
    if (!IsShown(n)) return {};
    const int top = ToPixels(this, ItemTop(n));
    const int bottom = ToPixels(this, ItemTop(n) + ItemHeight(n));
    return QRect(0, top, ToPixels(this, ItemWidth(n)), bottom - top);
}

int SuiTabs::ItemAt(const QPoint& punkt) const {
    for (int n = 1; n <= ItemCount(); ++n)
        if (IsShown(n) && ItemRect(n).contains(punkt)) return n;
    return 0;
}

void SuiTabs::SetColours(const QColor& text, const QColor& disabled, const QColor& hover) {
    text_ = text;
    disabled_ = disabled;
    hoverFill_ = hover;
    update();
}

void SuiTabs::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font());
    // The captions start in the focus label's pixel column.
    const int indent = ToPixels(this, Left(this) + captionIndent_) - x();
    for (int n = 1; n <= ItemCount(); ++n) {
        if (!IsShown(n)) continue;
        const Item& item = items_[n - 1];
        const QRect r = ItemRect(n);
        if (item.selected) continue;  // drawn by the focus label over the focus picture
        if (n == hover_ && item.enabled) {
            QPainterPath path;
            path.addRoundedRect(QRectF(r).adjusted(indent / 3.0, 2, 0, -2), 4, 4);
            painter.fillPath(path, hoverFill_);
        }
        painter.setPen(item.enabled ? text_ : disabled_);
        painter.drawText(r.adjusted(indent, 0, 0, 0),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, item.caption);
    }
}

void SuiTabs::mousePressEvent(QMouseEvent* event) {
    const int n = ItemAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && n > 0 && IsItemEnabled(n)) {
        emit ItemClick(n);
        return;
    }
    event->ignore();  // the window takes it (dragging the borderless window)
}

void SuiTabs::mouseMoveEvent(QMouseEvent* event) {
    const int n = ItemAt(event->position().toPoint());
    const int hover = (n > 0 && IsItemEnabled(n)) ? n : 0;
    if (hover != hover_) {
        hover_ = hover;
        setCursor(hover ? Qt::PointingHandCursor : Qt::ArrowCursor);
        update();
    }
    event->ignore();
}

void SuiTabs::leaveEvent(QEvent*) {
    hover_ = 0;
    unsetCursor();
    update();
}

}  // namespace tolva
