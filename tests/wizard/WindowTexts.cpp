// Texts of a window read through Qt's widgets and styles.
#include "WindowTexts.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QTabBar>
#include <QTextDocument>
#include <QTreeView>

namespace tolva::test {
namespace {

QString Plain(QString s) {
    return s.remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

QString Name(const QWidget* w, const QString& sText) {
    return (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                      : w->objectName()) +
           QStringLiteral(": ") + sText;
}

bool Shown(const QWidget* w, const QWidget* fenster) {
    return w->isVisibleTo(fenster) && !w->objectName().startsWith(QLatin1String("qt_"));
}

// The widest line of a label's text.
int TextWidth(const QLabel* label) {
    int lBreite = 0;
    for (const QString& sZeile : Plain(label->text()).split(u'\n'))
        lBreite = std::max(lBreite, label->fontMetrics().horizontalAdvance(sZeile));
    return lBreite;
}

// The rows of a tree whose text its column cuts, as "name: text".
void CutTreeRows(QTreeView* baum, const QModelIndex& eltern, QStringList& fehler) {
    const QAbstractItemModel* m = baum->model();
    for (int r = 0; r < m->rowCount(eltern); ++r) {
        for (int c = 0; c < m->columnCount(eltern); ++c) {
            const QModelIndex i = m->index(r, c, eltern);
            const QRect rect = baum->visualRect(i);
            if (rect.isEmpty() || baum->isColumnHidden(c)) continue;
            if (baum->sizeHintForIndex(i).width() > rect.width())
                fehler << Name(baum, i.data().toString()) + QStringLiteral(" (cut in its column)");
        }
        const QModelIndex kind = m->index(r, 0, eltern);
        if (baum->isExpanded(kind)) CutTreeRows(baum, kind, fehler);
    }
}

}  // namespace

QStringList VisibleTexts(QWidget* fenster) {
    QStringList texte{fenster->windowTitle()};
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        if (!Shown(w, fenster)) continue;
        texte << w->toolTip() << w->accessibleName() << w->accessibleDescription();
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (Qt::mightBeRichText(label->text())) {
                QTextDocument d;
                d.setHtml(label->text());
                texte << d.toPlainText();
            } else {
                texte << label->text();
            }
        } else if (auto* knopf = qobject_cast<QAbstractButton*>(w)) {
            texte << knopf->text();
        } else if (auto* gruppe = qobject_cast<QGroupBox*>(w)) {
            texte << gruppe->title();
        } else if (auto* reiter = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < reiter->count(); ++i)
                texte << reiter->tabText(i) << reiter->tabToolTip(i);
        } else if (auto* kopf = qobject_cast<QHeaderView*>(w); kopf && kopf->model()) {
            for (int i = 0; i < kopf->count(); ++i) {
                if (kopf->isSectionHidden(i)) continue;
                for (int rolle : {int(Qt::DisplayRole), int(Qt::ToolTipRole)})
                    texte << kopf->model()->headerData(i, kopf->orientation(), rolle).toString();
            }
        }
    }
    texte.removeAll(QString());
    return texte;
}

QStringList CutTexts(QWidget* fenster) {
    QStringList fehler;
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        if (!Shown(w, fenster)) continue;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->text().isEmpty() || Qt::mightBeRichText(label->text()) ||
                label->textFormat() == Qt::RichText)
                continue;
            const QRect r = label->contentsRect();
            if (label->wordWrap()) {
                if (label->heightForWidth(label->width()) > label->height())
                    fehler << Name(w, label->text()) + QStringLiteral(" (taller than its label)");
            } else if (TextWidth(label) >
                       r.width() - 2 * label->margin() - std::max(label->indent(), 0)) {
                fehler << Name(w, label->text()) + QStringLiteral(" (wider than its label)");
            }
        } else if (auto* knopf = qobject_cast<QAbstractButton*>(w)) {
            if (knopf->text().isEmpty()) continue;
            // The button asks for what its text needs; less means the text is cut.
            if (knopf->minimumSizeHint().width() > knopf->width() ||
                knopf->fontMetrics().horizontalAdvance(Plain(knopf->text())) > knopf->width())
                fehler << Name(w, knopf->text()) + QStringLiteral(" (wider than its button)");
        } else if (auto* gruppe = qobject_cast<QGroupBox*>(w)) {
            if (gruppe->fontMetrics().horizontalAdvance(Plain(gruppe->title())) > gruppe->width())
                fehler << Name(w, gruppe->title()) + QStringLiteral(" (wider than its group)");
        } else if (auto* reiter = qobject_cast<QTabBar*>(w)) {
            const int lRand =
                reiter->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, reiter);
            for (int i = 0; i < reiter->count(); ++i)
                if (reiter->fontMetrics().horizontalAdvance(Plain(reiter->tabText(i))) + lRand >
                        reiter->tabRect(i).width() ||
                    reiter->tabRect(i).right() > reiter->width())
                    fehler << Name(w, reiter->tabText(i)) + QStringLiteral(" (tab too narrow)");
        } else if (auto* baum = qobject_cast<QTreeView*>(w); baum && baum->model()) {
            CutTreeRows(baum, QModelIndex(), fehler);
        } else if (auto* kopf = qobject_cast<QHeaderView*>(w);
                   kopf && kopf->model() && kopf->orientation() == Qt::Horizontal) {
            for (int i = 0; i < kopf->count(); ++i) {
                if (kopf->isSectionHidden(i)) continue;
                const QString sText =
                    kopf->model()->headerData(i, Qt::Horizontal, Qt::DisplayRole).toString();
                // Where the style draws the section's text (inside its margins).
                QStyleOptionHeader opt;
                opt.initFrom(kopf);
                opt.rect = QRect(0, 0, kopf->sectionSize(i), kopf->height());
                opt.section = i;
                opt.text = sText;
                const QRect r = kopf->style()->subElementRect(QStyle::SE_HeaderLabel, &opt, kopf);
                if (kopf->fontMetrics().horizontalAdvance(sText) > r.width())
                    fehler << Name(w, sText) + QStringLiteral(" (column narrower than its header)");
            }
        }
    }
    return fehler;
}

}  // namespace tolva::test
