#include <algorithm>
#include <string>

#include "Joybutton/JoyButton.h"
#include "Joybutton/LineFormat.h"
#include "Joybutton/LineScan.h"
#include "Utils/AnsiCodePage.h"

namespace vrx {
namespace {

// "%X:%X:%X:%X" of four key codes from first on, each at least digits long.
void putKeyGroup(LineWriter& out, const KeyCode* first, int digits) {
    for (int i = 0; i < 4; ++i) {
        if (i > 0) out.put(":");
        out.put(Hex{first[i], digits});
    }
}

constexpr std::string_view kCommentMark = "##";

}  // namespace

std::string JoyButton::formatLine() const {
    std::string line;
    formatLine(line);
    return line;
}

void JoyButton::formatLine(std::string& line) const {
    // One writer for the whole line: the line reaches its string at once.
    line.clear();
    LineWriter out(line);
    const auto& k = keys;
    switch (type) {
        case AssignType::Keyboard:
            out.put("1, ");
            putKeyGroup(out, k.data(), 2);
            out.putEach(", ", Fixed{autoRepeatRate, 3}, ", ", Decimal{toggle, 1}, ", ",
                        Decimal{autoRepeatDelay});
            break;
        case AssignType::Mouse:
            out.putEach("2, ", Decimal{mouseMoveX, 4}, ",", Decimal{mouseMoveY, 4}, ",", Decimal{mouseWheelV, 4},
                        ", ", Decimal{mouseLeft, 1}, ", ", Decimal{mouseMiddle, 1}, ", ", Decimal{mouseRight, 1}, ", ",
                        Fixed{autoRepeatRate, 3}, ", ", Decimal{toggle, 1}, ", ", Decimal{analogThreshold1, 2}, ", ",
                        Fixed{accelerationFactor, 1, 3}, ", ", Decimal{analogFactor}, ", ", Decimal{autoRepeatDelay},
                        ", ", Decimal{mouseButton4, 1}, ", ", Decimal{mouseButton5, 1}, ", ", Decimal{mouseWheelH, 4});
            break;
        case AssignType::Command:
            out.put("3");
            for (const auto& step : commandSteps) {
                out.put(", ");
                putKeyGroup(out, step.keys.data(), 1);
                out.putEach("@", Decimal{step.durationMs});
            }
            break;
        case AssignType::JoystickShift:
            out.putEach("5, ", Decimal{shiftTarget}, ", ", Decimal{switchDelay});
            break;
        case AssignType::ProfileSwitch:
            out.putEach("6, \"", targetName, "\", ", Decimal{switchDelay});
            break;
        case AssignType::KeyboardMulti:
            out.putEach("7, ", Decimal{static_cast<int>(switchMode)}, ", ", Decimal{switchDelay});
            for (int group = 0; group < 4; ++group) {
                out.put(", ");
                putKeyGroup(out, k.data() + 4 * group, 1);
            }
            out.putEach(", ", Decimal{analogThreshold1}, ", ", Decimal{analogThreshold2}, ", ",
                        Fixed{autoRepeatRate, 3}, ", ", Decimal{toggle, 1}, ", ", Decimal{autoRepeatDelay}, ", ",
                        Decimal{minimumHoldDuration}, ", ", Decimal{counterResetDuration});
            break;
        case AssignType::MouseAbsolute:
            out.putEach("8, ", Fixed{mouseCenterX}, ", ", Fixed{mouseCenterY}, ", ", Decimal{mouseAbsRangeX},
                        ", ", Decimal{mouseAbsRangeY}, ", ", Decimal{mouseLeft, 1}, ", ", Decimal{mouseMiddle, 1}, ", ",
                        Decimal{mouseRight, 1}, ", ", Decimal{mouseButton4, 1}, ", ", Decimal{mouseButton5, 1}, ", ",
                        Fixed{autoRepeatRate, 3}, ", ", Decimal{toggle, 1}, ", ", Decimal{autoRepeatDelay});
            break;
        case AssignType::LaunchProgram:
            out.putEach("9, \"", targetName, "\", |", programParameters, "|", programStartFrom, "|");
            break;
        case AssignType::PasteText:
            // The text takes the comment's place, so a paste slot has no comment.
            out.putEach("10, ##", pasteText);
            out.flush();
            return;
        default:
            out.put("0");
            break;
    }
    if (!comment.empty()) out.putEach("  ##", comment);
    out.flush();
}

void JoyButton::parseLine(std::string_view line, int fileVersion) {
    parseLine(line, fileVersion, systemAnsiCodePage());
}

void JoyButton::parseLine(std::string_view line, int fileVersion, const AnsiCodePage& ansi) {
    reset();
    // No key, an unassigned slot: most slots of a profile, and a default
    // slot is prepared as it is.
    if (line.empty()) return;
    if (fileVersion >= kFirstCurrentLineVersion)
        parseCurrentLine(line, fileVersion);
    else
        parseLegacyLine(line, ansi);
    prepare();
}

namespace {

// Where the quoted name of a ProfileSwitch or LaunchProgram line ends, or npos
// when the line has no pair of quotes.
struct Quoted {
    std::string_view text;
    size_t end = std::string_view::npos;  // the position after the closing quote
};

Quoted findQuoted(std::string_view text) {
    const size_t open = text.find('"');
    if (open == std::string_view::npos) return {};
    const size_t close = text.find('"', open + 1);
    if (close == std::string_view::npos) return {};
    return {text.substr(open + 1, close - open - 1), close + 1};
}

// The |parameters|folder| part of a LaunchProgram line after its quoted path.
struct LaunchFields {
    std::string_view parameters;
    std::string_view startFrom;
    size_t end = 0;  // after the last bar found
};

LaunchFields findLaunchFields(std::string_view text, size_t from) {
    LaunchFields fields;
    fields.end = from;
    const size_t bar1 = text.find('|', from);
    if (bar1 == std::string_view::npos) return fields;
    const size_t bar2 = text.find('|', bar1 + 1);
    if (bar2 == std::string_view::npos) return fields;
    fields.parameters = text.substr(bar1 + 1, bar2 - bar1 - 1);
    fields.end = bar2 + 1;
    const size_t bar3 = text.find('|', bar2 + 1);
    if (bar3 == std::string_view::npos) return fields;
    fields.startFrom = text.substr(bar2 + 1, bar3 - bar2 - 1);
    fields.end = bar3 + 1;
    return fields;
}

void parseCommandSteps(std::string_view steps, std::vector<CommandStep>& out) {
    while (!steps.empty()) {
        const size_t comma = steps.find(',');
        const std::string_view piece = steps.substr(0, comma);
        steps = comma == std::string_view::npos ? std::string_view{} : steps.substr(comma + 1);
        const size_t at = piece.find('@');
        if (at == std::string_view::npos) continue;
        CommandStep step;
        scanFields(piece.substr(0, at), "%X:%X:%X:%X", {&step.keys[0], &step.keys[1], &step.keys[2], &step.keys[3]});
        step.durationMs = std::max(0, leadingInteger(piece.substr(at + 1)));
        out.push_back(step);
    }
}

}  // namespace

void JoyButton::parseCurrentLine(std::string_view line, int fileVersion) {
    if (line.empty()) return;
    type = static_cast<AssignType>(leadingInteger(line));
    if (line.size() < 3) return;
    const std::string_view rest = line.substr(3);

    // The comment starts at the first "##". A quoted name and the launch
    // fields come before any comment the writer adds, so when they open
    // before the first "##" the search resumes after them: a profile or
    // program name holding "##" stays whole.
    const size_t firstMark = rest.find(kCommentMark);
    size_t fieldsEnd = 0;
    Quoted quoted;
    LaunchFields launch;
    if (type == AssignType::ProfileSwitch || type == AssignType::LaunchProgram) {
        quoted = findQuoted(rest);
        if (quoted.end != std::string_view::npos && rest.find('"') < firstMark) {
            fieldsEnd = quoted.end;
            const size_t bar = rest.find('|', quoted.end);
            const size_t markAfterName = rest.find(kCommentMark, quoted.end);
            if (type == AssignType::LaunchProgram && bar < markAfterName) {
                launch = findLaunchFields(rest, quoted.end);
                fieldsEnd = launch.end;
            }
        } else {
            quoted = {};
        }
    }
    const size_t mark = rest.find(kCommentMark, fieldsEnd);
    const std::string_view fields = rest.substr(0, mark);
    if (mark != std::string_view::npos) comment = std::string(rest.substr(mark + kCommentMark.size()));

    auto& k = keys;
    switch (type) {
        case AssignType::Keyboard: {
            scanFields(fields, "%X:%X:%X:%X", {&k[0], &k[1], &k[2], &k[3]});
            const size_t comma = fields.find(',');
            if (comma != std::string_view::npos)
                scanFields(fields.substr(comma + 1), "%f, %d, %d", {&autoRepeatRate, &toggle, &autoRepeatDelay});
            break;
        }
        case AssignType::Mouse:
            scanFields(fields, "%d, %d, %d, %d, %d, %d, %f, %d, %d, %f, %d, %d, %d, %d, %d",
                       {&mouseMoveX, &mouseMoveY, &mouseWheelV, &mouseLeft, &mouseMiddle, &mouseRight, &autoRepeatRate,
                        &toggle, &analogThreshold1, &accelerationFactor, &analogFactor, &autoRepeatDelay,
                        &mouseButton4, &mouseButton5, &mouseWheelH});
            break;
        case AssignType::Command:
            parseCommandSteps(fields, commandSteps);
            break;
        case AssignType::JoystickShift:
            scanFields(fields, "%d, %d", {&shiftTarget, &switchDelay});
            break;
        case AssignType::ProfileSwitch:
            if (quoted.end != std::string_view::npos) {
                targetName = std::string(quoted.text);
                if (quoted.end < fields.size()) scanFields(fields.substr(quoted.end), ", %d", {&switchDelay});
            }
            break;
        case AssignType::KeyboardMulti: {
            int mode = 0;
            if (fileVersion >= kFirstFourInputMultiVersion) {
                scanFields(fields,
                          "%d, %d, %X:%X:%X:%X, %X:%X:%X:%X, %X:%X:%X:%X, %X:%X:%X:%X, %d, %d, %f, %d, %d, %d, %d",
                          {&mode, &switchDelay, &k[0], &k[1], &k[2], &k[3], &k[4], &k[5], &k[6], &k[7], &k[8], &k[9],
                           &k[10], &k[11], &k[12], &k[13], &k[14], &k[15], &analogThreshold1, &analogThreshold2,
                           &autoRepeatRate, &toggle, &autoRepeatDelay, &minimumHoldDuration, &counterResetDuration});
            } else {
                // Older profiles had three inputs of three keys.
                scanFields(fields, "%d, %d, %X:%X:%X, %X:%X:%X, %X:%X:%X, %d, %d",
                          {&mode, &switchDelay, &k[0], &k[1], &k[2], &k[4], &k[5], &k[6], &k[8], &k[9], &k[10],
                           &analogThreshold1, &analogThreshold2});
            }
            switchMode = static_cast<SwitchMode>(mode);
            break;
        }
        case AssignType::MouseAbsolute:
            scanFields(fields, "%f, %f, %d, %d, %d, %d, %d, %d, %d, %f, %d, %d",
                       {&mouseCenterX, &mouseCenterY, &mouseAbsRangeX, &mouseAbsRangeY, &mouseLeft, &mouseMiddle,
                        &mouseRight, &mouseButton4, &mouseButton5, &autoRepeatRate, &toggle, &autoRepeatDelay});
            break;
        case AssignType::LaunchProgram:
            if (quoted.end != std::string_view::npos) {
                targetName = std::string(quoted.text);
                programParameters = std::string(launch.parameters);
                programStartFrom = std::string(launch.startFrom);
            }
            break;
        case AssignType::PasteText:
            pasteText = std::move(comment);
            comment.clear();
            break;
        default:
            break;
    }
}

void JoyButton::parseLegacyLine(std::string_view line, const AnsiCodePage& ansiCodePage) {
    if (line.empty()) return;
    // Old files were read as ANSI text; numbers are ASCII either way, and a
    // profile name goes through the same round trip as it always did.
    const std::string ansi = ansiCodePage.fromUtf8(line);
    int code = leadingInteger(ansi);
    type = static_cast<AssignType>(code);
    auto& k = keys;
    switch (type) {
        case AssignType::Keyboard:
            scanFields(ansi, "%d, %X:%X:%X, %f, %d", {&code, &k[0], &k[1], &k[2], &autoRepeatRate, &toggle});
            break;
        case AssignType::Mouse:
            autoRepeatRate = 0.0f;
            scanFields(ansi, "%d, %d, %d, %d, %d, %d, %d, %f, %d, %d, %f",
                       {&code, &mouseMoveX, &mouseMoveY, &mouseWheelV, &mouseLeft, &mouseMiddle, &mouseRight,
                        &autoRepeatRate, &toggle, &analogThreshold1, &accelerationFactor});
            break;
        case AssignType::LegacyAnalogFactor:
            // A slot that only slowed or sped up the mouse is a Mouse slot now.
            scanFields(ansi, "%d, %d", {&code, &analogFactor});
            type = AssignType::Mouse;
            break;
        case AssignType::JoystickShift:
            scanFields(ansi, "%d, %d", {&code, &shiftTarget});
            break;
        case AssignType::ProfileSwitch: {
            constexpr std::string_view kPrefix = "6, \"";
            if (ansi.size() < kPrefix.size() || ansi.compare(0, kPrefix.size(), kPrefix) != 0) break;
            // The name runs to the end of the line, less its closing quote.
            std::string name = ansiCodePage.toUtf8(std::string_view(ansi).substr(kPrefix.size()));
            if (!name.empty()) {
                size_t last = name.size() - 1;
                while (last > 0 && (static_cast<unsigned char>(name[last]) & 0xC0) == 0x80) --last;
                name.erase(last);
            }
            targetName = std::move(name);
            break;
        }
        default:
            break;
    }
}

}  // namespace vrx
