#pragma once

#include <string>

namespace vrx {

// Plays a sound file in the background; an empty path stops the sound.
class SoundRequests {
public:
    virtual ~SoundRequests() = default;
    virtual void PlaySoundFile(const std::string& path) = 0;
};

}  // namespace vrx
