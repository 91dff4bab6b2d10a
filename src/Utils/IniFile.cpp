#include "Utils/IniFile.h"

#include <algorithm>
#include <charconv>
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

std::string_view trimBlanks(std::string_view text) {
    text = trimStart(text);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
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

bool isLineBreak(char c) { return c == '\r' || c == '\n'; }

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

const IniFile::Line* IniFile::Section::first(std::string_view key, size_t& next) const {
    if (uniqueKeys && next < lines.size()) {
        const Line& line = lines[next];
        if (line.kind == Line::Kind::Entry && equalsIgnoringCase(line.key, key)) {
            ++next;
            return &line;
        }
    }
    const Line* line = first(key);
    if (line) next = static_cast<size_t>(line - lines.data()) + 1;
    return line;
}

IniFile::Line* IniFile::Section::first(std::string_view key, size_t& next) {
    return const_cast<Line*>(std::as_const(*this).first(key, next));
}

void IniFile::Section::sortOrder() {
    std::sort(order.begin(), order.end());
    // Copies of a key share its hash, so they sit together with the few
    // other keys of that hash.
    for (size_t i = 0; i < order.size() && uniqueKeys; ++i)
        for (size_t j = i + 1; j < order.size() && order[j].hash == order[i].hash; ++j)
            if (equalsIgnoringCase(lines[order[i].position].key, lines[order[j].position].key)) uniqueKeys = false;
}

std::string_view IniFile::keep(std::string text) { return texts_.emplace_back(std::move(text)); }

// A line break cannot be stored in a value: CR and LF become blanks, so a
// value never spills into lines of its own. An unchanged value is left as
// it is, as is most of a profile that is saved again.
void IniFile::assignValue(Line& line, std::string_view value) {
    // A value held never has a line break, so an equal one has none either.
    if (line.value == value) return;
    if (line.ownValue == Line::kNoOwnValue) {
        line.ownValue = static_cast<uint32_t>(texts_.size());
        texts_.emplace_back();
    }
    std::string& own = texts_[line.ownValue];
    own.assign(value);
    std::replace_if(own.begin(), own.end(), isLineBreak, ' ');
    line.value = own;
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
        if (line.kind == Line::Kind::Entry && section->first(line.key) == &line) result.emplace_back(line.key);
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

std::optional<std::string_view> IniFile::find(std::string_view name, std::string_view key) const {
    std::optional<SectionId> section = findSectionId(name);
    return section ? find(*section, key) : std::nullopt;
}

std::optional<std::string_view> IniFile::find(SectionId& section, std::string_view key) const {
    const Line* line = sections_[section.index].first(key, section.nextLine);
    if (!line) return std::nullopt;
    return line->value;
}

std::string IniFile::readString(std::string_view section, std::string_view key, std::string_view fallback) const {
    return std::string(find(section, key).value_or(fallback));
}

std::string_view IniFile::numberText(std::string_view value) {
    std::string_view text = trimBlanks(value);
    if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
    return text;
}

int IniFile::readInteger(std::string_view section, std::string_view key, int fallback) const {
    const std::optional<std::string_view> value = find(section, key);
    if (!value) return fallback;
    const std::string_view text = numberText(*value);
    int result = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), result);
    if (error != std::errc() || end != text.data() + text.size()) return fallback;
    return result;
}

bool IniFile::readBool(std::string_view section, std::string_view key, bool fallback) const {
    return readInteger(section, key, fallback ? 1 : 0) != 0;
}

void IniFile::writeString(std::string_view name, std::string_view key, std::string_view value) {
    SectionId section = sectionIdForWriting(name);
    writeString(section, key, value);
}

void IniFile::writeString(SectionId& id, std::string_view key, std::string_view value) {
    Section& section = sections_[id.index];
    if (Line* line = section.first(key, id.nextLine)) {
        assignValue(*line, value);
        return;
    }
    Line line;
    line.kind = Line::Kind::Entry;
    std::string head(key);
    head += '=';
    line.head = keep(std::move(head));
    line.key = line.head.substr(0, key.size());
    assignValue(line, value);
    // Only comments and blank lines lie behind insertAt, and they are not
    // indexed, so no indexed position moves; the new entry's position is
    // above every other, so it goes last among its hash.
    const size_t hash = CaseInsensitiveHash{}(key);
    const auto at = static_cast<std::ptrdiff_t>(section.withHash(hash).second);
    section.order.insert(section.order.begin() + at, {hash, section.insertAt});
    section.lines.insert(section.lines.begin() + static_cast<std::ptrdiff_t>(section.insertAt), line);
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
