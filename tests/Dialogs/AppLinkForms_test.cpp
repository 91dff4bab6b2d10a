#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "AppLink/AppLinkManager.h"
#include "Dialogs/AppCaptureForm.h"
#include "Dialogs/AppLinkForm.h"
#include "Dialogs/AppLinkItemForm.h"
#include "support/CountingLock.h"
#include "support/FaultyFiles.h"
#include "support/RecordingCaptureHost.h"
#include "support/RecordingLogger.h"
#include "support/TempFolder.h"

namespace vrx::test {
namespace {

// Message boxes answered from a script (Ok, or Yes, when it runs out);
// what they showed is kept as "caption: text".
struct ScriptedMessages final : DialogMessages {
    std::deque<MessageAnswer> answers;
    std::vector<std::string> shown;
    MessageAnswer message(const std::string& text, const std::string& caption, MessageIcon,
                          MessageButtons buttons) override {
        shown.push_back(caption + ": " + text);
        if (!answers.empty()) {
            const MessageAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }
};

// The item dialog: hands back the next scripted rule and keeps the rules
// it was filled with.
struct ScriptedItemEditor final : AppLinkItemEditor {
    std::deque<std::optional<AppLinkRecord>> results;
    std::vector<AppLinkRecord> filledWith;
    std::optional<AppLinkRecord> editRule(const AppLinkRecord& rule) override {
        filledWith.push_back(rule);
        std::optional<AppLinkRecord> result = results.front();
        results.pop_front();
        return result;
    }
};

const std::vector<std::string> kProfiles = {"Default", "Game", "Office"};

struct ListFixture {
    TempFolder folder;
    RecordingLogger log;
    CountingLock lock;
    FaultyFiles files;
    AppLinkManager manager{folder.path(), lock, log, systemAnsiCodePage(), files};
    ScriptedItemEditor editor;
    ScriptedMessages messages;
    AppLinkForm form{AppLinkFormParts{manager, kProfiles, editor, messages}};

    explicit ListFixture(AppLinkData data = {kNoMatchLastSelected,
                                             "Game",
                                             {{"Word", "Office", "winword.exe", ""}, {"Tube", "Game", "", "YouTube"}}}) {
        manager.replace(std::move(data));
        lock.entries = 0;
        form.FormCreate();
    }
    AppLinkData saved() {
        AppLinkManager reader{folder.path(), lock, log};
        reader.load();
        return reader.data();
    }
};

TEST(AppLinkForm, OpensWithTheRulesTheirActionAndTheDefaultProfileInAnyCase) {
    struct Case {
        int noMatchAction;
        std::string defaultConfig;
        bool noAction, lastSelected, defaultConfigRadio;
        int defaultIndex;
    };
    const Case cases[] = {
        {0, "game", true, false, false, 2},
        {1, "", false, true, false, 0},
        {2, "OFFICE", false, false, true, 3},
        {7, "Deleted", false, true, false, 0},  // an unknown action reads as "last selected"
    };
    for (const Case& c : cases) {
        ListFixture f({c.noMatchAction, c.defaultConfig, {{"Word", "Office", "winword.exe", ""}}});
        SCOPED_TRACE(c.noMatchAction);
        EXPECT_EQ(f.form.rows(), f.manager.data().rules);
        EXPECT_EQ(f.form.rbNoAction(), c.noAction);
        EXPECT_EQ(f.form.rbUseLastSelected(), c.lastSelected);
        EXPECT_EQ(f.form.rbUseDefaultConfig(), c.defaultConfigRadio);
        EXPECT_EQ(f.form.defaultConfigChoices(), (std::vector<std::string>{"", "Default", "Game", "Office"}));
        EXPECT_EQ(f.form.defaultConfigIndex(), c.defaultIndex);
        EXPECT_EQ(f.form.defaultConfigText(), f.form.defaultConfigChoices()[static_cast<size_t>(c.defaultIndex)]);
    }
}

TEST(AppLinkForm, EditAndDeleteWithoutASelectedRowDoNothing) {
    ListFixture f;
    const std::vector<AppLinkRecord> rows = f.form.rows();
    for (int selected : {-1, 2}) {
        f.form.LVAppLinkSelectItem(selected);
        f.form.btnEditClick();
        f.form.LVAppLinkDblClick();
        f.form.btnDeleteClick();
    }
    EXPECT_TRUE(f.editor.filledWith.empty());
    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_EQ(f.form.rows(), rows);
}

TEST(AppLinkForm, AddAppendsAndEditRewritesTheSelectedRowUnlessCancelled) {
    ListFixture f;
    const AppLinkRecord added{"Racer", "Game", "racer.exe", ""};
    f.editor.results = {added, std::nullopt};
    f.form.btnAddClick();
    f.form.btnAddClick();
    ASSERT_EQ(f.form.rows().size(), 3u);
    EXPECT_EQ(f.form.rows()[2], added);
    EXPECT_EQ(f.editor.filledWith[0], AppLinkRecord{});

    const AppLinkRecord edited{"Tube", "Default", "chrome.exe", "YouTube"};
    f.editor.results = {edited, std::nullopt};
    f.form.LVAppLinkSelectItem(1);
    f.form.LVAppLinkDblClick();
    f.form.btnEditClick();
    EXPECT_EQ(f.editor.filledWith[2], (AppLinkRecord{"Tube", "Game", "", "YouTube"}));
    EXPECT_EQ(f.editor.filledWith[3], edited);
    EXPECT_EQ(f.form.rows()[1], edited);
    EXPECT_EQ(f.form.rows().size(), 3u);
    EXPECT_EQ(f.manager.data().rules.size(), 2u);  // nothing reaches the rules before OK
}

TEST(AppLinkForm, DeleteAsksAboutTheRowByItsName) {
    ListFixture f;
    f.form.LVAppLinkSelectItem(0);
    f.messages.answers = {MessageAnswer::No, MessageAnswer::Yes};
    f.form.btnDeleteClick();
    EXPECT_EQ(f.form.rows().size(), 2u);
    f.form.btnDeleteClick();
    const std::string question = "Warning: \"Word\" への関連付けを削除してもよろしいですか？";
    EXPECT_EQ(f.messages.shown, (std::vector<std::string>{question, question}));
    EXPECT_EQ(f.form.rows(), (std::vector<AppLinkRecord>{{"Tube", "Game", "", "YouTube"}}));
    EXPECT_EQ(f.form.selectedRow(), -1);
}

TEST(AppLinkForm, OkReplacesEverythingUnderTheEngineLockAndSavesTheFile) {
    ListFixture f;
    f.editor.results = {AppLinkRecord{"Racer", "Game", "racer.exe", "Lap"}};
    f.form.btnAddClick();
    f.form.rbUseDefaultConfigClick(true);
    f.form.cbDefaultConfigSelect(3);
    f.form.btnOKClick();

    const AppLinkData expected{kNoMatchDefaultConfig,
                               "Office",
                               {{"Word", "Office", "winword.exe", ""},
                                {"Tube", "Game", "", "YouTube"},
                                {"Racer", "Game", "racer.exe", "Lap"}}};
    EXPECT_EQ(f.manager.data(), expected);
    EXPECT_EQ(f.lock.entries, 1);
    EXPECT_EQ(f.lock.depth, 0);
    EXPECT_EQ(f.saved(), expected);
    EXPECT_TRUE(f.form.closeRequested());
    EXPECT_TRUE(f.form.confirmed());
    EXPECT_TRUE(f.messages.shown.empty());
}

TEST(AppLinkForm, CancelAfterDeletingLeavesTheRulesAndTheFileAsTheyWere) {
    ListFixture f;
    const AppLinkData before = f.manager.data();
    f.form.LVAppLinkSelectItem(0);
    f.form.btnDeleteClick();
    f.form.rbNoActionClick(true);
    f.form.btnCancelClick();
    EXPECT_TRUE(f.form.closeRequested());
    EXPECT_FALSE(f.form.confirmed());
    EXPECT_EQ(f.manager.data(), before);
    EXPECT_EQ(f.folder.listing(), "");

    AppLinkForm reopened{AppLinkFormParts{f.manager, kProfiles, f.editor, f.messages}};
    reopened.FormCreate();
    EXPECT_EQ(reopened.rows(), before.rules);
}

TEST(AppLinkForm, TheDefaultProfileIsOneOfTheListOrNone) {
    struct Case {
        const char* name;
        std::string defaultConfig;
        std::optional<int> chosen;  // from the list
        std::optional<std::string> typed;
        std::string stored;
    };
    const Case cases[] = {
        {"a default that no longer exists opens as the empty entry", "Deleted", std::nullopt, std::nullopt, ""},
        {"the empty entry", "Game", 0, std::nullopt, ""},
        {"chosen from the list", "", 1, std::nullopt, "Default"},
        {"typed, naming no profile", "Game", std::nullopt, "Gam", ""},
        {"typed in another case, taken as the profile it names", "", std::nullopt, "office", "Office"},
        {"typed and then emptied", "Game", 2, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ListFixture f({kNoMatchDefaultConfig, c.defaultConfig, {}});
        if (c.chosen) f.form.cbDefaultConfigSelect(*c.chosen);
        if (c.typed) f.form.cbDefaultConfigEdit(*c.typed);
        f.form.btnOKClick();
        EXPECT_EQ(f.manager.data().defaultConfig, c.stored);
        EXPECT_EQ(f.manager.data().noMatchAction, kNoMatchDefaultConfig);
    }
}

TEST(AppLinkForm, WithNoRadioButtonCheckedTheActionStays) {
    ListFixture f({kNoMatchDefaultConfig, "", {}});
    f.form.rbUseDefaultConfigClick(false);
    f.form.btnOKClick();
    EXPECT_EQ(f.manager.data().noMatchAction, kNoMatchDefaultConfig);
}

TEST(AppLinkForm, ARadioButtonCheckedUnchecksTheOthersAndOkStoresItsAction) {
    using Click = void (AppLinkForm::*)(bool);
    struct Case {
        const char* name;
        Click click;
        bool checked;
        std::array<bool, 3> shown;  // rbNoAction, rbUseLastSelected, rbUseDefaultConfig
        int stored;
    };
    const Case cases[] = {
        {"no action", &AppLinkForm::rbNoActionClick, true, {true, false, false}, kNoMatchNothing},
        {"default profile", &AppLinkForm::rbUseDefaultConfigClick, true, {false, false, true}, kNoMatchDefaultConfig},
        {"the checked one again", &AppLinkForm::rbUseLastSelectedClick, true, {false, true, false},
         kNoMatchLastSelected},
        {"another one unchecked", &AppLinkForm::rbNoActionClick, false, {false, true, false}, kNoMatchLastSelected},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ListFixture f;  // opens on "last selected"
        (f.form.*c.click)(c.checked);
        EXPECT_EQ((std::array<bool, 3>{f.form.rbNoAction(), f.form.rbUseLastSelected(), f.form.rbUseDefaultConfig()}),
                  c.shown);
        f.form.btnOKClick();
        EXPECT_EQ(f.manager.data().noMatchAction, c.stored);
    }
}

TEST(AppLinkForm, AFailedSaveIsShownAndTheRulesAreInForceAnyway) {
    ListFixture f;
    f.files.fault = FaultyFiles::Fault::Write;
    f.form.LVAppLinkSelectItem(0);
    f.form.btnDeleteClick();
    f.form.btnOKClick();
    EXPECT_EQ(f.manager.data().rules.size(), 1u);
    ASSERT_EQ(f.messages.shown.size(), 2u);
    EXPECT_EQ(f.messages.shown[1],
              "Error: \"AppLink.dat\" を保存できませんでした。\n\n詳細は Vantorix.log をご確認ください。");
    EXPECT_EQ(f.folder.listing(), "");
    EXPECT_TRUE(f.form.closeRequested());
}

// --- The item dialog ---

struct ScriptedCapture final : WindowCapture {
    std::optional<CapturedWindow> result;
    std::optional<CapturedWindow> captureWindow() override { return result; }
};

struct ItemFixture {
    ScriptedCapture capture;
    ScriptedMessages messages;
    AppLinkItemForm form{kProfiles, capture, messages};
    ItemFixture() { form.FormCreate(); }
};

const std::string kNoName = "Error: アプリケーション名を指定してください";
const std::string kBadProfile = "Warning: 関連付ける設定ファイルが空または不正です。関連付けを解除しますか？";
const std::string kNoPathNorTitle = "Error: アプリケーションの Path、もしくは Window Title を指定してください";

TEST(AppLinkItemForm, OkChecksTheNameTheProfileAndThenPathOrTitleInThisOrder) {
    struct Case {
        const char* name;
        AppLinkRecord rule;
        std::deque<MessageAnswer> answers;
        std::vector<std::string> shown;
        bool confirmed;
    };
    const Case cases[] = {
        {"no name stops first", {"", "", "", ""}, {}, {kNoName}, false},
        {"no profile, kept open", {"Racer", "", "racer.exe", ""}, {MessageAnswer::Cancel}, {kBadProfile}, false},
        {"an unknown profile kept", {"Racer", "Gone", "racer.exe", ""}, {MessageAnswer::Ok}, {kBadProfile}, true},
        {"then path and title", {"Racer", "Gone", "", ""}, {MessageAnswer::Ok}, {kBadProfile, kNoPathNorTitle}, false},
        {"a profile in another case", {"Racer", "gAME", "racer.exe", ""}, {}, {}, true},
        {"a title alone", {"Tube", "Office", "", "YouTube"}, {}, {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ItemFixture f;
        f.form.fill(c.rule);
        f.messages.answers = c.answers;
        f.form.btnOKClick();
        EXPECT_EQ(f.messages.shown, c.shown);
        EXPECT_EQ(f.form.confirmed(), c.confirmed);
        EXPECT_EQ(f.form.closeRequested(), c.confirmed);
        EXPECT_EQ(f.form.rule(), c.rule);  // stored as typed
    }
}

TEST(AppLinkItemForm, OffersTheProfilesAfterAnEmptyEntryAndTakesACapturedWindow) {
    ItemFixture f;
    EXPECT_EQ(f.form.configFileChoices(), (std::vector<std::string>{"", "Default", "Game", "Office"}));
    f.form.fill({"Old", "Game", "old.exe", "Old"});
    f.form.btnCaptureAppClick();  // cancelled
    EXPECT_EQ(f.form.rule(), (AppLinkRecord{"Old", "Game", "old.exe", "Old"}));
    f.capture.result = CapturedWindow{"Untitled - Notepad", "C:\\Windows\\notepad.exe"};
    f.form.btnCaptureAppClick();
    EXPECT_EQ(f.form.rule(),
              (AppLinkRecord{"Untitled - Notepad", "Game", "C:\\Windows\\notepad.exe", "Untitled - Notepad"}));
    f.form.btnCancelClick();
    EXPECT_TRUE(f.form.closeRequested());
    EXPECT_FALSE(f.form.confirmed());
    EXPECT_EQ(f.form.result(), std::nullopt);
}

TEST(AppLinkItemForm, TheFieldsAsTypedOrChosenMakeTheRuleHandedBackOnOk) {
    ItemFixture f;
    f.form.fill({"Old", "Game", "old.exe", "Old"});
    f.form.EditAppNameChange("Racer");
    f.form.CBConfigFileChange("off");
    f.form.CBConfigFileSelect(3);  // "Office"
    f.form.CBConfigFileSelect(4);  // no entry: the box keeps its text
    f.form.EditPathChange("racer.exe");
    f.form.EditTitleChange("");
    EXPECT_EQ(f.form.result(), std::nullopt);  // not before OK
    f.form.btnOKClick();
    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_EQ(f.form.result(), (AppLinkRecord{"Racer", "Office", "racer.exe", ""}));
}

// --- The capture dialog ---

struct FakeWindows final : ForegroundWindowSource, WindowInfoSource {
    WindowHandle front = 0x1234;
    WindowHandle foregroundWindow() const override { return front; }
    std::string windowTitle(WindowHandle window) const override { return window ? "Untitled - Notepad" : ""; }
    std::string executablePath(WindowHandle window) const override {
        return window ? "C:\\Windows\\notepad.exe" : "";
    }
};

struct CaptureFixture {
    FakeWindows windows;
    RecordingCaptureHost host;
    ScriptedMessages messages;
    RecordingLogger log;
    AppCaptureForm form{AppCaptureParts{windows, windows, host, messages, log}};
    CaptureFixture() { form.FormCreate(); }
};

TEST(AppCaptureForm, CountsDownTheSecondsThenTakesTheWindowInFront) {
    CaptureFixture f;
    EXPECT_EQ(f.form.editSeconds(), "3");
    EXPECT_FALSE(f.form.timerEnabled());
    f.form.btnCaptureClick();
    EXPECT_TRUE(f.form.timerEnabled());
    EXPECT_EQ(f.host.calls, std::vector<std::string>{"minimize"});
    f.form.Timer1Timer();
    f.form.Timer1Timer();
    EXPECT_FALSE(f.form.captured());
    EXPECT_EQ(f.form.secondsLeft(), 1);
    f.form.Timer1Timer();
    EXPECT_TRUE(f.form.captured());
    EXPECT_EQ(f.form.result(), (CapturedWindow{"Untitled - Notepad", "C:\\Windows\\notepad.exe"}));
    EXPECT_FALSE(f.form.timerEnabled());
    EXPECT_TRUE(f.form.closeRequested());
    EXPECT_EQ(f.host.calls, (std::vector<std::string>{"minimize", "beep", "restore"}));
    EXPECT_EQ(f.log.messages(LogLevel::Info),
              std::vector<std::string>{"Application info captured [HWND=0x001234, Text='Untitled - Notepad', "
                                       "Path='C:\\Windows\\notepad.exe']"});
}

TEST(AppCaptureForm, ZeroSecondsStartsNoCountdownAndCancelEndsWithoutAResult) {
    CaptureFixture f;
    f.form.editSecondsChange("0");
    f.form.btnCaptureClick();
    EXPECT_FALSE(f.form.timerEnabled());
    EXPECT_EQ(f.host.calls, std::vector<std::string>{"minimize"});
    f.form.Timer1Timer();  // a beat that was already on its way
    EXPECT_FALSE(f.form.captured());
    f.form.btnCancelClick();
    EXPECT_TRUE(f.form.closeRequested());
    EXPECT_FALSE(f.form.captured());
    EXPECT_EQ(f.form.result(), std::nullopt);
    EXPECT_TRUE(f.log.lines.empty());
}

TEST(AppCaptureForm, SecondsThatAreNoWholeNumberStartNothing) {
    const std::pair<std::string, std::string> cases[] = {
        {"abc", "Error: 'abc' is not a valid integer value"},
        {"", "Error: '' is not a valid integer value"},
        {"1.5", "Error: '1.5' is not a valid integer value"},
        {"99999999999", "Error: '99999999999' is not a valid integer value"},
        {"-2", "Error: 0 以上の秒数を指定してください"},
    };
    for (const auto& [seconds, shown] : cases) {
        CaptureFixture f;
        f.form.editSecondsChange(seconds);
        f.form.btnCaptureClick();
        EXPECT_EQ(f.messages.shown, std::vector<std::string>{shown});
        EXPECT_TRUE(f.host.calls.empty()) << seconds;
        EXPECT_FALSE(f.form.timerEnabled());
        EXPECT_FALSE(f.form.closeRequested());
    }
    CaptureFixture plus;
    plus.form.editSecondsChange("+1");
    plus.form.btnCaptureClick();
    plus.form.Timer1Timer();
    EXPECT_TRUE(plus.form.captured());
}

TEST(AppCaptureForm, NoWindowInFrontGivesEmptyTexts) {
    CaptureFixture f;
    f.windows.front = 0;
    f.form.editSecondsChange("1");
    f.form.btnCaptureClick();
    f.form.Timer1Timer();
    EXPECT_TRUE(f.form.captured());
    EXPECT_EQ(f.form.result(), (CapturedWindow{"", ""}));
}

}  // namespace
}  // namespace vrx::test
