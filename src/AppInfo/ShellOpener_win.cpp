#include "AppInfo/ShellOpener_win.h"

#include <windows.h>

#include <shellapi.h>

#include "Utils/WideText_win.h"

namespace vrx {

void WindowsShellOpener::open(const std::string& target, const std::string& parameters,
                              const std::string& workingFolder) {
    const std::wstring file = toWide(target), arguments = toWide(parameters), folder = toWide(workingFolder);
    // No parameters and no folder go as none, as the shell documents them,
    // so that a program without a folder starts in the current one.
    auto orNone = [](const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); };
    ShellExecuteW(GetDesktopWindow(), L"open", file.c_str(), orNone(arguments), orNone(folder), SW_SHOWNORMAL);
}

}  // namespace vrx
