// Ctrl-C, SIGTERM and SIGHUP during a command: the job is asked to cancel (it rolls back and
// removes its own files) instead of the process dying on the spot.
#pragma once

#include <QString>

#include <csignal>

namespace tolva {

// While alive, SIGINT, SIGTERM and SIGHUP only record a cancellation request
// (database/Cancel.h), which the engine acts on at its next safe point; blocking calls return
// early (no automatic restart). The handlers before it are restored when it ends.
class CancelOnSignals {
  public:
    CancelOnSignals();
    ~CancelOnSignals();
    CancelOnSignals(const CancelOnSignals&) = delete;
    CancelOnSignals& operator=(const CancelOnSignals&) = delete;

  private:
    struct sigaction alt_[3] = {};
};

// When a signal asked to cancel: prints what became of the job and returns 128 + the signal's
// number; returns 0 when no signal came. bFertig: the job had completed all the same.
int ReportSignal(bool bFertig);

}  // namespace tolva
