// The text side of IniFile: reading a file's text into lines and sections,
// and writing them out again.
#include "Utils/IniFile.h"

#include <cstring>
#include <functional>
#include <utility>

#include "Utils/TextDecoding.h"

namespace vrx {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimStart(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    return text;
}

bool isComment(std::string_view trimmed) { return trimmed.front() == ';' || trimmed.front() == '#'; }

// The next line of text and where the one after it starts; CR LF, LF and a
// lone CR all end a line. memchr rather than a loop over the characters:
// finding the line ends was most of the time it took to read a profile.
std::string_view nextLine(std::string_view text, size_t& pos) {
    const char* begin = text.data() + pos;
    const size_t rest = text.size() - pos;
    const auto* lf = static_cast<const char*>(std::memchr(begin, '\n', rest));
    const size_t lfAt = lf ? static_cast<size_t>(lf - begin) : rest;
    const auto* cr = static_cast<const char*>(std::memchr(begin, '\r', lfAt));
    if (!cr) {
        pos += lf ? lfAt + 1 : rest;
        return {begin, lfAt};
    }
    const auto crAt = static_cast<size_t>(cr - begin);
    pos += crAt + (lf && crAt + 1 == lfAt ? 2 : 1);
    return {begin, crAt};
}

}  // namespace

std::string_view IniFile::trimBlanks(std::string_view text) {
    text = trimStart(text);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool IniFile::isBlankLine(const Line& line) {
    return line.kind == Line::Kind::Text && trimBlanks(line.head).empty();
}

IniFile IniFile::parse(std::string_view text) { return parseText(std::string(text)); }

IniFile IniFile::parseText(std::string source) {
    IniFile ini;
    const std::string_view text = ini.keep(std::move(source));
    size_t pos = 0;
    while (pos < text.size()) {
        const std::string_view line = nextLine(text, pos);
        const std::string_view trimmed = trimBlanks(line);
        const size_t close = trimmed.starts_with('[') ? trimmed.find(']') : std::string_view::npos;
        if (close != std::string_view::npos) {
            Section section;
            section.name = std::string(trimBlanks(trimmed.substr(1, close - 1)));
            section.header = std::string(line);
            // Sections of one file tend to be alike (a profile's joysticks):
            // room for as many lines as the last one saves regrowing.
            if (!ini.sections_.empty()) {
                section.lines.reserve(ini.sections_.back().lines.size());
                section.order.reserve(ini.sections_.back().order.size());
            }
            ini.sectionIndex_.emplace(section.name, ini.sections_.size());
            ini.sections_.push_back(std::move(section));
            continue;
        }
        Line entry;
        if (ini.sections_.empty()) {
            // Keys before the first section belong to no section; they are
            // kept like comments.
            entry.head = line;
            ini.preamble_.push_back(entry);
            continue;
        }
        Section& section = ini.sections_.back();
        const size_t equals = line.find('=');
        const std::string_view key = trimBlanks(line.substr(0, equals));
        if (!trimmed.empty() && !isComment(trimmed) && equals != std::string_view::npos && !key.empty()) {
            const std::string_view value = trimStart(line.substr(equals + 1));
            entry.kind = Line::Kind::Entry;
            entry.head = line.substr(0, line.size() - value.size());
            entry.key = key;
            entry.value = value;
            section.order.push_back({CaseInsensitiveHash{}(entry.key), section.lines.size()});
            section.insertAt = section.lines.size() + 1;
        } else {
            entry.head = line;
        }
        section.lines.push_back(entry);
    }
    for (Section& section : ini.sections_) section.sortOrder();
    return ini;
}

IniFile IniFile::decode(std::string_view bytes, const AnsiCodePage& ansi) {
    return parseText(decodeFileText(bytes, ansi));
}

IniFile IniFile::load(const std::filesystem::path& path, const AnsiCodePage& ansi, const FileStore& files) {
    try {
        return loadForUpdate(path, ansi, files);
    } catch (const std::filesystem::filesystem_error&) {
        return {};
    }
}

IniFile IniFile::loadForUpdate(const std::filesystem::path& path, const AnsiCodePage& ansi, const FileStore& files) {
    std::optional<std::string> bytes = files.readAll(path);
    return bytes ? parseText(decodeFileText(std::move(*bytes), ansi)) : IniFile{};
}

std::string IniFile::encode() const {
    size_t size = kUtf8ByteOrderMark.size();
    auto measure = [&size](const Line& line) { size += line.head.size() + line.value.size() + kLineEnd.size(); };
    for (const Line& line : preamble_) measure(line);
    for (const Section& section : sections_) {
        size += section.name.size() + 2 + section.header.size() + kLineEnd.size();
        for (const Line& line : section.lines) measure(line);
    }

    // Lines that are still as read, CR LF included, lie one after the other
    // in the text read: they are copied as runs, not piece by piece.
    const std::string_view source = texts_.empty() ? std::string_view{} : std::string_view(texts_.front());
    const char* const sourceEnd = source.data() + source.size();
    std::string out;
    out.reserve(size);
    out += kUtf8ByteOrderMark;
    const char* runBegin = nullptr;
    const char* runEnd = nullptr;
    auto endRun = [&] {
        if (runBegin) out.append(runBegin, static_cast<size_t>(runEnd - runBegin));
        runBegin = runEnd = nullptr;
    };
    auto put = [&](const Line& line) {
        if (line.kind == Line::Kind::Deleted) return;
        const char* begin = line.head.data();
        const char* end = begin + line.head.size();
        bool asRead = std::less_equal<>{}(source.data(), begin) && std::less<>{}(begin, sourceEnd) &&
                      (line.value.empty() || line.value.data() == end);
        end += line.value.size();
        asRead = asRead && sourceEnd - end >= 2 && end[0] == '\r' && end[1] == '\n';
        if (!asRead) {
            endRun();
            out += line.head;
            out += line.value;
            out += kLineEnd;
            return;
        }
        if (begin != runEnd) {
            endRun();
            runBegin = begin;
        }
        runEnd = end + 2;
    };
    for (const Line& line : preamble_) put(line);
    for (const Section& section : sections_) {
        endRun();
        if (section.header.empty()) {
            out += '[';
            out += section.name;
            out += ']';
        } else {
            out += section.header;
        }
        out += kLineEnd;
        for (const Line& line : section.lines) put(line);
    }
    endRun();
    return out;
}

void IniFile::save(const std::filesystem::path& path, FileStore& files) const { saveAtomically(files, path, encode()); }

}  // namespace vrx
