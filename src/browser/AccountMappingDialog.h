// AccountMappingDialog: asks which account of the user database the rows of an archive
// account belong to, for archives that do not carry every account their rows refer to.
#pragma once

#include "restore/Restore.h"

#include <QDialog>

#include <map>
#include <optional>
#include <utility>
#include <vector>

class QComboBox;

namespace tolva {

// A modal dialog with one line per archive account without a match: what refers to it and a
// choice of the database's accounts or "nicht zurückholen" (the default: nothing is guessed).
// "Zurückholen" accepts, "Abbrechen" rejects.
class AccountMappingDialog : public QDialog {
    Q_OBJECT
  public:
    // lebend: the database's accounts, id → label.
    AccountMappingDialog(const std::vector<MissingAccount>& fehlend,
                         const std::map<qint64, QString>& lebend, QWidget* parent = nullptr);

    // Archive account id → the chosen live id, or no value for "nicht zurückholen".
    std::map<qint64, std::optional<qint64>> Zuordnung() const;

  private:
    std::vector<std::pair<qint64, QComboBox*>> auswahl_;
};

}  // namespace tolva
