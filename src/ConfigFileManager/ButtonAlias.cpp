#include "ConfigFileManager/ButtonAlias.h"

#include <algorithm>

#include "Utils/Logger.h"

namespace vrx {

namespace {

// A negative second or third index means "absent", whatever its value.
bool isPresent(int index) { return index >= 0; }

bool isValid(const ButtonAliasEntry& e) {
    return e.first >= 0 && e.first < kSlotCount && e.second < kSlotCount && e.third < kSlotCount;
}

bool isPair(const ButtonAliasEntry& e) { return isPresent(e.second) && !isPresent(e.third); }
bool isTriple(const ButtonAliasEntry& e) { return isPresent(e.second) && isPresent(e.third); }

// The tick only clears and fills the active part of the snapshot, so a slot
// past it holds whatever an earlier profile left there; it reads as released.
struct ActiveInput {
    const SlotValues& in;
    int activeSlots;

    // One unsigned comparison rejects negative and inactive slots alike.
    int32_t operator()(int slot) const {
        return static_cast<unsigned>(slot) < static_cast<unsigned>(activeSlots) ? in[slot] : 0;
    }
    bool pressed(int slot) const { return (*this)(slot) > 0; }
};

// Clearing a member is only ever done for a slot whose input is pressed, and
// pressed slots are active, so these writes stay inside the active part.
void clear(SlotValues& out, int slot) {
    if (slot >= 0 && slot < kSlotCount) out[slot] = 0;
}

using EntryArray = std::array<ButtonAliasEntry, kSlotCount>;

bool isPairOf(const ButtonAliasEntry& e, int first, int second) {
    return isPair(e) && e.first == first && e.second == second;
}

// The pairs inside a triple (a, b, c) are (a, c), (b, c) and (a, b), matched
// member for member as stored: a pair that names the same two slots the other
// way round is not released.
void releasePairsWithin(const EntryArray& entries, const ButtonAliasEntry& triple, SlotValues& out,
                        int activeSlots) {
    const int a = triple.first;
    const int b = triple.second;
    const int c = triple.third;
    for (int j = 0; j < activeSlots; ++j) {
        const ButtonAliasEntry& e = entries[j];
        if (isPairOf(e, a, c) || isPairOf(e, b, c) || isPairOf(e, a, b)) out[j] = 0;
    }
}

}  // namespace

ButtonAliasTable::ButtonAliasTable() { resetToNeutral(); }

void ButtonAliasTable::resetToNeutral() {
    for (int i = 0; i < kSlotCount; ++i) entries_[i] = neutral(i);
    recount();
}

void ButtonAliasTable::set(int slot, const ButtonAliasEntry& entry) {
    if (slot < 0 || slot >= kSlotCount) return;
    entries_[slot] = entry;
    recount();
}

void ButtonAliasTable::recount() {
    remappedEntries_ = 0;
    tripleEntries_ = 0;
    for (int i = 0; i < kSlotCount; ++i) {
        if (entries_[i] != neutral(i)) ++remappedEntries_;
        if (isTriple(entries_[i])) ++tripleEntries_;
    }
}

void ButtonAliasTable::validate(Logger& log) {
    for (int i = 0; i < kSlotCount; ++i) {
        if (isValid(entries_[i])) continue;
        entries_[i] = neutral(i);
        log.errorf("Invalid ButtonAlias for input[%d] is ignored", i);
    }
    recount();
}

// Pass 1 handles remaps and two-button combinations in slot order. A pressed
// combination takes its members' values away so that the members' own
// assignments do not fire as well; a member slot that comes later in the
// order is filled after that, though, and keeps its value.
//
// Pass 2 then applies the three-button combinations over everything pass 1
// did: the three members and any two-button combination built from two of
// them are released, so holding three buttons fires only the combination
// that uses all three.
void ButtonAliasTable::remap(const SlotValues& in, SlotValues& out, int activeSlots) const {
    const int active = std::clamp(activeSlots, 0, kSlotCount);
    // Most profiles remap nothing.
    if (remappedEntries_ == 0) {
        std::copy(in.begin(), in.begin() + active, out.begin());
        return;
    }
    const ActiveInput input{in, active};

    for (int i = 0; i < active; ++i) {
        const ButtonAliasEntry& e = entries_[i];
        if (!isPresent(e.second)) {
            out[i] = input(e.first);
            continue;
        }
        out[i] = 0;
        if (isPair(e) && input.pressed(e.first) && input.pressed(e.second)) {
            out[i] = kFullValue;
            clear(out, e.first);
            clear(out, e.second);
        }
    }
    if (tripleEntries_ == 0) return;

    for (int i = 0; i < active; ++i) {
        const ButtonAliasEntry& e = entries_[i];
        if (!isTriple(e) || !input.pressed(e.first) || !input.pressed(e.second) || !input.pressed(e.third))
            continue;
        out[i] = kFullValue;
        clear(out, e.first);
        clear(out, e.second);
        clear(out, e.third);
        releasePairsWithin(entries_, e, out, active);
    }
}

}  // namespace vrx
