// BrowserWindow: a read-only look inside an archive (or the live database).
#pragma once

#include "browse/BrowseFile.h"
#include "common/Result.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>

class QDateEdit;
class QLabel;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;
class QPushButton;
class QTabWidget;
class QTableView;
class QTableWidget;
class QTimer;

namespace tolva {

class BookingModel;

// Accounts on the left under their banks ("Alle Konten" first); bookings, orders and
// collective orders on the
// right; a search field over payee and purpose; a status line with count and sum of the shown
// bookings; the shown bookings can be saved as CSV. Owns the file it shows.
class BrowserWindow : public QDialog {
    Q_OBJECT
  public:
    // Fails (German) when the file's accounts cannot be read.
    static Result<std::unique_ptr<BrowserWindow>> Make(std::unique_ptr<BrowseFile> datei,
                                                       QWidget* parent = nullptr);
    ~BrowserWindow() override;

    // What the search field holds; applied at once (typing applies it after a short pause).
    void SetSearchText(const QString& sText);
    // Shows one account (nullopt: all).
    void SelectAccount(std::optional<qint64> lKontoID);
    // The date and amount ranges (invalid dates and empty texts: open), applied at once.
    void SetRanges(const QDate& dVon, const QDate& dBis, const QString& sBetragVon,
                   const QString& sBetragBis);
    BookingModel& Bookings() { return *buchungen_; }

  private:
    explicit BrowserWindow(std::unique_ptr<BrowseFile> datei, QWidget* parent);
    Status Fill();
    void ApplyFilter();
    void FillOrders();
    void UpdateStatus();
    void Export();
    void AccountChosen(QTreeWidgetItem* zeile);

    std::unique_ptr<BrowseFile> datei_;
    std::vector<BrowseAccount> konten_;
    std::optional<qint64> lKonto_;
    BookingModel* buchungen_ = nullptr;
    QTreeWidget* trvKonten_ = nullptr;
    QLineEdit* txtSuche_ = nullptr;
    QDateEdit* dtVon_ = nullptr;         // the earliest date shown; at its minimum: open
    QDateEdit* dtBis_ = nullptr;         // the latest date shown; at its minimum: open
    QLineEdit* txtBetragVon_ = nullptr;  // amounts in euros ("-12,50"); empty: open
    QLineEdit* txtBetragBis_ = nullptr;
    QTabWidget* tabInhalt_ = nullptr;
    QTableView* tblUmsaetze_ = nullptr;
    QTableWidget* tblAuftraege_ = nullptr;
    QTableWidget* tblSammel_ = nullptr;
    QLabel* lblStatus_ = nullptr;
    QPushButton* cmdExport_ = nullptr;
    QTimer* suchPause_ = nullptr;
};

// Asks for an archive's password; nullopt when the user cancels.
using PasswordPrompt = std::function<std::optional<QString>(const QString& sDatei)>;
// Qt's input dialog with a password field.
std::optional<QString> AskPasswordInDialog(const QString& sDatei);

// Opens sPfad read-only (asking with prompt as long as a password is needed and not given or
// wrong) and shows it in the browser until the user closes it. Fails with the German reason
// when the file cannot be shown; the user cancelling the password is no failure.
// Precondition: a QApplication exists.
Status BrowseArchive(const QString& sPfad, const QString& sPasswort,
                     const PasswordPrompt& prompt = AskPasswordInDialog);

}  // namespace tolva
