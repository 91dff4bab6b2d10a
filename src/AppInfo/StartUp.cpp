#include "AppInfo/StartUp.h"

#include <span>

#include "AppInfo/SettingsFile.h"
#include "Utils/FileLogger.h"
#include "Utils/IniFile.h"
#include "Utils/PathText.h"

namespace vrx {
namespace {

std::string folderOf(const std::string& path, char separator) {
    const size_t at = path.rfind(separator);
    return at == std::string::npos ? std::string() : path.substr(0, at + 1);
}

void logStart(const std::vector<std::string>& arguments, const std::string& executable, const AppInfo& app,
              Logger& log) {
    log.info(std::string("Starting ") + kProgramTitle);
    // The command's first word may be a bare name found through the search
    // path; the log names the file that really runs.
    log.info("ExeFile = " + executable);
    for (const std::string& argument : arguments) log.info("Args = " + argument);
    log.info("DataDirectory = " + app.dataDirectory);
    log.info("Profile = " + app.commandLine.profileToOpen);
    log.info("IniFile = " + app.iniPath);
}

// A folder or ini file left read-only (copied from a CD, unpacked from an
// archive) would make every later save fail.
void repairReadOnly(const AppInfo& app, const StartUpSystem& system, Logger& log) {
    if (system.clearReadOnly(app.dataDirectory)) log.error("ConfigDir is read-only. Trying to make it writable...");
    if (system.fileExists(app.iniPath) && system.clearReadOnly(app.iniPath))
        log.error("INI file is read-only. Trying to make it writable...");
}

}  // namespace

StartUpResult startUp(const std::vector<std::string>& arguments, StartUpSystem& system, const AnsiCodePage& ansi,
                      FileLogger& log, AppInfo& app) {
    const char separator = system.separator();
    const std::string executable = system.executablePath();
    app.programDirectory = folderOf(executable, separator);
    const StartUpSystem::Overrides overrides = system.registryOverrides();
    app.dataDirectory = overrides.dataDirectory;
    app.iniPath = overrides.iniPath;
    app.commandLine = parseCommandLine(std::span<const std::string>(arguments).subspan(arguments.empty() ? 0 : 1));
    if (!app.commandLine.dataDirectory.empty()) app.dataDirectory = app.commandLine.dataDirectory;

    if (app.dataDirectory.empty()) {
        const DataDirectoryChoice choice = chooseDataDirectory(app.programDirectory, system, separator);
        if (choice.directory.empty()) return {StartUpResult::Outcome::Failed, choice.failure};
        app.dataDirectory = choice.directory;
    }
    if (app.iniPath.empty()) app.iniPath = app.dataDirectory + "Vantorix.ini";
    if (!app.commandLine.noLog) log.open(pathFromUtf8(app.dataDirectory + "Vantorix.log"));
    logStart(arguments, executable, app, log);
    app.templates = std::make_unique<DeviceTemplateManager>(pathFromUtf8(app.dataDirectory + "templates.json"), log,
                                                            localFiles(), ansi);
    app.registry = std::make_unique<DeviceConfigManager>(*app.templates);
    repairReadOnly(app, system, log);

    log.info("Loading ini file: " + app.iniPath);
    const IniFile ini = IniFile::load(pathFromUtf8(app.iniPath), ansi);
    app.settings = readGlobalSettings(ini);
    app.firstRun = !showsEarlierRun(ini);
    if (!app.settings.allowMultipleRunning) {
        if (system.otherInstanceRunning()) {
            system.handOver(handOverMessages(app.commandLine, ansi));
            return {StartUpResult::Outcome::HandedOver, {}};
        }
        system.claimInstance();
    }
    // A profile named on the command line is the one to open, whatever the
    // settings remember.
    if (!app.commandLine.profileToOpen.empty()) app.settings.fileName = app.commandLine.profileToOpen;
    app.registry->load(ini, app.settings.deviceDefaults());
    log.setDebugEnabled(app.settings.showDebugLog);
    return {};
}

}  // namespace vrx
