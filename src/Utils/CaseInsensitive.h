#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vrx {

// Settings files compare section and key names without regard to case, in
// ASCII only: names are ASCII, and a rule that depends on the locale would
// let the same file read differently on two systems.
constexpr char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

constexpr bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (asciiLower(a[i]) != asciiLower(b[i])) return false;
    return true;
}

// Hash and equality for unordered containers keyed by such names; both take
// string views, so a lookup builds no string.
struct CaseInsensitiveHash {
    using is_transparent = void;
    size_t operator()(std::string_view text) const {
        uint64_t hash = 14695981039346656037ull;  // FNV-1a
        for (char c : text) hash = (hash ^ static_cast<unsigned char>(asciiLower(c))) * 1099511628211ull;
        return static_cast<size_t>(hash);
    }
};

struct CaseInsensitiveEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const { return equalsIgnoringCase(a, b); }
};

}  // namespace vrx
