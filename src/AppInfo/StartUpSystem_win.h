#pragma once

#include <windows.h>

#include "AppInfo/StartUp.h"

namespace vrx {

// A text value of an open registry key: REG_SZ as it is, REG_EXPAND_SZ with
// its environment variables expanded; empty when missing or of another type.
std::string readRegistryText(HKEY key, const wchar_t* name);

// Start-up's questions answered by Windows: the module path, the registry
// key under the current user, the documents folder, the instance mutex and
// the running instance's main window.
class WindowsStartUpSystem final : public StartUpSystem {
public:
    WindowsStartUpSystem() = default;
    WindowsStartUpSystem(const WindowsStartUpSystem&) = delete;
    WindowsStartUpSystem& operator=(const WindowsStartUpSystem&) = delete;
    ~WindowsStartUpSystem() override;

    std::string executablePath() const override;
    char separator() const override { return '\\'; }
    Overrides registryOverrides() const override;
    bool clearReadOnly(const std::string& path) const override;
    bool otherInstanceRunning() const override;
    void handOver(const std::vector<HandOverMessage>& messages) const override;
    void claimInstance() override;

    bool fileExists(const std::string& path) const override;
    bool anyProfileIn(const std::string& folder) const override;
    std::string documentsFolder() const override;
    bool ensureFolder(const std::string& folder) const override;

private:
    HANDLE mutex_ = nullptr;
};

}  // namespace vrx
