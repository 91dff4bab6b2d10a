#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AppLink/AppLinkFile.h"
#include "Utils/AnsiCodePage.h"
#include "Utils/Utf8.h"

namespace vrx::test {
namespace {

AppLinkData parsed(std::string_view text, std::optional<std::string>* error = nullptr) {
    AppLinkData data;
    const std::string decoded = decodeAppLinkText(text, systemAnsiCodePage());
    auto result = parseAppLink(textLines(decoded), data);
    if (error) *error = result;
    return data;
}

std::string utf16(std::string_view utf8, bool bigEndian) {
    std::string le;
    appendUtf16Le(le, utf8);
    if (!bigEndian) return "\xFF\xFE" + le;
    for (size_t i = 0; i + 1 < le.size(); i += 2) std::swap(le[i], le[i + 1]);
    return "\xFE\xFF" + le;
}

TEST(AppLinkFile, WritesUtf16WithAByteOrderMarkAndReadsItBack) {
    AppLinkData data;
    data.noMatchAction = 2;
    data.defaultConfig = "既定";
    data.rules = {{"Word", "Office", "winword.exe", ""},
                  {"Tube", "Video", "chrome.exe", "YouTube"},
                  {"Any", "Games", "", "𝄞 Notepad"}};
    const std::string bytes = appLinkFileBytes(data);
    ASSERT_EQ(bytes.substr(0, 2), "\xFF\xFE");
    std::string expectedStart;
    appendUtf16Le(expectedStart, "AppLinkData\r\n46\r\n2\r\n既定\r\nWord|Office|winword.exe|\r\n");
    EXPECT_EQ(bytes.substr(2, expectedStart.size()), expectedStart);
    EXPECT_EQ(parsed(bytes), data);
}

TEST(AppLinkFile, ValuesHoldingTheSeparatorOrAQuoteSurviveTheRoundTrip) {
    AppLinkData data;
    data.rules = {{"a|b", "\"Quoted\" name", "C:\\x|y\\", "Page | Site \"\""}, {"\"", "|", "", "\"\"x"}};
    EXPECT_EQ(parsed(appLinkFileBytes(data)), data);
}

TEST(AppLinkFile, SplitsRuleLinesAtEverySeparatorOutsideQuotes) {
    const AppLinkData data = parsed(
        "AppLinkData\r\n46\r\n0\r\n\r\n"
        "three|fields|game.exe\r\n"
        "trailing|P|game.exe|\r\n"
        "five|P|p|t|ignored\r\n"
        "too|few\r\n"
        "\r\n"
        "\"a|\"\"b\"\"\"|P|\"p\"tail|\"never closed\r\n");
    const std::vector<AppLinkRecord> expected = {{"three", "fields", "game.exe", ""},
                                                 {"trailing", "P", "game.exe", ""},
                                                 {"five", "P", "p", "t"},
                                                 {"a|\"b\"", "P", "ptail", "\"never closed"}};
    EXPECT_EQ(data.rules, expected);
}

TEST(AppLinkFile, AFileWithoutTheHeaderIsTheOlderColonLayout) {
    const AppLinkData data = parsed("Editor:Office:winword.exe\nSolo:Games\nBoth:Games:game.exe:Level\n");
    EXPECT_EQ(data.noMatchAction, 1);
    EXPECT_EQ(data.defaultConfig, "");
    const std::vector<AppLinkRecord> expected = {{"Editor", "Office", "winword.exe", ""},
                                                 {"Both", "Games", "game.exe", "Level"}};
    EXPECT_EQ(data.rules, expected);
    // It is written in the current layout, and reads back the same.
    EXPECT_EQ(parsed(appLinkFileBytes(data)), data);
}

TEST(AppLinkFile, AHeaderWithoutItsSettingsOrWithAWordForANumberIsRefused) {
    std::optional<std::string> error;
    parsed("AppLinkData\r\n46\r\n1\r\n", &error);
    EXPECT_EQ(error, "Invalid Data");
    const AppLinkData data = parsed("AppLinkData\r\n46\r\nabc\r\nDefault\r\nA|P|p|t\r\n", &error);
    EXPECT_EQ(error, "'abc' is not a valid integer value");
    EXPECT_TRUE(data.rules.empty());
    parsed("AppLinkData\r\n4 6\r\n1\r\nDefault\r\n", &error);
    EXPECT_EQ(error, "'4 6' is not a valid integer value");
}

TEST(AppLinkFile, ReadsEveryEncodingItsByteOrderMarkAnnouncesAndTheAnsiCodePageWithout) {
    const std::string text = "AppLinkData\r\n46\r\n1\r\nMenü\r\nSpiel|Menü|über.exe|Größe\r\n";
    const AppLinkData expected = parsed("\xEF\xBB\xBF" + text);
    ASSERT_EQ(expected.rules.size(), 1u);
    EXPECT_EQ(expected.rules[0].path, "über.exe");
    EXPECT_EQ(parsed(utf16(text, false)), expected);
    EXPECT_EQ(parsed(utf16(text, true)), expected);
    EXPECT_EQ(parsed(systemAnsiCodePage().fromUtf8(text)), expected);

    const auto cp932 = makeAnsiCodePage("CP932");
    ASSERT_NE(cp932, nullptr);
    AppLinkData japanese;
    parseAppLink(textLines(decodeAppLinkText(cp932->fromUtf8("ゲーム:設定:game.exe"), *cp932)), japanese);
    EXPECT_EQ(japanese.rules.at(0).appName, "ゲーム");
}

TEST(AppLinkFile, BrokenTextBecomesReplacementCharactersThatWriteAndReadBack) {
    // Bytes that are no UTF-8 (a stray continuation, an overlong slash, a
    // surrogate, a cut-off character) and a lone UTF-16 surrogate.
    const AppLinkData data = parsed("\xEF\xBB\xBF" "A\x80:P\xC0\xAF:\xED\xA0\x80x:\xE3\x81");
    ASSERT_EQ(data.rules.size(), 1u);
    EXPECT_EQ(data.rules[0], (AppLinkRecord{"A\uFFFD", "P\uFFFD\uFFFD", "\uFFFD\uFFFD\uFFFDx", "\uFFFD\uFFFD"}));
    EXPECT_EQ(parsed(appLinkFileBytes(data)), data);
    EXPECT_EQ(parsed(std::string("\xFF\xFE" "A\0:\0P\0:\0\x00\xD8", 12)).rules.at(0).path, "\uFFFD");
}

TEST(AppLinkFile, LinesEndInCrLfLfOrCrAndTheLastBreakStartsNoLine) {
    const std::vector<std::string_view> expected = {"a", "", "b", "c", ""};
    EXPECT_EQ(textLines("a\r\n\nb\rc\r\n\r\n"), expected);
    EXPECT_TRUE(textLines("").empty());
}

}  // namespace
}  // namespace vrx::test
