#pragma once

#include <string>

#include "ConfigFileManager/ProfileListLinks.h"

namespace vrx::test {

// A profile list user interface that is never asked anything in the test
// at hand: every dialog is cancelled.
class SilentProfileUi final : public ProfileListUi {
public:
    int switchedPosts = 0;
    std::string askName(const std::string&, const std::string&, const std::string&) override { return {}; }
    MessageAnswer ask(const std::string&, const std::string&, bool) override { return MessageAnswer::Cancel; }
    void showError(const std::string&, const std::string&) override {}
    void postProfileSwitched() override { ++switchedPosts; }
};

}  // namespace vrx::test
