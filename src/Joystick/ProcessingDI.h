#pragma once

#include <memory>
#include <vector>

#include "Joystick/DirectInputApi.h"
#include "Joystick/InputBackend.h"

namespace vrx {

class Logger;
struct GlobalSettings;

// Game controllers through DirectInput 8: each opened with the extended
// joystick format, axes ranged to -1000..1000 with the device's dead zone,
// and read every tick through the device's axis mapping, with four hats and
// 128 buttons. In the modes that read XInput too, the pads XInput serves
// are left to it.
class DirectInputBackend final : public InputBackend {
public:
    // settings: AnalogSaturation, applied to every axis at detection.
    DirectInputBackend(DirectInputApi& api, const GlobalSettings& settings, Logger& log);
    ~DirectInputBackend() override;

    bool start() override;
    bool ready() const override { return created_; }
    int detect(DetectionContext& context) override;
    int poll(TDeviceConfig& device, const ProfileSettings& profile, JoystickSnapshot& snapshot) override;
    void release(DetectionContext& context) override;

private:
    enum class Enumeration { Continue, Stop };

    Enumeration addDevice(DetectionContext& context, const DiDeviceInstance& instance);
    // Creates the device object and sets its format and cooperative level;
    // null, after saying why, when any of it fails.
    std::unique_ptr<DirectInputDevice> open(const DiDeviceInstance& instance);
    void readAxes(DirectInputDevice& device, TDeviceConfig& record);
    void setAxisProperties(DirectInputDevice& device, const TDeviceConfig& record);
    void releaseDevices();

    DirectInputApi& api_;
    const GlobalSettings& settings_;
    Logger& log_;
    bool created_ = false;
    // The opened devices of the latest detection, by BackendIndex.
    std::vector<std::unique_ptr<DirectInputDevice>> devices_;
};

// One device state in the engine's terms, by the device's axis mapping and
// dead zone and the profile's thresholds, hat mode and button count.
void fillDirectInputSnapshot(const DiJoystickState& state, TDeviceConfig& device, const ProfileSettings& profile,
                             JoystickSnapshot& snapshot);

}  // namespace vrx
