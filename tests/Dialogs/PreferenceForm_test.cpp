#include "Dialogs/PreferenceForm.h"

#include <gtest/gtest.h>

#include "AppInfo/GlobalSettings.h"
#include "Main/ShellCommands.h"
#include "Utils/PathText.h"
#include "support/CountingLock.h"
#include "support/MainFormFixture.h"
#include "support/RecordingLogger.h"
#include "support/ScriptedFormUi.h"
#include "support/ShellRecorder.h"
#include "support/TempFolder.h"

namespace vrx::test {
namespace {

using Lines = std::vector<std::string>;

// The timer and detection as lines, with the speed the timer starts at.
struct RecordingRestart final : ProcessingRestart {
    const GlobalSettings& settings;
    Lines calls;
    explicit RecordingRestart(const GlobalSettings& s) : settings(s) {}
    void terminateTimer() override { calls.push_back("TimerTerminate"); }
    void initTimer() override { calls.push_back("TimerInit " + std::to_string(settings.turboMode)); }
    void detectDevices() override { calls.push_back("detect forced"); }
};

struct PreferenceFixture {
    TempFolder data;
    GlobalSettings settings;
    CountingLock lock;
    RecordingRestart restart{settings};
    ScriptedFormDialogs dialogs;
    RecordingLogger log{false};
    PreferenceForm form{PreferenceParts{settings, lock, restart, dialogs, data.path(), log}};

    PreferenceFixture() { data.write("chime.wav", "RIFF"); }
    void open() { form.FormCreate(); }
};

TEST(PreferenceForm, FillingShowsTheSettingsAndEnablesTheBoxesOfCheckedOptions) {
    PreferenceFixture f;
    f.settings.notifySoundFile = "chime.wav";
    f.settings.notifyProfileImage = false;
    f.settings.profileImageDuration = 1500;
    f.settings.profileImagePosition = 4;
    f.settings.ignoreInputAfterProfileSwitch = -1;
    f.settings.ignoreInputAfterShiftSwitch = 0;
    f.settings.turboMode = 3;
    f.settings.xInputSupport = 1;
    f.open();
    const PreferenceState& s = f.form.state();
    EXPECT_TRUE(s.notifySound && s.soundFileEnabled);
    EXPECT_EQ(s.soundFile, "chime.wav");
    EXPECT_FALSE(s.notifyProfileImage || s.profileImageEnabled);
    EXPECT_EQ((Lines{s.profileImageDuration, s.ignoreAfterProfileSwitchText, s.ignoreAfterShiftSwitchText}),
              (Lines{"1500", "-1", "0"}));
    EXPECT_EQ(s.profileImagePosition, 4);
    EXPECT_TRUE(s.ignoreAfterProfileSwitch);
    EXPECT_FALSE(s.ignoreAfterShiftSwitch);
    EXPECT_EQ(s.turboMode, 3);
    EXPECT_EQ(s.xInputSupport, 1);
    EXPECT_TRUE(s.exitMeansMinimize && s.highlightButtons && s.skipForegroundProcessing);

    f.form.cbNotifySoundClick(false);
    f.form.cbNotifyProfileImageClick(true);
    EXPECT_FALSE(f.form.state().soundFileEnabled);
    EXPECT_TRUE(f.form.state().profileImageEnabled);
}

// A check box and the boxes it switches: their enabled flag follows the
// check mark, from the settings at opening and from each click.
struct FollowingBoxes {
    const char* name;
    void (*setting)(GlobalSettings&, bool on);
    void (PreferenceForm::*click)(bool);
    bool PreferenceState::*checked;
    bool PreferenceState::*enabled;
    std::string PreferenceState::*text;
};

class PreferenceFollowingBoxes : public testing::TestWithParam<FollowingBoxes> {};

TEST_P(PreferenceFollowingBoxes, AreEnabledExactlyWhileTheirCheckBoxIsCheckedAndKeepTheirText) {
    const FollowingBoxes& c = GetParam();
    for (const bool on : {false, true}) {
        PreferenceFixture f;
        c.setting(f.settings, on);
        f.open();
        const PreferenceState& s = f.form.state();
        EXPECT_EQ((std::pair{s.*c.checked, s.*c.enabled}), (std::pair{on, on})) << "opened " << on;
        const std::string text = s.*c.text;
        (f.form.*c.click)(!on);
        EXPECT_EQ((std::pair{s.*c.checked, s.*c.enabled}), (std::pair{!on, !on})) << "clicked " << !on;
        (f.form.*c.click)(on);
        EXPECT_EQ((std::pair{s.*c.checked, s.*c.enabled}), (std::pair{on, on})) << "clicked back " << on;
        EXPECT_EQ(s.*c.text, text);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, PreferenceFollowingBoxes,
    testing::Values(
        FollowingBoxes{"Sound", [](GlobalSettings& g, bool on) { g.notifySoundFile = on ? "chime.wav" : ""; },
                       &PreferenceForm::cbNotifySoundClick, &PreferenceState::notifySound,
                       &PreferenceState::soundFileEnabled, &PreferenceState::soundFile},
        FollowingBoxes{"ProfileImage", [](GlobalSettings& g, bool on) { g.notifyProfileImage = on; },
                       &PreferenceForm::cbNotifyProfileImageClick, &PreferenceState::notifyProfileImage,
                       &PreferenceState::profileImageEnabled, &PreferenceState::profileImageDuration},
        FollowingBoxes{"IgnoreAfterProfileSwitch",
                       [](GlobalSettings& g, bool on) { g.ignoreInputAfterProfileSwitch = on ? -1 : 0; },
                       &PreferenceForm::cbIgnoreInputAfterProfileSwitchClick,
                       &PreferenceState::ignoreAfterProfileSwitch, &PreferenceState::ignoreAfterProfileSwitchEnabled,
                       &PreferenceState::ignoreAfterProfileSwitchText},
        FollowingBoxes{"IgnoreAfterShiftSwitch",
                       [](GlobalSettings& g, bool on) { g.ignoreInputAfterShiftSwitch = on ? 300 : 0; },
                       &PreferenceForm::cbIgnoreInputAfterShiftSwitchClick, &PreferenceState::ignoreAfterShiftSwitch,
                       &PreferenceState::ignoreAfterShiftSwitchEnabled, &PreferenceState::ignoreAfterShiftSwitchText}),
    [](const testing::TestParamInfo<FollowingBoxes>& info) { return std::string(info.param.name); });

TEST(PreferenceForm, TheTwoHighlightModesExcludeEachOtherButMayBothBeOff) {
    PreferenceFixture f;
    f.open();
    f.form.cbHighlightButtonsForAllTabsClick(true);
    EXPECT_EQ((std::pair{f.form.state().highlightButtons, f.form.state().highlightButtonsForAllTabs}),
              (std::pair{false, true}));
    f.form.cbHighlightButtonsClick(true);
    EXPECT_EQ((std::pair{f.form.state().highlightButtons, f.form.state().highlightButtonsForAllTabs}),
              (std::pair{true, false}));
    f.form.cbHighlightButtonsClick(false);
    ASSERT_TRUE(f.form.btnOKClick());
    EXPECT_FALSE(f.settings.highlightButtons || f.settings.highlightButtonsForAllTabs);
}

TEST(PreferenceForm, OkStoresEveryControl) {
    PreferenceFixture f;
    f.open();
    f.form.cbStartIconifiedClick(true);
    f.form.cbHideWhenMinimizedClick(true);
    f.form.cbNotifyBalloonClick(true);
    f.form.cbExitMeansMinimizeClick(false);
    f.form.cbSkipForegroundProcessingClick(false);
    f.form.cbNotifyProfileImageClick(true);
    f.form.editProfileImageDurationChange("750");
    f.form.radioProfileImagePositionClick(0);
    f.form.cbIgnoreInputAfterProfileSwitchClick(true);
    f.form.editIgnoreInputAfterProfileSwitchChange("-1");
    f.form.cbIgnoreInputAfterShiftSwitchClick(true);
    f.form.editIgnoreInputAfterShiftSwitchChange(" 250 ");
    ASSERT_TRUE(f.form.btnOKClick());
    const GlobalSettings& g = f.settings;
    EXPECT_TRUE(g.startIconified && g.hideWhenMinimized && g.notifyBalloon && g.notifyProfileImage);
    EXPECT_FALSE(g.exitMeansMinimize || g.skipForegroundProcessing);
    EXPECT_EQ((std::vector<int>{g.profileImageDuration, g.profileImagePosition, g.ignoreInputAfterProfileSwitch,
                                g.ignoreInputAfterShiftSwitch}),
              (std::vector<int>{750, 0, -1, 250}));
    EXPECT_EQ(f.lock.depth, 0);
    EXPECT_GT(f.lock.entries, 0);
    EXPECT_TRUE(f.dialogs.shown.empty());
}

TEST(PreferenceForm, UncheckedBoxesStoreTheirOffValueWhateverTheyHold) {
    PreferenceFixture f;
    f.settings.ignoreInputAfterProfileSwitch = 500;
    f.settings.ignoreInputAfterShiftSwitch = -1;
    f.settings.notifyProfileImage = true;
    f.settings.profileImageDuration = 1200;
    f.settings.profileImagePosition = 1;
    f.open();
    f.form.cbIgnoreInputAfterProfileSwitchClick(false);
    f.form.cbIgnoreInputAfterShiftSwitchClick(false);
    f.form.cbNotifyProfileImageClick(false);
    f.form.editIgnoreInputAfterShiftSwitchChange("not a number");
    f.form.editProfileImageDurationChange("");
    f.form.radioProfileImagePositionClick(4);
    ASSERT_TRUE(f.form.btnOKClick());
    EXPECT_EQ(f.settings.ignoreInputAfterProfileSwitch, 0);
    EXPECT_EQ(f.settings.ignoreInputAfterShiftSwitch, 0);
    // The image is off; its time and place stay for the next time it is on.
    EXPECT_FALSE(f.settings.notifyProfileImage);
    EXPECT_EQ(f.settings.profileImageDuration, 1200);
    EXPECT_EQ(f.settings.profileImagePosition, 1);
}

struct RefusedBox {
    const char* name;
    void (*type)(PreferenceForm&);
    PreferenceForm::Focus focus;
    const char* message;
};

class PreferenceRefusedBoxes : public testing::TestWithParam<RefusedBox> {};

// Nothing is stored, not even the settings of the controls above the box.
TEST_P(PreferenceRefusedBoxes, OkIsRefusedWithAMessageAndTheFocusOnTheBox) {
    PreferenceFixture f;
    f.open();
    f.form.cbStartIconifiedClick(true);
    f.form.rgTurboModeClick(2);
    GetParam().type(f.form);
    EXPECT_FALSE(f.form.btnOKClick());
    EXPECT_EQ(f.dialogs.shown, (Lines{GetParam().message}));
    EXPECT_EQ(f.form.takeFocusRequest(), GetParam().focus);
    EXPECT_FALSE(f.settings.startIconified);
    EXPECT_EQ(f.settings.turboMode, 0);
    EXPECT_TRUE(f.restart.calls.empty());
    EXPECT_TRUE(f.log.lines.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, PreferenceRefusedBoxes,
    testing::Values(
        RefusedBox{"MissingSound",
                   [](PreferenceForm& form) {
                       form.cbNotifySoundClick(true);
                       form.editSoundFileChange("missing.wav");
                   },
                   PreferenceForm::Focus::SoundFile, "Error: \"missing.wav\" は有効なファイルではありません"},
        RefusedBox{"EmptySound", [](PreferenceForm& form) { form.cbNotifySoundClick(true); },
                   PreferenceForm::Focus::SoundFile, "Error: \"\" は有効なファイルではありません"},
        RefusedBox{"ImageDurationText",
                   [](PreferenceForm& form) {
                       form.cbNotifyProfileImageClick(true);
                       form.editProfileImageDurationChange("2 s");
                   },
                   PreferenceForm::Focus::ProfileImageDuration,
                   "Error: \"2 s\" は有効な数値ではありません。0 以上の整数を入力してください。"},
        RefusedBox{"NegativeImageDuration",
                   [](PreferenceForm& form) {
                       form.cbNotifyProfileImageClick(true);
                       form.editProfileImageDurationChange("-5");
                   },
                   PreferenceForm::Focus::ProfileImageDuration,
                   "Error: \"-5\" は有効な数値ではありません。0 以上の整数を入力してください。"},
        RefusedBox{"IgnoreAfterProfileSwitchEmpty",
                   [](PreferenceForm& form) {
                       form.cbIgnoreInputAfterProfileSwitchClick(true);
                       form.editIgnoreInputAfterProfileSwitchChange("");
                   },
                   PreferenceForm::Focus::IgnoreAfterProfileSwitch,
                   "Error: \"\" は有効な数値ではありません。整数を入力してください。"},
        RefusedBox{"IgnoreAfterShiftSwitchTooLarge",
                   [](PreferenceForm& form) {
                       form.cbIgnoreInputAfterShiftSwitchClick(true);
                       form.editIgnoreInputAfterShiftSwitchChange("99999999999");
                   },
                   PreferenceForm::Focus::IgnoreAfterShiftSwitch,
                   "Error: \"99999999999\" は有効な数値ではありません。整数を入力してください。"}),
    [](const testing::TestParamInfo<RefusedBox>& info) { return std::string(info.param.name); });

TEST(PreferenceForm, ARelativeSoundNameInTheDataFolderIsAcceptedAndStoredAsTyped) {
    PreferenceFixture f;
    f.open();
    f.form.cbNotifySoundClick(true);
    f.form.editSoundFileChange("chime.wav");
    ASSERT_TRUE(f.form.btnOKClick());
    EXPECT_EQ(f.settings.notifySoundFile, "chime.wav");

    f.open();
    f.form.cbNotifySoundClick(false);
    ASSERT_TRUE(f.form.btnOKClick());
    EXPECT_EQ(f.settings.notifySoundFile, "");
}

TEST(PreferenceForm, TheChosenSoundFileIsRelativeInsideTheDataFolderAndFullOutside) {
    PreferenceFixture f;
    TempFolder elsewhere;
    const std::string outside = pathToUtf8(elsewhere / "bell.mp3");
    f.dialogs.files = {pathToUtf8(f.data / "chime.wav"), outside, std::nullopt};
    f.open();
    f.form.btnSoundFileClick();
    EXPECT_EQ(f.form.state().soundFile, "chime.wav");
    f.form.btnSoundFileClick();
    EXPECT_EQ(f.form.state().soundFile, outside);
    f.form.btnSoundFileClick();  // cancelled
    EXPECT_EQ(f.form.state().soundFile, outside);
    EXPECT_EQ(f.dialogs.fileStarts, (Lines{"", pathToUtf8(f.data.path()), pathToUtf8(elsewhere.path())}));
}

TEST(PreferenceForm, DebugLoggingSwitchesAtOnceAndSaysSo) {
    PreferenceFixture f;
    f.open();
    f.form.cbShowDebugLogClick(true);
    ASSERT_TRUE(f.form.btnOKClick());
    EXPECT_TRUE(f.log.debugEnabled());
    EXPECT_TRUE(f.settings.showDebugLog);
    f.open();
    f.form.cbShowDebugLogClick(false);
    ASSERT_TRUE(f.form.btnOKClick());
    EXPECT_FALSE(f.log.debugEnabled());
    EXPECT_EQ(f.log.messages(LogLevel::Info), (Lines{"Debug logging is enabled", "Debug logging is disabled"}));
}

TEST(PreferenceForm, ANewInputApiModeIsLoggedAndDetectsDevicesWithTheForceFlag) {
    PreferenceFixture f;
    f.open();
    ASSERT_TRUE(f.form.btnOKClick());
    EXPECT_TRUE(f.restart.calls.empty());

    f.open();
    f.form.cbXInputSupportChange(4);
    ASSERT_TRUE(f.form.btnOKClick());
    EXPECT_EQ(f.settings.xInputSupport, 4);
    EXPECT_EQ(f.restart.calls, (Lines{"detect forced"}));
    EXPECT_TRUE(f.log.contains(LogLevel::Info, "API Mode is changed from 2 to 4"));
}

struct SpeedCase {
    int from;
    int to;
    Lines calls;
    Lines boxes;
};

class PreferenceSpeed : public testing::TestWithParam<SpeedCase> {};

// The explanation box comes while the timer is stopped, only for a speed
// above normal; the timer starts again at the new speed.
TEST_P(PreferenceSpeed, OnlyANewSpeedRestartsTheTimer) {
    PreferenceFixture f;
    f.settings.turboMode = GetParam().from;
    f.open();
    f.form.rgTurboModeClick(GetParam().to);
    ASSERT_TRUE(f.form.btnOKClick());
    EXPECT_EQ(f.settings.turboMode, GetParam().to);
    EXPECT_EQ(f.restart.calls, GetParam().calls);
    EXPECT_EQ(f.dialogs.shown, GetParam().boxes);
}

const std::string kTurboBox =
    "倍速処理モード: 内部処理を2～16倍速で行うことで、入力処理のレイテンシーを減らし、最大毎秒60～500回の自動連射を"
    "可能にします。 ただし、ＣＰＵにかかる負荷も２～16倍になります。（連射速度の設定表示は通常のまま変わりません）";

INSTANTIATE_TEST_SUITE_P(Speeds, PreferenceSpeed,
                         testing::Values(SpeedCase{0, 0, {}, {}}, SpeedCase{3, 3, {}, {}},
                                         SpeedCase{0, 2, {"TimerTerminate", "TimerInit 2"}, {kTurboBox}},
                                         SpeedCase{4, 0, {"TimerTerminate", "TimerInit 0"}, {}}));

// From the menu: the dialog's OK restarts the timer and detects through the
// window's own steps (a suspended processing stays suspended), the debug
// lines frame the dialog and the settings are written after it.
TEST(PreferenceForm, TheMenuItemOpensItAndSavesTheSettingsAfterwards) {
    MainFormFixture f;
    ShellSurroundings around{f.folder.path(), f.lock, f.settings, f.h.log};
    Recorder& r = around.r;
    ShellCommands shell{ShellParts{f.form, f.manager, f.settings, around.appLink, r, r, r, f.dialogs, r, r, r, r, r,
                                   f.store, around.notice, f.folder.path(), around.firstRun, f.h.log}};
    r.shell = &shell;
    f.settings.showDebugLog = true;  // as the harness's log
    r.preference = [&](PreferenceForm& form) {
        form.FormCreate();
        form.rgTurboModeClick(1);
        form.cbXInputSupportChange(0);
        EXPECT_EQ(f.store.saves, 0);
        EXPECT_TRUE(form.btnOKClick());
    };
    f.h.log.lines.clear();
    shell.run(static_cast<int>(Command::Preference));
    EXPECT_EQ(r.take(), (Lines{"preference", "TimerDisable", "detect forced", "TimerEnable", "TimerTerminate",
                               "TimerInit"}));
    EXPECT_EQ(f.settings.turboMode, 1);
    EXPECT_EQ(f.store.saves, 1);
    EXPECT_EQ(f.h.log.messages(LogLevel::Debug), (Lines{"Opening PreferenceDialog...", "Closed PreferenceDialog"}));
}

}  // namespace
}  // namespace vrx::test
