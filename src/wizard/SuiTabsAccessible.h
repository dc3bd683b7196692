// What assistive technology reads of the tab strip: a list of the wizard's steps, the current
// one selected.
#pragma once

#include <QAccessibleWidget>

#include <map>

namespace tolva {

class SuiTabs;

// The strip as a page-tab list whose children are its shown tabs (role page tab, name its
// caption, selected when it is the current step, unavailable when disabled). Its description
// names the current step ("Schritt 2 von 5: Datenbereich"). Made by Qt's accessibility
// through the factory that SuiTabs installs; owns the children it hands out.
class SuiTabsAccessible : public QAccessibleWidget {
  public:
    explicit SuiTabsAccessible(SuiTabs* tabs);
    ~SuiTabsAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;

    // The factory for QAccessible::installFactory.
    static QAccessibleInterface* Factory(const QString& key, QObject* object);

  private:
    SuiTabs* Tabs() const;
    // Tab number of the index-th shown tab (0 when there is none).
    int TabAt(int index) const;

    mutable std::map<int, QAccessible::Id> children_;  // by tab number
};

}  // namespace tolva
