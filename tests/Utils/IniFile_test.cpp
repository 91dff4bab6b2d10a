#include "Utils/IniFile.h"

#include <gtest/gtest.h>

#include <string>

#include "Utils/AnsiCodePage.h"

namespace vrx {
namespace {

using namespace std::string_literals;

const std::string kBom = "\xEF\xBB\xBF";

// What the next load of the written file sees.
IniFile reread(const IniFile& ini) { return IniFile::decode(ini.encode(), systemAnsiCodePage()); }

TEST(IniFileRead, MatchesNamesWithoutCaseAndDropsBlanksAroundTheKey) {
    const IniFile ini = IniFile::parse(
        "[General]\r\n"
        "  FileVersion = 74\r\n"
        "Comment=two  blanks after  \r\n"
        "; Hidden=1\r\n"
        "# Also=1\r\n"
        "no equals sign\r\n"
        "[Joystick 1]\r\n"
        "Button01=1, 41:00:00:00, 0.000, 0, 0\r\n");
    EXPECT_EQ(ini.readInteger("general", "FILEVERSION", 0), 74);
    EXPECT_EQ(ini.readString("GENERAL", "comment"), "two  blanks after  ");
    EXPECT_FALSE(ini.find("General", "; Hidden"));
    EXPECT_FALSE(ini.find("General", "# Also"));
    EXPECT_EQ(ini.readString("joystick 1", "button01"), "1, 41:00:00:00, 0.000, 0, 0");
    EXPECT_EQ(ini.keys("General"), (std::vector<std::string>{"FileVersion", "Comment"}));
    EXPECT_EQ(ini.sections(), (std::vector<std::string>{"General", "Joystick 1"}));
}

TEST(IniFileRead, IgnoresKeysBeforeTheFirstSectionAndAcceptsEveryLineEnd) {
    const IniFile ini = IniFile::parse("Stray=1\n[A]\nx=1\ry=2\r\nz=3\r");
    EXPECT_FALSE(ini.hasSection(""));
    EXPECT_EQ(ini.readInteger("A", "x", 0), 1);
    EXPECT_EQ(ini.readInteger("A", "y", 0), 2);
    EXPECT_EQ(ini.readInteger("A", "z", 0), 3);
    EXPECT_EQ(ini.readInteger("A", "Stray", -1), -1);
    EXPECT_EQ(ini.keys("A"), (std::vector<std::string>{"x", "y", "z"}));
}

TEST(IniFileRead, NumbersThatAreNotPlainDecimalsReadAsTheFallback) {
    struct Case {
        const char* value;
        int expected;
    };
    const Case cases[] = {{"12", 12},         {" -5 ", -5},        {"+7", 7},     {"0", 0},
                          {"12abc", -1},      {"", -1},            {"abc", -1},   {"99999999999", -1},
                          {"0x10", -1},       {"1.5", -1},         {"+-3", -1},   {"2147483647", 2147483647},
                          {"-2147483648", -2147483647 - 1}};
    for (const Case& c : cases) {
        const IniFile ini = IniFile::parse(std::string("[S]\nK=") + c.value + "\n");
        EXPECT_EQ(ini.readInteger("S", "K", -1), c.expected) << "value \"" << c.value << "\"";
    }
    const IniFile ini = IniFile::parse("[S]\nTwo=2\nZero=0\nText=yes\n");
    EXPECT_TRUE(ini.readBool("S", "Two", false));
    EXPECT_FALSE(ini.readBool("S", "Zero", true));
    EXPECT_TRUE(ini.readBool("S", "Text", true));
    EXPECT_FALSE(ini.readBool("S", "Missing", false));
}

TEST(IniFileWrite, AnUnchangedFileIsWrittenBackLineForLine) {
    const std::string text =
        "; written by hand\r\n"
        "[General]\r\n"
        "Key = spaced value\r\n"
        "\r\n"
        "[Other]  \r\n"
        "[Joystick 1]\r\n"
        "x=1\r\n";
    EXPECT_EQ(IniFile::parse(text).encode(), kBom + text);
    // Whatever the line ends were, the writer's are CR LF.
    EXPECT_EQ(IniFile::parse("[A]\nx=1\n").encode(), kBom + "[A]\r\nx=1\r\n");
}

TEST(IniFileWrite, ChangesOnlyWhatIsWrittenAndPutsNewKeysAfterTheSectionsLastKey) {
    IniFile ini = IniFile::parse(
        "[General]\r\n"
        "FileVersion=60\r\n"
        "Foreign = kept as is\r\n"
        "\r\n"
        "; about joystick 1\r\n"
        "[JOYSTICK 1]\r\n"
        "Button01=old\r\n");
    ini.writeInteger("general", "fileversion", 74);
    ini.writeString("General", "NewKey", "new");
    ini.writeString("Joystick 1", "Button01", "1, 41:00:00:00, 0.000, 0, 0");
    ini.writeString("Joystick 2", "Button01", "0  ##note");
    EXPECT_EQ(ini.encode(), kBom +
                                "[General]\r\n"
                                "FileVersion=74\r\n"
                                "Foreign = kept as is\r\n"
                                "NewKey=new\r\n"
                                "\r\n"
                                "; about joystick 1\r\n"
                                "[JOYSTICK 1]\r\n"
                                "Button01=1, 41:00:00:00, 0.000, 0, 0\r\n"
                                "\r\n"
                                "[Joystick 2]\r\n"
                                "Button01=0  ##note\r\n");
}

TEST(IniFileWrite, LinesAsReadAndChangedOnesComeOutInTheirOrder) {
    IniFile ini = IniFile::parse("; top\r\n[A]\r\nk1=v1\r\nk2=v2\nk3=v3\r\n\r\n; c\r\nk4=\r\nk5=five\r\n[B]\rb=1");
    ini.writeString("A", "k1", "v1");
    ini.writeString("A", "k2", "");
    ini.deleteKey("A", "k3");
    ini.writeString("A", "k4", "x");
    ini.writeString("A", "k6", "new");
    ini.writeString("A", "k5", "");
    EXPECT_EQ(ini.encode(), kBom + "; top\r\n[A]\r\nk1=v1\r\nk2=\r\n\r\n; c\r\nk4=x\r\nk5=\r\nk6=new\r\n[B]\r\nb=1\r\n");
}

TEST(IniFileWrite, WritingTheSameValueKeepsTheLineAsItWas) {
    IniFile ini = IniFile::parse("[A]\r\nKey = 5\r\n");
    ini.writeInteger("A", "Key", 5);
    EXPECT_EQ(ini.encode(), kBom + "[A]\r\nKey = 5\r\n");
}

TEST(IniFileWrite, ALineBreakInAValueCannotStartALineOfItsOwn) {
    IniFile ini;
    ini.writeString("Joystick 1", "Button01", "0  ##x\r\n[General]\nFileVersion=1");
    ini.writeString("General", "FileVersion", "74");
    const IniFile again = reread(ini);
    EXPECT_EQ(again.readString("Joystick 1", "Button01"), "0  ##x  [General] FileVersion=1");
    EXPECT_EQ(again.readInteger("General", "FileVersion", 0), 74);
    EXPECT_EQ(again.sections(), (std::vector<std::string>{"Joystick 1", "General"}));
}

TEST(IniFileDuplicates, TheFirstIsReadAndWrittenAndDeletingRemovesEveryCopy) {
    IniFile ini = IniFile::parse(
        "[A]\r\n"
        "Key=first\r\n"
        "key=second\r\n"
        "Other=1\r\n"
        "[a]\r\n"
        "Key=other section\r\n");
    EXPECT_EQ(ini.readString("A", "KEY"), "first");
    ini.writeString("A", "Key", "changed");
    EXPECT_EQ(reread(ini).readString("A", "Key"), "changed");

    // Were the second copy left, the deleted setting would be back on the next load.
    ini.deleteKey("A", "Key");
    const IniFile again = reread(ini);
    EXPECT_FALSE(again.find("A", "Key"));
    EXPECT_EQ(again.readInteger("A", "Other", 0), 1);

    ini.eraseSection("A");
    EXPECT_EQ(reread(ini).sections(), std::vector<std::string>{});
}

TEST(IniFileDuplicates, ASectionIdNeverTakesALaterCopyForTheFirst) {
    IniFile ini = IniFile::parse("[A]\r\nKey=first\r\nOther=1\r\nKEY=second\r\n");
    IniFile::SectionId section = *ini.findSectionId("A");
    EXPECT_EQ(ini.find(section, "Other"), "1");
    // The line after Other holds a copy of Key: the first must still win.
    EXPECT_EQ(ini.find(section, "key"), "first");
    ini.writeString(section, "Other", "2");
    ini.writeString(section, "Key", "changed");
    EXPECT_EQ(ini.encode(), kBom + "[A]\r\nKey=changed\r\nOther=2\r\nKEY=second\r\n");
}

TEST(IniFileSectionId, FindsKeysInAnyOrderAndWritesNewOnesInPlace) {
    IniFile ini = IniFile::parse("[A]\r\nx=1\r\n; note\r\ny=2\r\nz=3\r\n\r\n[B]\r\n");
    IniFile::SectionId section = *ini.findSectionId("a");
    EXPECT_EQ(ini.find(section, "z"), "3");
    EXPECT_EQ(ini.find(section, "x"), "1");
    EXPECT_EQ(ini.find(section, "y"), "2");
    EXPECT_FALSE(ini.find(section, "w"));
    ini.writeString(section, "w", "new");
    ini.writeString(section, "x", "one");
    EXPECT_EQ(ini.encode(), kBom + "[A]\r\nx=one\r\n; note\r\ny=2\r\nz=3\r\nw=new\r\n\r\n[B]\r\n");
}

// Lines point into texts the file holds: a move or a value rewritten many
// times over must leave every value whole.
TEST(IniFileWrite, ValuesSurviveMovesAndManyRewrites) {
    IniFile ini = IniFile::parse("[A]\r\nShort=1\r\n");
    const std::string longValue(300, 'v');
    for (int i = 0; i < 100; ++i) {
        ini.writeString("A", "Short", std::to_string(i));
        ini.writeString("A", "Long", longValue + std::to_string(i));
    }
    IniFile moved = std::move(ini);
    IniFile assigned;
    assigned = std::move(moved);
    EXPECT_EQ(assigned.readString("A", "Short"), "99");
    EXPECT_EQ(assigned.encode(), kBom + "[A]\r\nShort=99\r\nLong=" + longValue + "99\r\n");
}

TEST(IniFileWrite, DeletingAbsentKeysCreatesNothing) {
    IniFile ini = IniFile::parse("[A]\r\nx=1\r\n");
    ini.deleteKey("A", "y");
    ini.deleteKey("B", "x");
    EXPECT_EQ(ini.encode(), kBom + "[A]\r\nx=1\r\n");
}

std::string utf16(std::u16string_view text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

TEST(IniFileEncoding, AByteOrderMarkChoosesUtf8OrUtf16) {
    const std::u16string text = u"[General]\r\nName=日本語 \U0001F3AE\r\n";
    const std::string expected = "日本語 \U0001F3AE";
    for (const std::string& bytes :
         {kBom + "[General]\r\nName=" + expected + "\r\n", utf16(text, false), utf16(text, true)}) {
        const IniFile ini = IniFile::decode(bytes, systemAnsiCodePage());
        EXPECT_EQ(ini.readString("General", "Name"), expected);
        // Whatever it was read from, it is written as UTF-8 with a mark.
        EXPECT_EQ(ini.encode(), kBom + "[General]\r\nName=" + expected + "\r\n");
    }
}

TEST(IniFileEncoding, BrokenUtf16BecomesReplacementCharacters) {
    // A high surrogate without its low half, a low one alone, then an odd last byte.
    const std::string bytes = utf16(u"[A]\nx=", false) + "\x3D\xD8" "a\x00" "\x00\xDC" "b\x00" "c"s;
    EXPECT_EQ(IniFile::decode(bytes, systemAnsiCodePage()).readString("A", "x"),
              "\xEF\xBF\xBD" "a" "\xEF\xBF\xBD" "b" "\xEF\xBF\xBD");
}

TEST(IniFileEncoding, WithoutAMarkTheAnsiCodePageIsUsed) {
    const auto cp932 = makeAnsiCodePage("CP932");
    ASSERT_NE(cp932, nullptr);
    // 表 and ソ end in the byte of a backslash; they must stay whole.
    const IniFile japanese = IniFile::decode("[\x95\x5C]\r\nName=\x83\x5C\x83\x74\x83\x67\r\n", *cp932);
    EXPECT_EQ(japanese.readString("表", "Name"), "ソフト");

    const auto cp1252 = makeAnsiCodePage("CP1252");
    ASSERT_NE(cp1252, nullptr);
    EXPECT_EQ(IniFile::decode("[A]\r\nName=Caf\xE9\r\n", *cp1252).readString("A", "Name"), "Café");
}

}  // namespace
}  // namespace vrx
