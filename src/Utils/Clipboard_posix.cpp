#include "Utils/Clipboard.h"

namespace vrx {

Clipboard& systemClipboard() {
    static MemoryClipboard clipboard;
    return clipboard;
}

}  // namespace vrx
