// BrowserWindow: a read-only look inside an archive (or the live database).
#pragma once

#include "browse/BrowseFile.h"
#include "common/Result.h"

#include <QDialog>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;
class QPushButton;
class QTabWidget;
class QTableView;
class QSplitter;
class QTableWidget;
class QTimer;

namespace tolva {

class BookingModel;
class ChartTab;
class DateField;
class SealCheck;
class SearchWindow;
struct ArchivePruefung;

// Where "Zurückholen …" puts the shown archive's rows back, and the password the archive was
// opened with. Without a database the button is hidden.
struct RestoreTarget {
    QString sDatenbank;  // the user database; empty: no restore
    QString sPasswort;
};

// Accounts on the left under their banks ("Alle Konten" first); bookings, orders and
// collective orders on the
// right; a search field over payee and purpose; a status line with count and sum of the shown
// bookings; the shown bookings can be saved as CSV, and with a RestoreTarget the archive's rows
// of the chosen account (all with "Alle Konten") can be put back into the user database
// (RestoreDialog). "In allen Archiven suchen …" opens a SearchWindow over the user database
// (with a RestoreTarget) and every archive of the shown file's folder, searching the
// archives with a password only when it is the shown archive's. Owns the file it shows.
// "Drucken …" and "Als PDF speichern …" give the shown bookings as a statement (Statement.h).
// An archive is checked against its seal (SealCheck) once the window is first shown, the live
// database never: the title says "Prüfung läuft …" meanwhile and then the seal's state, and a
// damaged or unreadable archive gets a line above the buttons with the details.
class BrowserWindow : public QDialog {
    Q_OBJECT
  public:
    // Fails (German) when the file's accounts cannot be read.
    static Result<std::unique_ptr<BrowserWindow>> Make(std::unique_ptr<BrowseFile> datei,
                                                       RestoreTarget ziel = {},
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
    // Brings the "Verlauf" tab to the front; its months are counted from then on
    // (Chart().WaitUntilDone() waits for them).
    void ShowChart();
    ChartTab& Chart() { return *verlauf_; }
    // The check of the archive against its seal (Seal().WaitUntilDone() waits for it).
    SealCheck& Seal() { return *siegel_; }

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    BrowserWindow(std::unique_ptr<BrowseFile> datei, RestoreTarget ziel, QWidget* parent);
    // The parts of the window, top to bottom, and what their controls start.
    QHBoxLayout* BuildFilterBar();  // search text, date and amount ranges
    QSplitter* BuildContent();      // the account tree beside the tabs of bookings and orders
    QHBoxLayout* BuildButtonBar();  // status, export, restore, close
    void ConnectControls();
    Status Fill();
    void FitAccountTree();  // the account tree as wide as its labels need
    void ApplyFilter();
    void FillOrders();
    void UpdateStatus();
    void Export();
    void Restore();
    void SearchEverywhereWindow();
    void AccountChosen(QTreeWidgetItem* zeile);
    void ShowSeal(const ArchivePruefung& pruefung);

    std::unique_ptr<BrowseFile> datei_;
    RestoreTarget ziel_;
    std::vector<BrowseAccount> konten_;
    std::optional<qint64> lKonto_;
    BookingModel* buchungen_ = nullptr;
    QTreeWidget* trvKonten_ = nullptr;
    QLineEdit* txtSuche_ = nullptr;
    QPushButton* cmdUeberall_ = nullptr;  // "In allen Archiven suchen …"
    QPointer<SearchWindow> suche_;        // the open search window (a child); null: none
    DateField* dtVon_ = nullptr;          // the earliest date shown; no date: open
    DateField* dtBis_ = nullptr;          // the latest date shown; no date: open
    QLineEdit* txtBetragVon_ = nullptr;   // amounts in euros ("-12,50"); empty: open
    QLineEdit* txtBetragBis_ = nullptr;
    QTabWidget* tabInhalt_ = nullptr;
    QTableView* tblUmsaetze_ = nullptr;
    QTableWidget* tblAuftraege_ = nullptr;
    QTableWidget* tblSammel_ = nullptr;
    ChartTab* verlauf_ = nullptr;  // "Verlauf": the shown bookings per month
    QLabel* lblStatus_ = nullptr;
    QPushButton* cmdExport_ = nullptr;
    QPushButton* cmdDrucken_ = nullptr;  // the statement of the shown bookings, printed
    QPushButton* cmdPdf_ = nullptr;      // the same as PDF
    QPushButton* cmdZurueck_ = nullptr;  // hidden without a database to restore into
    QPushButton* cmdSchliessen_ = nullptr;
    QTimer* suchPause_ = nullptr;
    SealCheck* siegel_ = nullptr;
    bool bSiegelBegonnen_ = false;  // the check is started once, when the window is first shown
    QLabel* lblSiegel_ = nullptr;   // a damaged or unreadable archive's details; hidden else
};

// Asks for an archive's password (bFalsch: the last one given was wrong); nullopt when the
// user cancels.
using PasswordPrompt = std::function<std::optional<QString>(const QString& sDatei, bool bFalsch)>;
// PasswordDialog.
std::optional<QString> AskPasswordInDialog(const QString& sDatei, bool bFalsch);

// Opens sPfad read-only (asking with prompt as long as a password is needed and not given or
// wrong) and shows it in the browser until the user closes it; with sDatenbank the browser
// can put the archive's rows back there, with the password that opened it. On a real screen
// the boxes are Qt's while the browser is open, unless a presenter is installed. Fails with
// the German reason when the file cannot be shown; the user cancelling the password is no
// failure. Precondition: a QApplication exists.
Status BrowseArchive(const QString& sPfad, const QString& sPasswort,
                     const QString& sDatenbank = QString(),
                     const PasswordPrompt& prompt = AskPasswordInDialog);

}  // namespace tolva
