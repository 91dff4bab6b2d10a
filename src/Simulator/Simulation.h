#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "AppInfo/GlobalSettings.h"
#include "Simulator/Scenario.h"

namespace vrx {

class ConfigFile;
class Logger;

// Runs the real engine over a scenario with recording senders and writes
// what would have been sent, one line per event, each after its tick number.
class Simulation {
public:
    // Gives the profile of a name in the profile list (the defaults when its
    // file is missing or unreadable).
    using ProfileLoader = std::function<std::unique_ptr<ConfigFile>(std::string_view name)>;

    // profileNames is the profile list; the run starts in startProfile.
    Simulation(GlobalSettings settings, std::vector<std::string> profileNames, std::string startProfile,
               ProfileLoader load, Logger& log);
    ~Simulation();

    void run(const Scenario& scenario, std::ostream& out);

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

}  // namespace vrx
