// The window library of the program, loaded when a command shows a window.
#pragma once

#include "common/Result.h"
#include "window/WindowApi.h"

namespace tolva {

// Loads the public library (found through the program's run path) once and returns
// its commands, whose windows carry the program's name and icon; fails with a German message
// that names what is missing.
Result<const WindowApi*> LoadWindowApi();

}  // namespace tolva
