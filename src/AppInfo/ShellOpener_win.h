#pragma once

#include "AppInfo/AppLauncher.h"

namespace vrx {

// ShellExecuteW's "open" with the desktop window as owner, shown normally.
class WindowsShellOpener final : public ShellOpener {
public:
    void open(const std::string& target, const std::string& parameters, const std::string& workingFolder) override;
};

}  // namespace vrx
