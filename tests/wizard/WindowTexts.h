// What a person reads in a window: its texts, and the ones that do not fit their control.
#pragma once

#include <QStringList>

class QWidget;

namespace tolva::test {

// The window's title and every text of its visible controls: labels, buttons, group titles,
// tabs, column headers, tooltips and accessible names.
QStringList VisibleTexts(QWidget* fenster);

// The visible controls of the window whose text is cut off, as "name: text". Labels, buttons,
// check boxes, radio buttons, group titles, tabs, column headers and the rows of trees.
QStringList CutTexts(QWidget* fenster);

}  // namespace tolva::test
