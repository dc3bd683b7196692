// SearchWindow: one text looked up in the live database and every archive of a folder, the
// hits shown as each file is done.
#pragma once

#include "browse/SearchRun.h"

#include <QDialog>

#include <map>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QTimer;

namespace tolva {

class SearchHitModel;

// A text field, the list of hits (newest first, kept sorted as files hand in theirs; the
// selected hit keeps its place on the screen) and a status line that counts the files done
// and at the end names the skipped ones. The search runs on worker threads (SearchRun);
// closing the window cancels it, and nothing of it outlives the window.
class SearchWindow : public QDialog {
    Q_OBJECT
  public:
    // At most this many hits are shown, the newest.
    static constexpr qint64 kHoechstens = 2000;

    // orte: where to search (its text is ignored; lHoechstens 0 means kHoechstens).
    explicit SearchWindow(SearchRequest orte, QWidget* parent = nullptr);
    ~SearchWindow() override;

    // Puts sText into the field and searches for it at once (a running search is cancelled).
    void Search(const QString& sText);
    // Whether a search is still going through files.
    bool Running() const;
    SearchHitModel& Hits() { return *treffer_; }

  protected:
    void done(int r) override;

  private:
    void StartSearch();
    void StopSearch();
    void FileFinished(int lLauf, FileHits datei);
    // Inserts hits so that a selected row stays at the same height in the view.
    void InsertKeepingSelection(const std::vector<SearchHit>& treffer);
    void UpdateStatus();

    SearchRequest orte_;
    std::unique_ptr<SearchRun> lauf_;
    int lLauf_ = 0;     // counts the searches begun; hits of an older one are ignored
    int lDateien_ = 0;  // files of the current search
    int lFertig_ = 0;   // of them done
    bool bGekuerzt_ = false;
    std::map<int, SkippedFile> uebersprungen_;  // by the file's place in the list
    SearchHitModel* treffer_ = nullptr;
    QLineEdit* txtText_ = nullptr;
    QPushButton* cmdSuchen_ = nullptr;
    QTableView* tblTreffer_ = nullptr;
    QLabel* lblStatus_ = nullptr;
    QTimer* pause_ = nullptr;
};

}  // namespace tolva
