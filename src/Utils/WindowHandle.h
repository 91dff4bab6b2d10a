#pragma once

#include <cstdint>

namespace vrx {

// A window of the system, as the portable code compares them; 0 is none.
using WindowHandle = uintptr_t;

}  // namespace vrx
