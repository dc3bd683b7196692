// PasswordDialog: asks for an archive's password, and says so under the field when the last
// one was wrong.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

namespace tolva {

class PasswordDialog : public QDialog {
    Q_OBJECT
  public:
    // sDatei names the archive in the question; bFalsch shows "Das Passwort ist falsch."
    // under the (empty) field.
    PasswordDialog(const QString& sDatei, bool bFalsch, QWidget* parent = nullptr);
    QString Password() const;

  private:
    QLineEdit* txtPasswort_ = nullptr;
    QLabel* lblFalsch_ = nullptr;
};

}  // namespace tolva
