// Message boxes of the command line: title and text on stderr, questions answered by flag or
// by the user at the terminal.
#pragma once

#include "hostlib/MessageBox.h"

#include <QTextStream>

namespace tolva {

// With bJa every Yes/No question is answered Yes. Without it a question is asked when stdin
// is a terminal and answered No otherwise.
class TerminalMessageBoxes : public MessageBoxPresenter {
  public:
    // The boxes are written to err, which must outlive them.
    TerminalMessageBoxes(bool bJa, QTextStream& err) : bJa_(bJa), err_(err) {}
    long Show(const QString& sText, long lStil, const QString& sTitel) override;

  private:
    bool bJa_;
    QTextStream& err_;
};

}  // namespace tolva
