#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "Joybutton/AssignType.h"
#include "Joybutton/KeyCode.h"

namespace vrx {

class AnsiCodePage;
class JoystickConfig;

// Four keys pressed together and held for a while; a key that the next step
// also holds stays down across the change.
struct CommandStep {
    std::array<KeyCode, 4> keys{};
    std::array<uint32_t, 4> scanCodes{};  // derived, never stored
    int durationMs = 0;

    friend bool operator==(const CommandStep& a, const CommandStep& b) {
        return a.keys == b.keys && a.durationMs == b.durationMs;
    }
};

// Which key list a slot holds down: its own keys from an offset, a command
// step, or the press list of its last key transition. Always the slot's own
// arrays, so a list handed over between slots with equal keys, or a slot
// edited while held, never reads another record.
struct HeldKeys {
    enum class Source : uint8_t { None, Keys, Step, PressList };
    Source source = Source::None;
    uint8_t index = 0;  // the first key of Keys, the step of Step
    uint8_t count = 0;

    friend bool operator==(const HeldKeys&, const HeldKeys&) = default;
};

// Up to four codes with their scan codes, as a key transition leaves them.
struct KeyList4 {
    std::array<KeyCode, 4> codes{};
    std::array<uint32_t, 4> scans{};

    friend bool operator==(const KeyList4&, const KeyList4&) = default;
};

// What the engine keeps of a slot between ticks. None of it is configured or
// stored; reset and copyFrom clear it. The fields every tick touches come first.
struct JoyButtonRuntime {
    bool slotPressed = false;
    bool toggleState = false;
    bool togglePrev = false;
    bool abortRequested = false;
    bool keysDown = false;
    HeldKeys heldKeys;
    int slotPressTick = 0;
    int slotReleaseTick = 0;
    int ignoreCounter = 0;   // 0 none, -1 until released, N > 0 ticks
    int forcedState = -1;    // -1 follow the input, 0 forced off, N > 0 outstanding triggers
    int repeatCountdown = 0;
    int mouseRemainderX = 0;  // 1/4096 pixel
    int mouseRemainderY = 0;
    int wheelAccumulator = 0;
    int hwheelAccumulator = 0;
    int inputIndex = 0;
    int holdCountdown = 0;
    KeyList4 pressList;
    KeyList4 releaseList;

    friend bool operator==(const JoyButtonRuntime&, const JoyButtonRuntime&) = default;
};

// One button slot's assignment: what the slot produces, as the profile line
// stores it, plus the run-time state of its behaviour.
class alignas(64) JoyButton {
public:
    static constexpr int kKeyCount = 16;

    // The layout follows the tick, which reads a slot's first cache line in
    // each of its passes over the slots and, when it runs the slot, one more:
    // the mouse fields and the first keys. Whatever only a rarer kind of slot
    // or a Debug line reads comes after them.
    AssignType type = AssignType::None;
    // Derived by prepare from keys, like scanCodes; never stored, and assumed
    // until prepare has looked at the keys. refreshesHeldKeys: keys 0 to 3
    // include a cursor or wheel code, which a held list sends on every tick.
    // triggersButtons: some key, or some command step's key, is a trigger
    // code, which presses another slot. singleKey: keys 0 to 3 are one plain
    // key (a code up to 0x3FF) in the first place, and this is it; 0
    // otherwise, and until prepare has looked. It fills the bytes before
    // toggle, which keeps the run-time state where it was.
    bool refreshesHeldKeys = true;
    bool triggersButtons = true;
    uint16_t singleKey = 0;
    int toggle = 0;
    float autoRepeatRate = 0.0f;
    int autoRepeatDelay = 0;
    JoyButtonRuntime runtime;

    int mouseMoveX = 0;
    int mouseMoveY = 0;
    int mouseWheelH = 0;
    int mouseWheelV = 0;
    int mouseLeft = 0;
    int mouseMiddle = 0;
    int mouseRight = 0;
    int mouseButton4 = 0;
    int mouseButton5 = 0;
    std::array<KeyCode, kKeyCount> keys{};
    float accelerationFactor = 1.0f;
    int analogFactor = 100;

    // Where the slot lives; set when its joystick configuration is made and
    // never touched by reset or copyFrom.
    int16_t joystickIndex = 0;
    int16_t slotIndex = 0;
    // The joystick configuration the slot belongs to, where trigger codes
    // find the slots they press; none for a record of its own.
    JoystickConfig* owner = nullptr;

    SwitchMode switchMode = static_cast<SwitchMode>(0);
    int counterResetDuration = 0;
    int switchDelay = 0;
    int minimumHoldDuration = 20;
    int analogThreshold1 = 95;
    int analogThreshold2 = 100;
    float mouseCenterX = 50.0f;
    float mouseCenterY = 50.0f;
    int mouseAbsRangeX = 0;
    int mouseAbsRangeY = 0;
    int shiftTarget = 100;

    // Derived by prepare from keys; never stored.
    std::array<uint32_t, kKeyCount> scanCodes{};

    std::vector<CommandStep> commandSteps;
    std::string targetName;
    std::string programParameters;
    std::string programStartFrom;
    std::string pasteText;
    std::string comment;

    // A rate of zero, of either sign, does not repeat. Tested on the bits:
    // one integer test where a float compare takes several instructions, on
    // every slot the tick runs.
    bool autoRepeats() const { return (std::bit_cast<uint32_t>(autoRepeatRate) & 0x7FFFFFFFu) != 0; }

    void reset();
    void copyFrom(const JoyButton& other);
    bool sameOutput(const JoyButton& other) const;
    void prepare();

    std::string formatLine() const;
    // The same into line, reusing its buffer: a save formats thousands.
    void formatLine(std::string& line) const;
    void parseLine(std::string_view line, int fileVersion);
    // Profiles of format 49 and lower were stored in the system's ANSI code
    // page; the caller may name the code page to use.
    void parseLine(std::string_view line, int fileVersion, const AnsiCodePage& ansi);

    bool sameConfiguration(const JoyButton& other) const;

private:
    void parseCurrentLine(std::string_view line, int fileVersion);
    void parseLegacyLine(std::string_view line, const AnsiCodePage& ansi);
};

// Counts, program-wide, the changes made to slots other than by running
// them: every prepare, reset, ForceRelease and HandOver. The tick compares
// counts to know that slots it found idle in an earlier tick are still as it
// left them, so whoever edits a slot's fields calls prepare afterwards, as
// the scan codes need anyway.
unsigned slotChangeCount();
void countSlotChange();

// Profiles from this format version on store the current line forms.
inline constexpr int kFirstCurrentLineVersion = 50;
// KeyboardMulti lines carry four inputs of four keys from this version on.
inline constexpr int kFirstFourInputMultiVersion = 56;

}  // namespace vrx
