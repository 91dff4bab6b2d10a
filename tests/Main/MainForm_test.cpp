#include "Main/MainForm.h"

#include <gtest/gtest.h>

#include "Joybutton/JoyButtonProcess.h"
#include "Joystick/DisplayRows.h"
#include "support/MainFormFixture.h"

namespace vrx::test {
namespace {

using Texts = std::vector<std::string>;

constexpr SlotIndex kButton1 = 56;

JoyButton& assignKey(JoyButton& b, KeyCode key, const std::string& comment = "") {
    b.type = AssignType::Keyboard;
    b.keys[0] = key;
    b.comment = comment;
    b.prepare();
    return b;
}

// A detected pad mapped to logical joystick 0.
struct WithDevice : MainFormFixture {
    TDeviceConfig pad{"XInput-0", settings.deviceDefaults()};
    TDeviceTemplate names{"PAD", "Pad", {"A", "B"}};
    WithDevice() {
        pad.Api = kApiXInput;
        pad.Name = "Controller (XBOX 360 For Windows)";
        devices.add(pad);
        devices.joystickMap[0] = 0;
    }
};

// Holds a key on a slot as a tick would, through the engine's tick context.
void hold(MainFormFixture& f, JoyButton& slot) {
    f.h.tick();  // the engine chooses its key sender
    Process(slot, 1000, f.h.engine.tickContext());
}

TEST(MainForm, RowsFollowTheDisplayOptionsAndShowTheAssignment) {
    MainFormFixture f;
    assignKey(f.slot(0, kButton1), 0x41, "jump").autoRepeatRate = 2.5f;
    f.profile().settings.displayMode = 0;
    f.profile().settings.useDiagonalInput = true;
    f.profile().settings.numberOfButtons = 2;
    f.form.RefreshDisplay();

    Texts captions;
    for (const ButtonRow& row : f.form.rows()) captions.push_back(row.button);
    EXPECT_EQ(captions, (Texts{"Stick1: ←", "Stick1: →", "Stick1: ↑", "Stick1: ↓", "Stick1: ↗", "Stick1: ↖",
                               "Stick1: ↙", "Stick1: ↘", "[1] Button", "[2] Button"}));
    const ButtonRow& button1 = f.form.rows()[8];
    EXPECT_EQ(button1.slot, kButton1);
    EXPECT_EQ((Texts{button1.function, button1.autoRepeat, button1.comment}), (Texts{"A", "1/2.5", "jump"}));
    EXPECT_EQ(f.form.rows()[0].autoRepeat, "---");
    EXPECT_EQ(f.form.selectedRow(), 0);
    EXPECT_EQ(f.form.tabTexts(), (Texts{"[1] Joystick", "[2] Joystick", "Options"}));
    EXPECT_EQ(f.form.options().state().numButtons, "2");
}

TEST(MainForm, TabCaptionPrefersTheDevicesNameThenTheTabsOwn) {
    WithDevice f;
    f.profile().joystick(0)->defaultDisplayName = "Left hand";
    f.profile().joystick(1)->defaultDisplayName = "Right hand";
    EXPECT_EQ(f.form.TabCaption(0), "[1] Controller (XBOX 360 For Windows)");
    f.pad.NameOverride = "My pad";
    EXPECT_EQ(f.form.TabCaption(0), "[1] My pad");
    EXPECT_EQ(f.form.TabCaption(1), "[2] Right hand");
    f.profile().joystick(1)->defaultDisplayName.clear();
    EXPECT_EQ(f.form.TabCaption(1), "[2] Joystick");
}

TEST(MainForm, ButtonCaptionsUseTheDevicesTemplateElseTheTabs) {
    WithDevice f;
    f.pad.Template = &f.names;
    f.form.RefreshDisplay();
    EXPECT_EQ(f.form.rows()[static_cast<size_t>(f.rowOf(kButton1))].button, "[1] A");
    EXPECT_EQ(f.form.rows()[static_cast<size_t>(f.rowOf(kButton1 + 2))].button, "[3] Button");

    const TDeviceTemplate* builtIn = f.templates.templates().front().get();
    f.profile().joystick(1)->defaultTemplateId = builtIn->id;
    f.form.tcJoystickChange(1, FocusedControl::Other);
    const ButtonListMenu menu = f.form.PMButtonListPopup();
    const std::string expected = ButtonLabel(kButton1, &builtIn->buttons);
    EXPECT_EQ(f.form.rows()[static_cast<size_t>(f.rowOf(kButton1))].button, expected);
    ASSERT_EQ(menu.swapItems.size(), f.form.rows().size());
    EXPECT_EQ(menu.swapItems[static_cast<size_t>(f.rowOf(kButton1))].caption, expected);
    EXPECT_EQ(menu.swapItems[static_cast<size_t>(f.rowOf(kButton1))].slot, kButton1);
}

TEST(MainForm, ATabBeyondAShrunkJoystickCountFallsBackToTheFirst) {
    MainFormFixture f;
    f.form.tcJoystickChange(1, FocusedControl::Other);
    EXPECT_EQ(f.form.currentTab(), 1);
    f.profile().setNumberOfJoysticks(1);
    f.form.RefreshDisplay();
    EXPECT_EQ(f.form.currentTab(), 0);
    EXPECT_EQ(f.form.tabTexts(), (Texts{"[1] Joystick", "Options"}));
}

TEST(MainForm, TabChangeShowsThePagesButNotWhileANumberBoxHasTheFocus) {
    MainFormFixture f;
    f.form.tcJoystickChange(2, FocusedControl::Other);
    EXPECT_EQ(f.form.page(), FormPage::Options);
    EXPECT_EQ(f.form.currentTab(), 2);

    f.form.tcJoystickChange(0, FocusedControl::NumButtons);
    EXPECT_EQ(f.form.page(), FormPage::Options);
    EXPECT_EQ(f.form.currentTab(), 2);
    EXPECT_EQ(f.form.takeFocusRequest(), FocusRequest::TabStrip);

    f.form.tcJoystickChange(1, FocusedControl::Other);
    EXPECT_EQ(f.form.page(), FormPage::Joystick);
    EXPECT_EQ(f.form.currentTab(), 1);
    EXPECT_NE(f.form.takeChanges() & kRowTextsChanged, 0u);
}

TEST(MainForm, EditLoopStepsThroughRowsAndStopsAtTheEnds) {
    struct Case {
        const char* name;
        int startRow;
        std::deque<int> results;
        int expectedOpens;
        int endRow;
    };
    MainFormFixture probe;
    const int last = static_cast<int>(probe.form.rows().size()) - 1;
    const Case cases[] = {
        {"next twice then OK", 0, {kEditNext, kEditNext, 1}, 3, 2},
        {"next on the last row", last, {kEditNext}, 1, last},
        {"previous on the first row", 0, {kEditPrevious}, 1, 0},
        {"previous then cancel", 3, {kEditPrevious, 2}, 2, 2},
    };
    for (const Case& c : cases) {
        MainFormFixture f;
        f.editor.results = c.results;
        f.form.selectRow(c.startRow);
        f.form.lvButtonListDblClick();
        EXPECT_EQ(static_cast<int>(f.editor.opened.size()), c.expectedOpens) << c.name;
        EXPECT_EQ(f.form.selectedRow(), c.endRow) << c.name;
    }

    MainFormFixture f;
    f.form.selectRow(0);
    EXPECT_TRUE(f.form.lvButtonListKeyDown(13));
    EXPECT_FALSE(f.form.lvButtonListKeyDown(32));
    EXPECT_EQ(f.editor.opened, (Texts{"0:0 Stick1: ←"}));
    f.form.selectRow(-1);
    f.form.lvButtonListDblClick();
    EXPECT_EQ(f.editor.opened.size(), 1u);
}

TEST(MainForm, CopyPasteClearAndSwapReleaseHeldKeysUnderTheLock) {
    MainFormFixture f;
    JoyButton& first = assignKey(f.slot(0, kButton1), 0x41, "first");
    JoyButton& second = assignKey(f.slot(0, kButton1 + 1), 0x42, "second");
    const int row = f.rowOf(kButton1);
    f.form.selectRow(row);
    f.form.PMButtonListCopyClick();
    EXPECT_EQ(f.form.buttonCopyBuffer().keys[0], 0x41u);

    hold(f, second);
    ASSERT_EQ(f.h.senders.record.keyDown[0x42], 1);
    f.form.selectRow(row + 1);
    f.profile().modified = false;
    const int entries = f.lock.entries;
    f.form.PMButtonListPasteClick();
    EXPECT_EQ(f.h.senders.record.keyDown[0x42], 0);
    EXPECT_EQ(second.keys[0], 0x41u);
    EXPECT_EQ(second.comment, "first");
    EXPECT_EQ(second.slotIndex, kButton1 + 1);  // the slot keeps its place
    EXPECT_TRUE(f.profile().modified);
    EXPECT_GT(f.lock.entries, entries);
    EXPECT_EQ(f.lock.depth, 0);
    EXPECT_EQ(f.form.rows()[static_cast<size_t>(row + 1)].comment, "first");

    assignKey(second, 0x43, "third");
    hold(f, first);
    f.form.PMButtonListSwapClick(kButton1);
    EXPECT_EQ(f.h.senders.record.keyDown[0x41], 0);
    EXPECT_EQ((Texts{first.comment, second.comment}), (Texts{"third", "first"}));
    EXPECT_EQ(f.form.rows()[static_cast<size_t>(row)].comment, "third");

    hold(f, second);
    f.form.PMButtonListClearClick();
    EXPECT_EQ(f.h.senders.record.keyDown[0x41], 0);
    EXPECT_EQ(second.type, AssignType::None);
    EXPECT_EQ(f.form.rows()[static_cast<size_t>(row + 1)].function, "None");
}

TEST(MainForm, ClearAllAsksAndKeepsTheTabsNameAndTemplate) {
    MainFormFixture f;
    JoystickConfig& joystick = *f.profile().joystick(1);
    assignKey(joystick.slot(kButton1), 0x41);
    joystick.defaultDisplayName = "Wheel";
    joystick.defaultTemplateId = "XBOX";
    f.form.tcJoystickChange(1, FocusedControl::Other);

    f.dialogs.answers = {MessageAnswer::No};
    f.form.PMButtonListAllClearClick();
    EXPECT_EQ(joystick.slot(kButton1).type, AssignType::Keyboard);
    EXPECT_EQ(f.dialogs.shown,
              (Texts{"Warning: Joystick [2] のボタン割り当てをすべてクリアしてもよろしいですか？"}));

    hold(f, joystick.slot(kButton1));
    f.form.PMButtonListAllClearClick();
    EXPECT_EQ(joystick.slot(kButton1).type, AssignType::None);
    EXPECT_EQ(f.h.senders.record.keyDown[0x41], 0);
    EXPECT_EQ((Texts{joystick.defaultDisplayName, joystick.defaultTemplateId}), (Texts{"Wheel", "XBOX"}));
}

TEST(MainForm, JoystickPasteCopiesAssignmentsOnly) {
    MainFormFixture f;
    f.form.PMJoyPasteFromClipboardClick();  // before any copy: empty assignments
    f.form.tcJoystickChange(1, FocusedControl::Other);
    assignKey(f.slot(1, kButton1), 0x41, "from two");
    f.profile().joystick(1)->defaultDisplayName = "Two";
    f.form.PMJoyCopyToClipboardClick();
    EXPECT_EQ(f.form.joystickCopyBuffer().index(), -1);

    f.form.tcJoystickChange(0, FocusedControl::Other);
    assignKey(f.slot(0, kButton1 + 1), 0x42);
    f.profile().joystick(0)->defaultDisplayName = "One";
    f.profile().joystick(0)->defaultTemplateId = "XBOX";
    hold(f, f.slot(0, kButton1 + 1));
    f.form.PMJoyPasteFromClipboardClick();
    EXPECT_EQ(f.slot(0, kButton1).comment, "from two");
    EXPECT_EQ(f.slot(0, kButton1 + 1).type, AssignType::None);
    EXPECT_EQ(f.h.senders.record.keyDown[0x42], 0);
    EXPECT_EQ((Texts{f.profile().joystick(0)->defaultDisplayName, f.profile().joystick(0)->defaultTemplateId}),
              (Texts{"One", "XBOX"}));
    EXPECT_EQ(f.form.rows()[static_cast<size_t>(f.rowOf(kButton1))].comment, "from two");
}

TEST(MainForm, PopupsOfferDeviceItemsOnlyForDetectedJoysticks) {
    WithDevice f;
    JoystickTabMenu tab = f.form.PMJoystickTabPopup(0, FocusedControl::Other);
    EXPECT_TRUE(tab.opens);
    EXPECT_TRUE(tab.renameDeviceName && tab.clearDeviceName && tab.editDeviceTemplate);
    EXPECT_FALSE(tab.renameTabName || tab.specifyTabTemplate);

    tab = f.form.PMJoystickTabPopup(1, FocusedControl::Other);
    EXPECT_EQ(f.form.currentTab(), 1);
    EXPECT_FALSE(tab.renameDeviceName || tab.clearDeviceName || tab.editDeviceTemplate);
    EXPECT_TRUE(tab.renameTabName && tab.specifyTabTemplate);
    const ButtonListMenu list = f.form.PMButtonListPopup();
    EXPECT_TRUE(list.renameTabName && !list.renameDeviceName);

    EXPECT_FALSE(f.form.PMJoystickTabPopup(2, FocusedControl::Other).opens);
}

TEST(MainForm, NamesChangeOnlyForANewNonEmptyAnswer) {
    WithDevice f;
    f.pad.NameOverride = "Old";
    f.dialogs.names = {"", "Old", "New"};
    for (int i = 0; i < 3; ++i) f.form.PMRenameDeviceNameClick();
    EXPECT_EQ(f.pad.NameOverride, "New");
    EXPECT_EQ(f.dialogs.shown.front(),
              "name デバイスOldの表示名の変更 / このデバイスの表示名を入力してください [Old]");
    EXPECT_EQ(f.form.tabTexts().front(), "[1] New");

    f.form.PMClearDeviceNameClick();
    EXPECT_EQ(f.pad.NameOverride, "");
    EXPECT_EQ(f.store.saves, 1);

    f.form.tcJoystickChange(1, FocusedControl::Other);
    f.profile().modified = false;
    f.dialogs.names = {"Pedals"};
    f.form.PMRenameTabNameClick();
    EXPECT_EQ(f.profile().joystick(1)->defaultDisplayName, "Pedals");
    EXPECT_TRUE(f.profile().modified);
    EXPECT_EQ(f.dialogs.shown.back(), "name タブ[2] の表示名の変更 / このタブの表示名を入力してください []");
    EXPECT_EQ(f.form.tabTexts()[1], "[2] Pedals");
}

TEST(MainForm, WizardAssignsKeysFromTheSelectedRowUntilExit) {
    MainFormFixture f;
    const int row = f.rowOf(kButton1);
    JoyButton& kept = f.slot(0, kButton1 + 1);
    assignKey(kept, 0x51, "kept");
    JoyButton& assigned = f.slot(0, kButton1);
    assigned.keys = {0x10, 0x11, 0x12, 0x13};
    assigned.autoRepeatRate = 5.0f;
    f.wizard.answers = {{WizardAnswer::Key, 0x5A}, {WizardAnswer::Skip, 0}, {WizardAnswer::Exit, 0}};
    f.form.selectRow(row);
    f.profile().modified = false;
    f.form.btnConfigWizardClick();

    EXPECT_EQ(f.wizard.prompts, (Texts{"ジョイスティック 1 の [1] Button に対応させるキーを押してください",
                                       "ジョイスティック 1 の [2] Button に対応させるキーを押してください",
                                       "ジョイスティック 1 の [3] Button に対応させるキーを押してください"}));
    EXPECT_EQ(assigned.type, AssignType::Keyboard);
    EXPECT_EQ((std::vector<KeyCode>{assigned.keys[0], assigned.keys[1], assigned.keys[2], assigned.keys[3]}),
              (std::vector<KeyCode>{0x5A, 0, 0, 0x13}));
    EXPECT_EQ(assigned.autoRepeatRate, 0.0f);
    EXPECT_EQ(kept.keys[0], 0x51u);
    EXPECT_TRUE(f.profile().modified);
    EXPECT_EQ(f.form.selectedRow(), row + 2);
    EXPECT_EQ(f.form.takeFocusRequest(), FocusRequest::ButtonList);

    MainFormFixture all;  // exit at once, without a selected row: the first row
    all.form.selectRow(-1);
    all.form.btnConfigWizardClick();
    EXPECT_EQ(all.wizard.prompts.size(), 1u);
    EXPECT_EQ(all.form.selectedRow(), 0);
}

TEST(MainForm, RowHighlightFollowsTheModeWhileActive) {
    struct Case {
        const char* name;
        bool highlight, allTabs;
        std::vector<int> pressedOn;  // joysticks with button 1 pressed
        int tab;
        std::optional<uint32_t> colour;
    };
    const Case cases[] = {
        {"current tab", true, false, {1}, 1, 0x00FF00},
        {"other tab only", true, false, {0}, 1, std::nullopt},
        {"all tabs: the current wins", false, true, {0, 1, 2}, 1, 0x00FF00},
        {"all tabs: else the lowest", false, true, {2, 3}, 1, 0x00FFFF},
        {"eight colours wrap", false, true, {9}, 0, 0x00FF00},
        {"highlighting off", false, false, {0}, 0, std::nullopt},
    };
    for (const Case& c : cases) {
        MainFormFixture f;
        f.profile().setNumberOfJoysticks(10);
        f.settings.highlightButtons = c.highlight;
        f.settings.highlightButtonsForAllTabs = c.allTabs;
        for (int j : c.pressedOn) f.h.engine.pressedState().pressedFlag[static_cast<size_t>(j)][kButton1] = 1;
        f.form.RefreshDisplay();
        f.form.tcJoystickChange(c.tab, FocusedControl::Other);
        const int row = f.rowOf(kButton1);
        EXPECT_EQ(f.form.rowHighlight(row), std::nullopt) << c.name << " (inactive)";
        f.form.setActive(true);
        EXPECT_EQ(f.form.rowHighlight(row), c.colour) << c.name;
        EXPECT_EQ(f.form.rowHighlight(f.rowOf(kButton1 + 1)), std::nullopt) << c.name;
    }
}

TEST(MainForm, TabHighlightsMarkJoysticksWithInputWhileActive) {
    MainFormFixture f;
    f.h.engine.pressedState().anyPressed[1] = true;
    f.form.RefreshTabHighlights();
    EXPECT_EQ(f.form.tabTexts()[1], "[2] Joystick");
    f.form.ApplicationEventsActivate();
    EXPECT_EQ(f.form.tabTexts(), (Texts{"[1] Joystick", "*[2] Joystick*", "Options"}));
    f.form.takeChanges();
    f.form.RefreshTabHighlights();
    EXPECT_EQ(f.form.takeChanges(), static_cast<unsigned>(kHighlightChanged));  // no tab rewritten
    f.settings.highlightButtons = false;
    f.form.RefreshTabHighlights();
    EXPECT_EQ(f.form.tabTexts()[1], "[2] Joystick");
}

TEST(MainForm, CaptionNamesTheProfileAndTheSuspension) {
    MainFormFixture f;
    f.form.UpdateCaption();
    EXPECT_EQ(f.form.caption(), "Vantorix v7.4.1 : A");
    f.form.setProcessingSuspended(true);
    EXPECT_EQ(f.form.caption(), "Vantorix v7.4.1 (一時停止中) : A");
}

TEST(MainForm, ProfileListClicksSwitchAndRightClickBelowTheItemsTakesTheLast) {
    MainFormFixture f({"A", "B", "C"});
    f.form.lbConfigListClick(1);
    EXPECT_EQ(f.manager.currentIndex(), 1);
    f.form.lbConfigListMouseDown(false, 0);
    EXPECT_EQ(f.manager.currentIndex(), 1);
    f.form.lbConfigListMouseDown(true, -1);
    EXPECT_EQ(f.manager.currentIndex(), 2);
    EXPECT_EQ(f.form.profileSelection(), 2);
    f.form.lbConfigListMouseDown(true, 0);
    EXPECT_EQ(f.manager.currentIndex(), 0);
}

TEST(MainForm, UpdateJoystickCountShowsTheDetectedNumber) {
    MainFormFixture f;
    f.form.UpdateJoystickCount(3);
    EXPECT_EQ(f.form.options().state().joystickStatus, "ジョイスティック: 3 本検出");
    EXPECT_NE(f.form.takeChanges() & kOptionsChanged, 0u);
}

}  // namespace
}  // namespace vrx::test
