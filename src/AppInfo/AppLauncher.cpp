#include "AppInfo/AppLauncher.h"

#include <system_error>

#include "Utils/CaseInsensitive.h"
#include "Utils/PathText.h"

namespace vrx {
namespace {

// The name's extension with its dot, or nothing. Names come from profiles
// written on Windows, so both separators count whatever system reads them.
std::string_view extensionOf(std::string_view target) {
    const size_t nameStart = target.find_last_of("\\/:");
    const std::string_view name = nameStart == std::string_view::npos ? target : target.substr(nameStart + 1);
    const size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string_view{} : name.substr(dot);
}

bool isAbsolute(std::string_view target) {
    if (target.size() >= 2 && target[1] == ':') return true;
    return !target.empty() && (target[0] == '\\' || target[0] == '/');
}

}  // namespace

bool isSoundFile(const std::string& target) {
    const std::string_view extension = extensionOf(target);
    return equalsIgnoringCase(extension, ".mp3") || equalsIgnoringCase(extension, ".wav");
}

void AppLauncher::launch(const std::string& target, const std::string& parameters, const std::string& workingFolder) {
    if (!isSoundFile(target)) {
        shell_.open(target, parameters, workingFolder);
        return;
    }
    sounds_.PlaySoundFile(resolveDataFile(dataDirectory_, target));
}

std::string resolveDataFile(const std::filesystem::path& dataDirectory, const std::string& name) {
    return isAbsolute(name) ? name : pathToUtf8(dataDirectory / pathFromUtf8(name));
}

std::string relativeDataFile(const std::filesystem::path& dataDirectory, const std::string& chosen) {
    const std::filesystem::path relative = pathFromUtf8(chosen).lexically_relative(dataDirectory);
    if (relative.empty() || *relative.begin() == "..") return chosen;
    return pathToUtf8(relative);
}

std::string dataFileFolder(const std::filesystem::path& dataDirectory, const std::string& stored) {
    if (stored.empty()) return {};
    return pathToUtf8(pathFromUtf8(resolveDataFile(dataDirectory, stored)).parent_path());
}

bool dataFileExists(const std::filesystem::path& dataDirectory, const std::string& name) {
    std::error_code failure;
    return std::filesystem::is_regular_file(pathFromUtf8(resolveDataFile(dataDirectory, name)), failure);
}

}  // namespace vrx
