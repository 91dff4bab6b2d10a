#include "Utils/Clipboard.h"

#include "Utils/Logger.h"

namespace vrx {

bool MemoryClipboard::setText(std::string_view text, uintptr_t) {
    const std::lock_guard lock(mutex_);
    if (busy_) return false;
    text_ = std::string(text);
    return true;
}

std::optional<std::string> MemoryClipboard::text() const {
    const std::lock_guard lock(mutex_);
    return text_;
}

void MemoryClipboard::setBusy(bool busy) {
    const std::lock_guard lock(mutex_);
    busy_ = busy;
}

void SetClipboardText(Clipboard& clipboard, std::string_view text, Logger& log, uintptr_t ownerWindow) {
    if (!clipboard.setText(text, ownerWindow)) log.error("Failed to OpenClipboard");
}

}  // namespace vrx
