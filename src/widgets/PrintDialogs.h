// PrintDialogs: the print dialog behind a seam, as FileDialogs is for files.
#pragma once

#include <memory>

class QPrinter;
class QWidget;

namespace tolva {

// The dialog that chooses a printer. The default implementation uses Qt's QPrintDialog; tests
// install one that points the printer at a file.
class PrintDialogs {
  public:
    virtual ~PrintDialogs() = default;
    // Lets the user choose and set up drucker; false when the user cancelled (drucker may have
    // changed then, but nothing is printed).
    virtual bool ChoosePrinter(QWidget* owner, QPrinter& drucker) = 0;
};

// Qt's own print dialog.
class QtPrintDialogs : public PrintDialogs {
  public:
    bool ChoosePrinter(QWidget* owner, QPrinter& drucker) override;
};

// The installed dialogs, else QtPrintDialogs. Passing null restores the default.
PrintDialogs& CurrentPrintDialogs();
void InstallPrintDialogs(std::shared_ptr<PrintDialogs> dialogs);

}  // namespace tolva
