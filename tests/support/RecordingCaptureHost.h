#pragma once

#include <string>
#include <vector>

#include "Dialogs/AppLinkLinks.h"

namespace vrx::test {

// What the capture asked of the application, in order.
struct RecordingCaptureHost final : CaptureHost {
    std::vector<std::string> calls;
    void minimizeApplication() override { calls.push_back("minimize"); }
    void restoreApplication() override { calls.push_back("restore"); }
    void beep() override { calls.push_back("beep"); }
};

}  // namespace vrx::test
