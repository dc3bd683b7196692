// The process's cancellation request: lock-free atomics, so a signal handler may set it.
#include "database/Cancel.h"

#include <QCoreApplication>

#include <atomic>

namespace tolva {
namespace {

std::atomic<int> gSignal{0};
std::atomic<int> gHolds{0};
static_assert(std::atomic<int>::is_always_lock_free);

}  // namespace

void RequestCancel(int lSignal) noexcept {
    int frei = 0;
    gSignal.compare_exchange_strong(frei, lSignal > 0 ? lSignal : 1);
}

int CancelSignal() noexcept {
    return gSignal.load();
}

void ClearCancelRequest() noexcept {
    gSignal.store(0);
}

bool CancelRequested() noexcept {
    return gSignal.load(std::memory_order_relaxed) != 0 &&
           gHolds.load(std::memory_order_relaxed) == 0;
}

Status CheckCancel() {
    if (!CancelRequested()) return Status::Ok();
    return Status::Fail(QCoreApplication::translate("Cancel", "Der Vorgang wurde abgebrochen."),
                        kCodeAbgebrochen);
}

CancelHold::CancelHold() noexcept {
    gHolds.fetch_add(1);
}

CancelHold::~CancelHold() {
    gHolds.fetch_sub(1);
}

}  // namespace tolva
