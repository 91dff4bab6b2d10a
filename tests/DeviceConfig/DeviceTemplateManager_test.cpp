#include "DeviceConfig/DeviceTemplateManager.h"

#include <gtest/gtest.h>

#include "Utils/PathText.h"
#include "support/FaultyFiles.h"
#include "support/RecordingLogger.h"
#include "support/TempFolder.h"

namespace vrx::test {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
const std::vector<std::string> kBuiltInIds = {"DEFAULT", "XBOX", "PS4", "PS5", "SWITCH"};

std::vector<std::string> idsOf(const DeviceTemplateManager& templates) {
    std::vector<std::string> ids;
    for (const auto& [id, name] : templates.idsAndNames()) ids.push_back(id);
    return ids;
}

struct TemplatesFolder {
    TempFolder folder;
    RecordingLogger log;
    FaultyFiles files;
    std::filesystem::path path = folder / "templates.json";

    DeviceTemplateManager open() { return DeviceTemplateManager(path, log, files); }
    void write(std::string_view bytes) const { folder.write("templates.json", bytes); }
};

TEST(DeviceTemplatesLoad, WithoutAFileThereAreTheFiveBuiltInsAndNothingIsWritten) {
    TemplatesFolder t;
    const DeviceTemplateManager templates = t.open();
    EXPECT_EQ(idsOf(templates), kBuiltInIds);
    EXPECT_TRUE(t.log.lines.empty());
    EXPECT_EQ(t.folder.listing(), "");
    EXPECT_EQ(templates.find("PS4")->buttons[3], "△");
    EXPECT_EQ(*templates.find("PS5")->buttonName(15), "Mute");
    EXPECT_EQ(templates.find("xbox"), nullptr);
}

TEST(DeviceTemplatesLoad, TheFilesTemplatesComeFirstAndReplaceBuiltInsOfTheirId) {
    TemplatesFolder t;
    t.write(R"({"templates": [
        {"id": "T1", "name": "Arcade", "buttons": ["LP", "MP", "HP"]},
        {"id": "XBOX", "name": "My pad", "buttons": ["Jump"]},
        {"id": "T2", "name": "Empty", "buttons": []}]})");
    const DeviceTemplateManager templates = t.open();
    EXPECT_EQ(idsOf(templates), (std::vector<std::string>{"T1", "XBOX", "T2", "DEFAULT", "PS4", "PS5", "SWITCH"}));
    EXPECT_EQ(templates.find("XBOX")->name, "My pad");
    EXPECT_EQ(templates.chooseByControllerType(32), templates.find("XBOX"));
    // A template of three names on a 32-button joystick: the rest keep
    // their generic labels.
    const TDeviceTemplate& arcade = *templates.find("T1");
    EXPECT_EQ(*arcade.buttonName(3), "HP");
    EXPECT_EQ(arcade.buttonName(4), nullptr);
    EXPECT_EQ(arcade.buttonName(0), nullptr);
    EXPECT_EQ(t.log.texts(LogLevel::Info),
              std::vector<std::string>{"Loading button templates from file: " + pathToUtf8(t.path)});
}

TEST(DeviceTemplatesLoad, ControllerTypesChooseTheirBuiltIn) {
    TemplatesFolder t;
    const DeviceTemplateManager templates = t.open();
    const std::pair<int, const char*> cases[] = {{31, "XBOX"},   {32, "XBOX"}, {33, "PS4"},    {34, "PS4"},
                                                 {38, "SWITCH"}, {41, "SWITCH"}, {45, "PS5"}, {0, "DEFAULT"},
                                                 {30, "DEFAULT"}, {-1, "DEFAULT"}};
    for (const auto& [type, id] : cases) EXPECT_EQ(templates.chooseByControllerType(type)->id, id) << type;
}

TEST(DeviceTemplatesLoad, AFileWithoutByteOrderMarkIsInTheAnsiCodePage) {
    TemplatesFolder t;
    t.write("{\"templates\":[{\"id\":\"A\",\"name\":\"Caf\xE9\",\"buttons\":[]}]}");
    const auto cp1252 = makeAnsiCodePage("CP1252");
    ASSERT_NE(cp1252, nullptr);
    EXPECT_EQ(DeviceTemplateManager(t.path, t.log, t.files, *cp1252).find("A")->name, "Café");
}

TEST(DeviceTemplatesDamagedFile, WhatIsNoTemplatesFileLeavesTheBuiltInsAndTheFileAsItWas) {
    const char* files[] = {
        "{\"templates\": [{\"id\": \"T1\", \"name\": \"cut off",
        "",
        "{\"templates\": {\"id\": \"T1\"}}",
        "[1, 2, 3]",
        "{\"templates\": [1e999]}",
    };
    for (const char* bytes : files) {
        TemplatesFolder t;
        t.write(bytes);
        {
            const DeviceTemplateManager templates = t.open();
            EXPECT_EQ(idsOf(templates), kBuiltInIds) << bytes;
        }
        EXPECT_EQ(t.log.texts(LogLevel::Error).size(), 1u) << bytes;
        EXPECT_EQ(readBytes(t.path), bytes);
    }
}

TEST(DeviceTemplatesDamagedFile, AnIncompleteElementIsSkippedAndTheOthersKept) {
    TemplatesFolder t;
    t.write(R"({"templates": [
        {"name": "no id", "buttons": []},
        {"id": "A", "name": "Kept", "buttons": ["1", 2, null, "4"]},
        {"id": "B", "buttons": []},
        {"id": "C", "name": "no buttons"},
        {"id": 5, "name": "id not a text", "buttons": []},
        "not an object",
        {"id": "D", "name": "buttons not a list", "buttons": "A"}]})");
    const DeviceTemplateManager templates = t.open();
    EXPECT_EQ(idsOf(templates), (std::vector<std::string>{"A", "DEFAULT", "XBOX", "PS4", "PS5", "SWITCH"}));
    // Entries that are no text keep their button's place.
    EXPECT_EQ(templates.find("A")->buttons, (std::vector<std::string>{"1", "", "", "4"}));
    EXPECT_EQ(t.log.texts(LogLevel::Error),
              (std::vector<std::string>{"Button template 1 has no \"id\" and is skipped",
                                        "Button template 3 has no \"name\" and is skipped",
                                        "Button template 4 has no \"buttons\" and is skipped",
                                        "Button template 5 has no \"id\" and is skipped",
                                        "Button template 6 has no \"id\" and is skipped",
                                        "Button template 7 has no \"buttons\" and is skipped"}));
}

TEST(DeviceTemplatesDamagedFile, AFileThatCannotBeReadIsLoggedNotThrown) {
    TemplatesFolder t;
    t.write("{}");
    t.files.fault = FaultyFiles::Fault::Read;
    EXPECT_EQ(idsOf(t.open()), kBuiltInIds);
    EXPECT_EQ(t.log.texts(LogLevel::Error).size(), 1u);
}

TEST(DeviceTemplatesSave, WritesUtf8WithAByteOrderMarkTwoBlanksDeepInKeyOrder) {
    TemplatesFolder t;
    t.write(std::string(kBom) + R"({"templates":[{"buttons":["△","B"],"name":"Mine","id":"M"}]})");
    DeviceTemplateManager templates = t.open();
    ASSERT_TRUE(templates.save());
    const std::string written = readBytes(t.path);
    ASSERT_TRUE(written.starts_with(kBom));
    EXPECT_TRUE(written.substr(kBom.size()).starts_with("{\n  \"templates\": [\n    {\n      \"id\": \"M\",\n"
                                                        "      \"name\": \"Mine\",\n      \"buttons\": [\n"
                                                        "        \"△\",\n        \"B\"\n      ]\n    },\n"))
        << written;
    EXPECT_EQ(t.log.texts(LogLevel::Info).back(), "Saving button templates to a file: " + pathToUtf8(t.path));

    // Every template is written, the built-ins too, and reads back the same.
    const DeviceTemplateManager again = t.open();
    EXPECT_EQ(again.idsAndNames(), templates.idsAndNames());
    EXPECT_EQ(again.find("PS4")->buttons, templates.find("PS4")->buttons);
    EXPECT_EQ(again.find("DEFAULT")->buttons, std::vector<std::string>{});
}

TEST(DeviceTemplatesSave, ACopyHasANewIdentifierAndIsKeptOnceAdded) {
    TemplatesFolder t;
    DeviceTemplateManager templates = t.open();
    std::unique_ptr<TDeviceTemplate> copy = templates.copy(*templates.find("SWITCH"));
    EXPECT_EQ(copy->name, "Switch controller(copy)");
    EXPECT_EQ(copy->buttons, templates.find("SWITCH")->buttons);
    EXPECT_EQ(copy->id.size(), 38u);
    EXPECT_NE(templates.copy(*copy)->id, copy->id);

    const std::string id = copy->id;
    templates.add(std::move(copy)).name = "Renamed";
    ASSERT_TRUE(templates.save());
    EXPECT_EQ(t.open().find(id)->name, "Renamed");
}

class DeviceTemplatesFailedSave : public testing::TestWithParam<FaultyFiles::Fault> {};

TEST_P(DeviceTemplatesFailedSave, LeavesThePreviousFileAndNoTemporaryOne) {
    TemplatesFolder t;
    const std::string before = R"({"templates":[{"id":"T1","name":"Old","buttons":[]}]})";
    t.write(before);
    DeviceTemplateManager templates = t.open();
    templates.add(std::make_unique<TDeviceTemplate>("T2", "New"));
    t.files.fault = GetParam();
    EXPECT_FALSE(templates.save());
    EXPECT_EQ(readBytes(t.path), before);
    EXPECT_EQ(t.folder.listing(), "templates.json");
    EXPECT_EQ(t.log.texts(LogLevel::Error).size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(DeviceTemplateFaults, DeviceTemplatesFailedSave,
                         testing::Values(FaultyFiles::Fault::Write, FaultyFiles::Fault::PartialWrite,
                                         FaultyFiles::Fault::Replace));

}  // namespace
}  // namespace vrx::test
