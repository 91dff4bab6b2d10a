#pragma once

#include <cstdint>
#include <string>

#include "Joystick/InputBackend.h"
#include "Joystick/XInputPad.h"

namespace vrx {

class Logger;

// What XInputGetCapabilitiesEx reports beyond the standard capabilities.
struct XInputPadIdentity {
    uint16_t flags = 0;  // 2: a wireless pad
    uint16_t vendorId = 0;
    uint16_t productId = 0;
};

// The XInput library: which entry points it has, and the calls. Results
// are system error codes, 0 for success and 1167 for no pad at the index.
class XInputApi {
public:
    struct Entries {
        bool getState = false;
        bool setState = false;
        bool getStateEx = false;         // reports the guide button
        bool getCapabilitiesEx = false;  // reports the USB ids
    };

    virtual ~XInputApi() = default;
    // Loads the library by its file name and finds its entry points.
    virtual bool load(const char* library) = 0;
    virtual Entries entries() const = 0;
    virtual uint32_t getStateEx(int user, XInputPadState& state) = 0;
    virtual uint32_t getState(int user, XInputPadState& state) = 0;
    virtual uint32_t getCapabilitiesEx(int user, XInputPadIdentity& identity) = 0;
    virtual uint32_t setState(int user, uint16_t leftMotor, uint16_t rightMotor) = 0;
};

inline constexpr uint32_t kXInputNotConnected = 1167;

// Pads on the four XInput user indices, in a fixed layout: two sticks,
// triggers on axis 5 and buttons 11 and 12, the D-pad as hat 1, thirteen
// buttons. Also the motors that a profile switch makes vibrate.
class XInputBackend final : public InputBackend {
public:
    XInputBackend(XInputApi& api, Logger& log) : api_(api), log_(log) {}

    bool start() override;
    bool ready() const override { return ready_; }
    int detect(DetectionContext& context) override;
    int poll(TDeviceConfig& device, const ProfileSettings& profile, JoystickSnapshot& snapshot) override;
    void release(DetectionContext& context) override;

    // The motors of the pad at user index 0; nothing without XInputSetState.
    bool canVibrate() const { return entries_.setState; }
    void setMotors(uint16_t left, uint16_t right);

private:
    // XInputGetStateEx, and XInputGetState when that fails; the result of
    // the last call made, and whether the first one failed.
    uint32_t readState(int user, XInputPadState& state, bool& fellBack);
    void addPad(DetectionContext& context, int user);

    XInputApi& api_;
    Logger& log_;
    XInputApi::Entries entries_;
    bool ready_ = false;
    int count_ = 0;  // pads of the latest detection
};

}  // namespace vrx
