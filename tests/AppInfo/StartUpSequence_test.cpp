#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "AppInfo/StartUp.h"
#include "Utils/AnsiCodePage.h"
#include "Utils/FileLogger.h"
#include "support/TempFolder.h"

namespace vrx::test {
namespace {

// Paths here are the test's temporary folders, written as the system writes them.
constexpr char kSeparator = static_cast<char>(std::filesystem::path::preferred_separator);

class FakeSystem final : public StartUpSystem {
public:
    std::string exe;
    Overrides overrides;
    std::set<std::string> readOnly;
    bool running = false;
    bool claimed = false;
    std::vector<uint32_t> sent;

    std::string executablePath() const override { return exe; }
    char separator() const override { return kSeparator; }
    Overrides registryOverrides() const override { return overrides; }
    bool clearReadOnly(const std::string& path) const override { return readOnly.count(path) > 0; }
    bool otherInstanceRunning() const override { return running; }
    void handOver(const std::vector<HandOverMessage>& messages) const override {
        for (const auto& m : messages) const_cast<FakeSystem*>(this)->sent.push_back(m.message);
    }
    void claimInstance() override { claimed = true; }
    bool fileExists(const std::string& path) const override { return std::filesystem::exists(path); }
    bool anyProfileIn(const std::string&) const override { return false; }
    std::string documentsFolder() const override { return "/nonexistent/documents"; }
    bool ensureFolder(const std::string&) const override { return false; }
};

struct StartUpFixture {
    TempFolder program;
    FakeSystem system;
    FileLogger log;
    AppInfo app;
    const AnsiCodePage& ansi = systemAnsiCodePage();

    StartUpFixture() { system.exe = (program / "Vantorix.exe").string(); }
    std::string folder() const { return program.path().string() + kSeparator; }
    // The command's first word as a shell gives it: the bare name.
    StartUpResult start(std::vector<std::string> args) {
        args.insert(args.begin(), "Vantorix");
        return startUp(args, system, ansi, log, app);
    }
    std::string logText() {
        log.close();
        return readBytes(program / "Vantorix.log");
    }
};

TEST(StartUp, APortableCopyKeepsItsDataBesideItAndLogsWhereThingsAre) {
    StartUpFixture f;
    f.program.write("Vantorix.ini", "[LastStatus]\r\nShowDebugLog=1\r\nFileName=Menu\r\n");
    f.system.readOnly = {f.folder()};
    EXPECT_EQ(f.start({"-r"}).outcome, StartUpResult::Outcome::Run);
    EXPECT_EQ(f.app.dataDirectory, f.folder());
    EXPECT_EQ(f.app.iniPath, f.folder() + "Vantorix.ini");
    EXPECT_TRUE(f.system.claimed);
    EXPECT_EQ(f.app.settings.fileName, "Menu");
    EXPECT_TRUE(f.log.debugEnabled());
    EXPECT_TRUE(f.app.firstRun);
    const std::string text = f.logText();
    for (const std::string& line : std::vector<std::string>{
             "Starting Vantorix v7.4.1", "ExeFile = " + f.system.exe, "Args = Vantorix", "Args = -r",
             "DataDirectory = " + f.folder(), "Profile = \r\n", "IniFile = " + f.folder() + "Vantorix.ini",
             "ConfigDir is read-only. Trying to make it writable...", "Loading ini file: " + f.folder() + "Vantorix.ini"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
}

TEST(StartUp, ASecondInstanceHandsOverAndStops) {
    StartUpFixture f;
    f.program.write("a.cfg", "");
    f.system.overrides.dataDirectory = f.folder();
    f.system.running = true;
    EXPECT_EQ(f.start({"-q", f.folder() + "Game.cfg"}).outcome, StartUpResult::Outcome::HandedOver);
    EXPECT_EQ(f.system.sent, (std::vector<uint32_t>{wm::kCopyData, wm::kVrxRestore}));
    EXPECT_FALSE(f.system.claimed);
    EXPECT_FALSE(std::filesystem::exists(f.program / "Vantorix.log"));  // -q: no log
}

TEST(StartUp, SeveralInstancesMayRunWhenAllowed) {
    StartUpFixture f;
    f.program.write("Vantorix.ini", "[LastStatus]\r\nAllowMultipleRunning=1\r\nHasRunBefore=1\r\n");
    f.system.running = true;
    EXPECT_EQ(f.start({"Game.cfg"}).outcome, StartUpResult::Outcome::Run);
    EXPECT_FALSE(f.app.firstRun);
    EXPECT_TRUE(f.system.sent.empty());
    EXPECT_FALSE(f.system.claimed);
    EXPECT_EQ(f.app.settings.fileName, "Game");
}

TEST(StartUp, FailsWhenTheDataDirectoryCannotBeMade) {
    StartUpFixture f;  // nothing beside the program, and no documents folder
    const StartUpResult r = f.start({});
    EXPECT_EQ(r.outcome, StartUpResult::Outcome::Failed);
    EXPECT_EQ(r.failure, std::string("Cannot create the data directory: \"/nonexistent/documents") + kSeparator +
                             "Vantorix\"");
}

// The button templates and the controllers' registry are there before the
// read-only repair and the instance check; the records come with the settings.
TEST(StartUp, TemplatesAndTheRegistryComeBeforeTheRepairAndTheRecordsWithTheSettings) {
    StartUpFixture f;
    f.program.write("Vantorix.ini", "[DeviceConfig]\r\nCount=1\r\n[DeviceConfig-1]\r\nGUID={pad}\r\nName=Pad\r\n");
    f.program.write("templates.json", "not a templates file");
    f.system.readOnly = {f.folder()};
    ASSERT_EQ(f.start({}).outcome, StartUpResult::Outcome::Run);
    ASSERT_TRUE(f.app.templates && f.app.registry);
    EXPECT_NE(f.app.templates->find("XBOX"), nullptr);
    ASSERT_EQ(f.app.registry->size(), 1u);
    EXPECT_EQ(f.app.registry->snapshot()[0]->Name, "Pad");
    const std::string text = f.logText();
    const size_t iniLine = text.find("IniFile = "), templates = text.find("Cannot read button templates"),
                 repair = text.find("ConfigDir is read-only"), loading = text.find("Loading ini file: ");
    ASSERT_NE(templates, std::string::npos);
    EXPECT_LT(iniLine, templates);
    EXPECT_LT(templates, repair);
    EXPECT_LT(repair, loading);
}

}  // namespace
}  // namespace vrx::test
