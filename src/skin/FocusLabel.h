// FocusLabel: the caption of the current tab, drawn over the focus picture (lblFocus).
#pragma once

#include <QWidget>

namespace tolva {

// A graphical control that draws one line of text at its left edge, centred on a band given
// in its own pixels (the current tab's rows), which may reach outside the label.
class FocusLabel : public QWidget {
    Q_OBJECT
  public:
    explicit FocusLabel(const QString& name, QWidget* parent);

    void SetCaption(const QString& sCaption);
    const QString& Caption() const { return caption_; }
    void SetTextColour(const QColor& colour);
    // The rows, relative to the label's top, on which the caption is centred.
    void SetCaptionBand(int top, int height);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString caption_;
    QColor colour_;
    int bandTop_ = 0;
    int bandHeight_ = -1;  // -1: the label's own height
};

}  // namespace tolva
