// The print dialog: Qt's unless a seam is installed.
#include "widgets/PrintDialogs.h"

#include <QPrintDialog>
#include <QPrinter>

namespace tolva {
namespace {

std::shared_ptr<PrintDialogs>& Installed() {
    static std::shared_ptr<PrintDialogs> dialogs;
    return dialogs;
}

}  // namespace

bool QtPrintDialogs::ChoosePrinter(QWidget* owner, QPrinter& drucker) {
    QPrintDialog dialog(&drucker, owner);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    return dialog.exec() == QDialog::Accepted;
}

PrintDialogs& CurrentPrintDialogs() {
    static QtPrintDialogs standard;
    auto& installed = Installed();
    return installed ? *installed : standard;
}

void InstallPrintDialogs(std::shared_ptr<PrintDialogs> dialogs) {
    Installed() = std::move(dialogs);
}

}  // namespace tolva
