// The button bar: keyed buttons, their captions and colours, and its style-sheet template.
#include "wizard/SuiButtons.h"

#include "skin/Twips.h"

#include <QFile>
#include <QPushButton>

namespace tolva {
namespace {

// What a screen reader says for a caption: without the mnemonic's "&" and the leading blank.
QString SpokenCaption(const QString& sCaption) {
    return QString(sCaption).remove(QLatin1Char('&')).trimmed();
}

}  // namespace

SuiButtons::SuiButtons(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("suiButtons"));
    setAttribute(Qt::WA_StyledBackground, false);
}

int SuiButtons::AddItem(const QString& sKey, const QString& sCaption) {
    auto* button = new QPushButton(sCaption, this);
    button->setObjectName(sKey);
    button->setAccessibleName(SpokenCaption(sCaption));
    button->setAutoDefault(false);
    button->setCursor(Qt::PointingHandCursor);
    connect(button, &QPushButton::clicked, this, [this, sKey] { emit ItemClick(sKey); });
    items_.push_back(Item{sKey, button, QColor()});
    Arrange();
    return ItemCount();
}

QString SuiButtons::Key(int n) const {
    return (n >= 1 && n <= ItemCount()) ? items_[n - 1].key : QString();
}

int SuiButtons::IndexOf(const QString& sKey) const {
    for (int n = 1; n <= ItemCount(); ++n)
        if (items_[n - 1].key == sKey) return n;
    return 0;
}

QPushButton* SuiButtons::Button(const QString& sKey) const {
    const int n = IndexOf(sKey);
    return n ? items_[n - 1].button : nullptr;
}

QString SuiButtons::Caption(const QString& sKey) const {
    QPushButton* b = Button(sKey);
    return b ? b->text() : QString();
}

void SuiButtons::SetCaption(const QString& sKey, const QString& sCaption) {
    if (QPushButton* b = Button(sKey)) {
        b->setText(sCaption);
        b->setAccessibleName(SpokenCaption(sCaption));
    }
}

bool SuiButtons::IsItemEnabled(const QString& sKey) const {
    QPushButton* b = Button(sKey);
    return b && b->isEnabled();
}

void SuiButtons::SetItemEnabled(const QString& sKey, bool bEnabled) {
    if (QPushButton* b = Button(sKey)) b->setEnabled(bEnabled);
}

QColor SuiButtons::ItemColour(int n) const {
    return (n >= 1 && n <= ItemCount()) ? items_[n - 1].colour : QColor();
}

void SuiButtons::SetItemColour(int n, const QColor& colour) {
    if (n < 1 || n > ItemCount()) return;
    items_[n - 1].colour = colour;
    ApplyColour(items_[n - 1]);
}

void SuiButtons::ApplyColour(Item& item) {
    if (!item.colour.isValid()) {
        item.button->setStyleSheet(QString());
        return;
    }
    // The button's own rule outranks the template's text colour; disabled stays dimmed.
    QColor dimmed = item.colour;
    dimmed.setAlpha(110);
    item.button->setStyleSheet(
        QStringLiteral("QPushButton { color: %1; } "
                       "QPushButton:disabled { color: %2; }")
            .arg(item.colour.name(QColor::HexRgb), dimmed.name(QColor::HexArgb)));
}

void SuiButtons::SetFocusFrame(bool bFrame) {
    for (Item& item : items_) item.button->setFocusPolicy(bFrame ? Qt::StrongFocus : Qt::TabFocus);
}

bool SuiButtons::LoadTemplate(const QString& sDatei) {
    QFile file(sDatei);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray inhalt = file.readAll();
    if (file.error() != QFileDevice::NoError) return false;
    setStyleSheet(QString::fromUtf8(inhalt));
    return true;
}

void SuiButtons::resizeEvent(QResizeEvent*) {
    Arrange();
}

void SuiButtons::Arrange() {
    const int n = ItemCount();
    if (n == 0) return;
    const int gap = std::max(4, ToPixels(this, 120));
    const int breite = (width() - gap * (n - 1)) / n;
    int x = 0;
    for (Item& item : items_) {
        item.button->setGeometry(x, 0, breite, height());
        x += breite + gap;
    }
}

}  // namespace tolva
