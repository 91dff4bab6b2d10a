#include <gtest/gtest.h>

#include "Utils/Clipboard.h"
#include "Utils/Clock.h"
#include "Utils/DateTimeFormat.h"
#include "support/SlotFixture.h"

namespace vrx::test {
namespace {

using Lines = std::vector<std::string>;

struct RecordingLauncher final : ProgramLauncher {
    Lines launches;
    void launch(const std::string& target, const std::string& parameters, const std::string& folder) override {
        launches.push_back(target + "|" + parameters + "|" + folder);
    }
};

struct OneShotFixture : SlotFixture {
    RecordingLauncher launcher;
    MemoryClipboard clipboard;
    FixedClock clock{LocalTime{2026, 3, 5, 4, 9, 7, 30, 0}};

    OneShotFixture() {
        tick.services = SlotServices{&launcher, &clipboard, &clock, &englishDateTimeFormat()};
    }
};

JoyButton& launchSlot(JoyButton& b, std::string target, std::string parameters = {}, std::string folder = {}) {
    b.type = AssignType::LaunchProgram;
    b.targetName = std::move(target);
    b.programParameters = std::move(parameters);
    b.programStartFrom = std::move(folder);
    b.prepare();
    return b;
}

JoyButton& pasteSlot(JoyButton& b, std::string text) {
    b.type = AssignType::PasteText;
    b.pasteText = std::move(text);
    b.prepare();
    return b;
}

const Lines kCtrlV{"Key vk=11 scan=1D flags=0", "Key vk=56 scan=2F flags=0", "Key vk=56 scan=2F flags=2",
                   "Key vk=11 scan=1D flags=2"};

TEST(LaunchProgram, LaunchesOncePerPressWithItsParametersAndFolder) {
    OneShotFixture f;
    launchSlot(f.slot(56), "C:\\Tools\\tool.exe", "-x \"a b\"", "C:\\Work");
    f.runFor(56, 1000, 30);  // held: nothing more
    f.runFor(56, 0, 3);
    f.run(56, 1000);
    EXPECT_EQ(f.launcher.launches, (Lines{"C:\\Tools\\tool.exe|-x \"a b\"|C:\\Work", "C:\\Tools\\tool.exe|-x \"a b\"|C:\\Work"}));
    EXPECT_EQ(f.log.texts(LogLevel::Info), (Lines{"Launching program: C:\\Tools\\tool.exe",
                                                  "Launching program: C:\\Tools\\tool.exe"}));
    EXPECT_TRUE(f.events().empty());
}

TEST(LaunchProgram, WithoutALauncherNothingHappens) {
    OneShotFixture f;
    f.tick.services.launcher = nullptr;
    launchSlot(f.slot(56), "https://example.invalid/");
    f.run(56, 1000);
    EXPECT_TRUE(f.log.texts(LogLevel::Info).empty());
}

TEST(LaunchProgram, AToggledSlotLaunchesOnEverySwitchOn) {
    OneShotFixture f;
    launchSlot(f.slot(56), "a.exe").toggle = 1;
    for (int press = 0; press < 4; ++press) {
        f.run(56, 1000);
        f.run(56, 0);
    }
    EXPECT_EQ(f.launcher.launches.size(), 2u);
}

TEST(PasteText, PutsTheExpandedTextOnTheClipboardAndTypesCtrlV) {
    OneShotFixture f;
    pasteSlot(f.slot(56), "${yyyy}-${MM}-${dd}\\n${abc} $5");
    f.run(56, 1000);
    EXPECT_EQ(f.clipboard.text(), "2026-03-05\r\n${abc} $5");
    EXPECT_EQ(f.take(), kCtrlV);
    EXPECT_TRUE(f.log.contains(LogLevel::Debug, "Pasting Text: ${yyyy}-${MM}-${dd}\\n${abc} $5"));
    // Nothing is held, so letting go sends nothing and leaves no reference.
    f.runFor(56, 0, 2);
    EXPECT_TRUE(f.events().empty());
    EXPECT_EQ(f.counts[0x11], 0);
    EXPECT_EQ(f.counts[0x56], 0);
    EXPECT_FALSE(f.slot(56).runtime.keysDown);
}

TEST(PasteText, ABusyClipboardIsLoggedAndCtrlVStillGoesOut) {
    OneShotFixture f;
    f.clipboard.setBusy(true);
    pasteSlot(f.slot(56), "hello");
    f.run(56, 1000);
    EXPECT_EQ(f.clipboard.text(), std::nullopt);
    EXPECT_EQ(f.log.texts(LogLevel::Error), (Lines{"Failed to OpenClipboard"}));
    EXPECT_EQ(f.take(), kCtrlV);
}

TEST(PasteText, KeepsTheKeysOfAnotherSlotThatHoldsControl) {
    OneShotFixture f;
    keyboard(f.slot(57), {0x11});
    pasteSlot(f.slot(56), "x");
    f.run(57, 1000);
    f.take();
    f.run(56, 1000);
    // Control is already down for the other slot: only V goes out, and
    // Control stays down for its holder.
    EXPECT_EQ(f.take(), (Lines{"Key vk=56 scan=2F flags=0", "Key vk=56 scan=2F flags=2"}));
    EXPECT_EQ(f.counts[0x11], 1);
}

}  // namespace
}  // namespace vrx::test
