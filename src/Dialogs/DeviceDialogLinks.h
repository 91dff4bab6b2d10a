#pragma once

#include <string>

namespace vrx {

// What the device and template dialogs ask of the user and of the windows
// around them. The views answer with real dialogs; tests answer from a
// script.

// The name dialog: the text the user confirmed, empty when cancelled.
class NameAsker {
public:
    virtual ~NameAsker() = default;
    virtual std::string askName(const std::string& caption, const std::string& prompt, const std::string& initial) = 0;
};

// The button-template dialog, opened on a template (empty or unknown: the
// "DEFAULT" one); the identifier of the template it showed when it closed.
class TemplateChooser {
public:
    virtual ~TemplateChooser() = default;
    virtual std::string chooseTemplate(const std::string& templateId) = 0;
};

class DeviceDialogUi : public NameAsker, public TemplateChooser {
public:
    // The system's game controller settings; whether they opened is not
    // checked.
    virtual void openGameControllerSettings() = 0;
};

}  // namespace vrx
