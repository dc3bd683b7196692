// SealCheck: the shown archive checked against its seal off the window's thread.
#pragma once

#include "browse/ArchiveCheck.h"

#include <QObject>

#include <atomic>
#include <thread>

namespace tolva {

// Runs CheckArchive on a thread of its own, on connections of its own to the file, and hands
// the result to the thread that made the object (Checked). Stop and the destructor cancel a
// running check and wait for its thread, so nothing of it outlives the object; the result of
// a check that was stopped is never delivered.
class SealCheck : public QObject {
    Q_OBJECT
  public:
    explicit SealCheck(QObject* parent = nullptr);
    ~SealCheck() override;

    // Starts the check of sPfad with sPasswort (the one the file was opened with); stops a
    // running one first.
    void Start(const QString& sPfad, const QString& sPasswort);
    // Cancels a running check and returns once its thread has ended. Harmless when none runs.
    void Stop();
    bool Busy() const { return arbeiter_.joinable(); }
    // Handles events until the check's result has arrived, at most lMs; false when it did not
    // arrive in time. For pictures and tests.
    bool WaitUntilDone(int lMs = 30000);

  signals:
    // The result of the last check started, on the object's thread.
    void Checked(const ArchivePruefung& pruefung);

  private:
    void Arrived(int lLauf, const ArchivePruefung& pruefung);

    std::atomic<bool> bAbbruch_{false};
    int lLauf_ = 0;  // counts the checks begun; an older one's result is dropped
    std::thread arbeiter_;
};

}  // namespace tolva
