// frmArchiv: the borderless wizard window that creates archives and picks one for viewing.
#pragma once

#include "common/Result.h"
#include "state/ArchivForm.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QPoint>
#include <QString>

#include <array>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace tolva {

class CaptionLabel;
class FocusLabel;
class PlanView;
class KontenGrid;
class SkinImage;
class SkinLine;
class SuiButtons;
class SuiTabs;

// The window of one call of Archiv. Every control carries its name as objectName ("suiTabs",
// "grdKonten", "optPasswort_2", "txtDatei_0", ...). The routines keep the names of the
// component; they work on the shared state (Shared()) and report through the host's message
// box. The window reaches the engine through the shared state and is reached by it through
// ArchivForm (Shared().oArchivForm, set by the caller).
//
// Lifetime: made by Archiv (or a test), shown with ShowModal, which runs the load handler and
// the window's loop; "unloading" ends the loop (or keeps it from starting). The caller owns
// the window and releases it afterwards. Precondition: a QApplication exists.
class FrmArchiv : public QDialog, public ArchivForm {
    Q_OBJECT
  public:
    // Design sizes (twips) of the controls whose size the layout reads but does not set.
    static constexpr double kTabsDesignHeight = 2900;
    static constexpr double kButtonsDesignWidth = 4560;
    static constexpr double kButtonsDesignHeight = 480;

    explicit FrmArchiv(QWidget* parent = nullptr);
    ~FrmArchiv() override;

    // Runs the load handler and, unless it unloaded the window, the modal loop.
    void ShowModal();
    // The load handler alone (ShowModal calls it; tests and the page renderer too).
    void FormLoad();
    // Ends the window: hides it and ends the modal loop. Handlers do nothing afterwards.
    void Unload();
    bool IsUnloaded() const { return bUnloaded_; }
    // Whether an archive run is going on (the window refuses to close meanwhile).
    bool IsRunning() const { return bLaeuft_; }

    // Page navigation.
    int CurrentPage() const { return lAktuelleSeite_; }
    void suiButtons_ItemClick(const QString& sKey);
    void GoForward();
    void NextPage();
    void PreviousPage();
    void ShowPage();

    // Create pages.
    bool FillAccountGrid(KontenGrid* grid);
    void grdKonten_AfterEdit(int lZeile, int lSpalte);
    bool GetChecked();
    void optPasswort_Click(int lIndex);
    bool CheckPasswordPage();
    bool PrepareSummaryPage();
    // The plan under the summary text: what "Starten" archives, where to, removal, backup.
    void ShowPlan();
    void BuildDefaultFileName();
    QString GetDatabaseBaseName() const;
    void chkEntfern_Click();
    // The backup file's full path shown in lblSich, from settings 111 and 4 and the database.
    QString BackupFileName() const;
    // "Ändern …" beside the backup path: another backup file for this run only (no setting is
    // written); the name always ends in ".BKA".
    void cmdSicherung_Click();

    // Start of the job of the last page, and the view pages.
    void StartArchive();
    void optDaten_Click(int lIndex);
    void cmdDurchsuchen_Click(int lIndex);
    void ListArchives();
    void UpdateArchiveHint();
    void lstArchiv_Click();
    void suiTabs_ItemClick(int lTab);

    // ArchivForm: what the engine sees of the window.
    void SetProgressVisible(bool bVis) override;
    void SetProgress(qint64 fortschritt) override;
    qint64 ProgressFrameWidth() const override;
    void ClearProgressList() override;
    void SetProgressListVisible(bool bVis) override;
    void AddProgressLine(const QString& sZeile) override;
    void RepaintProgressList() override;
    void RepaintWindow() override;
    void SetBusyPointer(bool bBusy) override;
    QString NewPasswordText() const override;
    int AccountRowCount() const override;
    QVariant AccountRowData(int lZeile) const override;
    QString AccountRowBank(int lZeile) const override;

  public slots:
    // Escape and closing the window act as "cancel".
    void reject() override;

  protected:
    // Return and Enter press "Weiter" on pages 1 to 4 from every control but a text of several
    // lines, a focused "Zurück" included (Space presses the focused button); on page 5 they
    // do nothing: "Starten" needs a click or Space on it. On page 6 they press the focused push
    // button, else "Anzeigen".
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void BuildControls();
    QWidget* BuildPage1();
    QWidget* BuildPage2();
    QWidget* BuildPage3();
    QWidget* BuildPage4();
    QWidget* BuildPage5();
    QWidget* BuildPage6();
    QWidget* NewPage(int n, const QString& sTitel, QVBoxLayout*& layout);
    void ConnectControls();
    // Accessible names and label buddies of the controls, for screen readers.
    void DescribeControls();
    // Tab visits the page's own controls first, then the button bar.
    void OrderTabChain();
    // Puts the keyboard focus on the current page's first input (the chosen option, the grid,
    // the file field or list, on page 5 the overview); a page without one gives it to "Weiter",
    // page 5 to "Zurück". Before the window is shown the control gets it once it is.
    void FocusPageInput();
    // Colours of the window and its controls; fails when the progress colour (host setting 11)
    // is no number, leaving the controls after the bar unpainted.
    Status ApplyColours();
    void PlacePanels();
    Status LoadHandlerSteps();
    void ViewHandBack();
    void ErrorExit(const QString& sBeschreibung);
    int Px(double twips) const;

    // Window-level skin controls.
    SkinImage* imBackground_ = nullptr;
    SkinImage* imButtons_ = nullptr;
    SkinImage* imFocus_ = nullptr;
    FocusLabel* lblFocus_ = nullptr;
    SuiTabs* suiTabs_ = nullptr;
    QFrame* picFrame_ = nullptr;
    SkinLine* Line1_ = nullptr;
    SuiButtons* suiButtons_ = nullptr;
    std::array<QWidget*, 7> pictab_{};  // pages 1 to 6; slot 0 unused

    // Page 1.
    std::array<QRadioButton*, 2> optDaten_{};
    // Page 2.
    QComboBox* cboKonto_ = nullptr;
    KontenGrid* grdKonten_ = nullptr;
    QDateEdit* dtVon_ = nullptr;
    QCheckBox* chkEntfern_ = nullptr;
    QCheckBox* chkSichern_ = nullptr;
    CaptionLabel* lblWarnung_ = nullptr;
    CaptionLabel* lblSich_ = nullptr;
    QPushButton* cmdSicherung_ = nullptr;
    QWidget* picWarnung_ = nullptr;
    // Page 3.
    QWidget* picPasswort_ = nullptr;
    std::array<QRadioButton*, 3> optPasswort_{};
    std::array<QLineEdit*, 2> txtPasswort_{};
    QLabel* lblPasswort_ = nullptr;
    // Pages 4 and 6.
    std::array<CaptionLabel*, 2> lblDatei_{};
    std::array<QLineEdit*, 2> txtDatei_{};
    std::array<QPushButton*, 2> cmdDurchsuchen_{};
    QListWidget* lstArchiv_ = nullptr;
    QListWidget* lstInhalt_ = nullptr;
    // Page 5.
    CaptionLabel* lblEx0_ = nullptr;
    PlanView* picPlan_ = nullptr;  // the plan before "Starten"; the progress list replaces it
    QListWidget* lstFortschritt_ = nullptr;
    QFrame* fraProgress_ = nullptr;
    QWidget* ProgressBar_ = nullptr;

    int lAktuelleSeite_ = 1;
    bool bUnloaded_ = false;
    bool bLaeuft_ = false;
    bool bBusy_ = false;
    QElapsedTimer letzteMalung_;  // when RepaintWindow last painted
    QPoint dragStart_;
    bool bDragging_ = false;
};

// Value of a check box as the component reads it: 1 ticked, 0 not ticked, 2 greyed.
int CheckValue(const QCheckBox* box);

}  // namespace tolva
