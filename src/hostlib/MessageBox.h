// The seam through which every message box of the component is shown and answered.
#pragma once

#include <QString>

#include <memory>

namespace tolva {

// Message-box styles and answers as the component passes and reads them.
inline constexpr long vbOKOnly = 0;
inline constexpr long vbYesNo = 4;
inline constexpr long vbCritical = 16;
inline constexpr long vbQuestion = 32;
inline constexpr long vbExclamation = 48;
inline constexpr long vbInformation = 64;
inline constexpr long vbDefaultButton2 = 256;
inline constexpr long vbOK = 1;
inline constexpr long vbYes = 6;
inline constexpr long vbNo = 7;

// Shows one modal message box and returns the pressed button (vbOK, vbYes or vbNo).
// Implementations: a terminal one (stderr, default answers), a Qt one (QMessageBox) and the
// scripted ones of the tests.
class MessageBoxPresenter {
  public:
    virtual ~MessageBoxPresenter() = default;
    virtual long Show(const QString& sText, long lStil, const QString& sTitel) = 0;
};

// Installs the presenter used by MsgBox and by the default host's ShowMessage. Passing null
// restores the terminal presenter. The caller may keep its own reference.
void InstallMessageBoxPresenter(std::shared_ptr<MessageBoxPresenter> presenter);
MessageBoxPresenter& CurrentMessageBoxPresenter();
// Whether a presenter is installed (false while the terminal presenter answers).
bool MessageBoxPresenterInstalled();

// The platform's own message box (used where the component does not go through the host).
long MsgBox(const QString& sText, long lStil, const QString& sTitel);

// The answer a box gives when nobody can be asked: Yes unless No is the default button.
long DefaultAnswer(long lStil);

}  // namespace tolva
