#pragma once

#include <filesystem>
#include <iosfwd>
#include <memory>

#include "AppInfo/GlobalSettings.h"
#include "Simulator/Scenario.h"

namespace vrx {

class Clock;
class Logger;

// Runs the real engine and profile list over a scenario with recording
// senders and writes what would have been sent, one line per event, each
// after its tick number. No file is ever written, no program started and
// the clipboard is not touched: launches, sounds and pasted texts are
// events of the output too.
class Simulation {
public:
    // The profile's folder is the data directory; the run starts in the
    // profile, as the program does when started with it. Pasted texts take
    // their dates and times from the clock.
    Simulation(GlobalSettings settings, const std::filesystem::path& profile, Logger& log, const Clock& clock);
    ~Simulation();

    // The folder a profile file lies in, which is the run's data directory.
    static std::filesystem::path dataDirectoryOf(const std::filesystem::path& profile);

    void run(const Scenario& scenario, std::ostream& out);

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

}  // namespace vrx
