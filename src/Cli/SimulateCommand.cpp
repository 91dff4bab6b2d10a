#include "Cli/SimulateCommand.h"

#include <fstream>
#include <iterator>
#include <optional>
#include <ostream>

#include "AppInfo/SettingsFile.h"
#include "Simulator/Scenario.h"
#include "Simulator/Simulation.h"
#include "Utils/Clock.h"
#include "Utils/FileLogger.h"
#include "Utils/IniFile.h"
#include "Utils/PathText.h"

namespace vrx {
namespace {

namespace fs = std::filesystem;

constexpr const char* kUsage =
    "usage: vantorix-cli simulate PROFILE.cfg SCENARIO.txt [--log FILE] [--now YYYY-MM-DDTHH:MM:SS]";

struct Options {
    fs::path profile;
    fs::path scenario;
    fs::path log;
    std::string nowText;
    std::optional<LocalTime> now;  // the system's time when not given
};

bool parseOptions(std::span<const std::string> args, Options& o, std::string& problem) {
    std::vector<std::string> positional;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--log" || a == "--now") {
            if (i + 1 >= args.size()) {
                problem = a + " needs a value";
                return false;
            }
            if (a == "--log") o.log = pathFromUtf8(args[++i]);
            else o.nowText = args[++i];
        } else {
            positional.push_back(a);
        }
    }
    if (positional.size() != 2) {
        problem = "simulate takes a profile and a scenario";
        return false;
    }
    if (!o.nowText.empty()) {
        o.now = localTimeFromIso(o.nowText);
        if (!o.now) {
            problem = "--now must be a date and time like 2026-01-31T18:30:00";
            return false;
        }
    }
    o.profile = pathFromUtf8(positional[0]);
    o.scenario = pathFromUtf8(positional[1]);
    return true;
}

bool readWhole(const fs::path& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

}  // namespace

int runSimulateCommand(std::span<const std::string> arguments, std::ostream& out, std::ostream& err) {
    Options options;
    std::string problem;
    if (!parseOptions(arguments, options, problem)) {
        err << problem << '\n' << kUsage << '\n';
        return 2;
    }
    std::string text;
    if (!readWhole(options.scenario, text)) {
        err << "cannot read the scenario " << pathToUtf8(options.scenario) << '\n';
        return 2;
    }
    const ScenarioParse parsed = parseScenario(text);
    if (!parsed.scenario) {
        err << parsed.error << '\n';
        return 2;
    }

    FileLogger fileLog;
    NullLogger noLog;
    Logger* log = &noLog;
    if (!options.log.empty()) {
        if (!fileLog.open(options.log)) {
            err << "cannot write the log " << pathToUtf8(options.log) << '\n';
            return 2;
        }
        fileLog.setDebugEnabled(true);
        log = &fileLog;
    }

    const fs::path iniPath = Simulation::dataDirectoryOf(options.profile) / "Vantorix.ini";
    const FixedClock fixedClock(options.now.value_or(LocalTime{}));
    const Clock& clock = options.now ? static_cast<const Clock&>(fixedClock) : systemClock();
    Simulation simulation(readGlobalSettings(IniFile::load(iniPath)), options.profile, *log, clock);
    simulation.run(*parsed.scenario, out);
    out.flush();
    fileLog.close();
    return 0;
}

}  // namespace vrx
