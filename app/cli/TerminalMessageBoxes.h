// Message boxes of the command line: title and text on stderr, questions answered by flag or
// by the user at the terminal.
#pragma once

#include "hostlib/MessageBox.h"

namespace tolva {

// With bJa every Yes/No question is answered Yes. Without it a question is asked when stdin
// is a terminal and answered No otherwise.
class TerminalMessageBoxes : public MessageBoxPresenter {
  public:
    explicit TerminalMessageBoxes(bool bJa) : bJa_(bJa) {}
    long Show(const QString& sText, long lStil, const QString& sTitel) override;

  private:
    bool bJa_;
};

}  // namespace tolva
