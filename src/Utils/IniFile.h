#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "Utils/AnsiCodePage.h"
#include "Utils/CaseInsensitive.h"
#include "Utils/FileStore.h"

namespace vrx {

// An INI file held whole in memory, for files that several writers share
// (profiles, Vantorix.ini): a writer changes only the keys it owns, and
// everything else, comments, other sections and keys it does not know, is
// written back as it was read, in its place. Sections and keys keep their
// order; new keys go after the last key of their section, new sections at
// the end. Names match without regard to ASCII case. Values are UTF-8.
//
// Reading: "[name]" opens a section; "key=value" is a key, with blanks
// around the key and before the value dropped (blanks after the value are
// kept, they may belong to a comment or a text); lines starting with ';' or
// '#', and any other line, are kept but never read. When a section or a key
// occurs twice, the first one is read and written; the later ones are kept
// as they are, except that deleting a key deletes all of its copies, so a
// cleared setting cannot come back from a duplicate.
class IniFile {
public:
    IniFile() = default;
    // Lines point into text the file holds, so a copy would point into the
    // original's; nothing needs one.
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;
    IniFile(IniFile&&) noexcept = default;
    IniFile& operator=(IniFile&&) noexcept = default;

    // Text that is already UTF-8.
    static IniFile parse(std::string_view text);
    // File bytes in any of the encodings decodeFileText reads.
    static IniFile decode(std::string_view bytes, const AnsiCodePage& ansi);
    // For reading settings: a file that is missing or cannot be read reads
    // as empty, so every key takes its default.
    static IniFile load(const std::filesystem::path& path, const AnsiCodePage& ansi = systemAnsiCodePage(),
                        const FileStore& files = localFiles());
    // For a writer about to replace the file: a missing file is empty, but
    // one that exists and cannot be read throws, since writing it anew would
    // lose what it holds.
    static IniFile loadForUpdate(const std::filesystem::path& path, const AnsiCodePage& ansi = systemAnsiCodePage(),
                                 const FileStore& files = localFiles());

    // The file as it is written: UTF-8 with a byte-order mark, CRLF line ends.
    std::string encode() const;
    // Writes encode() in place of the file, atomically; throws on failure.
    void save(const std::filesystem::path& path, FileStore& files = localFiles()) const;

    bool hasSection(std::string_view section) const;
    // The section's key names in file order.
    std::vector<std::string> keys(std::string_view section) const;
    std::vector<std::string> sections() const;

    // Empty when the key is absent.
    std::optional<std::string_view> find(std::string_view section, std::string_view key) const;
    std::string readString(std::string_view section, std::string_view key, std::string_view fallback = {}) const;
    // A value that is not a decimal int (blanks around it allowed) reads as fallback.
    int readInteger(std::string_view section, std::string_view key, int fallback) const;
    // A value as numbers are read from it: without the blanks around it and
    // without a plus sign before the digits.
    static std::string_view numberText(std::string_view value);
    // Any integer other than 0 is true.
    bool readBool(std::string_view section, std::string_view key, bool fallback) const;

    // A line break cannot be stored in a value: CR and LF become blanks, so
    // a value never spills into lines of its own.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, int value);
    void writeBool(std::string_view section, std::string_view key, bool value);

    void deleteKey(std::string_view section, std::string_view key);
    void eraseSection(std::string_view section);

    // A section looked up once for many keys: a profile's joystick section
    // holds 184 slot keys, and finding the section again for each of them
    // was a good part of the time it takes to load or save a profile. An id
    // stays valid until a section is erased. It also remembers the line
    // after the last key found through it: keys are mostly read and written
    // in the order they were written before, so that line is checked first.
    struct SectionId {
        size_t index;
        size_t nextLine = 0;
    };
    std::optional<SectionId> findSectionId(std::string_view section) const;
    // Creates the section when it is missing, as a first write would.
    SectionId sectionIdForWriting(std::string_view section);
    std::optional<std::string_view> find(SectionId& section, std::string_view key) const;
    void writeString(SectionId& section, std::string_view key, std::string_view value);
    void deleteKey(SectionId section, std::string_view key);

private:
    // Lines are views into texts_: the text as read, and the texts writers
    // gave since. A profile is thousands of lines, and a string of its own
    // for each of their parts cost more than the rest of a save together.
    struct Line {
        enum class Kind : unsigned char { Text, Entry, Deleted };
        static constexpr uint32_t kNoOwnValue = UINT32_MAX;
        Kind kind = Kind::Text;
        // The text of a text line whole; for an entry what comes before
        // the value, as it was read ("  Key = ") or as the writer makes it
        // ("Key="), so that an entry keeps its spacing when only its value
        // changes.
        std::string_view head;
        std::string_view key;
        std::string_view value;
        // The entry of texts_ that holds a value a writer gave, reused when
        // the value changes again, so a file kept open does not grow.
        uint32_t ownValue = kNoOwnValue;
    };

    struct Section {
        std::string name;
        std::string header;  // the header line as read; empty for a new section
        std::vector<Line> lines;
        // The entries by the hash of their key and then by position: one
        // allocation per section rather than per key, a lookup compares
        // numbers, and the copies of a key come in file order.
        struct IndexEntry {
            size_t hash;
            size_t position;
            friend bool operator<(const IndexEntry& a, const IndexEntry& b) {
                return a.hash != b.hash ? a.hash < b.hash : a.position < b.position;
            }
        };
        std::vector<IndexEntry> order;
        // New keys go here: after the last entry, before the comments and
        // blank lines that lead over to the next section.
        size_t insertAt = 0;
        // Where no key occurs twice, an entry of the key is its first one,
        // and a line can be taken for the key without the index.
        bool uniqueKeys = true;

        // The index entries whose key has this hash.
        std::pair<size_t, size_t> withHash(size_t hash) const;
        const Line* first(std::string_view key) const;
        Line* first(std::string_view key);
        // The same, checking the line at `next` first; `next` is then the
        // line after the one found.
        const Line* first(std::string_view key, size_t& next) const;
        Line* first(std::string_view key, size_t& next);
        void sortOrder();
    };

    static IniFile parseText(std::string text);
    std::string_view keep(std::string text);
    void assignValue(Line& line, std::string_view value);

    using NameIndex = std::unordered_map<std::string, size_t, CaseInsensitiveHash, CaseInsensitiveEqual>;

    static std::string_view trimBlanks(std::string_view text);
    static bool isBlankLine(const Line& line);
    const Section* findSection(std::string_view name) const;
    Section* findSection(std::string_view name);
    Section& sectionForWriting(std::string_view name);
    void reindexSections();

    std::deque<std::string> texts_;  // a deque never moves what it holds
    std::vector<Line> preamble_;     // lines before the first section
    std::vector<Section> sections_;
    NameIndex sectionIndex_;  // first section of each name
};

}  // namespace vrx
