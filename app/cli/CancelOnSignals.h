// Ctrl-C, SIGTERM and SIGHUP during a command: the job is asked to cancel (it rolls back and
// removes its own files) instead of the process dying on the spot.
#pragma once

#include <QString>
#include <QTextStream>

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

// When a signal asked to cancel, names it on stderr with the job's own sentence: sAbgebrochen
// and 128 + the signal's number when the job was cancelled; sFertig and 0 when it had committed
// all the same (bFertig), so that the caller goes on to print the job's success lines. Returns
// 0 and prints nothing when no signal came.
int ReportSignal(bool bFertig, const QString& sAbgebrochen, const QString& sFertig,
                 QTextStream& err);

// The archive run's sentences for ReportSignal, in the language shown; the second follows the
// signal's name.
QString RunCancelledText();
QString RunFinishedText();

}  // namespace tolva
