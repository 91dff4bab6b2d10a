#include <gtest/gtest.h>

#include <set>

#include "AppInfo/CommandLine.h"
#include "AppInfo/DataDirectory.h"
#include "AppInfo/InstanceHandOver.h"
#include "Utils/AnsiCodePage.h"

namespace vrx::test {
namespace {

CommandLine parse(std::vector<std::string> args) { return parseCommandLine(args); }

TEST(CommandLine, OptionsByTheirSecondCharacterThenTheProfile) {
    const CommandLine c = parse({"-q", "-n", "D:\\p\\game.cfg", "-r"});
    EXPECT_TRUE(c.noLog);
    EXPECT_TRUE(c.noRestore);
    EXPECT_FALSE(c.refreshDevices);  // after the profile: ignored
    EXPECT_EQ(c.dataDirectory, "D:\\p\\");
    EXPECT_EQ(c.profileToOpen, "game");

    const CommandLine bare = parse({"-x", "-rescan", "game"});
    EXPECT_TRUE(bare.refreshDevices);
    EXPECT_EQ(bare.profileToOpen, "game");
    EXPECT_EQ(bare.dataDirectory, "");
    EXPECT_EQ(parse({"C:\\a.b.cfg"}).profileToOpen, "a.b");
    EXPECT_EQ(parse({"C:\\a.b.cfg"}).dataDirectory, "C:\\");
    EXPECT_EQ(parse({"p\\a.cfg"}).dataDirectory, "");  // too short to be taken for a folder
    EXPECT_TRUE(parse({"-l"}).noLog);
    EXPECT_FALSE(parse({"-L", "-"}).noLog);
}

class FakeProbe final : public DataDirectoryProbe {
public:
    std::set<std::string> files;
    std::set<std::string> profileFolders;
    bool canMake = true;
    mutable std::string made;

    bool fileExists(const std::string& path) const override { return files.count(path) > 0; }
    bool anyProfileIn(const std::string& folder) const override { return profileFolders.count(folder) > 0; }
    std::string documentsFolder() const override { return "C:\\Users\\me\\Documents"; }
    bool ensureFolder(const std::string& folder) const override {
        made = folder;
        return canMake;
    }
};

TEST(DataDirectory, PortableBesideTheProgramUnlessInstalledForEveryone) {
    FakeProbe probe;
    probe.files = {"D:\\Tools\\Vantorix.ini", "C:\\Program Files (x86)\\V\\Vantorix.ini"};
    EXPECT_EQ(chooseDataDirectory("D:\\Tools\\", probe, '\\').directory, "D:\\Tools\\");
    EXPECT_EQ(chooseDataDirectory("C:\\Program Files (x86)\\V\\", probe, '\\').directory,
              "C:\\Users\\me\\Documents\\Vantorix\\");
    probe.profileFolders = {"E:\\Games\\"};
    EXPECT_EQ(chooseDataDirectory("E:\\Games\\", probe, '\\').directory, "E:\\Games\\");
    EXPECT_EQ(chooseDataDirectory("F:\\Empty\\", probe, '\\').directory, "C:\\Users\\me\\Documents\\Vantorix\\");
    EXPECT_EQ(probe.made, "C:\\Users\\me\\Documents\\Vantorix");

    probe.canMake = false;
    const DataDirectoryChoice failed = chooseDataDirectory("F:\\Empty\\", probe, '\\');
    EXPECT_EQ(failed.directory, "");
    EXPECT_EQ(failed.failure, "Cannot create the data directory: \"C:\\Users\\me\\Documents\\Vantorix\"");
}

TEST(InstanceHandOver, TellsTheRunningInstanceOnlyWhatWasAsked) {
    const auto ansi = makeAnsiCodePage("CP1252");
    ASSERT_TRUE(ansi);
    const auto messages = [&](std::vector<std::string> args) {
        std::vector<uint32_t> numbers;
        for (const HandOverMessage& m : handOverMessages(parse(args), *ansi)) numbers.push_back(m.message);
        return numbers;
    };
    EXPECT_EQ(messages({"-r"}), (std::vector<uint32_t>{wm::kVrxRefreshDevices, wm::kVrxRestore}));
    EXPECT_EQ(messages({"-n"}), std::vector<uint32_t>{});
    EXPECT_EQ(messages({"-n", "-r", "x.cfg"}), (std::vector<uint32_t>{wm::kCopyData, wm::kVrxRefreshDevices}));

    // A name the code page cannot hold arrives with its stand-in character.
    const auto sent = handOverMessages(parse({"ゲーム.cfg"}), *ansi);
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0].data, std::string("???\0", 4));
}

}  // namespace
}  // namespace vrx::test
