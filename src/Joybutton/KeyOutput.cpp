#include "Joybutton/KeyOutput.h"

#include <cstdlib>

#include "EngineTypes/SlotIndex.h"
#include "Joybutton/JoystickConfig.h"
#include "Joybutton/KeyOutputInline.h"
#include "Joybutton/TickContext.h"
#include "Utils/EventImpl.h"
#include "Utils/Logger.h"

namespace vrx {
namespace {

struct SpecialKey {
    uint8_t virtualKey;
    uint8_t scanCode;
};

// Keys a game reading scan codes tells apart from their look-alikes only by
// the extended flag, which all of these carry.
constexpr SpecialKey kExtendedKeys[] = {
    {0x0D, 0x1C},  // Numpad Enter
    {0x25, 0x4B},  // Left
    {0x26, 0x48},  // Up
    {0x27, 0x4D},  // Right
    {0x28, 0x50},  // Down
    {0xA3, 0x1D},  // Right Ctrl
    {0xA5, 0x38},  // Right Alt
};

// Pause has no key of its own in scan-code terms: it is the E1 sequence of
// Ctrl and Num Lock, pressed and released in one go.
constexpr ScanRecord kPauseSequence[] = {{0xE1, 9}, {0x1D, 9}, {0x45, 9}, {0xE1, 0x0B}, {0x9D, 0x0B}, {0xC5, 0x0B}};

void trigger(JoyButton& r, int button, bool press, TickContext& tick) {
    // Codes beyond the 128 buttons name no slot and do nothing.
    if (button >= kButtonCount || !r.owner) return;
    const SlotIndex slot = buttonSlot(button);
    JoyButton& target = r.owner->slot(slot);
    int& state = target.runtime.forcedState;
    if (state < 0) state = 0;
    state += press ? 1 : -1;
    VRX_DEBUGF(*tick.log, "%d#button[%d]: triggering button[%d] (overridding press refCount=%d)", r.joystickIndex,
               r.slotIndex, slot, state);
}

// Cursor and wheel codes act on each press call: a quarter pixel per unit of
// speed, with the fraction carried, and a wheel notch every 128 / speed calls.
void moveOrTurn(JoyButton& r, KeyCode code, TickContext& tick) {
    const int v = static_cast<int>(keyValue(code));
    int mx = 0, my = 0, w = 0;
    switch (keyClass(code)) {
        case 0x04: my = -v; break;
        case 0x05: mx = v; break;
        case 0x06: my = v; break;
        case 0x07: mx = -v; break;
        case 0x09: w = v; break;
        case 0x0A: w = -v; break;
        default: break;
    }
    JoyButtonRuntime& rt = r.runtime;
    const int ax = mx * 1024 + rt.mouseRemainderX;
    const int ay = my * 1024 + rt.mouseRemainderY;
    const int dx = ax >> 12;
    const int dy = ay >> 12;
    rt.mouseRemainderX = ax & 0xFFF;
    rt.mouseRemainderY = ay & 0xFFF;
    if (tick.keySender) tick.keySender->MouseMoveRelative(dx, dy);
    rt.wheelAccumulator += std::abs(w) * 512;
    VRX_DEBUGF(*tick.log, "%d#button[%d]: MouseWVCount=%X", r.joystickIndex, r.slotIndex, rt.wheelAccumulator);
    if (rt.wheelAccumulator > 0x10000) {
        rt.wheelAccumulator &= 0xFFFF;
        if (tick.keySender) tick.keySender->MouseWheel(w > 0 ? 120 : -120);
    }
    VRX_DEBUGF(*tick.log, "%d#button[%d]: mouse move dx=%d, dy=%d", r.joystickIndex, r.slotIndex, dx, dy);
}

void sendKeyEvent(TickContext& tick, uint8_t vk, uint8_t scan, int flags) {
    if (tick.keySender) tick.keySender->Key(vk, scan, flags);
}

}  // namespace

namespace inlined {

void logApiKey(const JoyButton& r, KeyCode c, uint32_t s, bool release, bool press, TickContext& tick) {
    if (press)
        tick.log->debugf("%d#button[%d]: API press = %02X (%02X)", r.joystickIndex, r.slotIndex, c, s);
    else if (release)
        tick.log->debugf("%d#button[%d]: API release = %02X (%02X)", r.joystickIndex, r.slotIndex, c, s);
}

void logReferenceCount(const JoyButton& r, KeyCode code, int count, bool unbalanced, TickContext& tick) {
    if (unbalanced)
        tick.log->debugf("WARNING: %d#button[%d] is released, but there is no corresponding press event",
                         r.joystickIndex, r.slotIndex);
    tick.log->debugf("%d#button[%d]: key[%X] refCount = %d", r.joystickIndex, r.slotIndex, code, count);
}

void logNothingToRelease(const JoyButton& r, TickContext& tick) {
    tick.log->debugf("WARNING: %d#button[%d] is released, but there is no key record to release", r.joystickIndex,
                     r.slotIndex);
}

void emitKey(JoyButton& r, KeyCode c, uint32_t s, bool press, TickContext& tick) {
    const uint32_t kind = keyClass(c);
    const uint8_t v = static_cast<uint8_t>(keyValue(c));
    if (isTrigger(c)) {
        trigger(r, v, press, tick);
    } else if (c == key::KanjiToggle) {
        // The IME toggle acts once, as the key goes up.
        if (!press) sendKeyEvent(tick, 0xF4, 0x29, 0);
    } else if (c >= key::NumpadEnter && c <= key::RAltForDirectInput) {
        const SpecialKey& k = kExtendedKeys[c - key::NumpadEnter];
        sendKeyEvent(tick, k.virtualKey, k.scanCode, kKeyFlagExtended | (press ? 0 : kKeyFlagUp));
    } else if (c == key::PauseAlternative) {
        if (press) {
            tick.log->debug("Triggering Custom PAUSE input");
            if (tick.keySender) tick.keySender->ScanInput(kPauseSequence, 6);
        }
    } else if (kind <= 0x01) {
        const int flags = ((s & 0x100) ? kKeyFlagExtended : 0) | (press ? 0 : kKeyFlagUp);
        sendKeyEvent(tick, v, static_cast<uint8_t>(s & 0xFF), flags);
    } else if (kind == 0x02 && v >= 1 && v <= 3) {
        VRX_DEBUGF(*tick.log,
                   press ? "%d#button[%d]: MouseEvent click pressed = %d,%d,%d"
                         : "%d#button[%d]: MouseEvent click released = %d,%d,%d",
                   r.joystickIndex, r.slotIndex, v == 1, v == 2, v == 3);
        if (tick.keySender) tick.keySender->MouseButtons(press, !press, v == 1, v == 2, v == 3, false, false);
    } else if (press) {
        moveOrTurn(r, c, tick);
    }
}

}  // namespace inlined

void SendKey(JoyButton& r, KeyCode c, uint32_t s, bool release, bool press, TickContext& tick) {
    inlined::sendKey(r, c, s, release, press, tick, tick.log->debugEnabled());
}

bool resolveKeys(const JoyButton& r, HeldKeys list, const KeyCode*& codes, const uint32_t*& scans) {
    return inlined::resolve(r, list, codes, scans);
}

void ReleaseKeys(JoyButton& r, HeldKeys list, TickContext& tick) {
    inlined::releaseKeys(r, list, tick, tick.log->debugEnabled());
}

void PressKeyList(JoyButton& r, HeldKeys list, bool release, bool press, TickContext& tick) {
    inlined::pressKeyList(r, list, release, press, tick, tick.log->debugEnabled());
}

void KeyTransition(JoyButton& r, HeldKeys from, HeldKeys to, TickContext& tick) {
    KeyList4& releases = r.runtime.releaseList;
    KeyList4& presses = r.runtime.pressList;
    const KeyCode* oldCodes = nullptr;
    const uint32_t* oldScans = nullptr;
    const KeyCode* newCodes = nullptr;
    const uint32_t* newScans = nullptr;
    // Read both lists before writing: the new one may be the press list itself.
    KeyList4 before, after;
    if (resolveKeys(r, from, oldCodes, oldScans))
        for (int i = 0; i < 4; ++i) before.codes[i] = oldCodes[i], before.scans[i] = oldScans[i];
    if (resolveKeys(r, to, newCodes, newScans))
        for (int i = 0; i < 4; ++i) after.codes[i] = newCodes[i], after.scans[i] = newScans[i];

    if (tick.repeatSameKeyInSequence) {
        releases = before;
        presses = after;
        return;
    }
    auto contains = [](const KeyList4& list, KeyCode code) {
        for (KeyCode c : list.codes)
            if (c == code) return true;
        return false;
    };
    releases = KeyList4{};
    presses = KeyList4{};
    int nr = 0, np = 0;
    for (int i = 0; i < 4; ++i) {
        if (before.codes[i] != 0 && !contains(after, before.codes[i]) &&
            !inlined::repeatsEarlier(before.codes.data(), i)) {
            releases.codes[nr] = before.codes[i];
            releases.scans[nr++] = before.scans[i];
        }
        if (after.codes[i] != 0 && !contains(before, after.codes[i]) &&
            !inlined::repeatsEarlier(after.codes.data(), i)) {
            presses.codes[np] = after.codes[i];
            presses.scans[np++] = after.scans[i];
        }
    }
}

void ChangeKeys(JoyButton& r, TickContext& tick) {
    r.runtime.keysDown = false;
    const KeyList4 releases = r.runtime.releaseList;
    const bool debug = tick.log->debugEnabled();
    for (int i = 3; i >= 0; --i) inlined::sendKey(r, releases.codes[i], releases.scans[i], true, false, tick, debug);
    PressKeyList(r, pressListKeys(), false, true, tick);
}

}  // namespace vrx
