#pragma once

#include "Utils/WindowInfo.h"

namespace vrx {

class Logger;

// Titles and executable paths of the system's windows, for the timer thread
// as it follows the foreground window.
class SystemWindowInfo final : public WindowInfoSource {
public:
    explicit SystemWindowInfo(Logger& log) : log_(log) {}

    std::string windowTitle(WindowHandle window) const override;
    std::string executablePath(WindowHandle window) const override;

private:
    Logger& log_;
};

}  // namespace vrx
