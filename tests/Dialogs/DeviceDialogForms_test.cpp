#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "AppInfo/GlobalSettings.h"
#include "DeviceConfig/DeviceConfigManager.h"
#include "DeviceConfig/DeviceTemplateManager.h"
#include "Dialogs/DeviceConfigForm.h"
#include "Dialogs/DeviceTemplateForm.h"
#include "Joybutton/KeyCode.h"
#include "support/CountingLock.h"
#include "support/RecordingLogger.h"
#include "support/ScriptedDeviceDialogs.h"
#include "support/TempFolder.h"

namespace vrx::test {
namespace {

using Texts = std::vector<std::string>;

// --- The axis mapping's completion ---

struct StickAxisCase {
    const char* name;
    AxisMapping before;
    int entry;
    int sourceAxis;
    AxisMapping after;
};

class StickAxisCases : public testing::TestWithParam<StickAxisCase> {};

TEST_P(StickAxisCases, TheRestTakeTheUnusedAxesInOrder) {
    AxisMapping mapping = GetParam().before;
    setStickAxis(mapping, GetParam().entry, GetParam().sourceAxis);
    EXPECT_EQ(mapping, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Mappings, StickAxisCases,
    testing::Values(
        StickAxisCase{"YForXOnIdentity", {0, 1, 2, 3, 4, 5, 6, 7}, 0, 1, {1, 1, 2, 3, 0, 4, 5, 6}},
        StickAxisCase{"SecondStickOnTriggers", {0, 1, 2, 3, 4, 5, 6, 7}, 2, 5, {0, 1, 5, 3, 2, 4, 6, 7}},
        StickAxisCase{"SlidersForTheSecondStick", {0, 1, 2, 3, 4, 5, 6, 7}, 3, 7, {0, 1, 2, 7, 3, 4, 5, 6}},
        // An automatic entry marks nothing.
        StickAxisCase{"AutomaticEntryLeftAlone", {-1, 0, 0, 0, 0, 0, 6, 7}, 1, 1, {-1, 1, 0, 0, 2, 3, 4, 5}}),
    [](const testing::TestParamInfo<StickAxisCase>& info) { return std::string(info.param.name); });

// --- The device dialog ---

struct DeviceDialogFixture {
    TempFolder folder;
    RecordingLogger log;
    DeviceTemplateManager templates{folder / "templates.json", log};
    DeviceConfigManager registry{templates};
    GlobalSettings settings;
    CountingLock lock;
    ScriptedDeviceDialogs ui;

    // A record as detection leaves it.
    TDeviceConfig& add(const std::string& identity, int api, const std::string& name, bool connected,
                       int backendIndex = 0) {
        TDeviceConfig& record = registry.findOrCreate(identity);
        record.Api = api;
        record.Name = name;
        record.Connected = connected;
        record.BackendIndex = backendIndex;
        record.AxisMapping = {0, 1, 2, 3, 4, 5, 6, 7};
        record.AnalogDeadZone = 2500;
        return record;
    }
    DeviceConfigForm open() { return DeviceConfigForm(DeviceConfigParts{registry, settings, lock, ui}); }
};

TEST(DeviceConfigForm, ListsTheRecordsOfTheModesBackEndsWithTheirLabels) {
    DeviceDialogFixture f;
    f.add("045E028E-1", kApiXInput, "Controller (XBOX 360 For Windows)", true);
    f.add("{11111111-2222-3333-4444-555555555555}", kApiDirectInput, "USB Gamepad", false).NameOverride = "Arcade";
    f.add("\\\\?\\hid#vid_054c", kApiHid, "Wireless Controller", true);
    struct ModeCase {
        int mode;
        Texts items;
    };
    const ModeCase cases[] = {
        {0, {"Arcade [DirectInput]"}},
        {1, {"Controller (XBOX 360 For Windows) [XInput] *接続中*"}},
        {2, {"Controller (XBOX 360 For Windows) [XInput] *接続中*", "Arcade [DirectInput]"}},
        {3, {"Wireless Controller [Experimental] *接続中*"}},
        {4,
         {"Controller (XBOX 360 For Windows) [XInput] *接続中*", "Arcade [DirectInput]",
          "Wireless Controller [Experimental] *接続中*"}},
    };
    for (const ModeCase& c : cases) {
        f.settings.xInputSupport = c.mode;
        EXPECT_EQ(f.open().deviceItems(), c.items) << "mode " << c.mode;
    }
}

TEST(DeviceConfigForm, ChoosesTheLastConnectedFirstDeviceOfItsBackEnd) {
    DeviceDialogFixture f;
    f.settings.xInputSupport = 4;
    f.add("045E028E-1", kApiXInput, "Pad", false);
    f.add("045E028E-2", kApiXInput, "Pad 2", true, 1);
    f.add("{11111111-2222-3333-4444-555555555555}", kApiDirectInput, "Stick", true, 0);
    f.add("{11111111-2222-3333-4444-666666666666}", kApiDirectInput, "Wheel", true, 1);
    DeviceConfigForm form = f.open();
    EXPECT_EQ(form.deviceSelection(), 2);
    EXPECT_EQ(form.selectedDevice()->Name, "Stick");

    // Nothing connected: the first item.
    for (TDeviceConfig* record : f.registry.snapshot()) record->Connected = false;
    EXPECT_EQ(f.open().deviceSelection(), 0);
}

TEST(DeviceConfigForm, ShowsTheChosenDevicesSettings) {
    DeviceDialogFixture f;
    TDeviceConfig& pad = f.add("045E028E-1", kApiXInput, "Pad", true);
    pad.PreferredNumber = 2;
    TDeviceConfig& stick = f.add("{11111111-2222-3333-4444-555555555555}", kApiDirectInput, "Stick", false);
    stick.PreferredNumber = -1;
    stick.AxisMapping = {-1, 0, 0, 0, 0, 0, 6, 7};
    stick.AnalogDeadZone = 1099;
    DeviceConfigForm form = f.open();

    EXPECT_EQ(form.page(), 0);  // the first page, until a tab is chosen
    form.PageControl1Change(1);
    form.PageControl1Change(2);
    EXPECT_EQ(form.page(), 1);
    EXPECT_EQ(form.joystickNumber(), 3);
    EXPECT_EQ(form.stickAxes(), (std::array<int, 4>{0, 1, 2, 3}));
    EXPECT_EQ(form.deadZone(), 25);
    EXPECT_EQ(form.deadZoneText(), "25%");
    EXPECT_FALSE(form.deleteEnabled());
    EXPECT_FALSE(form.axisListsEnabled());

    form.cbDeviceListSelect(1);
    EXPECT_EQ(form.joystickNumber(), 0);
    EXPECT_EQ(form.stickAxes(), (std::array<int, 4>{-1, 0, 0, 0}));
    EXPECT_EQ(form.deadZoneText(), "10%");
    EXPECT_TRUE(form.deleteEnabled());
    EXPECT_TRUE(form.axisListsEnabled());
    EXPECT_EQ(DeviceConfigForm::joystickNumberItems().size(), 51u);
    EXPECT_EQ(DeviceConfigForm::joystickNumberItems()[50], "[50] Joystick");
}

TEST(DeviceConfigForm, AnXInputPadKeepsItsAxesButTakesANumberAndADeadZone) {
    DeviceDialogFixture f;
    TDeviceConfig& pad = f.add("045E028E-1", kApiXInput, "Pad", true);
    DeviceConfigForm form = f.open();
    EXPECT_FALSE(form.axisListsEnabled());
    form.cbJoystickNumberChange(5);
    form.tbAnalogDeadZoneChange(40);
    EXPECT_EQ(pad.PreferredNumber, 4);
    EXPECT_EQ(pad.AnalogDeadZone, 4000);
    EXPECT_EQ(form.deadZoneText(), "40%");
    form.cbJoystickNumberChange(0);
    EXPECT_EQ(pad.PreferredNumber, -1);
    EXPECT_EQ(f.lock.depth, 0);
    EXPECT_EQ(f.lock.entries, 4);
}

TEST(DeviceConfigForm, AStickListChangesTheMappingUnderTheLockAndCompletesIt) {
    DeviceDialogFixture f;
    TDeviceConfig& stick = f.add("{11111111-2222-3333-4444-555555555555}", kApiDirectInput, "Stick", true);
    DeviceConfigForm form = f.open();
    form.cbStick1XChange(0, 1);  // "Y 軸" for stick 1's horizontal direction
    EXPECT_EQ(stick.AxisMapping, (AxisMapping{1, 1, 2, 3, 0, 4, 5, 6}));
    EXPECT_EQ(form.stickAxes(), (std::array<int, 4>{1, 1, 2, 3}));
    EXPECT_EQ(f.lock.entries, 2);
}

TEST(DeviceConfigForm, OnlyARecordThatIsNotConnectedIsDeleted) {
    DeviceDialogFixture f;
    f.add("045E028E-1", kApiXInput, "Pad", true);
    f.add("{11111111-2222-3333-4444-555555555555}", kApiDirectInput, "Old stick", false);
    DeviceConfigForm form = f.open();
    form.btnDeleteDeviceConfigClick();  // the connected pad is chosen
    EXPECT_EQ(f.registry.size(), 2u);

    form.cbDeviceListSelect(1);
    form.btnDeleteDeviceConfigClick();
    EXPECT_EQ(f.registry.size(), 1u);
    EXPECT_EQ(form.deviceItems(), (Texts{"Pad [XInput] *接続中*"}));
    EXPECT_EQ(form.deviceSelection(), 0);  // the automatic choice again
    EXPECT_EQ(form.selectedDevice()->Name, "Pad");
    EXPECT_EQ(f.lock.entries, 4);
}

TEST(DeviceConfigForm, WithoutDevicesOnlyTheDeadZoneLabelMoves) {
    DeviceDialogFixture f;
    f.add("\\\\?\\hid#vid_054c", kApiHid, "Not in mode 2", false);
    DeviceConfigForm form = f.open();
    EXPECT_TRUE(form.deviceItems().empty());
    EXPECT_EQ(form.selectedDevice(), nullptr);
    form.tbAnalogDeadZoneChange(70);
    form.cbJoystickNumberChange(3);
    form.cbStick1XChange(0, 2);
    form.btnEditDeviceNameClick();
    form.btnEditButtonNamesClick();
    form.btnDeleteDeviceConfigClick();
    EXPECT_EQ(form.deadZoneText(), "70%");
    EXPECT_EQ(f.registry.snapshot().front()->AnalogDeadZone, 2500);
    EXPECT_EQ(f.registry.size(), 1u);
    EXPECT_TRUE(f.ui.asked.empty());
    EXPECT_EQ(form.stickOffset(0, 1.0).x, 0);
    EXPECT_EQ(form.axisMarker(3), 0);
}

TEST(DeviceConfigForm, ANewDisplayNameIsTakenAndListed) {
    DeviceDialogFixture f;
    TDeviceConfig& pad = f.add("045E028E-1", kApiXInput, "Pad", true);
    pad.NameOverride = "Mine";
    DeviceConfigForm form = f.open();
    f.ui.names = {"", "Mine", "Left hand"};
    for (int i = 0; i < 3; ++i) form.btnEditDeviceNameClick();
    EXPECT_EQ(f.ui.asked.front(), "name デバイスPadの表示名の変更 / このデバイスの表示名を入力してください [Mine]");
    EXPECT_EQ(pad.NameOverride, "Left hand");
    EXPECT_EQ(form.deviceItems(), (Texts{"Left hand [XInput] *接続中*"}));
}

TEST(DeviceConfigForm, TheTemplateDialogFixesTheDevicesTemplate) {
    DeviceDialogFixture f;
    TDeviceConfig& pad = f.add("045E028E-1", kApiXInput, "Pad", true);
    f.registry.setTemplate(pad, "");
    pad.Template = f.templates.find("XBOX");  // chosen by the controller type
    DeviceConfigForm form = f.open();
    form.btnEditButtonNamesClick();  // closed on the template it showed
    EXPECT_EQ(pad.TemplateID, "XBOX");
    f.ui.templates = {"PS4"};
    form.btnEditButtonNamesClick();
    EXPECT_EQ(f.ui.asked, (Texts{"template XBOX", "template XBOX"}));
    EXPECT_EQ(pad.TemplateID, "PS4");
    EXPECT_EQ(pad.Template, f.templates.find("PS4"));

    pad.Template = nullptr;
    pad.TemplateID.clear();
    form.btnEditButtonNamesClick();
    EXPECT_EQ(f.ui.asked.back(), "template ");
}

TEST(DeviceConfigForm, MarkersFollowTheMappedAxesScaledAndTruncated) {
    DeviceDialogFixture f;
    TDeviceConfig& stick = f.add("{11111111-2222-3333-4444-555555555555}", kApiDirectInput, "Stick", true);
    stick.AxisMapping = {3, 2, 1, 0, 4, 5, 6, 7};
    stick.LastAxis = {-33, 21, 50, 33, 0, 0, 0, -50};
    DeviceConfigForm form = f.open();
    const StickOffset first = form.stickOffset(0, 1.5);
    const StickOffset second = form.stickOffset(1, 1.5);
    EXPECT_EQ(first.x, 49);   // 33 x 1.5 = 49.5
    EXPECT_EQ(first.y, 75);
    EXPECT_EQ(second.x, 31);  // 21 x 1.5 = 31.5
    EXPECT_EQ(second.y, -49); // -49.5, toward zero
    EXPECT_EQ(form.axisMarker(7), -50);
    form.btnOpenControlPanelClick();
    EXPECT_EQ(f.ui.asked, (Texts{"control panel"}));
}

// --- The template dialog ---

struct TemplateDialogFixture {
    TempFolder folder;
    RecordingLogger log;
    DeviceTemplateManager templates{folder / "templates.json", log};
    ScriptedDeviceDialogs ui;

    std::string savedFile() const {
        std::ifstream in(folder / "templates.json", std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    bool saved() const { return std::filesystem::exists(folder / "templates.json"); }
};

// Types a label into row r's editor and leaves it.
void typeLabel(DeviceTemplateForm& form, int row, const std::string& text) {
    form.editButtonLabel(form.lvButtonLabelsClick(row, DeviceTemplateForm::kLabelColumn).value());
    form.ListViewCellEditorExit(text);
}

TEST(DeviceTemplateForm, OpensOnTheGivenTemplateOrOnDefault) {
    TemplateDialogFixture f;
    for (const char* id : {"", "{NO-SUCH-TEMPLATE}"}) {
        DeviceTemplateForm form(f.templates, f.ui, id);
        EXPECT_EQ(form.selectedTemplate()->id, "DEFAULT");
        EXPECT_EQ(form.templateItems()[static_cast<size_t>(form.templateSelection())], "Default");
        EXPECT_EQ(form.labels(), Texts(128, "Button"));
    }
    DeviceTemplateForm form(f.templates, f.ui, "XBOX");
    EXPECT_EQ(form.templateItems()[static_cast<size_t>(form.templateSelection())], "Xbox controller");
    EXPECT_EQ(form.labels()[4], "LB");
    EXPECT_EQ(form.labels()[13], "Button");
    EXPECT_EQ(DeviceTemplateForm::rowCaption(127), "[128]");
    EXPECT_FALSE(form.editorVisible());
}

TEST(DeviceTemplateForm, ALabelOnRowFiveStoresFiveNamesOnOk) {
    TemplateDialogFixture f;
    DeviceTemplateForm form(f.templates, f.ui, "DEFAULT");
    typeLabel(form, 4, "X");
    EXPECT_TRUE(form.labelsModified());
    form.btnOkClick();
    EXPECT_EQ(f.templates.find("DEFAULT")->buttons, (Texts{"Button", "Button", "Button", "Button", "X"}));
    EXPECT_EQ(form.resultTemplateId(), "DEFAULT");
    EXPECT_NE(f.savedFile().find("\"X\""), std::string::npos) << f.savedFile();
}

TEST(DeviceTemplateForm, EveryLabelBackToButtonKeepsTheStoredNames) {
    TemplateDialogFixture f;
    DeviceTemplateForm form(f.templates, f.ui, "XBOX");
    for (int row = 0; row < 13; ++row) typeLabel(form, row, "Button");
    form.FormClose();
    EXPECT_EQ(f.templates.find("XBOX")->buttons.size(), 13u);
    EXPECT_EQ(f.templates.find("XBOX")->buttons.front(), "A");
}

TEST(DeviceTemplateForm, TheCloseBoxSavesLikeOkAndNothingIsSavedWithoutAChange) {
    TemplateDialogFixture f;
    {
        DeviceTemplateForm form(f.templates, f.ui, "PS4");
        form.FormClose();
        EXPECT_EQ(form.resultTemplateId(), "PS4");
        EXPECT_FALSE(f.saved());
    }
    DeviceTemplateForm form(f.templates, f.ui, "PS4");
    typeLabel(form, 0, "Square");
    form.FormClose();
    EXPECT_TRUE(f.saved());
    EXPECT_EQ(f.templates.find("PS4")->buttons.front(), "Square");
}

TEST(DeviceTemplateForm, EnterUpAndDownMoveTheEditorWithinTheRows) {
    TemplateDialogFixture f;
    DeviceTemplateForm form(f.templates, f.ui, "DEFAULT");
    struct Step {
        int key;
        const char* typed;
        int row;  // edited afterwards
    };
    form.editButtonLabel(126);
    const Step steps[] = {
        {DeviceTemplateForm::kDownKey, "Button", 127},
        {kEnterKey, "Last", 127},  // row 128 keeps the editor
        {DeviceTemplateForm::kUpKey, "Last", 126},
    };
    for (const Step& step : steps) {
        EXPECT_TRUE(form.ListViewCellEditorKeyDown(step.key, step.typed));
        EXPECT_EQ(form.editedRow(), step.row) << step.typed;
        EXPECT_EQ(form.editorText(), form.labels()[static_cast<size_t>(step.row)]);
    }
    EXPECT_EQ(form.labels()[127], "Last");
    EXPECT_FALSE(form.ListViewCellEditorKeyDown('A', "Lastx"));
    form.editButtonLabel(0);
    EXPECT_TRUE(form.ListViewCellEditorKeyDown(DeviceTemplateForm::kUpKey, "Button"));
    EXPECT_EQ(form.editedRow(), 0);
}

TEST(DeviceTemplateForm, F2EditsTheChosenRowsLabelAndOtherKeysStayWithTheList) {
    TemplateDialogFixture f;
    DeviceTemplateForm form(f.templates, f.ui, "DEFAULT");
    struct Case {
        int key;
        int selectedRow;
        std::optional<int> edited;
    };
    const Case cases[] = {
        {DeviceTemplateForm::kF2Key, 7, 7},
        {DeviceTemplateForm::kF2Key, -1, std::nullopt},
        {DeviceTemplateForm::kF2Key, 128, std::nullopt},
        {kEnterKey, 7, std::nullopt},
        {DeviceTemplateForm::kDownKey, 7, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(form.lvButtonLabelsKeyDown(c.key, c.selectedRow), c.edited) << c.key << " on row " << c.selectedRow;
    EXPECT_FALSE(form.editorVisible());  // the editor opens when the view has posted the row
}

TEST(DeviceTemplateForm, ALabelStillInTheEditorIsStoredWhenOkOrTheCloseBoxCloses) {
    for (const bool closeBox : {false, true}) {
        SCOPED_TRACE(closeBox ? "close box" : "OK");
        TemplateDialogFixture f;
        DeviceTemplateForm form(f.templates, f.ui, "XBOX");
        EXPECT_FALSE(form.closeRequested());
        form.editButtonLabel(2);
        if (closeBox)
            form.FormClose("Jump");
        else
            form.btnOkClick("Jump");
        EXPECT_TRUE(form.closeRequested());
        EXPECT_FALSE(form.editorVisible());
        EXPECT_EQ(f.templates.find("XBOX")->buttons[2], "Jump");
        EXPECT_NE(f.savedFile().find("Jump"), std::string::npos);
    }
    // With the editor hidden, what it last held is no label.
    TemplateDialogFixture f;
    DeviceTemplateForm form(f.templates, f.ui, "XBOX");
    form.FormClose("Stale");
    EXPECT_TRUE(form.closeRequested());
    EXPECT_FALSE(f.saved());
}

// The view shows the editor anew (the label in it, all selected) on each
// opening, and the rows anew (from the top) on each filling.
TEST(DeviceTemplateForm, EachOpeningOfTheEditorAndEachFillingOfTheRowsCounts) {
    TemplateDialogFixture f;
    DeviceTemplateForm form(f.templates, f.ui, "DEFAULT");
    const int filled = form.rowFillings();
    form.editButtonLabel(127);
    const int opened = form.editorOpenings();
    EXPECT_TRUE(form.ListViewCellEditorKeyDown(kEnterKey, "Last"));  // row 128 again
    EXPECT_EQ(form.editorOpenings(), opened + 1);
    EXPECT_FALSE(form.ListViewCellEditorKeyDown('A', "Last"));
    form.ListViewCellEditorExit("Last!");
    EXPECT_EQ(form.editorOpenings(), opened + 1);
    EXPECT_EQ(form.rowFillings(), filled);  // a written label changes its cell only

    form.cbTemplatesSelect(1);
    EXPECT_EQ(form.rowFillings(), filled + 1);
    f.ui.names = {"Renamed"};
    form.btnEditTemplateNameClick();
    EXPECT_EQ(form.rowFillings(), filled + 2);
}

TEST(DeviceTemplateForm, AClickOutsideTheLabelColumnHidesTheEditor) {
    TemplateDialogFixture f;
    DeviceTemplateForm form(f.templates, f.ui, "DEFAULT");
    form.editButtonLabel(form.lvButtonLabelsClick(3, DeviceTemplateForm::kLabelColumn).value());
    EXPECT_TRUE(form.editorVisible());
    EXPECT_EQ(form.lvButtonLabelsClick(3, 0), std::nullopt);
    EXPECT_FALSE(form.editorVisible());
    form.editButtonLabel(3);
    EXPECT_EQ(form.lvButtonLabelsClick(-1, -1), std::nullopt);
    EXPECT_FALSE(form.editorVisible());
    EXPECT_FALSE(form.labelsModified());
}

TEST(DeviceTemplateForm, SwitchingTemplatesStoresTheShownLabelsFirst) {
    TemplateDialogFixture f;
    DeviceTemplateForm form(f.templates, f.ui, "SWITCH");
    typeLabel(form, 1, "Right");
    const auto& items = form.templateItems();
    form.cbTemplatesSelect(static_cast<int>(std::find(items.begin(), items.end(), "PS5 controller") - items.begin()));
    EXPECT_EQ(f.templates.find("SWITCH")->buttons[1], "Right");
    EXPECT_EQ(form.labels()[14], "Mute");
    form.btnOkClick();
    EXPECT_EQ(form.resultTemplateId(), "PS5");
    EXPECT_TRUE(f.saved());
}

TEST(DeviceTemplateForm, RenameAndCopyAskForANameAndMarkTheChange) {
    TemplateDialogFixture f;
    DeviceTemplateForm form(f.templates, f.ui, "DEFAULT");
    f.ui.names = {"", "Default", "Basic", "", "Arcade"};
    form.btnEditTemplateNameClick();
    form.btnEditTemplateNameClick();
    EXPECT_FALSE(form.labelsModified());
    form.btnEditTemplateNameClick();
    EXPECT_EQ(f.templates.find("DEFAULT")->name, "Basic");
    EXPECT_TRUE(form.labelsModified());

    typeLabel(form, 0, "Punch");
    form.btnCreateNewTemplateClick();  // cancelled
    EXPECT_EQ(f.templates.templates().size(), 5u);
    form.btnCreateNewTemplateClick();
    EXPECT_EQ(f.ui.asked.back(),
              "name テンプレートを新規作成 / このテンプレートの名前を入力してください [Basic (copy)]");
    ASSERT_EQ(f.templates.templates().size(), 6u);
    const TDeviceTemplate& copy = *f.templates.templates().back();
    EXPECT_EQ(copy.name, "Arcade");
    EXPECT_EQ(form.templateItems()[static_cast<size_t>(form.templateSelection())], "Arcade");
    // The typed label went with the copy; the original kept its names.
    EXPECT_EQ(copy.buttons, (Texts{"Punch"}));
    EXPECT_TRUE(f.templates.find("DEFAULT")->buttons.empty());
    form.btnOkClick();
    EXPECT_EQ(form.resultTemplateId(), copy.id);
    EXPECT_NE(f.savedFile().find("Arcade"), std::string::npos);
}

}  // namespace
}  // namespace vrx::test
