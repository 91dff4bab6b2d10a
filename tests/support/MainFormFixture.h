#pragma once

#include <deque>
#include <string>
#include <vector>

#include "AppInfo/GlobalSettings.h"
#include "ConfigFileManager/ConfigFileManager.h"
#include "DeviceConfig/DeviceTemplateManager.h"
#include "Joystick/DeviceList.h"
#include "Main/MainForm.h"
#include "Utils/KeyboardLayout.h"
#include "support/CountingLock.h"
#include "support/EngineHarness.h"
#include "support/ScriptedDeviceDialogs.h"
#include "support/ScriptedFormUi.h"
#include "support/SilentProfileUi.h"
#include "support/TempFolder.h"

namespace vrx::test {

// The assignment dialog: returns the scripted results in turn (then 1, OK)
// and remembers each slot it was opened for with its caption, and the runs.
class ScriptedEditor final : public AssignmentEditor {
public:
    std::deque<int> results;
    std::vector<std::string> opened;
    std::vector<EditRun> runs;
    int endedRuns = 0;
    void beginRun(const EditRun& run) override { runs.push_back(run); }
    void endRun() override { ++endedRuns; }
    int edit(int tab, SlotIndex slot, const std::string& rowCaption) override {
        opened.push_back(std::to_string(tab) + ":" + std::to_string(slot) + " " + rowCaption);
        if (results.empty()) return 1;
        const int result = results.front();
        results.pop_front();
        return result;
    }
};

class ScriptedWizard final : public KeyWizard {
public:
    std::deque<WizardAnswer> answers;  // exit when empty
    std::vector<std::string> prompts;
    WizardAnswer ask(const std::string& prompt) override {
        prompts.push_back(prompt);
        if (answers.empty()) return {};
        const WizardAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// A main window model over a real profile list in a folder of its own,
// with the profiles A and B (A in force), no devices, and scripted dialogs.
struct MainFormFixture {
    TempFolder folder;
    EngineHarness h;
    GlobalSettings settings;
    CountingLock lock;
    SilentProfileUi profileUi;
    ConfigFileManager manager{folder.path(), settings, h.engine, lock, profileUi, h.log};
    DeviceList devices;
    DeviceTemplateManager templates{folder / "templates.json", h.log};
    ScriptedFormDialogs dialogs;
    ScriptedEditor editor;
    ScriptedWizard wizard;
    CountingSettingsStore store;
    CountingDeviceUi deviceUi;
    ScriptedDeviceDialogs templateDialog;
    MainForm form{MainFormParts{manager, h.engine, lock, settings, devices, templates, dialogs, editor, wizard, store,
                                OptionsPageParts{manager, lock, h.engine.tickContext(), deviceUi, dialogs,
                                                 folder.path(), h.log},
                                h.log, usKeyboardLayout(), templateDialog}};

    explicit MainFormFixture(const std::vector<std::string>& names = {"A", "B"}) {
        for (const std::string& name : names) ConfigFile().saveTo(folder / (name + ".cfg"), h.log);
        settings.fileName = names.front();
        manager.scan();
        form.reloadProfileList();
        form.takeChanges();
    }

    ConfigFile& profile() { return *manager.currentProfile(); }
    JoyButton& slot(int joystick, SlotIndex index) { return profile().joystick(joystick)->slot(index); }
    // The first row that shows the slot, or -1.
    int rowOf(SlotIndex slot) const {
        const auto& rows = form.rows();
        for (size_t i = 0; i < rows.size(); ++i)
            if (rows[i].slot == slot) return static_cast<int>(i);
        return -1;
    }
};

}  // namespace vrx::test
