// ChartTab: the browser's "Verlauf": the chart of the shown bookings per month and their years.
#pragma once

#include "browse/BrowseMonths.h"

#include <QWidget>

#include <memory>
#include <thread>

class QTableWidget;

namespace tolva {

class ChartWidget;

// The ChartWidget above a table of the years (Jahr, Anzahl, Eingänge, Ausgänge, Differenz).
// The months are counted on a thread of its own, on a read-only connection of its own to the
// file (MonthReader), while the tab is shown: a filter given while it is hidden is counted
// when it is shown. A newer filter cancels the count of an older one; the destructor (and
// Stop) cancel the running count and wait for its thread, so nothing of it outlives the tab.
class ChartTab : public QWidget {
    Q_OBJECT
  public:
    // sPfad: the file that the window shows (opened and checked by BrowseFile::Open).
    explicit ChartTab(QString sPfad, QWidget* parent = nullptr);
    ~ChartTab() override;

    // The bookings to chart: the list's filter.
    void SetFilter(const BookingFilter& filter);
    // Cancels a running count and waits for its thread.
    void Stop();
    // Whether a count is running or waits for the tab to be shown.
    bool Busy() const;
    // Handles events until the months of the last filter are shown (or failed), at most
    // lMs; false when they did not arrive in time. For pictures and tests; the tab must be
    // shown (BrowserWindow::ShowChart), a hidden one counts nothing.
    bool WaitUntilDone(int lMs = 30000);
    ChartWidget& Chart() { return *diagramm_; }

  signals:
    // The months of the last filter are shown (or its failure).
    void Computed();

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    void Start();
    void Arrived(int lLauf, Result<std::vector<MonthTotals>> monate);
    void FillYears(const std::vector<MonthTotals>& monate);

    QString sPfad_;
    BookingFilter filter_;
    bool bVeraltet_ = false;  // the filter's months are not counted yet
    int lLauf_ = 0;           // counts the counts begun; an older one's months are dropped
    std::unique_ptr<MonthReader> leser_;
    std::thread arbeiter_;
    ChartWidget* diagramm_ = nullptr;
    QTableWidget* tblJahre_ = nullptr;
};

}  // namespace tolva
