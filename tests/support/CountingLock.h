#pragma once

#include "EngineTypes/EngineLock.h"

namespace vrx::test {

// An engine lock that counts how deep it is held and how often it was taken.
class CountingLock final : public EngineLock {
public:
    int depth = 0, entries = 0;
    void enter() override {
        ++depth;
        ++entries;
    }
    void leave() override { --depth; }
};

}  // namespace vrx::test
