// SuiTabs: the vertical tab strip of the wizard window, one tab per page.
#pragma once

#include "skin/SkinTabStrip.h"

#include <QColor>
#include <QString>
#include <QWidget>

#include <vector>

namespace tolva {

// Tabs are numbered from 1. A tab that is not shown takes no room and cannot be clicked; a
// tab that is not enabled is drawn dimmed and its clicks are not reported. The strip paints
// only the captions (the skin's pictures lie behind it); the selected tab's caption is left
// to the focus label that lies over the focus picture. Sizes are twips.
class SuiTabs : public QWidget, public SkinTabStrip {
    Q_OBJECT
  public:
    explicit SuiTabs(QWidget* parent);

    // Adds a tab and returns its number.
    int AddItem(const QString& sCaption);

    int ItemCount() const override { return static_cast<int>(items_.size()); }
    bool IsShown(int n) const;
    void SetShown(int n, bool bShown);
    bool IsItemEnabled(int n) const;
    void SetItemEnabled(int n, bool bEnabled);
    bool IsSelected(int n) const;
    // Marks tab n as the selected one (no other stays selected) and reports it like a click,
    // so that the focus marker follows the page shown from code as well.
    void SetSelected(int n);
    int SelectedItem() const;
    QString ItemCaption(int n) const override;
    void SetItemCaption(int n, const QString& sCaption);

    void SetItemHeight(int n, double twips) override;
    double ItemHeight(int n) const override;
    void SetItemWidth(int n, double twips) override;
    double ItemWidth(int n) const override;
    double ItemTop(int n) const override;
    void SetCaptionIndent(double twips) override;

    // The tab under a point of the strip (pixels), 0 when none.
    int ItemAt(const QPoint& punkt) const;
    // The pixel rectangle of a shown tab within the strip.
    QRect ItemRect(int n) const;

    void SetColours(const QColor& text, const QColor& disabled, const QColor& hover);

  signals:
    // A click on a shown, enabled tab, or a selection from code.
    void ItemClick(int n);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    struct Item {
        QString caption;
        bool shown = true;
        bool enabled = true;
        bool selected = false;
        double height = 450;
        double width = 2205;
    };
    bool Valid(int n) const { return n >= 1 && n <= ItemCount(); }

    std::vector<Item> items_;
    double captionIndent_ = 265;
    int hover_ = 0;
    QColor text_{0xdc, 0xe5, 0xf0};
    QColor disabled_{0x7f, 0x92, 0xab};
    QColor hoverFill_{255, 255, 255, 22};
};

}  // namespace tolva
