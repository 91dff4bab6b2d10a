#pragma once

#include <array>
#include <string>
#include <vector>

#include "Utils/EventImpl.h"

namespace vrx {

// Key and mouse output that goes nowhere but into a list of lines, one per
// event, and a table of which keys are down: what the profile tester prints
// and what tests check. The lines read like "Key vk=41 scan=1E flags=0".
class EventRecord {
public:
    std::vector<std::string> lines;
    std::array<int, 256> keyDown{};  // per virtual key: downs minus ups
    int mouseButtonsDown = 0;        // downs minus ups over all mouse buttons
    // Off, only the tables are kept, and recording allocates nothing.
    bool keepLines = true;

    void clear() { lines.clear(); }
    bool anyKeyDown() const;
};

class RecordingEventImpl final : public AbstractEvent {
public:
    // extraKeyFlags is what the mode adds to every key event (the scan-code
    // flag for the scan-code mode).
    RecordingEventImpl(EventRecord& record, int extraKeyFlags) : record_(record), extraKeyFlags_(extraKeyFlags) {}

    void Key(uint8_t virtualKey, uint8_t scanCode, int flags) override;
    void MouseMoveAbsolute(int x, int y) override;
    void MouseMoveRelative(int dx, int dy) override;
    void MouseWheel(int delta) override;
    void MouseHWheel(int delta) override;
    void MouseButtons(bool down, bool up, bool left, bool middle, bool right, bool x1, bool x2) override;
    void ScanInput(const ScanRecord* records, int count) override;

private:
    EventRecord& record_;
    int extraKeyFlags_;
};

// The four key send modes, all recording into one record.
class RecordingKeySenders final : public KeySenderSet {
public:
    EventRecord record;

    AbstractEvent* senderFor(int keySendMode) override {
        return keySendMode >= 0 && keySendMode < 4 ? &senders_[keySendMode] : nullptr;
    }

private:
    RecordingEventImpl senders_[4] = {{record, 0}, {record, 0}, {record, kKeyFlagScanCode}, {record, 0}};
};

}  // namespace vrx
