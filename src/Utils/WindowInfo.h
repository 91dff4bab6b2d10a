#pragma once

#include <string>

#include "Utils/WindowHandle.h"

namespace vrx {

// What the system tells about another program's window.
class WindowInfoSource {
public:
    virtual ~WindowInfoSource() = default;
    virtual std::string windowTitle(WindowHandle window) const = 0;
    virtual std::string executablePath(WindowHandle window) const = 0;
};

}  // namespace vrx
