#include <gtest/gtest.h>

#include <functional>
#include <filesystem>
#include <map>
#include <sstream>

#include "AppLink/AppLinkManager.h"
#include "ConfigFileManager/ConfigFile.h"
#include "EngineTypes/EngineLock.h"
#include "EngineTypes/SlotIndex.h"
#include "Simulator/Simulation.h"
#include "Utils/Clock.h"
#include "support/RecordingLogger.h"
#include "support/TempFolder.h"

namespace vrx::test {
namespace {

using ProfileBuilder = std::function<void(ConfigFile&)>;

JoyButton& keySlot(ConfigFile& p, int joystick, int slot, KeyCode key) {
    JoyButton& b = p.joystick(joystick)->slot(slot);
    b.type = AssignType::Keyboard;
    b.keys[0] = key;
    return b;
}

// Runs a scenario over profiles built in code and saved into a data
// directory of their own; the first one is in force.
struct SimulationRun {
    std::map<std::string, ProfileBuilder> profiles;
    GlobalSettings settings;
    RecordingLogger log;
    TempFolder folder;
    FixedClock clock{LocalTime{2026, 3, 5, 4, 18, 30, 0, 0}};

    std::string run(const std::string& text) {
        const ScenarioParse parsed = parseScenario(text);
        EXPECT_TRUE(parsed.scenario) << parsed.error;
        for (const auto& [name, build] : profiles) {
            ConfigFile p;
            build(p);
            for (int n = 0; n < p.numberOfJoysticks(); ++n)
                for (JoyButton& b : p.joystick(n)->slots()) b.prepare();
            p.saveTo(folder / (name + ".cfg"), log);
        }
        Simulation simulation(settings, folder / (profiles.begin()->first + ".cfg"), log, clock);
        std::ostringstream out;
        simulation.run(*parsed.scenario, out);
        return out.str();
    }
};

TEST(Simulation, SettingsApplyFromTheirTick) {
    SimulationRun r;
    r.profiles["Game"] = [](ConfigFile& p) { keySlot(p, 0, buttonSlot(0), 0x41).autoRepeatRate = 10; };
    // At twice the speed a repeat phase lasts six ticks instead of three.
    EXPECT_EQ(r.run("0 set TurboMode 1\n0 device 1 generic\n1 button 1 1 down\n15 end\n"),
              "1 Key vk=41 scan=1E flags=0\n"
              "6 Key vk=41 scan=1E flags=2\n"
              "12 Key vk=41 scan=1E flags=0\n");
}

TEST(Simulation, LaunchesSoundsAndPastesAreEventsNotActions) {
    SimulationRun r;
    r.profiles["Game"] = [](ConfigFile& p) {
        JoyButton& tool = p.joystick(0)->slot(buttonSlot(0));
        tool.type = AssignType::LaunchProgram;
        tool.targetName = "C:\\Tools\\tool.exe";
        tool.programParameters = "-v \"x\"";
        JoyButton& sound = p.joystick(0)->slot(buttonSlot(1));
        sound.type = AssignType::LaunchProgram;
        sound.targetName = "ding.WAV";
        JoyButton& paste = p.joystick(0)->slot(buttonSlot(2));
        paste.type = AssignType::PasteText;
        paste.pasteText = "${HH}:${mm}\\nok";
    };
    // Backslashes of a Windows path come doubled, as in C.
    std::string sound;
    for (char c : (r.folder / "ding.WAV").string()) sound += c == '\\' ? std::string("\\\\") : std::string(1, c);
    EXPECT_EQ(r.run("0 device 1 generic\n1 button 1 1 down\n2 button 1 2 down\n3 button 1 3 down\n4 end\n"),
              "1 Launch target=\"C:\\\\Tools\\\\tool.exe\" parameters=\"-v \\\"x\\\"\" folder=\"\"\n"
              "2 Sound path=\"" + sound + "\"\n"
              "3 Clipboard text=\"18:30\\r\\nok\"\n"
              "3 Key vk=11 scan=1D flags=0\n"
              "3 Key vk=56 scan=2F flags=0\n"
              "3 Key vk=56 scan=2F flags=2\n"
              "3 Key vk=11 scan=1D flags=2\n");
}

TEST(Simulation, AnotherForegroundWindowEndsAToggle) {
    SimulationRun r;
    r.profiles["Game"] = [](ConfigFile& p) { keySlot(p, 0, buttonSlot(0), 0x20).toggle = 1; };
    EXPECT_EQ(r.run("0 device 1 generic\n0 foreground \"C:\\\\a.exe\" \"A\"\n"
                    "2 button 1 1 down\n3 button 1 1 up\n"
                    "6 foreground \"C:\\\\b.exe\" \"B\"\n"
                    "8 foreground \"C:\\\\b.exe\" \"B\"\n9 end\n"),
              "2 Key vk=20 scan=39 flags=0\n"
              "6 Key vk=20 scan=39 flags=2\n");
    EXPECT_TRUE(r.log.contains(LogLevel::Debug,
                               "Target window changed [HWND=0x010004, Path='C:\\b.exe', Title='B']"));
}

TEST(Simulation, VirtualButtonsPressTheTargetsSlots) {
    SimulationRun r;
    r.profiles["Game"] = [](ConfigFile& p) {
        keySlot(p, 0, buttonSlot(0), 0x41);
        keySlot(p, 1, buttonSlot(2), 0x42);
    };
    // The controller of joystick 1 is suppressed while joystick 2 takes
    // the virtual presses; attaching elsewhere releases what was held.
    EXPECT_EQ(r.run("0 device 1 generic\n1 virtual-attach 0 1\n2 virtual-press 2\n2 button 1 1 down\n"
                    "5 virtual-attach -1 -1\n7 end\n"),
              "2 Key vk=42 scan=30 flags=0\n"
              "5 Key vk=42 scan=30 flags=2\n"
              "5 Key vk=41 scan=1E flags=0\n");
}

TEST(Simulation, FollowsProfileSwitchesAndReportsUnknownNames) {
    SimulationRun r;
    r.profiles["Game"] = [](ConfigFile& p) {
        keySlot(p, 0, buttonSlot(1), 0x41);
        JoyButton& s = p.joystick(0)->slot(buttonSlot(0));
        s.type = AssignType::ProfileSwitch;
        s.targetName = "menu";
    };
    r.profiles["Menu"] = [](ConfigFile& p) {
        JoyButton& s = p.joystick(0)->slot(buttonSlot(0));
        s.type = AssignType::ProfileSwitch;
        s.targetName = "Nowhere";
    };
    // The key held across the switch is let go before the new profile comes.
    EXPECT_EQ(r.run("0 device 1 generic\n1 button 1 2 down\n2 button 1 1 down\n3 button 1 1 up\n"
                    "5 button 1 1 down\n6 button 1 1 up\n7 end\n"),
              "1 Key vk=41 scan=1E flags=0\n"
              "3 Key vk=41 scan=1E flags=2\n"
              "3 ProfileSwitch name=\"Menu\"\n");
    EXPECT_TRUE(r.log.contains(LogLevel::Error, "Failed to load ConfigFile \"Nowhere\" - cannot be found in the list"));
}

TEST(Simulation, APadIsReadThroughXInputAndASwitchRumblesIt) {
    SimulationRun r;
    r.profiles["Game"] = [](ConfigFile& p) {
        keySlot(p, 0, buttonSlot(12), 0x47);  // the guide button
        JoyButton& s = p.joystick(0)->slot(buttonSlot(0));
        s.type = AssignType::ProfileSwitch;
        s.targetName = "Menu";
    };
    r.profiles["Menu"] = [](ConfigFile& p) {
        p.settings.vibrationSpeed1 = 100;
        p.settings.vibrationSpeed2 = 10;
        p.settings.vibrationDuration = 48;  // three ticks, and one more
    };
    EXPECT_EQ(r.run("0 device 1 xinput\n1 xbutton 1 GUIDE down\n2 xbutton 1 GUIDE up\n"
                    "3 xbutton 1 A down\n4 xbutton 1 A up\n10 end\n"),
              "1 Key vk=47 scan=22 flags=0\n"
              "2 Key vk=47 scan=22 flags=2\n"
              "4 ProfileSwitch name=\"Menu\"\n"
              "4 Vibration left=65500 right=6550\n"
              "8 Vibration left=0 right=0\n");
    EXPECT_TRUE(r.log.contains(LogLevel::Info, "Assign XInput Device #1 to Joystick[1] (045E028E-1)"));
}

TEST(Simulation, TheForegroundApplicationChoosesTheProfileByTheDataDirectorysRules) {
    SimulationRun r;
    r.profiles["Game"] = [](ConfigFile&) {};
    r.profiles["Racing"] = [](ConfigFile&) {};
    NullLogger quiet;
    UnsharedEngineLock lock;
    AppLinkManager rules(r.folder.path(), lock, quiet);
    rules.replace(AppLinkData{kNoMatchLastSelected, "", {{"Racer", "Racing", "racer.exe", ""}}});
    ASSERT_TRUE(rules.save());
    EXPECT_EQ(r.run("0 device 1 generic\n2 foreground \"C:\\\\Games\\\\Racer.exe\" \"Race\"\n"
                    "4 foreground \"C:\\\\Windows\\\\notepad.exe\" \"Notes\"\n5 end\n"),
              "2 ProfileSwitch name=\"Racing\"\n"
              "4 ProfileSwitch name=\"Game\"\n");
}

TEST(Simulation, AMissingProfileRunsOnDefaultsAndNothingIsWritten) {
    TempFolder folder;
    RecordingLogger log;
    const ScenarioParse parsed = parseScenario("0 device 1 generic\n1 button 1 1 down\n3 end\n");
    Simulation simulation(GlobalSettings{}, folder / "Missing.cfg", log, systemClock());
    std::ostringstream out;
    simulation.run(*parsed.scenario, out);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(folder.listing(), "");
}

TEST(Simulation, NothingRunsWithoutAController) {
    SimulationRun r;
    r.profiles["Game"] = [](ConfigFile& p) { keySlot(p, 0, buttonSlot(0), 0x41); };
    EXPECT_EQ(r.run("1 virtual-attach -1 0\n1 virtual-press 0\n5 end\n"), "");
}

// A hat takes any value a device reports: a full turn is still Up, a value
// far beyond it (the centred 65535 of some drivers) presses nothing.
TEST(Simulation, AHatTakesEveryValueADeviceCanReport) {
    SimulationRun r;
    r.profiles["Game"] = [](ConfigFile& p) { keySlot(p, 0, povSlot(0, PovDirection::Up), 0x26); };
    EXPECT_EQ(r.run("0 device 1 generic\n1 pov 1 1 36000\n3 pov 1 1 65535\n5 pov 1 1 0\n"
                    "7 pov 1 1 4294967295\n9 end\n"),
              "1 Key vk=26 scan=48 flags=1\n"
              "3 Key vk=26 scan=48 flags=3\n"
              "5 Key vk=26 scan=48 flags=1\n"
              "7 Key vk=26 scan=48 flags=3\n");
}

}  // namespace
}  // namespace vrx::test
