#pragma once

#include <optional>
#include <string>

#include "AppLink/AppLinkData.h"
#include "Utils/MessageBoxTypes.h"

namespace vrx {

// What the application-link dialogs ask of the user and of the windows
// around them. The views answer with their own boxes and dialogs, tests
// from a script.

// A message box over the dialog that asks, with exactly the given text.
class DialogMessages {
public:
    virtual ~DialogMessages() = default;
    virtual MessageAnswer message(const std::string& text, const std::string& caption, MessageIcon icon,
                                  MessageButtons buttons) = 0;
};

// The item dialog, filled with a rule; the rule as the user confirmed it,
// nothing when cancelled.
class AppLinkItemEditor {
public:
    virtual ~AppLinkItemEditor() = default;
    virtual std::optional<AppLinkRecord> editRule(const AppLinkRecord& rule) = 0;
};

// The title and executable path of the window a capture took.
struct CapturedWindow {
    std::string title;
    std::string path;

    friend bool operator==(const CapturedWindow&, const CapturedWindow&) = default;
};

// The capture dialog: what it captured, nothing when cancelled.
class WindowCapture {
public:
    virtual ~WindowCapture() = default;
    virtual std::optional<CapturedWindow> captureWindow() = 0;
};

// What a capture does to the whole program: out of the way while the user
// brings the wanted application to the front, back with a beep.
class CaptureHost {
public:
    virtual ~CaptureHost() = default;
    virtual void minimizeApplication() = 0;
    virtual void restoreApplication() = 0;
    virtual void beep() = 0;
};

}  // namespace vrx
