#pragma once

namespace vrx {

// The engine lock: whoever changes what the tick reads holds it. It is
// re-entrant, so a switch the tick itself asks for can take it again.
class EngineLock {
public:
    virtual ~EngineLock() = default;
    virtual void enter() = 0;
    virtual void leave() = 0;
};

// For an engine that only one thread ever touches (the simulator, tests).
class UnsharedEngineLock final : public EngineLock {
public:
    void enter() override {}
    void leave() override {}
};

class EngineLockGuard {
public:
    explicit EngineLockGuard(EngineLock& lock) : lock_(lock) { lock_.enter(); }
    ~EngineLockGuard() { lock_.leave(); }
    EngineLockGuard(const EngineLockGuard&) = delete;
    EngineLockGuard& operator=(const EngineLockGuard&) = delete;

private:
    EngineLock& lock_;
};

}  // namespace vrx
