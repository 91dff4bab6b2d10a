#include "Utils/RecordingEventImpl.h"

#include <cstdio>

namespace vrx {
namespace {

template <typename... Args>
void add(EventRecord& record, const char* format, Args... args) {
    if (!record.keepLines) return;
    char line[160];
    std::snprintf(line, sizeof line, format, args...);
    record.lines.emplace_back(line);
}

}  // namespace

bool EventRecord::anyKeyDown() const {
    for (int count : keyDown)
        if (count != 0) return true;
    return mouseButtonsDown != 0;
}

void RecordingEventImpl::Key(uint8_t virtualKey, uint8_t scanCode, int flags) {
    flags |= extraKeyFlags_;
    add(record_, "Key vk=%02X scan=%02X flags=%X", virtualKey, scanCode, flags);
    record_.keyDown[virtualKey] += (flags & kKeyFlagUp) ? -1 : 1;
}

void RecordingEventImpl::MouseMoveAbsolute(int x, int y) { add(record_, "MouseMoveAbsolute x=%d y=%d", x, y); }
void RecordingEventImpl::MouseMoveRelative(int dx, int dy) { add(record_, "MouseMoveRelative dx=%d dy=%d", dx, dy); }
void RecordingEventImpl::MouseWheel(int delta) { add(record_, "MouseWheel delta=%d", delta); }
void RecordingEventImpl::MouseHWheel(int delta) { add(record_, "MouseHWheel delta=%d", delta); }

void RecordingEventImpl::MouseButtons(bool down, bool up, bool left, bool middle, bool right, bool x1, bool x2) {
    // As the system call would, a call that presses nothing records nothing.
    if ((!down && !up) || !(left || middle || right || x1 || x2)) return;
    add(record_, "MouseButtons down=%d up=%d left=%d middle=%d right=%d x1=%d x2=%d", down, up, left, middle, right,
        x1, x2);
    const int buttons = left + middle + right + (x1 || x2);
    record_.mouseButtonsDown += down ? buttons : -buttons;
}

void RecordingEventImpl::ScanInput(const ScanRecord* records, int count) {
    for (int i = 0; i < count; ++i) add(record_, "ScanInput scan=%02X flags=%X", records[i].scanCode, records[i].flags);
}

}  // namespace vrx
