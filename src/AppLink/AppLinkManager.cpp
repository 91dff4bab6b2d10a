#include "AppLink/AppLinkManager.h"

#include <exception>
#include <optional>
#include <utility>

#include "AppLink/AppLinkFile.h"
#include "AppLink/UpperCase.h"
#include "EngineTypes/EngineLock.h"
#include "Utils/Logger.h"

namespace vrx {
namespace {

constexpr const char* kFileName = "AppLink.dat";
constexpr std::string_view kOpenFailed = "Failed to open \"AppLink.dat\": ";
// The desktop and the taskbar have no title; rules name them by this path.
constexpr std::string_view kDesktopPath = "_DESKTOP_";

bool contains(std::string_view text, std::string_view piece) { return text.find(piece) != std::string_view::npos; }

}  // namespace

AppLinkManager::AppLinkManager(const std::filesystem::path& dataDirectory, EngineLock& lock, Logger& log,
                               const AnsiCodePage& ansi, FileStore& files)
    : file_(dataDirectory / kFileName), lock_(lock), log_(log), ansi_(ansi), files_(files) {}

void AppLinkManager::install(AppLinkData data) {
    std::vector<std::string> upperPaths;
    upperPaths.reserve(data.rules.size());
    for (const AppLinkRecord& rule : data.rules) upperPaths.push_back(upperCase(rule.path));
    EngineLockGuard guard(lock_);
    data_ = std::move(data);
    upperPaths_ = std::move(upperPaths);
}

void AppLinkManager::load() {
    std::optional<std::string> bytes;
    std::optional<std::string> failure;
    try {
        bytes = files_.readAll(file_);
        if (!bytes) {
            log_.info("Failed to find AppLink.dat");
            install({});
            return;
        }
    } catch (const std::exception& e) {
        failure = e.what();
    }
    log_.info("--- Loading \"AppLink.dat\" ---");
    AppLinkData data;
    if (!failure) {
        const std::string text = decodeAppLinkText(*bytes, ansi_);
        const std::vector<std::string_view> lines = textLines(text);
        if (log_.debugEnabled())
            for (const std::string_view line : lines) log_.debug(line);
        failure = parseAppLink(lines, data);
    }
    const size_t count = data.rules.size();
    install(std::move(data));
    if (failure) {
        log_.error(std::string(kOpenFailed) + *failure);
        return;
    }
    log_.info("--- Total " + std::to_string(count) + " record(s) loaded ---");
}

bool AppLinkManager::save() const {
    try {
        saveAtomically(files_, file_, appLinkFileBytes(data_));
        return true;
    } catch (const std::exception& e) {
        log_.error("Failed to save \"AppLink.dat\": " + std::string(e.what()));
        return false;
    }
}

void AppLinkManager::replace(AppLinkData data) { install(std::move(data)); }

int AppLinkManager::FindAppLink(std::string_view path, std::string_view title) const {
    std::string upperPath = upperCase(path);
    if (title.empty()) {
        if (contains(upperPath, "\\EXPLORER.EXE")) {
            log_.debug("DESKTOP?");
            upperPath = kDesktopPath;
        } else if (upperPath.empty()) {
            log_.debug("TASKBAR?");
            upperPath = kDesktopPath;
        }
    }
    const auto pathMatches = [&](size_t i) { return !upperPaths_[i].empty() && contains(upperPath, upperPaths_[i]); };
    const auto found = [&](size_t i, const char* how) {
        if (log_.debugEnabled()) {
            const AppLinkRecord& rule = data_.rules[i];
            log_.debug(std::string("Matching application found by ") + how + " [AppName=" + rule.appName +
                       ", Profile=" + rule.profile + ", Path=" + rule.path + ", Title=" + rule.title + "]");
        }
        return static_cast<int>(i);
    };
    const std::vector<AppLinkRecord>& rules = data_.rules;
    for (size_t i = 0; i < rules.size(); ++i)
        if (!rules[i].title.empty() && contains(title, rules[i].title) && pathMatches(i))
            return found(i, "path and title");
    for (size_t i = 0; i < rules.size(); ++i)
        if (rules[i].title.empty() && pathMatches(i)) return found(i, "path");
    for (size_t i = 0; i < rules.size(); ++i)
        if (rules[i].path.empty() && !rules[i].title.empty() && contains(title, rules[i].title))
            return found(i, "title");
    return -1;
}

AppLinkVerdict AppLinkManager::match(std::string_view path, std::string_view title) const {
    AppLinkVerdict verdict;
    verdict.noMatchAction = data_.noMatchAction;
    verdict.defaultConfig = data_.defaultConfig;
    const int index = FindAppLink(path, title);
    if (index >= 0) {
        verdict.matched = true;
        verdict.profileName = data_.rules[static_cast<size_t>(index)].profile;
    }
    return verdict;
}

bool AppLinkManager::toggleSuspended() {
    const bool suspended = !suspended_.load();
    suspended_.store(suspended);
    log_.info(suspended ? "AppLink is temporarily disabled" : "AppLink is enabled now");
    return suspended;
}

}  // namespace vrx
