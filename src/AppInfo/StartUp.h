#pragma once

#include <memory>
#include <string>
#include <vector>

#include "AppInfo/CommandLine.h"
#include "AppInfo/DataDirectory.h"
#include "AppInfo/GlobalSettings.h"
#include "AppInfo/InstanceHandOver.h"
#include "AppInfo/Version.h"
#include "DeviceConfig/DeviceConfigManager.h"
#include "DeviceConfig/DeviceTemplateManager.h"

namespace vrx {

class AnsiCodePage;
class FileLogger;

// What start-up asks of the system: the program's own path, the registry's
// overrides, the files of the data directory and the other instance.
class StartUpSystem : public DataDirectoryProbe {
public:
    struct Overrides {
        std::string dataDirectory;
        std::string iniPath;
    };

    virtual std::string executablePath() const = 0;
    virtual char separator() const = 0;
    virtual Overrides registryOverrides() const = 0;
    // Clears the read-only attribute when set; true when it was set.
    virtual bool clearReadOnly(const std::string& path) const = 0;
    virtual bool otherInstanceRunning() const = 0;
    // Sends the messages to the running instance's main window, if there is one.
    virtual void handOver(const std::vector<HandOverMessage>& messages) const = 0;
    // Holds the instance mutex from now on.
    virtual void claimInstance() = 0;
};

// Where the program's data is and what it was asked to do.
struct AppInfo {
    std::string programDirectory;  // with the trailing separator
    std::string dataDirectory;     // likewise
    std::string iniPath;
    CommandLine commandLine;
    GlobalSettings settings;
    // No save of the settings has recorded a run before this one: the main
    // window greets the user once and clears it.
    bool firstRun = true;
    // The button templates and the controllers' records, for the whole run;
    // made once the data directory is known.
    std::unique_ptr<DeviceTemplateManager> templates;
    std::unique_ptr<DeviceConfigManager> registry;
};

struct StartUpResult {
    enum class Outcome { Run, HandedOver, Failed };
    Outcome outcome = Outcome::Run;
    std::string failure;  // the error box's text
};

inline constexpr const char* kProgramTitle = "Vantorix v" VANTORIX_VERSION_TEXT;

// Start-up up to the user interface: data directory, log, button templates
// and the controllers' registry, read-only repair, single instance, global
// settings and the controllers' records. arguments holds the program's path
// first, as the system passes it.
StartUpResult startUp(const std::vector<std::string>& arguments, StartUpSystem& system, const AnsiCodePage& ansi,
                      FileLogger& log, AppInfo& app);

}  // namespace vrx
