#include <gtest/gtest.h>

#include <deque>
#include <initializer_list>
#include <utility>

#include "ConfigFileManager/ConfigFileManager.h"
#include "support/CountingLock.h"
#include "support/EngineHarness.h"
#include "support/FaultyFiles.h"
#include "support/TempFolder.h"

namespace vrx::test {
namespace {

// Answers the dialogs from a script and remembers what it was shown.
class ScriptedUi final : public ProfileListUi {
public:
    std::deque<std::string> names;
    std::deque<MessageAnswer> answers;
    std::vector<std::string> shown;
    int switchedPosts = 0;

    std::string askName(const std::string& caption, const std::string&, const std::string& initial) override {
        shown.push_back(caption + " [" + initial + "]");
        if (names.empty()) return {};
        std::string name = names.front();
        names.pop_front();
        return name;
    }
    MessageAnswer ask(const std::string& text, const std::string& caption, bool) override {
        shown.push_back(caption + ": " + text);
        MessageAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    void showError(const std::string& text, const std::string& caption) override {
        shown.push_back(caption + ": " + text);
    }
    void postProfileSwitched() override { ++switchedPosts; }
};

struct ProfileListFixture {
    TempFolder folder;
    EngineHarness h;
    GlobalSettings settings;
    CountingLock lock;
    ScriptedUi ui;
    FaultyFiles files;
    ConfigFileManager manager{folder.path(), settings, h.engine, lock, ui, h.log, files};

    // A profile file whose button 1 types the given key.
    void profile(const std::string& name, KeyCode key) {
        ConfigFile p;
        JoyButton& b = p.joystick(0)->slot(buttonSlot(0));
        b.type = AssignType::Keyboard;
        b.keys[0] = key;
        b.prepare();
        p.saveTo(folder / (name + ".cfg"), h.log);
    }
    // The files, then the scan, with current as the profile used last.
    void open(std::initializer_list<std::pair<const char*, KeyCode>> files, const char* current = "") {
        for (const auto& [name, key] : files) profile(name, key);
        settings.fileName = current;
        manager.scan();
    }
    KeyCode buttonKey() { return manager.currentProfile()->joystick(0)->slot(buttonSlot(0)).keys[0]; }
    std::string list() {
        std::string text;
        for (const auto& n : manager.names()) text += (text.empty() ? "" : " ") + n;
        return text;
    }
};

TEST(ProfileList, ListsTheFolderWithoutRegardToCaseAndOpensTheLastUsed) {
    ProfileListFixture f;
    f.profile("B", 0x42);
    f.profile("a", 0x41);
    f.profile("a.b", 0x43);
    f.folder.write("notes.txt", "");
    f.settings.fileName = "A.B";
    f.manager.scan();
    EXPECT_EQ(f.list(), "a a.b B");
    EXPECT_EQ(f.manager.currentIndex(), 1);
    EXPECT_EQ(f.buttonKey(), 0x43u);
    EXPECT_EQ(f.lock.depth, 0);
}

TEST(ProfileList, AnEmptyFolderOrAGoneProfileFallsBackToTheFirst) {
    ProfileListFixture empty;
    empty.manager.scan();
    EXPECT_EQ(empty.list(), "最初の設定");

    ProfileListFixture gone;
    gone.profile("Game", 0x41);
    gone.settings.fileName = "Deleted";
    gone.manager.scan();
    EXPECT_EQ(gone.settings.fileName, "Game");
}

TEST(ProfileList, SwitchingReleasesHeldKeysAndSavesChangesFirst) {
    ProfileListFixture f;
    f.open({{"Game", 0x41}, {"Menu", 0x42}}, "Game");
    f.h.profiles.profile = f.manager.currentProfile();
    f.h.engine.ResetShiftTracking(*f.manager.currentProfile());
    f.h.devices.add();
    f.h.press(0, 0);
    f.h.tick();
    ASSERT_EQ(f.h.senders.record.keyDown[0x41], 1);
    f.manager.currentProfile()->joystick(0)->slot(buttonSlot(0)).comment = "edited";
    f.manager.currentProfile()->modified = true;

    EXPECT_EQ(f.manager.switchToName("menu"), 0);
    EXPECT_EQ(f.h.senders.record.keyDown[0x41], 0);
    EXPECT_EQ(f.buttonKey(), 0x42u);
    EXPECT_EQ(f.settings.fileName, "Menu");
    EXPECT_EQ(f.ui.switchedPosts, 1);
    EXPECT_NE(readBytes(f.folder / "Game.cfg").find("##edited"), std::string::npos);

    // The same profile again neither saves nor reloads.
    const int entries = f.lock.entries;
    EXPECT_EQ(f.manager.switchToName("Menu"), 0);
    EXPECT_EQ(f.lock.entries, entries);
    EXPECT_EQ(f.manager.switchToName("Nowhere"), -1);
    EXPECT_TRUE(f.h.log.contains(LogLevel::Error, "Failed to load ConfigFile \"Nowhere\" - cannot be found in the list"));
    EXPECT_EQ(f.manager.switchTo(7, false), -1);
    EXPECT_TRUE(f.h.log.contains(LogLevel::Error, "Cannot load config file: specified index 7 is out of range"));
}

TEST(ProfileList, AKeyPicksTheNameThatIsThatCharacterAlone) {
    ProfileListFixture f;
    f.open({{"2nd", 0x41}, {"2 Racing", 0x42}, {"Zelda", 0x43}});
    EXPECT_EQ(f.manager.switchByKey('2'), 0);
    EXPECT_EQ(f.manager.currentName(), "2 Racing");
    EXPECT_EQ(f.manager.switchByKey('z'), 0);
    EXPECT_EQ(f.manager.currentName(), "Zelda");
    EXPECT_EQ(f.manager.switchByKey('q'), -1);
}

class FixedRules final : public AppLinkRules {
public:
    AppLinkVerdict verdict;
    AppLinkVerdict match(std::string_view, std::string_view) const override { return verdict; }
};

TEST(ProfileList, TheApplicationLinkSwitchesAndComesBack) {
    ProfileListFixture f;
    f.open({{"Desktop", 0x41}, {"Game", 0x42}, {"Default", 0x43}}, "Desktop");
    FixedRules rules;
    rules.verdict = {true, "game", 0, ""};
    f.manager.ApplyAppLink("C:\\g.exe", "G", rules);
    EXPECT_EQ(f.manager.currentName(), "Game");
    EXPECT_EQ(f.manager.names()[static_cast<size_t>(f.manager.lastSelected())], "Desktop");
    EXPECT_TRUE(f.h.log.contains(LogLevel::Info, "Switching config file [Path='C:\\g.exe', Title='G']"));

    rules.verdict = {false, "", 1, ""};
    f.manager.ApplyAppLink("C:\\e.exe", "E", rules);
    EXPECT_EQ(f.manager.currentName(), "Desktop");

    rules.verdict = {true, "Game", 0, ""};
    f.manager.ApplyAppLink("C:\\g.exe", "G", rules);
    rules.verdict = {false, "", 2, "Default"};
    f.manager.ApplyAppLink("C:\\e.exe", "E", rules);
    EXPECT_EQ(f.manager.currentName(), "Default");
    rules.verdict = {false, "", 1, ""};
    f.manager.ApplyAppLink("C:\\e.exe", "E", rules);  // nothing automatic is in force now
    EXPECT_EQ(f.manager.currentName(), "Default");
}

TEST(ProfileList, CreatingAsksAgainForBadOrTakenNamesAndCanOverwrite) {
    ProfileListFixture f;
    f.open({{"Game", 0x41}});
    f.ui.names = {"../outside", "game", "game"};
    f.ui.answers = {MessageAnswer::No, MessageAnswer::Yes};
    EXPECT_TRUE(f.manager.createProfile());
    EXPECT_EQ(f.ui.shown[1], "Error!: ../outside は不正な名前です。");
    EXPECT_EQ(f.ui.shown[3], "Warning: game はすでに存在します。上書きしますか？");
    EXPECT_FALSE(std::filesystem::exists(f.folder.path().parent_path() / "outside.cfg"));
    EXPECT_EQ(f.list(), "Game");
    EXPECT_EQ(f.buttonKey(), 0u);  // a fresh default profile
    EXPECT_EQ(readBytes(f.folder / "Game.cfg"), "");
    EXPECT_TRUE(f.manager.currentProfile()->modified);

    f.ui.names = {"Copy"};
    f.manager.currentProfile()->joystick(0)->slot(1).type = AssignType::Keyboard;
    f.manager.currentProfile()->joystick(0)->slot(1).keys[0] = 0x44;
    EXPECT_TRUE(f.manager.copyProfile());
    EXPECT_EQ(f.ui.shown.back(), "設定ファイル \"Game\" のコピー先 []");
    EXPECT_EQ(f.list(), "Copy Game");
    EXPECT_EQ(f.manager.currentProfile()->joystick(0)->slot(1).keys[0], 0x44u);
    EXPECT_FALSE(f.manager.createProfile());  // cancelled
}

TEST(ProfileList, RenamingRefusesTakenNamesInAnyCase) {
    ProfileListFixture f;
    f.open({{"Game", 0x41}, {"Menu", 0x42}}, "Game");
    f.ui.names = {"GAME", "Arcade"};
    EXPECT_TRUE(f.manager.renameProfile());
    EXPECT_EQ(f.ui.shown[1], "Error!: GAME はすでに存在します。");
    EXPECT_EQ(f.list(), "Arcade Menu");
    EXPECT_EQ(f.manager.currentIndex(), 0);
    EXPECT_EQ(f.folder.listing(), "Arcade.cfg Menu.cfg");
    EXPECT_EQ(f.settings.fileName, "Arcade");
}

TEST(ProfileList, DeletingTheLastEntryOpensTheNewLastAndTheOnlyOneStays) {
    ProfileListFixture f;
    f.open({{"A", 0x41}, {"B", 0x42}}, "B");
    f.ui.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(f.manager.deleteProfile());
    EXPECT_EQ(f.list(), "A");
    EXPECT_EQ(f.buttonKey(), 0x41u);
    EXPECT_EQ(f.folder.listing(), "A.cfg");
    EXPECT_FALSE(f.manager.deleteProfile());
    EXPECT_EQ(f.ui.shown.back(), "Error!: 最低一つの設定ファイルが必要です。");
}

// The profile left behind could not be written (a full disk, a locked
// file): the user hears of it, and its changes stay in the cache.
TEST(ProfileList, AFailedSaveIsShownByTheOperationsTheUserStarted) {
    struct Case {
        const char* operation;
        bool (*run)(ConfigFileManager&);
        bool result;
    };
    const Case cases[] = {
        {"create", [](ConfigFileManager& m) { return m.createProfile(); }, true},
        {"copy", [](ConfigFileManager& m) { return m.copyProfile(); }, true},
        {"shutdown", [](ConfigFileManager& m) { return m.shutdown(), true; }, true},
    };
    for (const Case& c : cases) {
        ProfileListFixture f;
        f.open({{"Game", 0x41}});
        f.manager.currentProfile()->modified = true;
        f.files.fault = FaultyFiles::Fault::Replace;
        f.ui.names = {"New"};
        EXPECT_EQ(c.run(f.manager), c.result) << c.operation;
        ASSERT_FALSE(f.ui.shown.empty()) << c.operation;
        const std::string& shown = f.ui.shown.front();
        EXPECT_TRUE(shown.starts_with("Error: Cannot save config file \"Game\": ")) << c.operation << ": " << shown;
        EXPECT_NE(shown.find("cannot replace"), std::string::npos) << c.operation << ": " << shown;
        EXPECT_TRUE(f.h.log.contains(LogLevel::Error, f.ui.shown.front().substr(7))) << c.operation;
    }
}

TEST(ProfileList, ARenameWhoseSaveFailedLeavesTheFileWhereItIs) {
    ProfileListFixture f;
    f.open({{"Game", 0x41}});
    f.files.fault = FaultyFiles::Fault::Replace;
    f.ui.names = {"Arcade"};
    EXPECT_FALSE(f.manager.renameProfile());
    EXPECT_EQ(f.ui.shown.size(), 1u) << "no name is asked";
    EXPECT_TRUE(f.ui.shown[0].starts_with("Error: Cannot save config file \"Game\""));
    EXPECT_EQ(f.list(), "Game");
    EXPECT_EQ(f.folder.listing(), "Game.cfg");
}

TEST(ProfileList, ARenameNeverReplacesAFileOutsideTheList) {
    ProfileListFixture f;
    f.open({{"Game", 0x41}});
    f.folder.write("Kept.cfg", "[General]\nmine\n");  // arrived after the scan
    f.ui.names = {"Kept", "Arcade"};
    EXPECT_TRUE(f.manager.renameProfile());
    EXPECT_EQ(f.ui.shown[1], "Error!: Kept は不正な名前です。");
    EXPECT_EQ(readBytes(f.folder / "Kept.cfg"), "[General]\nmine\n");
    EXPECT_EQ(f.list(), "Arcade");
    EXPECT_EQ(f.folder.listing(), "Arcade.cfg Kept.cfg");
}

TEST(ProfileList, ASwitchOnlyKeepsItsSaveFailureForTheUserInterface) {
    ProfileListFixture f;
    f.open({{"A", 0x41}, {"B", 0x42}}, "A");
    ConfigFile& a = *f.manager.currentProfile();
    a.modified = true;
    f.files.fault = FaultyFiles::Fault::Write;
    EXPECT_EQ(f.manager.switchTo(1, true), 0);
    EXPECT_EQ(f.manager.currentName(), "B");
    EXPECT_TRUE(f.ui.shown.empty()) << "the timer thread never waits for a box";
    const std::string failure = f.manager.takeSwitchSaveFailure();
    EXPECT_TRUE(failure.starts_with("Cannot save config file \"A\": ")) << failure;
    EXPECT_NE(failure.find("cannot create"), std::string::npos) << failure;
    EXPECT_TRUE(f.h.log.contains(LogLevel::Error, failure));
    EXPECT_EQ(f.manager.takeSwitchSaveFailure(), "");
    EXPECT_TRUE(a.modified) << "the changes wait in the cache";

    f.files.fault = FaultyFiles::Fault::None;
    f.manager.switchTo(0, false);
    f.manager.switchTo(1, false);  // leaving it again writes it
    EXPECT_FALSE(a.modified);
    EXPECT_EQ(f.manager.takeSwitchSaveFailure(), "");
}

}  // namespace
}  // namespace vrx::test
