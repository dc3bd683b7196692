// The wizard window as a terminal shows it: progress lines on stdout, a bar on stderr.
#pragma once

#include "common/Result.h"
#include "state/ArchivForm.h"

#include <QString>
#include <QTextStream>
#include <QVariant>

#include <vector>

namespace tolva {

class Connection;

class TerminalArchivForm : public ArchivForm {
  public:
    // Progress lines go to out (which must outlive the form), the bar to the terminal's stderr.
    explicit TerminalArchivForm(QTextStream& out);

    // Reads the account rows (id, bank id) that the wizard's grid would show.
    Status LoadAccounts(Connection& cn);
    void SetNewPassword(const QString& sPasswort) { sNeuesPasswort_ = sPasswort; }

    void SetProgressVisible(bool bVis) override;
    void SetProgress(qint64 fortschritt) override;
    qint64 ProgressFrameWidth() const override { return kBreite; }
    void ClearProgressList() override {}
    void SetProgressListVisible(bool) override {}
    void AddProgressLine(const QString& sZeile) override;
    void RepaintProgressList() override {}
    void RepaintWindow() override {}
    void SetBusyPointer(bool) override {}
    QString NewPasswordText() const override { return sNeuesPasswort_; }
    int AccountRowCount() const override { return static_cast<int>(konten_.size()); }
    QVariant AccountRowData(int lZeile) const override { return konten_.at(lZeile).id; }
    QString AccountRowBank(int lZeile) const override { return konten_.at(lZeile).bank; }

    // Ids of every account, in the table's order.
    std::vector<QString> AccountIds() const;

  private:
    static constexpr qint64 kBreite = 7200;  // twips of the wizard's progress frame
    struct Konto {
        qint64 id;
        QString bank;
    };
    void ClearBar();

    QTextStream& out_;
    std::vector<Konto> konten_;
    QString sNeuesPasswort_;
    bool bBalken_ = false;  // stderr is a terminal: draw the bar there
};

// Ends the line of the progress bar on stderr, when one is drawn, with a line end after it:
// what comes next on stderr (a message, the signal's sentence) starts a line of its own, and
// the bar stays as it was.
void EndProgressLine();

}  // namespace tolva
