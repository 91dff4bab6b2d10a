#include "AppLink/AppLinkFile.h"

#include <algorithm>
#include <charconv>

#include "Utils/TextDecoding.h"
#include "Utils/Utf8.h"

namespace vrx {
namespace {

constexpr std::string_view kHeader = "AppLinkData";
constexpr std::string_view kFormatNumber = "46";
constexpr char kSeparator = '|';
// Files from before the header had a colon between the fields.
constexpr char kOldSeparator = ':';
constexpr char kQuote = '"';

std::optional<std::string> readInteger(std::string_view line, int& value) {
    const char* const end = line.data() + line.size();
    const auto [stop, error] = std::from_chars(line.data(), end, value);
    if (line.empty() || error != std::errc{} || stop != end)
        return "'" + std::string(line) + "' is not a valid integer value";
    return std::nullopt;
}

// A field that starts with a quote runs to the quote that closes it, across
// separators; a doubled quote inside stands for one. Moves at past the
// closing quote; false, with at unchanged, for a quote that is never closed,
// which is then an ordinary character.
bool readQuoted(std::string_view line, size_t& at, std::string& field) {
    std::string text;
    for (size_t i = at + 1; i < line.size(); ++i) {
        if (line[i] != kQuote) {
            text += line[i];
        } else if (i + 1 < line.size() && line[i + 1] == kQuote) {
            text += kQuote;
            ++i;
        } else {
            field = std::move(text);
            at = i + 1;
            return true;
        }
    }
    return false;
}

// Every separator outside quotes ends a field, so a line ending in one has
// an empty last field. What follows a closing quote up to the next
// separator belongs to the field as well.
std::vector<std::string> splitFields(std::string_view line, char separator) {
    std::vector<std::string> fields;
    for (size_t at = 0;;) {
        std::string field;
        if (at < line.size() && line[at] == kQuote) readQuoted(line, at, field);
        const size_t end = std::min(line.find(separator, at), line.size());
        field.append(line.substr(at, end - at));
        fields.push_back(std::move(field));
        if (end == line.size()) return fields;
        at = end + 1;
    }
}

void readRules(const std::vector<std::string_view>& lines, size_t first, char separator, AppLinkData& data) {
    for (size_t i = first; i < lines.size(); ++i) {
        std::vector<std::string> fields = splitFields(lines[i], separator);
        if (fields.size() < 3) continue;
        fields.resize(4);
        data.rules.push_back({std::move(fields[0]), std::move(fields[1]), std::move(fields[2]), std::move(fields[3])});
    }
}

// A value holding the separator, or starting with a quote, is written in
// quotes: written bare it would come back cut in two or stripped of its
// quotes.
void appendField(std::string& line, std::string_view value) {
    if (value.find(kSeparator) == std::string_view::npos && !value.starts_with(kQuote)) {
        line += value;
        return;
    }
    line += kQuote;
    for (const char c : value) {
        if (c == kQuote) line += kQuote;
        line += c;
    }
    line += kQuote;
}

}  // namespace

std::string decodeAppLinkText(std::string_view bytes, const AnsiCodePage& ansi) {
    return validUtf8(decodeFileText(bytes, ansi));
}

std::vector<std::string_view> textLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

std::optional<std::string> parseAppLink(const std::vector<std::string_view>& lines, AppLinkData& data) {
    if (lines.empty() || lines[0] != kHeader) {
        data.noMatchAction = kNoMatchLastSelected;
        readRules(lines, 0, kOldSeparator, data);
        return std::nullopt;
    }
    if (lines.size() <= 3) return "Invalid Data";
    int formatNumber = 0;
    if (auto error = readInteger(lines[1], formatNumber)) return error;
    if (auto error = readInteger(lines[2], data.noMatchAction)) return error;
    data.defaultConfig = lines[3];
    readRules(lines, 4, kSeparator, data);
    return std::nullopt;
}

std::string appLinkFileBytes(const AppLinkData& data) {
    std::string text;
    text.append(kHeader).append("\r\n").append(kFormatNumber).append("\r\n");
    text.append(std::to_string(data.noMatchAction)).append("\r\n");
    text.append(data.defaultConfig).append("\r\n");
    for (const AppLinkRecord& rule : data.rules) {
        appendField(text, rule.appName);
        text += kSeparator;
        appendField(text, rule.profile);
        text += kSeparator;
        appendField(text, rule.path);
        text += kSeparator;
        appendField(text, rule.title);
        text.append("\r\n");
    }
    std::string bytes = "\xFF\xFE";
    bytes.reserve(2 + 2 * text.size());
    appendUtf16Le(bytes, text);
    return bytes;
}

}  // namespace vrx
