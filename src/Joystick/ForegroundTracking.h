#pragma once

#include <string>

#include "Utils/WindowInfo.h"

namespace vrx {

class Logger;

// Follows the foreground window from tick to tick: whether it changed since
// the previous look, which program it belongs to, and whether it is one of
// Vantorix's own windows.
class ForegroundTracker {
public:
    // Looks at the window in the foreground now; true when it is another one.
    bool track(WindowHandle window, WindowHandle mainWindow, const WindowInfoSource& info, Logger& log);

    WindowHandle window() const { return window_; }
    bool changed() const { return changed_; }
    bool ownWindow() const { return ownWindow_; }
    const std::string& path() const { return path_; }
    const std::string& title() const { return title_; }

private:
    WindowHandle window_ = 0;
    bool changed_ = false;
    bool ownWindow_ = false;
    std::string path_;
    std::string title_;
};

}  // namespace vrx
