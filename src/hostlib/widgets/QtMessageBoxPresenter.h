// Shows the component's message boxes as QMessageBox windows.
#pragma once

#include "hostlib/MessageBox.h"

namespace tolva {

// Styles map to icons (16 critical, 32 question, 48 warning, 64 information) and buttons
// (0 OK, 4 Yes/No, 256 second button default); the answer is 1, 6 or 7.
// Precondition: a QApplication exists and Show runs on its thread.
class QtMessageBoxPresenter : public MessageBoxPresenter {
  public:
    long Show(const QString& sText, long lStil, const QString& sTitel) override;
};

}  // namespace tolva
