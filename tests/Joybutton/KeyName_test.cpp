#include <gtest/gtest.h>

#include <array>
#include <map>

#include "Joybutton/KeyName.h"
#include "Utils/KeyboardLayout.h"

namespace vrx {
namespace {

// A layout that types whatever a test gives it, to see which keys ask the
// layout and what is made of its answers.
class ScriptedLayout final : public KeyboardLayout {
public:
    explicit ScriptedLayout(std::map<uint32_t, char32_t> chars) : chars_(std::move(chars)) {}
    uint32_t virtualKeyToScanCode(uint32_t) const override { return 0; }
    char32_t virtualKeyToChar(uint32_t vk) const override {
        const auto found = chars_.find(vk);
        return found == chars_.end() ? 0 : found->second;
    }

private:
    std::map<uint32_t, char32_t> chars_;
};

struct NameCase {
    KeyCode code;
    const char* name;
};

void expectNames(std::initializer_list<NameCase> cases, const KeyboardLayout& layout) {
    for (const NameCase& c : cases) EXPECT_EQ(KeyName(c.code, layout), c.name) << std::hex << "code 0x" << c.code;
}

TEST(KeyName, VirtualKeysOnAUsKeyboard) {
    expectNames({{0x00, "None"},          {0x01, "Mouse Left"},   {0x03, "0x03"},       {0x04, "Mouse Middle"},
                 {0x0D, "Enter"},         {0x14, "Caps"},         {0x1C, "前候補"},     {0x1D, "無変換"},
                 {0x20, "Space"},         {0x25, "←"},            {0x28, "↓"},          {0x2A, "0x2A"},
                 {0x2F, "Help"},          {0x37, "7"},            {0x41, "A"},          {0x5A, "Z"},
                 {0x5C, "R-Win"},         {0x5F, "0x5F"},         {0x60, "Numpad 0"},   {0x6C, "Separator"},
                 {0x6F, "Numpad /"},      {0x70, "F1"},           {0x87, "F24"},        {0x91, "ScrollLock"},
                 {0xA5, "R-Alt"},         {0xB3, "Medit Play/Pause"},                   {0xBA, ";"},
                 {0xC0, "`"},             {0xDC, "\\"},           {0xE2, "_"},          {0xE5, "0xE5"},
                 {0xF0, "Caps"},          {0xF2, "カタカナ"},     {0xF4, "全角"},       {0xFF, "0xFF"}},
                usKeyboardLayout());
}

TEST(KeyName, TypedCharactersReplaceTheTableNamesWhereTheKeycapVaries) {
    const ScriptedLayout layout({{0xBA, U':'}, {0xC0, U'ö'}, {0xDE, U'€'}, {0x41, U'Q'}, {0x5B, U'𝄞'},
                                 // asked for but not shown: a control character, a lone surrogate
                                 {0x0D, U'\r'}, {0x31, U'\x7F'}, {0xBB, char32_t{0xD800}},
                                 // never asked: the pad and F-keys keep their names whatever the layout
                                 {0x60, U'0'}, {0x6A, U'*'}, {0x20, U'x'}, {0xE2, U'\\'}});
    expectNames({{0xBA, ":"}, {0xC0, "ö"}, {0xDE, "€"}, {0x41, "Q"}, {0x5B, "𝄞"}, {0x0D, "Enter"}, {0x31, "1"},
                 {0xBB, ";"}, {0x60, "Numpad 0"}, {0x6A, "Numpad *"}, {0x20, "Space"}, {0xE2, "_"}, {0x70, "F1"}},
                layout);
}

TEST(KeyName, SpecialMouseTriggerAndMoveCodes) {
    expectNames({{0x100, "漢字ON/OFF"},  {0x101, "Numpad Enter"}, {0x102, "←(DI)"},        {0x107, "R-Alt(DI)"},
                 {0x108, "Pause(Alt)"},  {0x201, "左クリック"},   {0x202, "中クリック"},    {0x203, "右クリック"},
                 {0x400, "Mouse:↑(0)"},  {0x40A, "Mouse:↑(10)"},  {0x532, "Mouse:→(50)"},   {0x6FF, "Mouse:↓(255)"},
                 {0x701, "Mouse:←(1)"},  {0x800, "Button1"},      {0x83F, "Button64"},      {0x87F, "Button128"},
                 {0x902, "Wheel:↑(2)"},  {0xA05, "Wheel:↓(5)"}},
                usKeyboardLayout());
}

// Codes a profile can hold but the program never makes must still be named
// without reading past a table.
TEST(KeyName, CodesOutsideTheTablesGetAPlaceholder) {
    expectNames({{0x109, "???"}, {0x1FF, "???"}, {0x20B, "???"}, {0x2FF, "???"}, {0x300, "???"},
                 {0x3FF, "???"}, {0xB00, "???"}, {0xFF00, "???"}, {0xFFFFFFFF, "???"},
                 {0x1E0000, "Scan 0x1E"}, {0x14B0000, "Scan 0x14B"}, {0x1E0041, "A"}},
                usKeyboardLayout());
}

// The mouse classes share one table of eleven names: below the buttons an
// empty entry, above them the prefixes of the cursor and wheel classes.
TEST(KeyName, TheMouseClassReadsTheWholeMouseNameTable) {
    expectNames({{0x200, ""}, {0x204, "Mouse:↑("}, {0x207, "Mouse:←("}, {0x208, "N/A"}, {0x20A, "Wheel:↓("}},
                usKeyboardLayout());
}

TEST(KeyList, StopsAtTheFirstEmptyKey) {
    const KeyboardLayout& us = usKeyboardLayout();
    EXPECT_EQ(KeyList(std::array<KeyCode, 4>{0x41, 0x10, 0, 0x11}, us), "A, Shift");
    EXPECT_EQ(KeyList(std::array<KeyCode, 4>{0xA2, 0xA0, 0x201, 0x83F}, us), "L-Ctrl, L-Shift, 左クリック, Button64");
    EXPECT_EQ(KeyList(std::array<KeyCode, 4>{0, 0x41, 0x42, 0x43}, us), "None");
}

}  // namespace
}  // namespace vrx
