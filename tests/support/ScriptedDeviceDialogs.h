#pragma once

#include <deque>
#include <string>
#include <vector>

#include "Dialogs/DeviceDialogLinks.h"

namespace vrx::test {

// The device and template dialogs' questions answered from a script; what
// they asked is kept as lines ("name caption / prompt [initial]",
// "template id", "control panel").
class ScriptedDeviceDialogs final : public DeviceDialogUi {
public:
    std::deque<std::string> names;      // empty answers when used up
    std::deque<std::string> templates;  // the chosen identifiers; the shown one when used up
    std::vector<std::string> asked;

    std::string askName(const std::string& caption, const std::string& prompt, const std::string& initial) override {
        asked.push_back("name " + caption + " / " + prompt + " [" + initial + "]");
        return next(names, std::string());
    }
    std::string chooseTemplate(const std::string& templateId) override {
        asked.push_back("template " + templateId);
        return next(templates, templateId);
    }
    void openGameControllerSettings() override { asked.push_back("control panel"); }

private:
    static std::string next(std::deque<std::string>& answers, std::string otherwise) {
        if (answers.empty()) return otherwise;
        std::string answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

}  // namespace vrx::test
