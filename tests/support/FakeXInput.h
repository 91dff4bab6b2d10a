#pragma once

#include <array>
#include <string>
#include <vector>

#include "Joystick/ProcessingXI.h"

namespace vrx::test {

// The XInput library as a test wants it: pads plugged in at user indices,
// entry points present or missing, and every motor command kept.
class FakeXInput final : public XInputApi {
public:
    struct Pad {
        bool connected = false;
        XInputPadState state;
        XInputPadIdentity identity;
        uint32_t extendedResult = 0;  // what XInputGetStateEx says; 0 reads the pad
        uint32_t plainResult = 0;     // the same for XInputGetState
    };

    std::vector<std::string> libraries{"xinput1_4.dll"};  // those that load
    std::vector<std::string> loadAttempts;
    Entries available{true, true, true, true};
    std::array<Pad, 4> pads{};
    std::vector<std::string> motorCommands;

    bool load(const char* library) override {
        loadAttempts.emplace_back(library);
        for (const auto& name : libraries)
            if (name == library) return true;
        return false;
    }
    Entries entries() const override { return available; }
    uint32_t getStateEx(int user, XInputPadState& state) override {
        const Pad& pad = pads[static_cast<size_t>(user)];
        if (!pad.connected) return kXInputNotConnected;
        if (pad.extendedResult != 0) return pad.extendedResult;
        state = pad.state;
        return 0;
    }
    uint32_t getState(int user, XInputPadState& state) override {
        const Pad& pad = pads[static_cast<size_t>(user)];
        if (!pad.connected) return kXInputNotConnected;
        if (pad.plainResult != 0) return pad.plainResult;
        state = pad.state;
        state.buttons &= static_cast<uint16_t>(~xinput::kGuide);  // only the extended call reports it
        return 0;
    }
    uint32_t getCapabilitiesEx(int user, XInputPadIdentity& identity) override {
        const Pad& pad = pads[static_cast<size_t>(user)];
        if (!pad.connected) return kXInputNotConnected;
        identity = pad.identity;
        return 0;
    }
    uint32_t setState(int user, uint16_t left, uint16_t right) override {
        motorCommands.push_back(std::to_string(user) + ":" + std::to_string(left) + "," + std::to_string(right));
        return 0;
    }

    void plug(int user, uint16_t vendor = 0, uint16_t product = 0, uint16_t flags = 0) {
        Pad& pad = pads[static_cast<size_t>(user)];
        pad.connected = true;
        pad.identity = XInputPadIdentity{flags, vendor, product};
    }
};

}  // namespace vrx::test
