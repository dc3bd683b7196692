// SkinLine: the separator line Line1 above the button bar.
#pragma once

#include <QColor>
#include <QWidget>

namespace tolva {

// A graphical control that draws a horizontal hairline from X1 to X2 at Y1 (twips, relative
// to its parent). Y2 is kept for completeness; the line is drawn at Y1.
class SkinLine : public QWidget {
    Q_OBJECT
  public:
    SkinLine(const QString& name, QWidget* parent);

    void SetEnds(double x1, double x2, double y1, double y2);
    double X1() const { return x1_; }
    double X2() const { return x2_; }
    double Y1() const { return y1_; }
    double Y2() const { return y2_; }
    void SetColour(const QColor& colour);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
    QColor colour_;
};

}  // namespace tolva
