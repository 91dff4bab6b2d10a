#include "Utils/KeyboardLayout.h"

namespace vrx {

// Without Windows there is no system layout to ask; a US keyboard stands in.
const KeyboardLayout& systemKeyboardLayout() { return usKeyboardLayout(); }

}  // namespace vrx
