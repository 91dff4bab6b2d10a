#pragma once

#include <string>
#include <vector>

namespace vrx {

// One rule: the profile for an application named by a piece of its
// executable path, of its window title, or of both.
struct AppLinkRecord {
    std::string appName;  // a label for the user only
    std::string profile;  // a profile list name, without ".cfg"
    std::string path;     // compared without regard to case
    std::string title;    // compared as it is
    bool operator==(const AppLinkRecord&) const = default;
};

// What to do for an application that no rule names: nothing, go back to
// the profile the user chose last, or switch to defaultConfig.
inline constexpr int kNoMatchNothing = 0;
inline constexpr int kNoMatchLastSelected = 1;
inline constexpr int kNoMatchDefaultConfig = 2;

// Everything AppLink.dat holds.
struct AppLinkData {
    int noMatchAction = kNoMatchNothing;
    std::string defaultConfig;
    std::vector<AppLinkRecord> rules;  // in the order they are tried
    bool operator==(const AppLinkData&) const = default;
};

}  // namespace vrx
