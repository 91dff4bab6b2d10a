#include "Joystick/KnownControllers.h"

#include <cstdio>

#include "Utils/Logger.h"

namespace vrx {
namespace {

using namespace controller;

bool isTrimmed(char c) { return static_cast<unsigned char>(c) <= 32; }

std::string_view trim(std::string_view text) {
    while (!text.empty() && isTrimmed(text.front())) text.remove_prefix(1);
    while (!text.empty() && isTrimmed(text.back())) text.remove_suffix(1);
    return text;
}

const char* familyName(int type) {
    switch (type) {
        case kXbox360: return "Xbox 360 Controller";
        case kXboxOne: return "Xbox One Controller";
        case kPs3: return "PS3 Controller";
        case kPs4: return "PS4 Controller";
        case kPs5: return "PS5 Controller";
        default: return nullptr;
    }
}

}  // namespace

const KnownController* findKnownController(uint32_t puid) {
    for (const KnownController& row : KnownControllerTable())
        if (row.puid == puid) return &row;
    return nullptr;
}

ControllerTemplate FindControllerTemplate(uint32_t puid, std::string_view productName, Logger& log) {
    const KnownController* row = findKnownController(puid);
    ControllerTemplate found;
    if (row) {
        log.debugf("Found the controller template for %08lX", static_cast<unsigned long>(puid));
        found.type = row->type;
        if (row->name) {
            found.name = row->name;
            return found;
        }
    }
    std::string_view name = trim(productName);
    if (!name.empty()) {
        // "Controller (XBOX 360 For Windows)" names the model; an empty pair
        // of parentheses would leave no name at all, so it stays as it is.
        constexpr std::string_view kWrapper = "Controller (";
        if (name.size() > kWrapper.size() + 1 && name.starts_with(kWrapper) && name.ends_with(')'))
            name = name.substr(kWrapper.size(), name.size() - kWrapper.size() - 1);
        found.name = std::string(name);
        return found;
    }
    if (const char* family = row ? familyName(row->type) : nullptr) {
        found.name = family;
        return found;
    }
    char text[32];
    std::snprintf(text, sizeof text, "Controller (%04X-%04X)", static_cast<unsigned>(puid >> 16),
                  static_cast<unsigned>(puid & 0xFFFF));
    found.name = text;
    return found;
}

}  // namespace vrx
