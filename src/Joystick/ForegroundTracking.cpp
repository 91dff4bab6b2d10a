#include "Joystick/ForegroundTracking.h"

#include "Utils/CaseInsensitive.h"
#include "Utils/Logger.h"

namespace vrx {
namespace {

// The program's dialogs belong to its own executable, whatever their title.
bool isOwnExecutable(const std::string& path) {
    constexpr std::string_view kExecutable = "vantorix.exe";
    for (size_t i = 0; i + kExecutable.size() <= path.size(); ++i)
        if (equalsIgnoringCase(std::string_view(path).substr(i, kExecutable.size()), kExecutable)) return true;
    return false;
}

}  // namespace

bool ForegroundTracker::track(WindowHandle window, WindowHandle mainWindow, const WindowInfoSource& info,
                              Logger& log) {
    changed_ = window != window_;
    window_ = window;
    if (!changed_) return false;
    title_ = info.windowTitle(window);
    path_ = info.executablePath(window);
    log.debugf("Target window changed [HWND=%#08x, Path='%s', Title='%s']", static_cast<unsigned>(window),
               path_.c_str(), title_.c_str());
    ownWindow_ = isOwnExecutable(path_) || (mainWindow != 0 && window == mainWindow);
    return true;
}

}  // namespace vrx
