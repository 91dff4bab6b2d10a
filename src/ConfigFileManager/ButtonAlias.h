#pragma once

#include <array>
#include <cstdint>

#include "EngineTypes/JoystickSnapshot.h"

namespace vrx {

class Logger;

// One entry per slot: a plain remap (second < 0), or a combination of two or
// three slots that must all be pressed together.
struct ButtonAliasEntry {
    int first = 0;
    int second = -1;
    int third = -1;

    friend bool operator==(const ButtonAliasEntry&, const ButtonAliasEntry&) = default;
};

class ButtonAliasTable {
public:
    ButtonAliasTable();  // every entry neutral: (i, -1, -1)

    const ButtonAliasEntry& operator[](int slot) const { return entries_[slot]; }
    void set(int slot, const ButtonAliasEntry& entry);

    void resetToNeutral();
    static ButtonAliasEntry neutral(int slot) { return {slot, -1, -1}; }

    // Entries whose indices are out of range become neutral, each with an Error line.
    void validate(Logger& log);

    // Maps the tick's snapshot values to the values the assignments see; both
    // arrays are activeSlots long in use.
    void remap(const SlotValues& in, SlotValues& out, int activeSlots) const;

    friend bool operator==(const ButtonAliasTable& a, const ButtonAliasTable& b) { return a.entries_ == b.entries_; }

private:
    void recount();

    std::array<ButtonAliasEntry, kSlotCount> entries_;
    // Kept with every change so that the tick can tell at once whether it
    // has anything to remap at all, and whether pass 2 has work.
    int remappedEntries_ = 0;
    int tripleEntries_ = 0;
};

}  // namespace vrx
