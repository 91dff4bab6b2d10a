#pragma once

#include "Utils/SoundPlayer.h"

namespace vrx {

// The system's MCI (winmm): the device is chosen by the file's extension
// and plays on after "play sound" returns.
class SystemMci final : public MciDevice {
public:
    unsigned long send(const std::string& command) override;
    std::string errorText(unsigned long error) override;
};

}  // namespace vrx
