// ArchivForm: the wizard window as the engine modules see it.
#pragma once

#include <QString>
#include <QVariant>

namespace tolva {

// Implemented by the wizard window (widgets), the command line (terminal) and the tests
// (recorder). The engine holds it through the shared state's oArchivForm and never owns it.
class ArchivForm {
  public:
    virtual ~ArchivForm() = default;

    // Progress frame fraProgress and its bar ProgressBar (widths in twips).
    virtual void SetProgressVisible(bool bVis) = 0;
    virtual void SetProgress(qint64 fortschritt) = 0;
    virtual qint64 ProgressFrameWidth() const = 0;

    // Progress list lstFortschritt.
    virtual void ClearProgressList() = 0;
    virtual void SetProgressListVisible(bool bVis) = 0;
    virtual void AddProgressLine(const QString& sZeile) = 0;
    virtual void RepaintProgressList() = 0;

    // Repaint of the whole window (lets it paint while a run works); the window may skip calls
    // that come sooner than a person could see.
    virtual void RepaintWindow() = 0;
    // Mouse pointer: busy (11) or default (0).
    virtual void SetBusyPointer(bool bBusy) = 0;

    // Text of txtPasswort(0): the new password of the archive.
    virtual QString NewPasswordText() const = 0;

    // The account grid grdKonten: per row the account id (row data) and the bank id as the
    // text of column 1.
    virtual int AccountRowCount() const = 0;
    virtual QVariant AccountRowData(int lZeile) const = 0;
    virtual QString AccountRowBank(int lZeile) const = 0;
};

}  // namespace tolva
