#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AppInfo/GlobalSettings.h"
#include "AppLink/AppLinkFile.h"
#include "AppLink/AppLinkManager.h"
#include "ConfigFileManager/ConfigFileManager.h"
#include "support/CountingLock.h"
#include "support/EngineHarness.h"
#include "support/FaultyFiles.h"
#include "support/SilentProfileUi.h"
#include "support/TempFolder.h"

namespace vrx::test {
namespace {

struct AppLinkFixture {
    TempFolder folder;
    RecordingLogger log{true};
    CountingLock lock;
    FaultyFiles files;
    AppLinkManager links{folder.path(), lock, log, systemAnsiCodePage(), files};

    void rules(std::vector<AppLinkRecord> records, int noMatchAction = 0, std::string defaultConfig = "") {
        links.replace({noMatchAction, std::move(defaultConfig), std::move(records)});
    }
    void loadText(std::string_view text) {
        folder.write("AppLink.dat", text);
        links.load();
    }
};

TEST(AppLinkLoad, LogsTheFileLineByLineAndCountsTheRules) {
    AppLinkFixture f;
    f.loadText("AppLinkData\r\n46\r\n2\r\nDefault\r\nWord|Office|winword.exe|\r\nbroken\r\n");
    EXPECT_EQ(f.links.data().noMatchAction, 2);
    EXPECT_EQ(f.links.data().defaultConfig, "Default");
    const std::vector<std::string> info = {"--- Loading \"AppLink.dat\" ---", "--- Total 1 record(s) loaded ---"};
    EXPECT_EQ(f.log.texts(LogLevel::Info), info);
    const std::vector<std::string> debug = {"AppLinkData", "46", "2", "Default", "Word|Office|winword.exe|", "broken"};
    EXPECT_EQ(f.log.texts(LogLevel::Debug), debug);
}

TEST(AppLinkLoad, AMissingBrokenOrUnreadableFileLeavesNoRules) {
    AppLinkFixture missing;
    missing.links.load();
    EXPECT_EQ(missing.log.texts(LogLevel::Info), std::vector<std::string>{"Failed to find AppLink.dat"});
    EXPECT_EQ(missing.links.data(), AppLinkData{});

    AppLinkFixture invalid;
    invalid.loadText("AppLinkData\r\n46\r\n1\r\n");
    EXPECT_EQ(invalid.log.texts(LogLevel::Error),
              std::vector<std::string>{"Failed to open \"AppLink.dat\": Invalid Data"});
    EXPECT_EQ(invalid.links.data(), AppLinkData{});

    AppLinkFixture word;
    word.loadText("AppLinkData\r\n46\r\nabc\r\n\r\nA|P|p|\r\n");
    EXPECT_TRUE(word.log.contains(LogLevel::Error,
                                  "Failed to open \"AppLink.dat\": 'abc' is not a valid integer value"));
    EXPECT_TRUE(word.links.data().rules.empty());

    AppLinkFixture locked;
    locked.folder.write("AppLink.dat", "A:P:p");
    locked.files.fault = FaultyFiles::Fault::Read;
    locked.links.load();
    ASSERT_EQ(locked.log.texts(LogLevel::Error).size(), 1u);
    const std::string error = locked.log.texts(LogLevel::Error)[0];
    EXPECT_TRUE(error.starts_with("Failed to open \"AppLink.dat\": ")) << error;
    EXPECT_NE(error.find("cannot read"), std::string::npos) << error;
    EXPECT_TRUE(locked.links.data().rules.empty());
}

TEST(AppLinkSave, ReplacesTheFileWholeOrNotAtAll) {
    AppLinkFixture f;
    f.rules({{"Word", "Office", "winword.exe", ""}, {"Tube", "Video", "chrome.exe", "You|Tube"}}, 1, "Default");
    EXPECT_TRUE(f.links.save());
    AppLinkFixture again;
    again.loadText(readBytes(f.folder / "AppLink.dat"));
    EXPECT_EQ(again.links.data(), f.links.data());

    const std::string saved = readBytes(f.folder / "AppLink.dat");
    f.rules({});
    f.files.fault = FaultyFiles::Fault::PartialWrite;
    EXPECT_FALSE(f.links.save());
    EXPECT_EQ(readBytes(f.folder / "AppLink.dat"), saved);
    EXPECT_EQ(f.folder.listing(), "AppLink.dat");
    ASSERT_EQ(f.log.texts(LogLevel::Error).size(), 1u);
    EXPECT_TRUE(f.log.texts(LogLevel::Error)[0].starts_with("Failed to save \"AppLink.dat\": "));
}

TEST(AppLinkMatch, PathAndTitleBeatPathAloneWhichBeatsTitleAlone) {
    AppLinkFixture f;
    f.rules({{"Title", "T", "", "YouTube"},
             {"Chrome", "C", "chrome.exe", ""},
             {"Tube", "Y", "chrome.exe", "YouTube"},
             {"Tube2", "Y2", "chrome.exe", "YouTube"},
             {"Nothing", "N", "", ""}});
    EXPECT_EQ(f.links.FindAppLink("C:\\Apps\\CHROME.EXE", "Cats - YouTube"), 2);
    EXPECT_EQ(f.links.FindAppLink("C:\\Apps\\chrome.exe", "News"), 1);
    EXPECT_EQ(f.links.FindAppLink("C:\\Apps\\firefox.exe", "Cats - YouTube"), 0);
    EXPECT_EQ(f.links.FindAppLink("C:\\Apps\\firefox.exe", "Cats - youtube"), -1);  // titles keep their case
    EXPECT_EQ(f.links.FindAppLink("", "Cats - YouTube"), 0);                         // no path: title rules only
    EXPECT_TRUE(f.log.contains(LogLevel::Debug,
                               "Matching application found by path and title [AppName=Tube, Profile=Y, "
                               "Path=chrome.exe, Title=YouTube]"));
    EXPECT_TRUE(f.log.contains(
        LogLevel::Debug, "Matching application found by path [AppName=Chrome, Profile=C, Path=chrome.exe, Title=]"));
    EXPECT_TRUE(f.log.contains(LogLevel::Debug,
                               "Matching application found by title [AppName=Title, Profile=T, Path=, Title=YouTube]"));
}

TEST(AppLinkMatch, PathsCompareWithoutRegardToCaseBeyondAscii) {
    AppLinkFixture f;
    f.rules({{"Spiel", "S", "über.exe", ""}, {"Word", "W", "winword.exe", ""}});
    EXPECT_EQ(f.links.FindAppLink("C:\\Office\\WINWORD.EXE", "Doc"), 1);
    EXPECT_EQ(f.links.FindAppLink("D:\\SPIELE\\ÜBER.EXE", "Spiel"), 0);
}

TEST(AppLinkMatch, TheDesktopAndTheTaskbarAreNamedByTheirOwnPath) {
    AppLinkFixture f;
    f.rules({{"Explorer", "E", "explorer.exe", ""}, {"Desktop", "D", "_desktop_", ""}});
    EXPECT_EQ(f.links.FindAppLink("C:\\Windows\\explorer.exe", ""), 1);
    EXPECT_TRUE(f.log.contains(LogLevel::Debug, "DESKTOP?"));
    EXPECT_EQ(f.links.FindAppLink("", ""), 1);
    EXPECT_TRUE(f.log.contains(LogLevel::Debug, "TASKBAR?"));
    // A folder window of the same program has a title.
    EXPECT_EQ(f.links.FindAppLink("C:\\Windows\\explorer.exe", "Documents"), 0);

    AppLinkFixture none;
    none.rules({{"Explorer", "E", "explorer.exe", ""}});
    EXPECT_EQ(none.links.FindAppLink("C:\\Windows\\explorer.exe", ""), -1);
}

TEST(AppLinkManager, ReplacingTakesTheEngineLockAndSuspendingIsLogged) {
    AppLinkFixture f;
    f.rules({{"A", "P", "a.exe", ""}});
    EXPECT_EQ(f.lock.entries, 1);
    EXPECT_EQ(f.lock.depth, 0);
    EXPECT_FALSE(f.links.suspended());
    EXPECT_TRUE(f.links.toggleSuspended());
    EXPECT_TRUE(f.links.suspended());
    EXPECT_FALSE(f.links.toggleSuspended());
    const std::vector<std::string> info = {"AppLink is temporarily disabled", "AppLink is enabled now"};
    EXPECT_EQ(f.log.texts(LogLevel::Info), info);
}

// The rules as the profile list applies them.
struct AppliedFixture {
    AppLinkFixture app;
    EngineHarness h;
    GlobalSettings settings;
    SilentProfileUi ui;
    ConfigFileManager profiles{app.folder.path(), settings, h.engine, app.lock, ui, h.log};

    explicit AppliedFixture(const char* current) {
        for (const char* name : {"Desktop", "Game", "Menu", "Office", "Video"})
            app.folder.write(std::string(name) + ".cfg", "");
        settings.fileName = current;
        profiles.scan();
    }
    void apply(std::string_view path, std::string_view title) { profiles.ApplyAppLink(path, title, app.links); }
};

TEST(AppLinkApply, NoMatchGoesBackToTheLastSelectedProfileOnce) {
    AppliedFixture f("Menu");
    f.app.rules({{"Tube", "video", "chrome.exe", "YouTube"}, {"Gone", "Deleted", "old.exe", ""}}, 1);
    f.apply("C:\\Apps\\chrome.exe", "Cats - YouTube");
    EXPECT_EQ(f.profiles.currentName(), "Video");
    EXPECT_EQ(f.profiles.names()[static_cast<size_t>(f.profiles.lastSelected())], "Menu");

    f.apply("C:\\old.exe", "Old");  // its profile is gone: nothing happens
    EXPECT_EQ(f.profiles.currentName(), "Video");

    f.apply("C:\\Apps\\notepad.exe", "Notes");
    EXPECT_EQ(f.profiles.currentName(), "Menu");
    EXPECT_TRUE(f.h.log.contains(LogLevel::Info,
                                 "Switching back to the last selected config [Path='C:\\Apps\\notepad.exe', "
                                 "Title='Notes', LastSelected=2]"));
    const size_t lines = f.h.log.lines.size();
    f.apply("C:\\Apps\\calc.exe", "Calc");
    EXPECT_EQ(f.profiles.currentName(), "Menu");
    EXPECT_EQ(f.h.log.lines.size(), lines);
}

TEST(AppLinkApply, NoMatchSwitchesToTheDefaultProfileByName) {
    AppliedFixture f("Menu");
    f.app.rules({{"Word", "Office", "winword.exe", ""}}, 2, "game");
    f.apply("C:\\Office\\WINWORD.EXE", "Doc");
    EXPECT_EQ(f.profiles.currentName(), "Office");
    f.apply("C:\\x.exe", "X");
    EXPECT_EQ(f.profiles.currentName(), "Game");
    EXPECT_EQ(f.profiles.names()[static_cast<size_t>(f.profiles.lastSelected())], "Game");

    AppliedFixture empty("Menu");
    empty.app.rules({{"Word", "Office", "winword.exe", ""}}, 2, "");
    empty.apply("C:\\Office\\winword.exe", "Doc");
    empty.apply("C:\\x.exe", "X");
    EXPECT_EQ(empty.profiles.currentName(), "Office");
    EXPECT_TRUE(empty.h.log.contains(LogLevel::Error, "Failed to load ConfigFile \"\" - cannot be found in the list"));

    AppliedFixture stay("Menu");
    stay.app.rules({{"Word", "Office", "winword.exe", ""}}, 0, "Game");
    stay.apply("C:\\Office\\winword.exe", "Doc");
    stay.apply("C:\\x.exe", "X");
    EXPECT_EQ(stay.profiles.currentName(), "Office");
}

}  // namespace
}  // namespace vrx::test
