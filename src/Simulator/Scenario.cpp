#include "Simulator/Scenario.h"

#include <array>
#include <charconv>

#include "AppInfo/SettingKeys.h"
#include "EngineTypes/SlotIndex.h"
#include "Joystick/XInputPad.h"

namespace vrx {
namespace {

using Kind = ScenarioCommand::Kind;

struct LineError {
    std::string message;
};

// The words of one line; "..." is one word, with \" and \\ inside.
std::vector<std::string> splitWords(std::string_view line) {
    std::vector<std::string> words;
    size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t') {
            ++i;
            continue;
        }
        std::string word;
        if (line[i] == '"') {
            ++i;
            for (;; ++i) {
                if (i >= line.size()) throw LineError{"a quoted text has no closing \""};
                if (line[i] == '"') break;
                if (line[i] == '\\' && i + 1 < line.size()) ++i;
                word += line[i];
            }
            ++i;
            if (i < line.size() && line[i] != ' ' && line[i] != '\t') throw LineError{"a blank must follow a quoted text"};
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t') word += line[i++];
        }
        words.push_back(std::move(word));
    }
    return words;
}

int64_t number(const std::string& word, int64_t lo, int64_t hi, const char* what) {
    int64_t value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc{} || end != word.data() + word.size() || word.empty() || value < lo || value > hi)
        throw LineError{std::string(what) + " must be a number from " + std::to_string(lo) + " to " +
                        std::to_string(hi) + ", not \"" + word + "\""};
    return value;
}

int pick(const std::string& word, std::initializer_list<const char*> names, const char* what) {
    int i = 0;
    std::string list;
    for (const char* name : names) {
        if (word == name) return i;
        if (i) list += ' ';
        list += name;
        ++i;
    }
    throw LineError{std::string(what) + " must be one of " + list + ", not \"" + word + "\""};
}

constexpr uint16_t kXButtonBits[] = {xinput::kA,         xinput::kB,          xinput::kX,         xinput::kY,
                                     xinput::kLeftShoulder, xinput::kRightShoulder, xinput::kBack, xinput::kStart,
                                     xinput::kLeftThumb, xinput::kRightThumb, xinput::kGuide,     xinput::kDpadUp,
                                     xinput::kDpadDown,  xinput::kDpadLeft,   xinput::kDpadRight};

class LineReader {
public:
    explicit LineReader(std::array<int, kMaxJoysticks>& devices) : devices_(devices) {}

    ScenarioCommand read(const std::vector<std::string>& w) {
        ScenarioCommand c;
        c.tick = static_cast<int>(number(w[0], 0, INT32_MAX, "the tick"));
        if (w.size() < 2) throw LineError{"a command must follow the tick"};
        const std::string& command = w[1];
        words_ = &w;
        if (command == "set") {
            arguments(2);
            const SettingKey* key = findSettingKey(w[2]);
            if (!key) throw LineError{"no setting is called \"" + w[2] + "\""};
            GlobalSettings check;
            if (!assignSetting(check, *key, w[3])) throw LineError{"\"" + w[3] + "\" is not a value of " + key->name};
            c.text = key->name;
            c.argument = w[3];
            c.kind = Kind::Set;
            return c;
        }
        if (command == "device") {
            arguments(2);
            c.joystick = joystick(w[2]);
            c.value = pick(w[3], {"generic", "xinput"}, "the device kind");
            devices_[c.joystick] = static_cast<int>(c.value) + 1;
            c.kind = Kind::Device;
            return c;
        }
        if (command == "button") {
            arguments(3);
            c.joystick = fedJoystick(w[2], kGeneric);
            c.index = static_cast<int>(number(w[3], 1, kButtonCount, "the button")) - 1;
            c.value = pick(w[4], {"up", "down"}, "the button state");
            c.kind = Kind::Button;
            return c;
        }
        if (command == "axis") {
            arguments(3);
            c.joystick = fedJoystick(w[2], kGeneric);
            c.index = static_cast<int>(number(w[3], 1, kAxisCount, "the axis")) - 1;
            c.value = number(w[4], -kFullValue, kFullValue, "the axis position");
            c.kind = Kind::Axis;
            return c;
        }
        if (command == "pov") {
            arguments(3);
            c.joystick = fedJoystick(w[2], kGeneric);
            c.index = static_cast<int>(number(w[3], 1, kPovCount, "the hat")) - 1;
            // Any value a device can report: the engine's rule for values
            // at and beyond a full turn is worth trying too.
            c.value = w[4] == "center" ? ScenarioCommand::kPovCentred : number(w[4], 0, 0xFFFFFFFF, "the hat value");
            c.kind = Kind::Pov;
            return c;
        }
        if (command == "xbutton") {
            arguments(3);
            c.joystick = fedJoystick(w[2], kXInput);
            const int button = pick(w[3], {"A", "B", "X", "Y", "LB", "RB", "BACK", "START", "LS", "RS", "GUIDE", "UP",
                                           "DOWN", "LEFT", "RIGHT"},
                                    "the pad button");
            c.index = kXButtonBits[button];
            c.value = pick(w[4], {"up", "down"}, "the button state");
            c.kind = Kind::XButton;
            return c;
        }
        if (command == "xtrigger") {
            arguments(3);
            c.joystick = fedJoystick(w[2], kXInput);
            c.index = pick(w[3], {"L", "R"}, "the trigger");
            c.value = number(w[4], 0, 255, "the trigger depth");
            c.kind = Kind::XTrigger;
            return c;
        }
        if (command == "xthumb") {
            arguments(3);
            c.joystick = fedJoystick(w[2], kXInput);
            c.index = pick(w[3], {"LX", "LY", "RX", "RY"}, "the thumb axis");
            c.value = number(w[4], -32768, 32767, "the thumb position");
            c.kind = Kind::XThumb;
            return c;
        }
        if (command == "foreground") {
            arguments(2);
            c.text = w[2];
            c.argument = w[3];
            c.kind = Kind::Foreground;
            return c;
        }
        if (command == "virtual-attach") {
            arguments(2);
            c.joystick = static_cast<int>(number(w[2], INT32_MIN, INT32_MAX, "the suppressed joystick"));
            c.index = static_cast<int>(number(w[3], INT32_MIN, INT32_MAX, "the target joystick"));
            c.kind = Kind::VirtualAttach;
            return c;
        }
        if (command == "virtual-press" || command == "virtual-release") {
            arguments(1);
            c.index = static_cast<int>(number(w[2], INT32_MIN, INT32_MAX, "the button"));
            c.kind = command == "virtual-press" ? Kind::VirtualPress : Kind::VirtualRelease;
            return c;
        }
        if (command == "end") {
            arguments(0);
            c.kind = Kind::End;
            return c;
        }
        throw LineError{"unknown command \"" + command + "\""};
    }

private:
    static constexpr int kGeneric = 1, kXInput = 2;

    void arguments(size_t count) const {
        if (words_->size() != count + 2)
            throw LineError{(*words_)[1] + " takes " + std::to_string(count) + " argument" + (count == 1 ? "" : "s")};
    }

    static int joystick(const std::string& word) {
        return static_cast<int>(number(word, 1, kMaxJoysticks, "the joystick")) - 1;
    }

    int fedJoystick(const std::string& word, int kind) const {
        const int j = joystick(word);
        if (devices_[j] != kind)
            throw LineError{"joystick " + word + " has no " + (kind == kGeneric ? "generic" : "xinput") +
                            " device at this point"};
        return j;
    }

    std::array<int, kMaxJoysticks>& devices_;
    const std::vector<std::string>* words_ = nullptr;
};

std::string_view withoutComment(std::string_view line) {
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"') quoted = !quoted;
        if (line[i] == '\\' && quoted) ++i;
        else if (line[i] == '#' && !quoted) return line.substr(0, i);
    }
    return line;
}

}  // namespace

ScenarioParse parseScenario(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    Scenario scenario;
    std::array<int, kMaxJoysticks> devices{};
    LineReader reader(devices);
    bool ended = false;
    int lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const size_t newline = text.find('\n');
        std::string_view line = text.substr(0, newline);
        text = newline == std::string_view::npos ? std::string_view{} : text.substr(newline + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        try {
            const std::vector<std::string> words = splitWords(withoutComment(line));
            if (words.empty()) continue;
            if (ended) throw LineError{"nothing may follow the end"};
            ScenarioCommand c = reader.read(words);
            c.line = lineNumber;
            if (!scenario.commands.empty() && c.tick < scenario.commands.back().tick)
                throw LineError{"tick " + std::to_string(c.tick) + " comes after tick " +
                                std::to_string(scenario.commands.back().tick)};
            if (c.kind == Kind::End) {
                ended = true;
                scenario.endTick = c.tick;
            }
            scenario.commands.push_back(std::move(c));
        } catch (const LineError& e) {
            return {std::nullopt, "scenario line " + std::to_string(lineNumber) + ": " + e.message};
        }
    }
    if (!ended) return {std::nullopt, "scenario line " + std::to_string(lineNumber) + ": the end command is missing"};
    return {std::move(scenario), {}};
}

}  // namespace vrx
