// The sections and keys of an IniFile; IniFileText.cpp reads and writes
// its text.
#include "Utils/IniFile.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace vrx {
namespace {

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
