#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "ConfigFileManager/ConfigFile.h"
#include "ConfigFileManager/ProfileListLinks.h"
#include "EngineTypes/EngineLock.h"
#include "Utils/CaseInsensitive.h"

namespace vrx {

struct GlobalSettings;

// The profiles of the data directory: their names, the one in force, the
// one the user chose last, and every profile loaded so far. Every switch
// releases what the old profile holds before the new one is installed, under
// the engine lock, and then tells the engine which joysticks are in force.
class ConfigFileManager final : public ProfileHost {
public:
    // Profiles are written through files; the simulator passes a store that
    // keeps them as they are.
    ConfigFileManager(std::filesystem::path dataDirectory, GlobalSettings& settings, ProfileEngine& engine,
                      EngineLock& lock, ProfileListUi& ui, Logger& log, FileStore& files = localFiles());
    ~ConfigFileManager() override;

    // Lists the profiles and opens the one the settings name (or the first).
    void scan();

    // 0, or -1 for an index outside the list. An automatic switch (by the
    // application link) leaves the last selected profile as it is.
    int switchTo(int index, bool automatic);
    int switchToName(std::string_view name) override;
    // The profile whose name starts with the character; -1 when none does.
    int switchByKey(char key);
    void ApplyAppLink(std::string_view path, std::string_view title, const AppLinkRules& rules);

    // The file operations; true when the list or the profile in force changed.
    bool createProfile();
    bool copyProfile();
    bool renameProfile();
    bool deleteProfile();
    bool saveCurrent(std::string_view listName);
    void shutdown();

    // A switch may run on the timer thread, which must not wait for a
    // message box: when it could not write the profile it left, the reason
    // waits here until the user interface takes it. Empty when none waits.
    std::string takeSwitchSaveFailure();

    ConfigFile* currentProfile() override { return current_; }
    const std::vector<std::string>& names() const { return names_; }
    int currentIndex() const { return currentIndex_; }
    int lastSelected() const { return lastSelected_; }
    const std::string& currentName() const { return names_[static_cast<size_t>(currentIndex_)]; }
    std::filesystem::path fileOf(std::string_view name) const;

private:
    struct NameOrder {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };

    int indexOf(std::string_view name) const;
    ConfigFile& cached(const std::string& name);
    // Writes the profile; a failure is logged and its reason returned
    // (empty on success), and the changes stay in the cache.
    std::string saveLogged(ConfigFile& profile, const std::string& name);
    // The same for the operations the user started: the failure is shown.
    bool saveReported(ConfigFile& profile, const std::string& name);
    // Writes the profile in force if it has changes, reporting a failure.
    void saveChangesReported();
    void releaseCurrent();
    void install(ConfigFile& profile, int index);
    bool createFrom(const ConfigFile* source, const std::string& caption);
    std::string askFreeName(const std::string& caption, const std::string& initial, bool& overwrite);
    void insertName(const std::string& name);

    std::filesystem::path dataDirectory_;
    GlobalSettings& settings_;
    ProfileEngine& engine_;
    EngineLock& lock_;
    ProfileListUi& ui_;
    Logger& log_;
    FileStore& files_;
    std::vector<std::string> names_;
    int currentIndex_ = 0;
    int lastSelected_ = 0;
    ConfigFile* current_ = nullptr;
    std::map<std::string, std::unique_ptr<ConfigFile>, NameOrder> cache_;
    std::mutex switchFailureMutex_;
    std::string switchSaveFailure_;
};

}  // namespace vrx
