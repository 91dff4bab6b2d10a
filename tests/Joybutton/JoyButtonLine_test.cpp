#include <gtest/gtest.h>

#include "Joybutton/JoyButton.h"
#include "Utils/AnsiCodePage.h"

namespace vrx {
namespace {

constexpr int kCurrent = 74;

JoyButton parsed(std::string_view line, int version = kCurrent) {
    JoyButton b;
    b.parseLine(line, version);
    return b;
}

JoyButton keyboard(std::initializer_list<KeyCode> codes) {
    JoyButton b;
    b.type = AssignType::Keyboard;
    int i = 0;
    for (KeyCode c : codes) b.keys[i++] = c;
    return b;
}

// Lines as the writer produces them must read back to the same line, so a
// profile that is loaded and saved unchanged stays byte for byte the same.
struct RoundTrip {
    const char* line;
};

class CurrentLineRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(CurrentLineRoundTrip, ReadsBackToTheSameText) {
    const JoyButton b = parsed(GetParam().line);
    EXPECT_EQ(b.formatLine(), GetParam().line);
    JoyButton again;
    again.parseLine(b.formatLine(), kCurrent);
    EXPECT_TRUE(again.sameConfiguration(b)) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    EveryType, CurrentLineRoundTrip,
    ::testing::Values(RoundTrip{"1, 41:00:00:00, 0.000, 0, 0  ##jump"}, RoundTrip{"1, A2:10:201:1E0000, 12.500, 1, 300"},
                      RoundTrip{"2,    0, -20,   0, 0, 0, 0, 0.000, 0, 95, 1.0, 100, 0, 0, 0,    0"},
                      RoundTrip{"2,  100,-100,  -5, 1, 1, 1, -2.000, 1, 50, 4.9, 400, 250, 1, 1,  -12  ##wheel"},
                      RoundTrip{"3, 41:0:0:0@100, 42:43:0:0@50"}, RoundTrip{"3"}, RoundTrip{"3  ##empty command"},
                      RoundTrip{"5, 3, 700"}, RoundTrip{"6, \"Game\", 2000"}, RoundTrip{"6, \"\", 0  ##no name"},
                      RoundTrip{"7, 3, 300, 41:0:0:0, 42:0:0:0, 43:A0:0:0, 0:0:0:0, 95, 100, 0.000, 0, 0, 20, 0"},
                      RoundTrip{"7, 8, 0, 1:2:3:4, 5:6:7:8, 9:A:B:C, D:E:F:10, 10, 90, -0.500, 1, 40, 60, 1000  ##seq"},
                      RoundTrip{"8, 50.000000, 50.000000, 0, 0, 1, 0, 0, 0, 0, 0.000, 0, 0"},
                      RoundTrip{"8, 150.250000, 0.500000, -100, 100, 0, 1, 1, 1, 1, 3.000, 1, 10  ##second screen"},
                      RoundTrip{"9, \"C:\\Games\\run.exe\", |-x|D:\\w|"}, RoundTrip{"9, \"https://example.com/\", |||"},
                      RoundTrip{"10, ##hello\\nworld ## and more"}, RoundTrip{"0"}, RoundTrip{"0  ##note"},
                      RoundTrip{"6, \"日本語プロファイル\", 0  ##コメント"}));

TEST(JoyButtonFormat, WritesTheDocumentedForms) {
    JoyButton a = keyboard({0x41});
    a.comment = "jump";
    EXPECT_EQ(a.formatLine(), "1, 41:00:00:00, 0.000, 0, 0  ##jump");
    EXPECT_EQ(keyboard({0x201}).formatLine(), "1, 201:00:00:00, 0.000, 0, 0");

    JoyButton up;
    up.type = AssignType::Mouse;
    up.mouseMoveY = -20;
    EXPECT_EQ(up.formatLine(), "2,    0, -20,   0, 0, 0, 0, 0.000, 0, 95, 1.0, 100, 0, 0, 0,    0");

    JoyButton command;
    command.type = AssignType::Command;
    command.commandSteps = {{{0x41, 0, 0, 0}, {}, 100}, {{0x42, 0x43, 0, 0}, {}, 50}};
    EXPECT_EQ(command.formatLine(), "3, 41:0:0:0@100, 42:43:0:0@50");

    JoyButton none;
    EXPECT_EQ(none.formatLine(), "0");
    none.comment = "note";
    EXPECT_EQ(none.formatLine(), "0  ##note");

    // Codes the program does not know are kept in memory but stored as unassigned.
    JoyButton unknown;
    unknown.type = static_cast<AssignType>(42);
    EXPECT_EQ(unknown.formatLine(), "0");
    unknown.type = AssignType::LegacyAnalogFactor;
    EXPECT_EQ(unknown.formatLine(), "0");

    JoyButton paste;
    paste.type = AssignType::PasteText;
    paste.pasteText = "a##b\\nc";
    paste.comment = "dropped";
    EXPECT_EQ(paste.formatLine(), "10, ##a##b\\nc");
}

TEST(JoyButtonFormat, LongTextsAreNeverCut) {
    JoyButton b = keyboard({0x41});
    b.comment = std::string(10000, 'c');
    const std::string line = b.formatLine();
    EXPECT_EQ(line.size(), std::string("1, 41:00:00:00, 0.000, 0, 0  ##").size() + 10000);
    EXPECT_EQ(parsed(line).comment, b.comment);

    JoyButton launch;
    launch.type = AssignType::LaunchProgram;
    launch.targetName = std::string(5000, 'p');
    launch.programParameters = std::string(5000, 'q');
    EXPECT_TRUE(parsed(launch.formatLine()).sameConfiguration(launch));
}

TEST(JoyButtonParse, CommentsAndPaste) {
    const JoyButton note = parsed("0  ##x");
    EXPECT_EQ(note.type, AssignType::None);
    EXPECT_EQ(note.comment, "x");

    // The comment is kept exactly, blanks and further marks included.
    EXPECT_EQ(parsed("1, 41:00:00:00, 0.000, 0, 0  ## two  ##marks ").comment, " two  ##marks ");

    const JoyButton paste = parsed("10, ##line one\\nline ## two");
    EXPECT_EQ(paste.type, AssignType::PasteText);
    EXPECT_EQ(paste.pasteText, "line one\\nline ## two");
    EXPECT_EQ(paste.comment, "");
}

TEST(JoyButtonParse, ProfileSwitchAndLaunch) {
    const JoyButton withDelay = parsed("6, \"Game\", 2000");
    EXPECT_EQ(withDelay.targetName, "Game");
    EXPECT_EQ(withDelay.switchDelay, 2000);
    const JoyButton bare = parsed("6, \"Game\"");
    EXPECT_EQ(bare.targetName, "Game");
    EXPECT_EQ(bare.switchDelay, 0);
    EXPECT_EQ(parsed("6, Game").targetName, "");

    const JoyButton path = parsed("9, \"C:\\run.exe\"");
    EXPECT_EQ(path.targetName, "C:\\run.exe");
    EXPECT_EQ(path.programParameters, "");
    EXPECT_EQ(path.programStartFrom, "");
    const JoyButton full = parsed("9, \"C:\\run.exe\", |-x|D:\\w|  ##tool");
    EXPECT_EQ(full.programParameters, "-x");
    EXPECT_EQ(full.programStartFrom, "D:\\w");
    EXPECT_EQ(full.comment, "tool");
    const JoyButton half = parsed("9, \"a\", |-x");
    EXPECT_EQ(half.programParameters, "");
    EXPECT_EQ(half.programStartFrom, "");
}

// A name with "##" in it used to be split into a name and a comment that grew
// with every save; the quoted fields are now read before looking for a comment.
TEST(JoyButtonParse, MarksInsideQuotedFieldsStayInThem) {
    JoyButton sw;
    sw.type = AssignType::ProfileSwitch;
    sw.targetName = "Race ##2";
    sw.switchDelay = 300;
    const JoyButton swBack = parsed(sw.formatLine());
    EXPECT_EQ(swBack.targetName, "Race ##2");
    EXPECT_EQ(swBack.switchDelay, 300);
    EXPECT_EQ(swBack.comment, "");

    JoyButton launch;
    launch.type = AssignType::LaunchProgram;
    launch.targetName = "https://example.com/##top";
    launch.programParameters = "--tag ##x";
    launch.comment = "site";
    const JoyButton launchBack = parsed(launch.formatLine());
    EXPECT_TRUE(launchBack.sameConfiguration(launch)) << launch.formatLine();

    // A quote that only appears in the comment belongs to the comment.
    const JoyButton quoteInComment = parsed("6, Game  ##\"x\"");
    EXPECT_EQ(quoteInComment.targetName, "");
    EXPECT_EQ(quoteInComment.comment, "\"x\"");
    // Bars that only appear in the comment are no launch fields.
    const JoyButton barsInComment = parsed("9, \"p\"  ##a|b|c|");
    EXPECT_EQ(barsInComment.programParameters, "");
    EXPECT_EQ(barsInComment.comment, "a|b|c|");
}

TEST(JoyButtonParse, CommandSteps) {
    const JoyButton c = parsed("3, 41:0:0:0@100, junk, 42@-5, 43:44@, @7  ##c, d@1");
    ASSERT_EQ(c.commandSteps.size(), 4u);
    EXPECT_EQ(c.commandSteps[0].keys, (std::array<KeyCode, 4>{0x41, 0, 0, 0}));
    EXPECT_EQ(c.commandSteps[0].durationMs, 100);
    EXPECT_EQ(c.commandSteps[1].keys, (std::array<KeyCode, 4>{0x42, 0, 0, 0}));
    EXPECT_EQ(c.commandSteps[1].durationMs, 0);
    EXPECT_EQ(c.commandSteps[2].keys, (std::array<KeyCode, 4>{0x43, 0x44, 0, 0}));
    EXPECT_EQ(c.commandSteps[2].durationMs, 0);
    EXPECT_EQ(c.commandSteps[3].keys, (std::array<KeyCode, 4>{0, 0, 0, 0}));
    EXPECT_EQ(c.commandSteps[3].durationMs, 7);
    EXPECT_EQ(c.comment, "c, d@1");
    // Scan codes are derived for every step key.
    EXPECT_EQ(c.commandSteps[0].scanCodes[0], 0x1Eu);
}

TEST(JoyButtonParse, KeyboardMultiByVersion) {
    const char* line = "7, 3, 300, 41:42:43, 44:45:46, 47:48:49, 90, 99";
    const JoyButton old = parsed(line, 55);
    EXPECT_EQ(old.switchMode, SwitchMode::DelayedSwitch);
    EXPECT_EQ(old.switchDelay, 300);
    EXPECT_EQ(old.keys, (std::array<KeyCode, 16>{0x41, 0x42, 0x43, 0, 0x44, 0x45, 0x46, 0, 0x47, 0x48, 0x49, 0}));
    EXPECT_EQ(old.analogThreshold1, 90);
    EXPECT_EQ(old.analogThreshold2, 99);
    EXPECT_EQ(old.minimumHoldDuration, 20);

    const JoyButton current = parsed("7, 1, 0, 1:2:3:4, 5:6:7:8, 9:A:B:C, D:E:F:10, 1, 2, 3.5, 1, 4, 5, 6");
    for (int i = 0; i < 16; ++i) EXPECT_EQ(current.keys[i], static_cast<KeyCode>(i + 1));
    EXPECT_EQ(current.autoRepeatRate, 3.5f);
    EXPECT_EQ(current.toggle, 1);
    EXPECT_EQ(current.autoRepeatDelay, 4);
    EXPECT_EQ(current.minimumHoldDuration, 5);
    EXPECT_EQ(current.counterResetDuration, 6);
}

TEST(JoyButtonParse, ShortAndMalformedLinesKeepDefaults) {
    EXPECT_TRUE(parsed("").sameConfiguration(JoyButton{}));
    EXPECT_EQ(parsed("1").type, AssignType::Keyboard);
    EXPECT_EQ(parsed("1,").keys[0], 0u);

    // A key list with no comma after it: the keys are read, the rest stays default.
    const JoyButton noComma = parsed("1, 41:42");
    EXPECT_EQ(noComma.keys[0], 0x41u);
    EXPECT_EQ(noComma.keys[1], 0x42u);
    EXPECT_EQ(noComma.autoRepeatRate, 0.0f);

    // A scan that stops early leaves the later fields at their defaults.
    const JoyButton mouse = parsed("2, 5, 6, x, 1");
    EXPECT_EQ(mouse.mouseMoveX, 5);
    EXPECT_EQ(mouse.mouseMoveY, 6);
    EXPECT_EQ(mouse.mouseWheelV, 0);
    EXPECT_EQ(mouse.mouseLeft, 0);
    EXPECT_EQ(mouse.analogThreshold1, 95);
    EXPECT_EQ(mouse.accelerationFactor, 1.0f);

    // A negative shift target makes the slot unassigned.
    const JoyButton shift = parsed("5, -1, 100");
    EXPECT_EQ(shift.type, AssignType::None);
    EXPECT_EQ(shift.shiftTarget, 0);
    EXPECT_EQ(shift.switchDelay, 100);

    // Unknown type codes stay as read and are written back as unassigned.
    const JoyButton unknown = parsed("42, 1, 2  ##x");
    EXPECT_EQ(static_cast<int>(unknown.type), 42);
    EXPECT_EQ(unknown.formatLine(), "0  ##x");
    EXPECT_EQ(parsed("4, 150").type, AssignType::LegacyAnalogFactor);
}

TEST(JoyButtonParse, ParsingResetsEverythingFirst) {
    JoyButton b = parsed("7, 1, 0, 1:2:3:4, 5:6:7:8, 9:A:B:C, D:E:F:10, 1, 2, 3.5, 1, 4, 5, 6  ##c");
    b.runtime.ignoreCounter = 5;
    b.parseLine("1, 41:00:00:00, 0.000, 0, 0", kCurrent);
    EXPECT_EQ(b.keys[4], 0u);
    EXPECT_EQ(b.comment, "");
    EXPECT_EQ(b.runtime.ignoreCounter, 0);

    // An absent key leaves nothing of the last assignment, prepared keys included.
    b.runtime.ignoreCounter = 5;
    b.parseLine("", kCurrent);
    EXPECT_TRUE(b.sameConfiguration(JoyButton{}));
    EXPECT_EQ(b.scanCodes, JoyButton{}.scanCodes);
    EXPECT_FALSE(b.refreshesHeldKeys);
    EXPECT_EQ(b.runtime.ignoreCounter, 0);
}

TEST(JoyButtonLegacyParse, OldFormsBecomeTodaysRecords) {
    const JoyButton k = parsed("1, 41:A0:0, 2.5, 1", 49);
    EXPECT_EQ(k.type, AssignType::Keyboard);
    EXPECT_EQ(k.keys, (std::array<KeyCode, 16>{0x41, 0xA0}));
    EXPECT_EQ(k.autoRepeatRate, 2.5f);
    EXPECT_EQ(k.toggle, 1);

    const JoyButton m = parsed("2, 10, -10, 3, 1, 0, 1, 4.0, 1, 80, 2.5", 40);
    EXPECT_EQ(m.mouseMoveX, 10);
    EXPECT_EQ(m.mouseMoveY, -10);
    EXPECT_EQ(m.mouseWheelV, 3);
    EXPECT_EQ(m.mouseLeft, 1);
    EXPECT_EQ(m.mouseRight, 1);
    EXPECT_EQ(m.autoRepeatRate, 4.0f);
    EXPECT_EQ(m.toggle, 1);
    EXPECT_EQ(m.analogThreshold1, 80);
    EXPECT_EQ(m.accelerationFactor, 2.5f);

    JoyButton factorOnly;
    factorOnly.type = AssignType::Mouse;
    factorOnly.analogFactor = 150;
    EXPECT_TRUE(parsed("4, 150", 49).sameConfiguration(factorOnly));

    const JoyButton shift = parsed("5, 2", 49);
    EXPECT_EQ(shift.type, AssignType::JoystickShift);
    EXPECT_EQ(shift.shiftTarget, 2);
    EXPECT_EQ(parsed("5, -3", 49).type, AssignType::None);

    const JoyButton sw = parsed("6, \"Game\"", 49);
    EXPECT_EQ(sw.type, AssignType::ProfileSwitch);
    EXPECT_EQ(sw.targetName, "Game");
    EXPECT_EQ(parsed("6,\"Game\"", 49).targetName, "");

    // Command and the multi-input forms kept only their type in old files,
    // and old lines never carried a comment.
    const JoyButton command = parsed("3, 41:0:0:0@100", 49);
    EXPECT_EQ(command.type, AssignType::Command);
    EXPECT_TRUE(command.commandSteps.empty());
    EXPECT_EQ(parsed("1, 41:0:0, 0.0, 0  ##c", 49).comment, "");
    EXPECT_EQ(parsed("7, 1, 0, 41:0:0", 49).keys[0], 0u);
}

TEST(JoyButtonLegacyParse, ProfileNamesGoThroughTheAnsiCodePage) {
    const auto cp932 = makeAnsiCodePage("CP932");
    ASSERT_NE(cp932, nullptr);
    JoyButton b;
    b.parseLine("6, \"ゲーム用\"", 49, *cp932);
    EXPECT_EQ(b.targetName, "ゲーム用");
    // A character the code page cannot hold comes back as '?', as it always did.
    b.parseLine("6, \"กmile\"", 49, *cp932);
    EXPECT_EQ(b.targetName, "?mile");
    // Without the closing quote the last character still goes.
    b.parseLine("6, \"ゲーム", 49, *cp932);
    EXPECT_EQ(b.targetName, "ゲー");
}

}  // namespace
}  // namespace vrx
