// Creating, copying, renaming and deleting profiles: the operations on the
// profile list that ask the user and touch the data directory.
#include <fstream>

#include "AppInfo/GlobalSettings.h"
#include "ConfigFileManager/ConfigFileManager.h"
#include "Utils/Logger.h"

namespace vrx {
namespace {

constexpr const char* kNamePrompt = "設定ファイルの名前を入力してください";

// A profile name is a file name in the data directory, never a path that
// leads out of it.
bool isPlainName(const std::string& name) {
    return name != "." && name != ".." && name.find_first_of("/\\:") == std::string::npos;
}

std::string quoted(const std::string& name) { return "\"" + name + "\""; }

// A file of that name outside the list (left there by hand, or by another
// program) is not the user's to lose by a rename.
bool moveWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
    std::error_code error;
    if (std::filesystem::exists(to, error) || error) return false;
    std::filesystem::rename(from, to, error);
    return !error;
}

}  // namespace

// A profile left unsaved keeps its changes in the cache; the user has been
// told, and the new profile is made all the same.
bool ConfigFileManager::createProfile() {
    saveChangesReported();
    return createFrom(nullptr, "設定ファイルの新規作成");
}

bool ConfigFileManager::copyProfile() {
    saveChangesReported();
    return createFrom(current_, "設定ファイル " + quoted(currentName()) + " のコピー先");
}

// Asks until the user names a file that could be created (and emptied);
// empty when cancelled.
std::string ConfigFileManager::askFreeName(const std::string& caption, const std::string& initial, bool& overwrite) {
    for (;;) {
        std::string name = ui_.askName(caption, kNamePrompt, initial);
        if (name.empty()) return {};
        overwrite = false;
        if (const int existing = indexOf(name); existing >= 0) {
            const auto answer = ui_.ask(name + " はすでに存在します。上書きしますか？", "Warning", true);
            if (answer == MessageAnswer::No) continue;
            if (answer == MessageAnswer::Cancel) return {};
            overwrite = true;
            name = names_[static_cast<size_t>(existing)];
        }
        std::ofstream file;
        if (isPlainName(name)) file.open(fileOf(name), std::ios::binary | std::ios::trunc);
        if (file.is_open()) return name;
        ui_.showError(name + " は不正な名前です。", "Error!");
    }
}

bool ConfigFileManager::createFrom(const ConfigFile* source, const std::string& caption) {
    bool overwrite = false;
    const std::string name = askFreeName(caption, "", overwrite);
    if (name.empty()) return false;
    auto profile = std::make_unique<ConfigFile>();
    if (source) profile->copyFrom(*source);
    profile->modified = true;

    EngineLockGuard guard(lock_);
    releaseCurrent();
    // The profile being overwritten may be the one in force: it goes only
    // once nothing it held is down any more.
    ConfigFile& created = *profile;
    cache_[name] = std::move(profile);
    if (!overwrite) insertName(name);
    install(created, indexOf(name));
    lastSelected_ = currentIndex_;
    engine_.ResetShiftTracking(created);
    return true;
}

bool ConfigFileManager::renameProfile() {
    const std::string oldName = currentName();
    // The file moves with its latest contents, or not at all.
    if (!saveReported(*current_, oldName)) return false;
    const std::string caption = "設定ファイル " + quoted(oldName) + " の名称変更";
    std::string newName;
    for (;;) {
        newName = ui_.askName(caption, kNamePrompt, oldName);
        if (newName.empty()) {
            lastSelected_ = currentIndex_;
            return true;
        }
        if (indexOf(newName) >= 0) {
            ui_.showError(newName + " はすでに存在します。", "Error!");
            continue;
        }
        if (isPlainName(newName) && moveWithoutReplacing(fileOf(oldName), fileOf(newName))) break;
        ui_.showError(newName + " は不正な名前です。", "Error!");
    }
    auto entry = cache_.extract(oldName);
    entry.key() = newName;
    cache_.insert(std::move(entry));
    names_.erase(names_.begin() + currentIndex_);
    insertName(newName);
    currentIndex_ = indexOf(newName);
    settings_.fileName = newName;
    lastSelected_ = currentIndex_;
    return true;
}

bool ConfigFileManager::deleteProfile() {
    if (names_.size() == 1) {
        ui_.showError("最低一つの設定ファイルが必要です。", "Error!");
        return false;
    }
    const std::string name = currentName();
    if (ui_.ask(quoted(name) + " を削除してもよろしいですか？（設定ファイルも削除されます）", "Warning", false) !=
        MessageAnswer::Yes)
        return false;
    std::error_code ignored;  // the profile leaves the list whether its file goes or not
    std::filesystem::remove(fileOf(name), ignored);

    EngineLockGuard guard(lock_);
    releaseCurrent();
    current_ = nullptr;
    cache_.erase(name);
    names_.erase(names_.begin() + currentIndex_);
    const int index = std::min(currentIndex_, static_cast<int>(names_.size()) - 1);
    install(cached(names_[static_cast<size_t>(index)]), index);
    lastSelected_ = currentIndex_;
    engine_.ResetShiftTracking(*current_);
    return true;
}

}  // namespace vrx
