#include "Utils/IniFile.h"

#include <charconv>

#include "Utils/TextDecoding.h"

namespace vrx {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimStart(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    return text;
}

std::string_view trimBlanks(std::string_view text) {
    text = trimStart(text);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool isComment(std::string_view trimmed) { return trimmed.front() == ';' || trimmed.front() == '#'; }

// The next line of text and where the one after it starts; CR LF, LF and a
// lone CR all end a line.
std::string_view nextLine(std::string_view text, size_t& pos) {
    const size_t end = text.find_first_of("\r\n", pos);
    const std::string_view line = text.substr(pos, end - pos);
    if (end == std::string_view::npos) {
        pos = text.size();
    } else {
        pos = end + 1;
        if (text[end] == '\r' && pos < text.size() && text[pos] == '\n') ++pos;
    }
    return line;
}

std::string withoutLineBreaks(std::string_view value) {
    std::string clean(value);
    for (char& c : clean)
        if (c == '\r' || c == '\n') c = ' ';
    return clean;
}

}  // namespace

IniFile IniFile::parse(std::string_view text) {
    IniFile ini;
    size_t pos = 0;
    while (pos < text.size()) {
        const std::string_view line = nextLine(text, pos);
        const std::string_view trimmed = trimBlanks(line);
        const size_t close = trimmed.find(']');
        if (trimmed.starts_with('[') && close != std::string_view::npos) {
            Section section;
            section.name = std::string(trimBlanks(trimmed.substr(1, close - 1)));
            section.header = std::string(line);
            if (!ini.sectionIndex_.emplace(section.name, ini.sections_.size()).second) ini.duplicateSections_ = true;
            ini.sections_.push_back(std::move(section));
            continue;
        }
        Line entry;
        entry.text = std::string(line);
        if (ini.sections_.empty()) {
            // Keys before the first section belong to no section; they are
            // kept like comments.
            ini.preamble_.push_back(std::move(entry));
            continue;
        }
        Section& section = ini.sections_.back();
        const size_t equals = line.find('=');
        const std::string_view key = trimBlanks(line.substr(0, equals));
        if (!trimmed.empty() && !isComment(trimmed) && equals != std::string_view::npos && !key.empty()) {
            entry.kind = Line::Kind::Entry;
            entry.key = std::string(key);
            entry.value = std::string(trimStart(line.substr(equals + 1)));
            if (!section.index.emplace(entry.key, section.lines.size()).second) section.duplicateKeys = true;
            section.insertAt = section.lines.size() + 1;
        }
        section.lines.push_back(std::move(entry));
    }
    return ini;
}

IniFile IniFile::decode(std::string_view bytes, const AnsiCodePage& ansi) { return parse(decodeFileText(bytes, ansi)); }

IniFile IniFile::load(const std::filesystem::path& path, const AnsiCodePage& ansi, const FileStore& files) {
    try {
        return loadForUpdate(path, ansi, files);
    } catch (const std::filesystem::filesystem_error&) {
        return {};
    }
}

IniFile IniFile::loadForUpdate(const std::filesystem::path& path, const AnsiCodePage& ansi, const FileStore& files) {
    const std::optional<std::string> bytes = files.readAll(path);
    return bytes ? decode(*bytes, ansi) : IniFile{};
}

std::string IniFile::encode() const {
    size_t size = kUtf8ByteOrderMark.size();
    auto measure = [&size](const Line& line) {
        size += (line.rewritten ? line.key.size() + 1 + line.value.size() : line.text.size()) + kLineEnd.size();
    };
    for (const Line& line : preamble_) measure(line);
    for (const Section& section : sections_) {
        size += section.name.size() + 2 + section.header.size() + kLineEnd.size();
        for (const Line& line : section.lines) measure(line);
    }

    std::string out;
    out.reserve(size);
    out += kUtf8ByteOrderMark;
    auto put = [&out](const Line& line) {
        if (line.kind == Line::Kind::Deleted) return;
        if (line.rewritten) {
            out += line.key;
            out += '=';
            out += line.value;
        } else {
            out += line.text;
        }
        out += kLineEnd;
    };
    for (const Line& line : preamble_) put(line);
    for (const Section& section : sections_) {
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
    return out;
}

void IniFile::save(const std::filesystem::path& path, FileStore& files) const { saveAtomically(files, path, encode()); }

bool IniFile::isBlankLine(const Line& line) {
    return line.kind == Line::Kind::Text && trimBlanks(line.text).empty();
}

const IniFile::Section* IniFile::findSection(std::string_view name) const {
    const auto it = sectionIndex_.find(name);
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

IniFile::Section* IniFile::findSection(std::string_view name) {
    const auto it = sectionIndex_.find(name);
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

IniFile::Section& IniFile::sectionForWriting(std::string_view name) {
    if (Section* section = findSection(name)) return *section;
    // A blank line between the last section and the new one, as a person
    // would leave it; it stays behind the keys later added to that section.
    std::vector<Line>& last = sections_.empty() ? preamble_ : sections_.back().lines;
    const bool hasContent = !sections_.empty() || !preamble_.empty();
    if (hasContent && (last.empty() || !isBlankLine(last.back()))) last.push_back(Line{});
    Section section;
    section.name = std::string(name);
    sectionIndex_.emplace(section.name, sections_.size());
    sections_.push_back(std::move(section));
    return sections_.back();
}

void IniFile::reindexSections() {
    sectionIndex_.clear();
    duplicateSections_ = false;
    for (size_t i = 0; i < sections_.size(); ++i)
        if (!sectionIndex_.emplace(sections_[i].name, i).second) duplicateSections_ = true;
}

bool IniFile::hasSection(std::string_view section) const { return findSection(section) != nullptr; }

std::vector<std::string> IniFile::keys(std::string_view name) const {
    std::vector<std::string> result;
    const Section* section = findSection(name);
    if (!section) return result;
    for (size_t i = 0; i < section->lines.size(); ++i) {
        const Line& line = section->lines[i];
        if (line.kind != Line::Kind::Entry) continue;
        const auto it = section->index.find(line.key);
        if (it != section->index.end() && it->second == i) result.push_back(line.key);
    }
    return result;
}

std::vector<std::string> IniFile::sections() const {
    std::vector<std::string> result;
    for (size_t i = 0; i < sections_.size(); ++i)
        if (sectionIndex_.find(sections_[i].name)->second == i) result.push_back(sections_[i].name);
    return result;
}

const std::string* IniFile::find(std::string_view name, std::string_view key) const {
    const Section* section = findSection(name);
    if (!section) return nullptr;
    const auto it = section->index.find(key);
    return it == section->index.end() ? nullptr : &section->lines[it->second].value;
}

std::string IniFile::readString(std::string_view section, std::string_view key, std::string_view fallback) const {
    const std::string* value = find(section, key);
    return std::string(value ? std::string_view(*value) : fallback);
}

int IniFile::readInteger(std::string_view section, std::string_view key, int fallback) const {
    const std::string* value = find(section, key);
    if (!value) return fallback;
    std::string_view text = trimBlanks(*value);
    if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
    int result = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), result);
    if (error != std::errc() || end != text.data() + text.size()) return fallback;
    return result;
}

bool IniFile::readBool(std::string_view section, std::string_view key, bool fallback) const {
    return readInteger(section, key, fallback ? 1 : 0) != 0;
}

void IniFile::writeString(std::string_view name, std::string_view key, std::string_view value) {
    Section& section = sectionForWriting(name);
    std::string clean = withoutLineBreaks(value);
    const auto it = section.index.find(key);
    if (it != section.index.end()) {
        Line& line = section.lines[it->second];
        if (line.value != clean) {
            line.value = std::move(clean);
            line.rewritten = true;
        }
        return;
    }
    Line line;
    line.kind = Line::Kind::Entry;
    line.rewritten = true;
    line.key = std::string(key);
    line.value = std::move(clean);
    // Only comments and blank lines lie behind insertAt, and they are not
    // indexed, so no position in the index moves.
    section.index.emplace(line.key, section.insertAt);
    section.lines.insert(section.lines.begin() + static_cast<std::ptrdiff_t>(section.insertAt), std::move(line));
    ++section.insertAt;
}

void IniFile::writeInteger(std::string_view section, std::string_view key, int value) {
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    writeString(section, key, std::string_view(buffer, static_cast<size_t>(result.ptr - buffer)));
}

void IniFile::writeBool(std::string_view section, std::string_view key, bool value) {
    writeString(section, key, value ? "1" : "0");
}

void IniFile::deleteKey(std::string_view name, std::string_view key) {
    Section* section = findSection(name);
    if (!section) return;
    const auto it = section->index.find(key);
    if (it == section->index.end()) return;
    section->lines[it->second].kind = Line::Kind::Deleted;
    section->index.erase(it);
    if (!section->duplicateKeys) return;
    for (Line& line : section->lines)
        if (line.kind == Line::Kind::Entry && equalsIgnoringCase(line.key, key)) line.kind = Line::Kind::Deleted;
}

void IniFile::eraseSection(std::string_view name) {
    if (!findSection(name)) return;
    std::erase_if(sections_, [name](const Section& section) { return equalsIgnoringCase(section.name, name); });
    reindexSections();
}

}  // namespace vrx
