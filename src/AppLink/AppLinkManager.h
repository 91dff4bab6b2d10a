#pragma once

#include <atomic>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "AppLink/AppLinkData.h"
#include "ConfigFileManager/ProfileListLinks.h"
#include "Utils/AnsiCodePage.h"
#include "Utils/FileStore.h"

namespace vrx {

class EngineLock;
class Logger;

// The rules that choose the profile for the application in the foreground,
// kept in AppLink.dat in the data directory. The timer thread matches
// against them under the engine lock; the rule dialog replaces them under
// the same lock, so a tick never sees half a list.
class AppLinkManager final : public AppLinkRules {
public:
    AppLinkManager(const std::filesystem::path& dataDirectory, EngineLock& lock, Logger& log,
                   const AnsiCodePage& ansi = systemAnsiCodePage(), FileStore& files = localFiles());

    // Reads the file, once at start. A missing or broken file leaves no rules.
    void load();
    // Writes the rules in place of the file; false, with the reason logged,
    // when it could not be written (the old file is then as it was).
    bool save() const;
    // The rule dialog's confirmation: everything at once.
    void replace(AppLinkData data);

    // The index of the rule for the window, or -1. Rules naming both path
    // and title come first, then those naming the path only, then those
    // naming the title only; within each kind the earlier rule wins.
    int FindAppLink(std::string_view path, std::string_view title) const;
    AppLinkVerdict match(std::string_view path, std::string_view title) const override;

    // While suspended the caller does not apply the rules. Read by the timer
    // thread, flipped by the menu.
    bool suspended() const { return suspended_.load(); }
    // Flips it, logs the new state and returns it.
    bool toggleSuspended();

    const AppLinkData& data() const { return data_; }
    const std::filesystem::path& file() const { return file_; }

private:
    void install(AppLinkData data);

    std::filesystem::path file_;
    EngineLock& lock_;
    Logger& log_;
    const AnsiCodePage& ansi_;
    FileStore& files_;
    AppLinkData data_;
    std::vector<std::string> upperPaths_;  // each rule's path in upper case, for matching
    std::atomic<bool> suspended_{false};
};

}  // namespace vrx
