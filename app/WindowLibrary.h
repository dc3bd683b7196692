// The window library of the program, loaded when a command shows a window.
#pragma once

#include "common/Result.h"
#include "wizard/WindowApi.h"

namespace tolva {

// Loads libtolva_wizard_host.so (found beside the program's other libraries) once and returns
// its commands; fails with a German message that names what is missing.
Result<const WindowApi*> LoadWindowApi();

}  // namespace tolva
