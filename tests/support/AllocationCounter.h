#pragma once

#include <cstddef>

namespace vrx::test {

// Counts the global operator new calls made while a counter is alive on
// this thread, so a test can prove that a code path allocates nothing.
class AllocationCounter {
public:
    AllocationCounter();
    ~AllocationCounter();
    AllocationCounter(const AllocationCounter&) = delete;
    AllocationCounter& operator=(const AllocationCounter&) = delete;

    size_t count() const;
};

}  // namespace vrx::test
