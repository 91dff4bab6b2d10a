#include "ConfigFileManager/ConfigFileManager.h"

#include <algorithm>
#include <exception>
#include <utility>

#include "AppInfo/GlobalSettings.h"
#include "Utils/Logger.h"
#include "Utils/PathText.h"

namespace vrx {
namespace {

constexpr const char* kFirstProfileName = "最初の設定";

bool isAsciiAlnum(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

}  // namespace

bool ConfigFileManager::NameOrder::operator()(std::string_view a, std::string_view b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return asciiLower(x) < asciiLower(y); });
}

ConfigFileManager::ConfigFileManager(std::filesystem::path dataDirectory, GlobalSettings& settings,
                                     ProfileEngine& engine, EngineLock& lock, ProfileListUi& ui, Logger& log,
                                     FileStore& files)
    : dataDirectory_(std::move(dataDirectory)),
      settings_(settings),
      engine_(engine),
      lock_(lock),
      ui_(ui),
      log_(log),
      files_(files) {}

ConfigFileManager::~ConfigFileManager() = default;

std::filesystem::path ConfigFileManager::fileOf(std::string_view name) const {
    return dataDirectory_ / pathFromUtf8(std::string(name) + ".cfg");
}

int ConfigFileManager::indexOf(std::string_view name) const {
    for (size_t i = 0; i < names_.size(); ++i)
        if (equalsIgnoringCase(names_[i], name)) return static_cast<int>(i);
    return -1;
}

void ConfigFileManager::scan() {
    log_.info("ConfigDir=" + pathToUtf8(dataDirectory_ / "*.cfg"));
    log_.debug("--- loading config list ---");
    names_.clear();
    std::error_code error;
    for (std::filesystem::directory_iterator it(dataDirectory_, error), end; !error && it != end;
         it.increment(error)) {
        const std::string file = pathToUtf8(it->path().filename());
        if (file.size() < 4 || !equalsIgnoringCase(std::string_view(file).substr(file.size() - 4), ".cfg")) continue;
        insertName(file.substr(0, file.rfind('.')));
    }
    if (names_.empty()) names_.push_back(kFirstProfileName);
    log_.debug("--- finished loading config list ---");

    currentIndex_ = std::max(indexOf(settings_.fileName), 0);
    settings_.fileName = names_[static_cast<size_t>(currentIndex_)];
    lastSelected_ = currentIndex_;
    EngineLockGuard guard(lock_);
    current_ = &cached(settings_.fileName);
    engine_.ResetShiftTracking(*current_);
}

void ConfigFileManager::insertName(const std::string& name) {
    if (indexOf(name) >= 0) return;
    names_.insert(std::upper_bound(names_.begin(), names_.end(), name, NameOrder{}), name);
}

ConfigFile& ConfigFileManager::cached(const std::string& name) {
    auto it = cache_.find(name);
    if (it == cache_.end())
        it = cache_.emplace(name, std::make_unique<ConfigFile>(fileOf(name), log_, systemAnsiCodePage(), files_)).first;
    return *it->second;
}

std::string ConfigFileManager::saveLogged(ConfigFile& profile, const std::string& name) {
    try {
        profile.saveTo(fileOf(name), log_, files_);
        return {};
    } catch (const std::exception& e) {
        std::string failure = "Cannot save config file \"" + name + "\": " + e.what();
        log_.error(failure);
        return failure;
    }
}

bool ConfigFileManager::saveReported(ConfigFile& profile, const std::string& name) {
    const std::string failure = saveLogged(profile, name);
    if (!failure.empty()) ui_.showError(failure, "Error");
    return failure.empty();
}

void ConfigFileManager::saveChangesReported() {
    if (current_ && current_->modified) saveReported(*current_, currentName());
}

std::string ConfigFileManager::takeSwitchSaveFailure() {
    std::lock_guard guard(switchFailureMutex_);
    return std::exchange(switchSaveFailure_, {});
}

void ConfigFileManager::releaseCurrent() {
    if (current_) engine_.ReleaseProfile(*current_);
}

void ConfigFileManager::install(ConfigFile& profile, int index) {
    current_ = &profile;
    currentIndex_ = index;
    settings_.fileName = names_[static_cast<size_t>(index)];
}

int ConfigFileManager::switchTo(int index, bool automatic) {
    if (index == currentIndex_ && current_) return 0;
    if (index < 0 || index >= static_cast<int>(names_.size())) {
        log_.errorf("Cannot load config file: specified index %d is out of range", index);
        return -1;
    }
    const std::string& name = names_[static_cast<size_t>(index)];
    log_.infof("About to load config file \"%s\"", name.c_str());
    EngineLockGuard guard(lock_);
    if (current_ && current_->modified) {
        if (std::string failure = saveLogged(*current_, currentName()); !failure.empty()) {
            std::lock_guard failureGuard(switchFailureMutex_);
            switchSaveFailure_ = std::move(failure);
        }
    }
    releaseCurrent();
    install(cached(name), index);
    ui_.postProfileSwitched();
    if (!automatic) lastSelected_ = index;
    engine_.ResetShiftTracking(*current_);
    return 0;
}

int ConfigFileManager::switchToName(std::string_view name) {
    const int index = indexOf(name);
    if (index < 0) {
        log_.error("Failed to load ConfigFile \"" + std::string(name) + "\" - cannot be found in the list");
        return -1;
    }
    return switchTo(index, false);
}

int ConfigFileManager::switchByKey(char key) {
    key = asciiLower(key);
    if (!isAsciiAlnum(key)) return -1;
    int firstMatch = -1;
    for (size_t i = 0; i < names_.size(); ++i) {
        const std::string& name = names_[i];
        if (name.empty() || !isAsciiAlnum(name[0]) || asciiLower(name[0]) != key) continue;
        // "2 Racing" answers the key 2 before "2nd" does: a name that is
        // the character alone, as a word, is the better match.
        if (name.size() < 2 || !isAsciiAlnum(name[1])) return switchTo(static_cast<int>(i), false);
        if (firstMatch < 0) firstMatch = static_cast<int>(i);
    }
    return firstMatch < 0 ? -1 : switchTo(firstMatch, false);
}

void ConfigFileManager::ApplyAppLink(std::string_view path, std::string_view title, const AppLinkRules& rules) {
    const AppLinkVerdict verdict = rules.match(path, title);
    const std::string p(path), t(title);
    if (verdict.matched) {
        const int index = indexOf(verdict.profileName);
        if (index < 0 || index == currentIndex_) return;
        log_.infof("Switching config file [Path='%s', Title='%s']", p.c_str(), t.c_str());
        switchTo(index, true);
        return;
    }
    if (lastSelected_ == currentIndex_) return;
    if (verdict.noMatchAction == 1) {
        log_.infof("Switching back to the last selected config [Path='%s', Title='%s', LastSelected=%d]", p.c_str(),
                   t.c_str(), lastSelected_);
        switchTo(lastSelected_, false);
    } else if (verdict.noMatchAction == 2) {
        log_.infof("Switching to the default config [Path='%s', Title='%s']", p.c_str(), t.c_str());
        switchToName(verdict.defaultConfig);
    }
}

bool ConfigFileManager::saveCurrent(std::string_view listName) {
    log_.info("Save config file \"" + std::string(listName) + "\"");
    current_->saveTo(fileOf(currentName()), log_, files_);
    return true;
}

void ConfigFileManager::shutdown() {
    if (!current_) return;
    settings_.fileName = currentName();
    saveChangesReported();
    EngineLockGuard guard(lock_);
    releaseCurrent();
    current_ = nullptr;
    cache_.clear();
    names_.clear();
}

}  // namespace vrx
