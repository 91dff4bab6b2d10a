#pragma once

#include <cstdint>

#include "Joybutton/JoyButton.h"
#include "Joybutton/KeyOutput.h"
#include "Joybutton/TickContext.h"
#include "Utils/AlwaysInline.h"
#include "Utils/Logger.h"

// The key output of KeyOutput.h as the tick's per-slot path compiles it in:
// every held or let-go slot passes here, and most of its keys are plain keys
// that end at the reference count. What a key does beyond that, and the
// Debug lines, stay out of line. debug is whether Debug lines are written:
// the slot pass reads it once, so that with a constant the compiler leaves
// the lines' tests out.
namespace vrx::inlined {

// What a code does once its reference count lets it through.
void emitKey(JoyButton& r, KeyCode code, uint32_t scan, bool press, TickContext& tick);
void logApiKey(const JoyButton& r, KeyCode code, uint32_t scan, bool release, bool press, TickContext& tick);
void logReferenceCount(const JoyButton& r, KeyCode code, int count, bool unbalanced, TickContext& tick);
void logNothingToRelease(const JoyButton& r, TickContext& tick);

// A code listed twice in one list is one key: it is pressed and released
// once, so that a change to a list holding it once balances.
VRX_ALWAYS_INLINE bool repeatsEarlier(const KeyCode* codes, int i) {
    for (int j = 0; j < i; ++j)
        if (codes[j] == codes[i]) return true;
    return false;
}

// Returns false when another holder keeps the key down or up.
VRX_ALWAYS_INLINE bool countReference(const JoyButton& r, KeyCode code, bool press, TickContext& tick, bool debug) {
    int& count = (*tick.keyRefCount)[code];
    const int old = count;
    count = press ? old + 1 : old - 1;
    if (press ? old > 0 : old > 1) return false;
    const bool unbalanced = !press && old < 1;
    if (unbalanced) count = 0;
    if (debug) [[unlikely]]
        logReferenceCount(r, code, count, unbalanced, tick);
    return true;
}

// The scan code is read only where a key goes out: it lies in another cache
// line than the codes.
VRX_ALWAYS_INLINE void sendKey(JoyButton& r, KeyCode c, const uint32_t& s, bool release, bool press, TickContext& tick,
                               bool debug) {
    if (c == 0) return;
    if (debug) [[unlikely]]
        logApiKey(r, c, s, release, press, tick);
    if (c <= 0x3FF && !tick.repeatSameKeyInSequence && !countReference(r, c, press, tick, debug)) return;
    emitKey(r, c, s, press, tick);
}

VRX_ALWAYS_INLINE bool resolve(const JoyButton& r, HeldKeys list, const KeyCode*& codes, const uint32_t*& scans) {
    switch (list.source) {
        case HeldKeys::Source::Keys:
            if (list.index + list.count > JoyButton::kKeyCount) return false;
            codes = &r.keys[list.index];
            scans = &r.scanCodes[list.index];
            return true;
        case HeldKeys::Source::Step:
            if (list.index >= r.commandSteps.size()) return false;
            codes = r.commandSteps[list.index].keys.data();
            scans = r.commandSteps[list.index].scanCodes.data();
            return true;
        case HeldKeys::Source::PressList:
            codes = r.runtime.pressList.codes.data();
            scans = r.runtime.pressList.scans.data();
            return true;
        case HeldKeys::Source::None:
            break;
    }
    return false;
}

VRX_ALWAYS_INLINE void releaseKeys(JoyButton& r, HeldKeys list, TickContext& tick, bool debug) {
    const KeyCode* codes = nullptr;
    const uint32_t* scans = nullptr;
    if (!resolve(r, list, codes, scans)) {
        if (debug) [[unlikely]]
            logNothingToRelease(r, tick);
        return;
    }
    for (int i = list.count - 1; i >= 0; --i)
        if (codes[i] != 0 && !repeatsEarlier(codes, i)) sendKey(r, codes[i], scans[i], true, false, tick, debug);
}

VRX_ALWAYS_INLINE void pressKeyList(JoyButton& r, HeldKeys list, bool release, bool press, TickContext& tick,
                                    bool debug) {
    JoyButtonRuntime& rt = r.runtime;
    if (press) {
        rt.keysDown = true;
        rt.heldKeys = list;
        const KeyCode* codes = nullptr;
        const uint32_t* scans = nullptr;
        if (!resolve(r, list, codes, scans)) return;
        for (int i = 0; i < list.count; ++i)
            if (codes[i] != 0 && !repeatsEarlier(codes, i)) sendKey(r, codes[i], scans[i], release, true, tick, debug);
    } else if (release) {
        rt.keysDown = false;
        releaseKeys(r, list, tick, debug);
    } else if (rt.keysDown) {
        const KeyCode* codes = nullptr;
        const uint32_t* scans = nullptr;
        if (!resolve(r, list, codes, scans)) return;
        for (int i = 0; i < list.count; ++i)
            if (isRefreshable(codes[i]) && !repeatsEarlier(codes, i))
                sendKey(r, codes[i], scans[i], false, true, tick, debug);
    }
}

// pressKeyList for the list of keys 0 to 3 when they are a single key
// (JoyButton::singleKey), most keyboard slots: the same, without resolving the
// list and looking through its places. A single key is never refreshed.
VRX_ALWAYS_INLINE void pressSingleKey(JoyButton& r, bool release, bool press, TickContext& tick, bool debug) {
    JoyButtonRuntime& rt = r.runtime;
    if (press) {
        rt.keysDown = true;
        rt.heldKeys = inputKeys(0);
        sendKey(r, r.singleKey, r.scanCodes[0], release, true, tick, debug);
    } else if (release) {
        rt.keysDown = false;
        sendKey(r, r.singleKey, r.scanCodes[0], true, false, tick, debug);
    }
}

}  // namespace vrx::inlined
