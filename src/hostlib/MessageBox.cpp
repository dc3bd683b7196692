// The message-box seam: the installed presenter, else a terminal one.
#include "hostlib/MessageBox.h"

#include <QTextStream>

#include <mutex>

namespace tolva {
namespace {

// Writes the box to stderr and gives the default answer: for a process without a window.
class TerminalPresenter : public MessageBoxPresenter {
  public:
    long Show(const QString& sText, long lStil, const QString& sTitel) override {
        QTextStream err(stderr);
        if (!sTitel.isEmpty()) err << sTitel << ": ";
        err << QString(sText).replace(QStringLiteral("\r\n"), QStringLiteral("\n")) << Qt::endl;
        return DefaultAnswer(lStil);
    }
};

std::shared_ptr<MessageBoxPresenter>& Installed() {
    static std::shared_ptr<MessageBoxPresenter> presenter;
    return presenter;
}

}  // namespace

void InstallMessageBoxPresenter(std::shared_ptr<MessageBoxPresenter> presenter) {
    Installed() = std::move(presenter);
}

MessageBoxPresenter& CurrentMessageBoxPresenter() {
    static TerminalPresenter terminal;
    auto& installed = Installed();
    return installed ? *installed : terminal;
}

bool MessageBoxPresenterInstalled() {
    return Installed() != nullptr;
}

long MsgBox(const QString& sText, long lStil, const QString& sTitel) {
    return CurrentMessageBoxPresenter().Show(sText, lStil, sTitel);
}

long DefaultAnswer(long lStil) {
    const long buttons = lStil & 7;
    if (buttons == vbYesNo) return (lStil & vbDefaultButton2) ? vbNo : vbYes;
    return vbOK;
}

}  // namespace tolva
