// PlanView: the summary page's overview of what "Starten" will do, before it is pressed.
#pragma once

#include "archive/RunPlan.h"

#include <QWidget>

class QLabel;
class QTreeWidget;

namespace tolva {

class CaptionLabel;

// What the run will do besides the counts: the cut-off, the target, removal and backup.
struct PlanDetails {
    QDate dStichtag;
    QString sZielDatei;
    bool bEntfernen = false;
    QString sSicherung;  // the backup's full path; empty: no backup
};

// Read-only: per bank its ticked accounts with data and what of each the run archives
// (bookings, booking extras, open bookings, sent orders, collective orders with their items),
// the totals, and the plan's details below. Owned by its parent page.
class PlanView : public QWidget {
    Q_OBJECT
  public:
    explicit PlanView(QWidget* parent);

    void Show(const RunPlan& plan, const PlanDetails& details);
    // In place of the overview when the plan could not be counted.
    void ShowFailure(const QString& sBeschreibung, const PlanDetails& details);

  private:
    void ShowDetails(const PlanDetails& details);

    QTreeWidget* trePlan_ = nullptr;
    QLabel* lblFehler_ = nullptr;
    CaptionLabel* lblStichtag_ = nullptr;
    CaptionLabel* lblZiel_ = nullptr;
    CaptionLabel* lblEntfernen_ = nullptr;
    CaptionLabel* lblSicherung_ = nullptr;
};

}  // namespace tolva
