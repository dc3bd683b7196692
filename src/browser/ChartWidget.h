// ChartWidget: money in and out per month as bars, the difference as a line, painted.
#pragma once

#include "browse/BrowseMonths.h"

#include <QWidget>

#include <vector>

namespace tolva {

// Per month a bar up for the money in (green) and one down from zero for the money out (red),
// the difference as a line with points; amounts on the left axis ("12.000 €"), months below
// (with the year at each January; on many months only every few months or years are named).
// Hovering a month shows its figures as a tooltip. The colours follow the palette (lighter
// ones on a dark base). Without months it says so, or that it is busy.
class ChartWidget : public QWidget {
    Q_OBJECT
  public:
    explicit ChartWidget(QWidget* parent = nullptr);

    // The months to show (in order, as CountMonths gives them); ends the busy state.
    void SetMonths(std::vector<MonthTotals> monate);
    // Shows "Wird berechnet …" with a busy pointer until SetMonths or SetMessage.
    void SetBusy();
    // Shows sText instead of the chart (a failure), until SetMonths or SetBusy.
    void SetMessage(const QString& sText);

    const std::vector<MonthTotals>& Months() const { return monate_; }
    bool Busy() const { return bBeschaeftigt_; }
    // What the widget says instead of a chart; empty while it shows one.
    QString Message() const;
    // The column of month i (its bars and the space beside them); empty outside the series.
    QRect MonthRect(size_t i) const;
    // The tooltip at p: the month's figures; empty outside the months.
    QString ToolTipAt(const QPoint& p) const;

    QSize minimumSizeHint() const override;

  protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

  private:
    // Where the plot goes and how amounts map into it.
    struct Frame {
        QRect plot;
        double dOben = 0;  // euros at the top and bottom of the plot
        double dUnten = 0;
        double dSchritt = 0;  // euros between two axis lines
        int Y(double dEuro) const;
    };
    Frame Layout() const;
    void PaintAxes(QPainter& p, const Frame& f) const;
    void PaintMonths(QPainter& p, const Frame& f) const;
    void PaintLegend(QPainter& p, const Frame& f) const;

    std::vector<MonthTotals> monate_;
    bool bBeschaeftigt_ = false;
    QString sMeldung_;
};

}  // namespace tolva
