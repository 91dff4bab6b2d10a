#include "Utils/IniFile.h"

#include <algorithm>
#include <charconv>
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

std::string_view trimBlanks(std::string_view text) {
    text = trimStart(text);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool isComment(std::string_view trimmed) { return trimmed.front() == ';' || trimmed.front() == '#'; }

// The next line of text and where the one after it starts; CR LF, LF and a
// lone CR all end a line.
std::string_view nextLine(std::string_view text, size_t& pos) {
    size_t end = pos;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    const std::string_view line = text.substr(pos, end - pos);
    pos = end;
    if (pos < text.size() && text[pos++] == '\r' && pos < text.size() && text[pos] == '\n') ++pos;
    return line;
}

// Stores value in place of target's text, reusing its buffer.
void assignWithoutLineBreaks(std::string& target, std::string_view value) {
    target.assign(value);
    std::replace_if(target.begin(), target.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
}

}  // namespace

std::pair<size_t, size_t> IniFile::Section::withHash(size_t hash) const {
    const auto begin = std::lower_bound(order.begin(), order.end(), IndexEntry{hash, 0});
    auto end = begin;
    while (end != order.end() && end->hash == hash) ++end;
    return {static_cast<size_t>(begin - order.begin()), static_cast<size_t>(end - order.begin())};
}

const IniFile::Line* IniFile::Section::first(std::string_view key) const {
    const auto [begin, end] = withHash(CaseInsensitiveHash{}(key));
    for (size_t i = begin; i < end; ++i)
        if (equalsIgnoringCase(lines[order[i].position].key, key)) return &lines[order[i].position];
    return nullptr;
}

IniFile::Line* IniFile::Section::first(std::string_view key) {
    return const_cast<Line*>(std::as_const(*this).first(key));
}

void IniFile::Section::sortOrder() { std::sort(order.begin(), order.end()); }

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
            entry.head = std::string(line);
            ini.preamble_.push_back(std::move(entry));
            continue;
        }
        Section& section = ini.sections_.back();
        const size_t equals = line.find('=');
        const std::string_view key = trimBlanks(line.substr(0, equals));
        if (!trimmed.empty() && !isComment(trimmed) && equals != std::string_view::npos && !key.empty()) {
            const std::string_view value = trimStart(line.substr(equals + 1));
            entry.kind = Line::Kind::Entry;
            entry.head = std::string(line.substr(0, line.size() - value.size()));
            entry.key = std::string(key);
            entry.value = std::string(value);
            section.order.push_back({CaseInsensitiveHash{}(entry.key), section.lines.size()});
            section.insertAt = section.lines.size() + 1;
        } else {
            entry.head = std::string(line);
        }
        section.lines.push_back(std::move(entry));
    }
    for (Section& section : ini.sections_) section.sortOrder();
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
    auto measure = [&size](const Line& line) { size += line.head.size() + line.value.size() + kLineEnd.size(); };
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
        out += line.head;
        out += line.value;
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
    return line.kind == Line::Kind::Text && trimBlanks(line.head).empty();
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
    for (size_t i = 0; i < sections_.size(); ++i) sectionIndex_.emplace(sections_[i].name, i);
}

bool IniFile::hasSection(std::string_view section) const { return findSection(section) != nullptr; }

std::vector<std::string> IniFile::keys(std::string_view name) const {
    std::vector<std::string> result;
    const Section* section = findSection(name);
    if (!section) return result;
    for (const Line& line : section->lines)
        if (line.kind == Line::Kind::Entry && section->first(line.key) == &line) result.push_back(line.key);
    return result;
}

std::vector<std::string> IniFile::sections() const {
    std::vector<std::string> result;
    for (const Section& section : sections_)
        if (findSection(section.name) == &section) result.push_back(section.name);
    return result;
}

std::optional<IniFile::SectionId> IniFile::findSectionId(std::string_view section) const {
    const auto it = sectionIndex_.find(section);
    if (it == sectionIndex_.end()) return std::nullopt;
    return SectionId{it->second};
}

IniFile::SectionId IniFile::sectionIdForWriting(std::string_view section) {
    return SectionId{static_cast<size_t>(&sectionForWriting(section) - sections_.data())};
}

const std::string* IniFile::find(std::string_view name, std::string_view key) const {
    const std::optional<SectionId> section = findSectionId(name);
    return section ? find(*section, key) : nullptr;
}

const std::string* IniFile::find(SectionId section, std::string_view key) const {
    const Line* line = sections_[section.index].first(key);
    return line ? &line->value : nullptr;
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
    writeString(sectionIdForWriting(name), key, value);
}

void IniFile::writeString(SectionId id, std::string_view key, std::string_view value) {
    Section& section = sections_[id.index];
    if (Line* line = section.first(key)) {
        assignWithoutLineBreaks(line->value, value);
        return;
    }
    Line line;
    line.kind = Line::Kind::Entry;
    line.key = std::string(key);
    line.head = line.key + "=";
    assignWithoutLineBreaks(line.value, value);
    // Only comments and blank lines lie behind insertAt, and they are not
    // indexed, so no indexed position moves; the new entry's position is
    // above every other, so it goes last among its hash.
    const size_t hash = CaseInsensitiveHash{}(key);
    const auto at = static_cast<std::ptrdiff_t>(section.withHash(hash).second);
    section.order.insert(section.order.begin() + at, {hash, section.insertAt});
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
    if (const std::optional<SectionId> section = findSectionId(name)) deleteKey(*section, key);
}

void IniFile::deleteKey(SectionId id, std::string_view key) {
    Section* section = &sections_[id.index];
    const auto [from, to] = section->withHash(CaseInsensitiveHash{}(key));
    const auto begin = section->order.begin() + static_cast<std::ptrdiff_t>(from);
    const auto end = section->order.begin() + static_cast<std::ptrdiff_t>(to);
    const auto deleted = std::remove_if(begin, end, [section, key](const Section::IndexEntry& entry) {
        Line& line = section->lines[entry.position];
        if (!equalsIgnoringCase(line.key, key)) return false;
        line.kind = Line::Kind::Deleted;
        return true;
    });
    section->order.erase(deleted, end);
}

void IniFile::eraseSection(std::string_view name) {
    if (!findSection(name)) return;
    std::erase_if(sections_, [name](const Section& section) { return equalsIgnoringCase(section.name, name); });
    reindexSections();
}

}  // namespace vrx
