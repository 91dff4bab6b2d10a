#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "ConfigFileManager/ConfigFile.h"
#include "Dialogs/AssignForm.h"
#include "Joybutton/KeyOutput.h"
#include "Joybutton/TickContext.h"
#include "Utils/KeyboardLayout.h"
#include "Utils/RecordingEventImpl.h"
#include "support/CountingLock.h"
#include "support/RecordingLogger.h"

namespace vrx::test {

// The assignment dialog's questions answered from a script; what it showed
// is kept as text lines.
class ScriptedAssignUi final : public AssignFormUi {
public:
    std::vector<std::string> shown;  // "Error: text", "program", "folder title [start]", "open address"
    std::deque<std::optional<std::string>> picks;
    // The filter and the start folder the last program picker was given.
    std::string programFilter, programStart;

    void showError(const std::string& text) override { shown.push_back("Error: " + text); }
    std::optional<std::string> pickProgram(const std::string& filter, const std::string& startFolder) override {
        shown.push_back("program");
        programFilter = filter;
        programStart = startFolder;
        return next();
    }
    std::optional<std::string> pickFolder(const std::string& title, const std::string& start) override {
        shown.push_back("folder " + title + " [" + start + "]");
        return next();
    }
    void openAddress(const std::string& address) override { shown.push_back("open " + address); }

private:
    std::optional<std::string> next() {
        if (picks.empty()) return std::nullopt;
        std::optional<std::string> pick = picks.front();
        picks.pop_front();
        return pick;
    }
};

// A profile of three joysticks with two other profiles to switch to, and
// the dialog of an editing run over one of its joysticks.
struct AssignFormFixture {
    RecordingLogger log{true};
    KeyRefCounts counts{};
    RecordingKeySenders senders;
    TickContext tick{log, counts};
    CountingLock lock;
    ConfigFile profile;
    ScriptedAssignUi ui;
    AssignForm form;

    explicit AssignFormFixture(int joystick = 0) : form(parts(), runFor(joystick)) {
        tick.keySender = senders.senderFor(1);
    }

    AssignFormParts parts() { return AssignFormParts{lock, tick, usKeyboardLayout(), ui}; }

    EditRun runFor(int joystick) {
        profile.setNumberOfJoysticks(3);
        profile.modified = false;
        EditRun run;
        run.profile = &profile;
        run.joystick = joystick;
        for (int j = joystick + 1; j < 3; ++j) run.shiftTargets.push_back("[" + std::to_string(j + 1) + "] Joystick");
        run.profileNames = {"Game", "Menu", "Race"};
        for (int k = 1; k <= 64; ++k) run.buttonLabels.push_back("ボタン" + std::to_string(k));
        return run;
    }

    JoyButton& slot(int joystick, SlotIndex index) { return profile.joystick(joystick)->slot(index); }
    JoyButton& slot() { return slot(form.run().joystick, kSlot); }
    const AssignFormState& state() const { return form.state(); }

    // Opens the test slot of the run's joystick.
    void open() { form.EditSlot(form.run().joystick, kSlot, "ボタン 1"); }
    void open(const JoyButton& record) {
        slot().copyFrom(record);
        open();
    }
    void ok() { form.btnOKClick(); }

    static constexpr SlotIndex kSlot = 56;
};

inline LastKeyDown keyDown(int virtualKey, int scanCode = 0, bool extended = false) {
    return LastKeyDown{virtualKey, scanCode, extended};
}

}  // namespace vrx::test
