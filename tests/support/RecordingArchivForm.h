// An ArchivForm that records what the engine shows, for tests.
#pragma once

#include "state/ArchivForm.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <vector>

namespace tolva::test {

class RecordingArchivForm : public ArchivForm {
  public:
    struct Row {
        QVariant id;
        QString bank;
    };

    void SetProgressVisible(bool bVis) override { progressVisible = bVis; }
    void SetProgress(qint64 fortschritt) override { progress.push_back(fortschritt); }
    qint64 ProgressFrameWidth() const override { return frameWidth; }
    void ClearProgressList() override { lines.clear(); }
    void SetProgressListVisible(bool bVis) override { listVisible = bVis; }
    void AddProgressLine(const QString& sZeile) override { lines << sZeile; }
    void RepaintProgressList() override { ++listRepaints; }
    void RepaintWindow() override {}
    void SetBusyPointer(bool bBusy) override { busy = bBusy; }
    QString NewPasswordText() const override { return newPassword; }
    int AccountRowCount() const override { return static_cast<int>(rows.size()); }
    QVariant AccountRowData(int lZeile) const override { return rows.at(lZeile).id; }
    QString AccountRowBank(int lZeile) const override { return rows.at(lZeile).bank; }

    qint64 frameWidth = 4000;
    bool progressVisible = false;
    bool listVisible = false;
    bool busy = false;
    int listRepaints = 0;
    std::vector<qint64> progress;
    QStringList lines;
    QString newPassword;
    std::vector<Row> rows;
};

}  // namespace tolva::test
