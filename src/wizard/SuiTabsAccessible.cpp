// The tab strip for screen readers: the steps as page tabs, the current one selected.
#include "wizard/SuiTabsAccessible.h"

#include "wizard/SuiTabs.h"

#include <QPointer>

namespace tolva {
namespace {

// One tab of the strip; it has no object of its own, so it refers to the strip and its number.
class SuiTabAccessible : public QAccessibleInterface {
  public:
    SuiTabAccessible(SuiTabs* tabs, int n) : tabs_(tabs), n_(n) {}

    bool isValid() const override { return tabs_ && n_ <= tabs_->ItemCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return tabs_ ? tabs_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return tabs_ ? QAccessible::queryAccessibleInterface(tabs_.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        return (t == QAccessible::Name && tabs_) ? tabs_->ItemCaption(n_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!tabs_) return {};
        const QRect r = tabs_->ItemRect(n_);
        return QRect(tabs_->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!tabs_) return s;
        s.selectable = true;
        s.selected = tabs_->IsSelected(n_);
        s.disabled = !tabs_->IsItemEnabled(n_);
        s.invisible = !tabs_->IsShown(n_) || !tabs_->isVisible();
        return s;
    }

  private:
    QPointer<SuiTabs> tabs_;
    int n_;
};

}  // namespace

SuiTabsAccessible::SuiTabsAccessible(SuiTabs* tabs)
    : QAccessibleWidget(tabs, QAccessible::PageTabList) {}

SuiTabsAccessible::~SuiTabsAccessible() {
    for (const auto& [n, id] : children_) QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* SuiTabsAccessible::Factory(const QString& key, QObject* object) {
    if (key == QLatin1String("tolva::SuiTabs") && object && object->isWidgetType())
        return new SuiTabsAccessible(static_cast<SuiTabs*>(object));
    return nullptr;
}

SuiTabs* SuiTabsAccessible::Tabs() const {
    return static_cast<SuiTabs*>(widget());
}

int SuiTabsAccessible::TabAt(int index) const {
    int gezeigt = 0;
    for (int n = 1; n <= Tabs()->ItemCount(); ++n)
        if (Tabs()->IsShown(n) && gezeigt++ == index) return n;
    return 0;
}

int SuiTabsAccessible::childCount() const {
    int gezeigt = 0;
    for (int n = 1; n <= Tabs()->ItemCount(); ++n) gezeigt += Tabs()->IsShown(n) ? 1 : 0;
    return gezeigt;
}

QAccessibleInterface* SuiTabsAccessible::child(int index) const {
    const int n = TabAt(index);
    if (n == 0) return nullptr;
    auto it = children_.find(n);
    if (it == children_.end())
        it = children_
                 .emplace(n,
                          QAccessible::registerAccessibleInterface(new SuiTabAccessible(Tabs(), n)))
                 .first;
    return QAccessible::accessibleInterface(it->second);
}

int SuiTabsAccessible::indexOfChild(const QAccessibleInterface* kind) const {
    for (int i = 0; i < childCount(); ++i)
        if (child(i) == kind) return i;
    return -1;
}

QAccessibleInterface* SuiTabsAccessible::childAt(int x, int y) const {
    const int n = Tabs()->ItemAt(Tabs()->mapFromGlobal(QPoint(x, y)));
    for (int i = 0; n != 0 && i < childCount(); ++i)
        if (TabAt(i) == n) return child(i);
    return nullptr;
}

QString SuiTabsAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) {
        const QString eigener = Tabs()->accessibleName();
        return eigener.isEmpty() ? SuiTabs::tr("Schritte") : eigener;
    }
    if (t == QAccessible::Description) {
        const int aktuell = Tabs()->SelectedItem();
        for (int i = 0; aktuell != 0 && i < childCount(); ++i)
            if (TabAt(i) == aktuell)
                return SuiTabs::tr("Schritt %1 von %2: %3")
                    .arg(QString::number(i + 1), QString::number(childCount()),
                         Tabs()->ItemCaption(aktuell));
        return QString();
    }
    return QAccessibleWidget::text(t);
}

}  // namespace tolva
