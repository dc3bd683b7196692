// Cancellation of a running job by the program around the engine (the command line's signal
// handlers). The engine installs no handler itself; it looks at the request at safe points:
// between the steps of a run, between the blocks of a file copy and, through a progress
// handler on every connection, inside long statements.
#pragma once

#include "common/Result.h"

namespace tolva {

// The code of a Status that ends a step because cancellation was requested.
inline constexpr int kCodeAbgebrochen = -2;

// Records a request to cancel, with the signal number that asked for it (or any positive
// number). Async-signal-safe: may be called from a signal handler. The first request wins.
void RequestCancel(int lSignal) noexcept;

// The number given to the first RequestCancel, 0 when none came.
int CancelSignal() noexcept;

// Forgets a request (a new job in the same process; tests).
void ClearCancelRequest() noexcept;

// Whether a request is pending and no CancelHold is alive.
bool CancelRequested() noexcept;

// Ok, or a failure with kCodeAbgebrochen when CancelRequested().
Status CheckCancel();

// While one is alive, requests are recorded but not acted on: a step that must finish once
// begun (the archive's rename up to the user database's commit) holds one.
class CancelHold {
  public:
    CancelHold() noexcept;
    ~CancelHold();
    CancelHold(const CancelHold&) = delete;
    CancelHold& operator=(const CancelHold&) = delete;
};

}  // namespace tolva
