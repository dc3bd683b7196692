// SharedState: the one instance of the state shared by the component, the window and the engine.
#include "state/SharedState.h"

namespace tolva {

SharedState& Shared() {
    static SharedState state;
    return state;
}

void ResetSharedState() {
    Shared() = SharedState();
}

}  // namespace tolva
