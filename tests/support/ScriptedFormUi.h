#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Dialogs/FormDialogs.h"
#include "Joystick/InputDevices.h"
#include "Main/MainFormLinks.h"

namespace vrx::test {

// The main window's boxes and dialogs answered from a script; what they were
// shown is kept as text lines ("caption: text", "name caption [initial]").
class ScriptedFormDialogs final : public FormDialogs {
public:
    std::deque<MessageAnswer> answers;  // for Yes/No boxes; Yes when empty
    std::deque<std::string> names;
    std::deque<std::optional<std::string>> files;
    std::vector<std::string> shown;
    std::vector<std::string> fileStarts;  // the folders the file dialogs started in
    // What the user does in the options page's dialogs; without a script
    // they close at once (the vibration dialog with Cancel).
    std::function<void(ButtonAliasForm&)> aliasDialog;
    std::function<bool(VibrationForm&)> vibrationDialog;

    MessageAnswer message(const std::string& text, const std::string& caption, MessageIcon,
                          MessageButtons buttons) override {
        shown.push_back(caption + ": " + text);
        if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
        if (answers.empty()) return MessageAnswer::Yes;
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::string askName(const std::string& caption, const std::string& prompt, const std::string& initial) override {
        shown.push_back("name " + caption + " / " + prompt + " [" + initial + "]");
        if (names.empty()) return {};
        std::string name = names.front();
        names.pop_front();
        return name;
    }
    std::optional<std::string> pickFile(FileKind, const std::string& startFolder) override {
        fileStarts.push_back(startFolder);
        if (files.empty()) return std::nullopt;
        std::optional<std::string> file = files.front();
        files.pop_front();
        return file;
    }
    void showButtonAlias(ButtonAliasForm& form) override {
        shown.push_back("button alias dialog");
        if (aliasDialog) aliasDialog(form);
    }
    bool showVibration(VibrationForm& form) override {
        shown.push_back("vibration dialog");
        return vibrationDialog && vibrationDialog(form);
    }
};

class CountingDeviceUi final : public DeviceListUi {
public:
    int posts = 0;
    void postUpdateJoysticks() override { ++posts; }
};

class CountingSettingsStore final : public SettingsStore {
public:
    int saves = 0;
    void saveGlobalSettings() override { ++saves; }
};

}  // namespace vrx::test
