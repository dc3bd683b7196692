#include "component/SharedState.h"

namespace tolva {

SharedState& Shared() {
    static SharedState state;
    return state;
}

void ResetSharedState() {
    Shared() = SharedState();
}

}  // namespace tolva
