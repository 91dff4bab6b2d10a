#pragma once

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

namespace vrx {

class Logger;

// The system's clipboard, for texts the program pastes into other programs.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Replaces what the clipboard holds with the text. False, with the
    // clipboard unchanged, when another program has it open.
    virtual bool setText(std::string_view text, uintptr_t ownerWindow) = 0;
};

// The clipboard of the running system; in the portable build one in memory.
Clipboard& systemClipboard();

// A clipboard that keeps the text, for the portable build and for tests.
class MemoryClipboard final : public Clipboard {
public:
    bool setText(std::string_view text, uintptr_t ownerWindow) override;
    // Nothing while the clipboard is empty.
    std::optional<std::string> text() const;
    // Makes setText fail, as a clipboard held open by another program does.
    void setBusy(bool busy);

private:
    mutable std::mutex mutex_;
    std::optional<std::string> text_;
    bool busy_ = false;
};

// Puts the text on the clipboard, logging when the clipboard could not be
// opened; the caller goes on either way (a paste then pastes what the
// clipboard held before).
void SetClipboardText(Clipboard& clipboard, std::string_view text, Logger& log, uintptr_t ownerWindow = 0);

}  // namespace vrx
