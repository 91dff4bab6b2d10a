#pragma once

#include <windows.h>

#include "Joystick/ProcessingXI.h"

namespace vrx {

// The system's XInput library, loaded at run time: the program must start
// where it is missing, and two of its entry points have no exported name.
class XInputLibrary final : public XInputApi {
public:
    XInputLibrary() = default;
    XInputLibrary(const XInputLibrary&) = delete;
    XInputLibrary& operator=(const XInputLibrary&) = delete;
    ~XInputLibrary() override;

    bool load(const char* library) override;
    Entries entries() const override;
    uint32_t getStateEx(int user, XInputPadState& state) override;
    uint32_t getState(int user, XInputPadState& state) override;
    uint32_t getCapabilitiesEx(int user, XInputPadIdentity& identity) override;
    uint32_t setState(int user, uint16_t leftMotor, uint16_t rightMotor) override;

private:
    HMODULE module_ = nullptr;
    FARPROC getState_ = nullptr;
    FARPROC setState_ = nullptr;
    FARPROC getStateEx_ = nullptr;
    FARPROC getCapabilitiesEx_ = nullptr;
};

}  // namespace vrx
