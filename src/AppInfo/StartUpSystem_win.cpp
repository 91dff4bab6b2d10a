#include "AppInfo/StartUpSystem_win.h"

#include <shlobj.h>

#include <cstdlib>

#include "Utils/WideText_win.h"

namespace vrx {
namespace {

constexpr wchar_t kMutexName[] = L"Mutex_Vantorix";
constexpr wchar_t kMainWindowClass[] = L"TMainForm";
constexpr wchar_t kRegistryKey[] = L"Software\\Vantorix\\";

// %VARIABLE% references replaced by the environment's values; the text as
// it is when they cannot be.
std::wstring expandEnvironment(const std::wstring& text) {
    const DWORD length = ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
    if (length == 0) return text;
    std::wstring expanded(length, L'\0');
    const DWORD written = ExpandEnvironmentStringsW(text.c_str(), expanded.data(), length);
    if (written == 0 || written > length) return text;
    expanded.resize(wcsnlen(expanded.c_str(), expanded.size()));
    return expanded;
}

}  // namespace

std::string readRegistryText(HKEY key, const wchar_t* name) {
    DWORD type = 0, bytes = 0;
    const auto isText = [&type] { return type == REG_SZ || type == REG_EXPAND_SZ; };
    if (RegQueryValueExW(key, name, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS || !isText() || bytes == 0)
        return {};
    std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &bytes) != ERROR_SUCCESS ||
        !isText())
        return {};
    value.resize(wcsnlen(value.c_str(), value.size()));
    return toUtf8(type == REG_EXPAND_SZ ? expandEnvironment(value) : value);
}

WindowsStartUpSystem::~WindowsStartUpSystem() {
    if (mutex_) {
        ReleaseMutex(mutex_);
        CloseHandle(mutex_);
    }
}

std::string WindowsStartUpSystem::executablePath() const {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return toUtf8(path);
        }
        path.resize(path.size() * 2);
    }
}

StartUpSystem::Overrides WindowsStartUpSystem::registryOverrides() const {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kRegistryKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return {};
    Overrides overrides{readRegistryText(key, L"DataDir"), readRegistryText(key, L"IniFilePath")};
    RegCloseKey(key);
    return overrides;
}

bool WindowsStartUpSystem::clearReadOnly(const std::string& path) const {
    const std::wstring wide = toWide(path);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_READONLY)) return false;
    SetFileAttributesW(wide.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    return true;
}

bool WindowsStartUpSystem::otherInstanceRunning() const {
    HANDLE other = OpenMutexW(MUTEX_ALL_ACCESS, FALSE, kMutexName);
    if (!other) return false;
    CloseHandle(other);
    return true;
}

void WindowsStartUpSystem::handOver(const std::vector<HandOverMessage>& messages) const {
    HWND window = FindWindowW(kMainWindowClass, nullptr);
    if (!window) return;
    for (const HandOverMessage& m : messages) {
        if (m.message == WM_COPYDATA) {
            COPYDATASTRUCT data{0, static_cast<DWORD>(m.data.size()), const_cast<char*>(m.data.data())};
            SendMessageW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
        } else {
            SendMessageW(window, m.message, 0, 0);
        }
    }
}

void WindowsStartUpSystem::claimInstance() { mutex_ = CreateMutexW(nullptr, FALSE, kMutexName); }

bool WindowsStartUpSystem::fileExists(const std::string& path) const {
    return GetFileAttributesW(toWide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool WindowsStartUpSystem::anyProfileIn(const std::string& folder) const {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(toWide(folder + "*.cfg").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}

std::string WindowsStartUpSystem::documentsFolder() const {
    wchar_t path[MAX_PATH];
    if (SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, 0, path))) return toUtf8(path);
    const wchar_t* profile = _wgetenv(L"USERPROFILE");
    return toUtf8(profile ? profile : L"") + "\\Documents";
}

bool WindowsStartUpSystem::ensureFolder(const std::string& folder) const {
    const std::wstring wide = toWide(folder);
    if (CreateDirectoryW(wide.c_str(), nullptr)) return true;
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace vrx
