#pragma once

#include <string>
#include <string_view>

namespace vrx {

// The user interface as the profile list needs it: the name dialog, the
// message boxes, and the notice that another profile is in force.
class ProfileListUi {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~ProfileListUi() = default;
    // The name the user typed; empty when the dialog was cancelled.
    virtual std::string askName(const std::string& caption, const std::string& prompt, const std::string& initial) = 0;
    // A warning with Yes and No, and Cancel when withCancel.
    virtual Answer ask(const std::string& text, const std::string& caption, bool withCancel) = 0;
    virtual void showError(const std::string& text, const std::string& caption) = 0;
    // Posted, never sent: the timer thread switches too and must not wait.
    virtual void postProfileSwitched() = 0;
};

// The application link's verdict on a foreground window.
struct AppLinkVerdict {
    bool matched = false;
    std::string profileName;  // of the matching rule
    int noMatchAction = 0;    // 1 back to the last selected profile, 2 to defaultConfig
    std::string defaultConfig;
};

class AppLinkRules {
public:
    virtual ~AppLinkRules() = default;
    virtual AppLinkVerdict match(std::string_view path, std::string_view title) const = 0;
};

}  // namespace vrx
