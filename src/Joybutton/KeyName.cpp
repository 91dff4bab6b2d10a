#include "Joybutton/KeyName.h"

#include <cstdio>
#include <initializer_list>
#include <iterator>
#include <string_view>

#include "Utils/KeyboardLayout.h"
#include "Utils/Utf8.h"

namespace vrx {
namespace {

using NameTable = std::array<std::string_view, 256>;

// Virtual keys without an entry are named by their hexadecimal code.
constexpr NameTable makeVirtualKeyNames() {
    NameTable t{};
    auto run = [&t](unsigned first, std::initializer_list<std::string_view> names) {
        for (std::string_view name : names) t[first++] = name;
    };
    run(0x00, {"None", "Mouse Left", "Mouse Right", {}, "Mouse Middle"});
    run(0x08, {"BackSpace", "Tab"});
    run(0x0C, {"Clear", "Enter"});
    run(0x10, {"Shift", "Ctrl", "Alt", "Pause", "Caps"});
    run(0x1B, {"Escape", "前候補", "無変換"});
    run(0x20, {"Space", "PageUp", "PageDown", "End", "Home", "←", "↑", "→", "↓", "Select", {}, "Execute",
               "Print Screen", "Insert", "Delete", "Help"});
    run(0x30, {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"});
    run(0x41, {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
               "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"});
    run(0x5B, {"L-Win", "R-Win", "Application"});
    run(0x60, {"Numpad 0", "Numpad 1", "Numpad 2", "Numpad 3", "Numpad 4", "Numpad 5", "Numpad 6", "Numpad 7",
               "Numpad 8", "Numpad 9", "Numpad *", "Numpad +", "Separator", "Numpad -", "Numpad .", "Numpad /"});
    run(0x70, {"F1",  "F2",  "F3",  "F4",  "F5",  "F6",  "F7",  "F8",  "F9",  "F10", "F11", "F12",
               "F13", "F14", "F15", "F16", "F17", "F18", "F19", "F20", "F21", "F22", "F23", "F24"});
    run(0x90, {"NumLock", "ScrollLock"});
    run(0xA0, {"L-Shift", "R-Shift", "L-Ctrl", "R-Ctrl", "L-Alt", "R-Alt"});
    run(0xAD, {"Volume Mute", "Volume Down", "Volume Up", "Media Next", "Media Prev", "Media Stop",
               "Medit Play/Pause"});
    // The punctuation keys carry the Japanese keycaps; any layout that types
    // a character on them names them by that character instead.
    run(0xBA, {":", ";", "<", "-", ">", "/", "@"});
    run(0xDB, {"[", "\\", "]", "^"});
    run(0xE2, {"_"});
    run(0xF0, {"Caps"});
    run(0xF2, {"カタカナ", "半角", "全角"});
    return t;
}

constexpr NameTable kVirtualKeyNames = makeVirtualKeyNames();

// Short forms of 0x100 to 0x108 for the narrow columns of the button list.
constexpr std::string_view kSpecialKeyNames[] = {
    "漢字ON/OFF", "Numpad Enter", "←(DI)", "↑(DI)", "→(DI)", "↓(DI)", "R-Ctrl(DI)", "R-Alt(DI)", "Pause(Alt)",
};

// One table for the mouse: the buttons 0x201 to 0x203 by their low byte
// (0x200 names nothing), and the prefixes of the cursor and wheel classes 4
// to 10 by their class, the key's low byte (its amount) following in
// parentheses. Class 8 (triggers) has its own form.
constexpr std::string_view kMouseNames[] = {
    {}, "左クリック", "中クリック", "右クリック", "Mouse:↑(", "Mouse:→(", "Mouse:↓(", "Mouse:←(", "N/A", "Wheel:↑(", "Wheel:↓(",
};

std::string hexName(const char* format, uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// Layouts report control characters for Enter, Tab and the like, which make
// no visible name.
bool isVisible(char32_t c) {
    return c > 0x20 && c != 0x7F && !(c >= 0x80 && c < 0xA0) && !(c >= 0xD800 && c < 0xE000) && c <= 0x10FFFF;
}

std::string toUtf8(char32_t c) {
    std::string out;
    appendUtf8(out, c);
    return out;
}

// The numeric pad and 0xE2 keep their table names: the pad types the same
// digits as the main row, and 0xE2 types a backslash on the Japanese
// keyboard, where 0xDC already shows one.
bool asksLayout(uint32_t vk) { return (vk >= 0x30 && vk <= 0x5F) || (vk >= 0x70 && vk != 0xE2); }

std::string virtualKeyName(uint32_t vk, const KeyboardLayout& layout) {
    if (asksLayout(vk)) {
        const char32_t c = layout.virtualKeyToChar(vk);
        if (isVisible(c)) return toUtf8(c);
    }
    const std::string_view name = kVirtualKeyNames[vk];
    return name.empty() ? hexName("0x%02X", vk) : std::string(name);
}

template <size_t N>
std::string tableName(const std::string_view (&table)[N], uint32_t index) {
    return index < N && !table[index].empty() ? std::string(table[index]) : "???";
}

}  // namespace

std::string KeyName(KeyCode code, const KeyboardLayout& layout) {
    const uint32_t l = keyValue(code);
    switch (keyClass(code)) {
    case 0:
        if (code <= 0xFF) return virtualKeyName(code, layout);
        // A raw scan code, possibly with the virtual key it stands for in the
        // low byte; the profile line stores such codes, the dialog never
        // makes them.
        return l != 0 ? virtualKeyName(l, layout) : hexName("Scan 0x%02X", code >> 16);
    case 1:
        return tableName(kSpecialKeyNames, l);
    case 2:
        return l < std::size(kMouseNames) ? std::string(kMouseNames[l]) : "???";
    case 8:
        return "Button" + std::to_string(l + 1);
    case 4: case 5: case 6: case 7: case 9: case 10:
        return std::string(kMouseNames[keyClass(code)]) + std::to_string(l) + ")";
    default:
        return "???";
    }
}

std::string KeyName(KeyCode code) { return KeyName(code, systemKeyboardLayout()); }

std::string KeyList(std::span<const KeyCode, 4> keys, const KeyboardLayout& layout) {
    if (keys[0] == key::None) return "None";
    std::string text = KeyName(keys[0], layout);
    for (size_t i = 1; i < keys.size() && keys[i] != key::None; ++i) text += ", " + KeyName(keys[i], layout);
    return text;
}

std::string KeyList(std::span<const KeyCode, 4> keys) { return KeyList(keys, systemKeyboardLayout()); }

}  // namespace vrx
