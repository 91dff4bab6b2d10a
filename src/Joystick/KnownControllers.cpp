#include "Joystick/KnownControllers.h"

#include <array>
#include <cstdio>

#include "Utils/Logger.h"

namespace vrx {
namespace {

constexpr uint32_t id(uint32_t vendor, uint32_t product) { return vendor << 16 | product; }

using namespace controller;

// Only rows whose ids and type are certain: an unknown pad is still named
// by its product name, while a wrong row would misname a real one.
constexpr std::array kTable{
    // Valve
    KnownController{id(0x28DE, 0x1102), 2, nullptr},  // Steam Controller, wired
    KnownController{id(0x28DE, 0x1142), 2, nullptr},  // Steam Controller, wireless receiver
    KnownController{id(0x28DE, 0x11FF), 30, "Steam Virtual Gamepad"},
    // Microsoft
    KnownController{id(0x045E, 0x028E), kXbox360, "Xbox 360 Controller"},
    KnownController{id(0x045E, 0x028F), kXbox360, nullptr},
    KnownController{id(0x045E, 0x02A1), kXbox360, "Xbox 360 Wireless Controller"},
    KnownController{id(0x045E, 0x0719), kXbox360, "Xbox 360 Wireless Controller"},
    KnownController{id(0x045E, 0x02D1), kXboxOne, "Xbox One Controller"},
    KnownController{id(0x045E, 0x02DD), kXboxOne, "Xbox One Controller"},
    KnownController{id(0x045E, 0x02E3), kXboxOne, "Xbox One Elite Controller"},
    KnownController{id(0x045E, 0x02EA), kXboxOne, "Xbox One S Controller"},
    KnownController{id(0x045E, 0x02FD), kXboxOne, "Xbox One S Controller"},
    KnownController{id(0x045E, 0x0B00), kXboxOne, "Xbox One Elite 2 Controller"},
    KnownController{id(0x045E, 0x0B05), kXboxOne, "Xbox One Elite 2 Controller"},
    KnownController{id(0x045E, 0x0B0A), kXboxOne, "Xbox Adaptive Controller"},
    KnownController{id(0x045E, 0x0B0C), kXboxOne, "Xbox Adaptive Controller"},
    KnownController{id(0x045E, 0x0B12), kXboxOne, "Xbox Series X Controller"},
    KnownController{id(0x045E, 0x0B13), kXboxOne, "Xbox Series X Controller"},
    // Logitech pads in their XInput mode
    KnownController{id(0x046D, 0xC21D), kXbox360, nullptr},  // F310
    KnownController{id(0x046D, 0xC21E), kXbox360, nullptr},  // F510
    KnownController{id(0x046D, 0xC21F), kXbox360, nullptr},  // F710
    // Sony
    KnownController{id(0x054C, 0x0268), kPs3, nullptr},
    KnownController{id(0x054C, 0x05C4), kPs4, nullptr},
    KnownController{id(0x054C, 0x09CC), kPs4, nullptr},
    KnownController{id(0x054C, 0x0BA0), kPs4, nullptr},  // wireless adapter
    KnownController{id(0x054C, 0x0CE6), kPs5, nullptr},
    KnownController{id(0x054C, 0x0DF2), kPs5, nullptr},  // DualSense Edge
    // Nintendo
    KnownController{id(0x057E, 0x2006), 39, "Nintendo Switch Joy-Con (Left)"},
    KnownController{id(0x057E, 0x2007), 40, "Nintendo Switch Joy-Con (Right)"},
    KnownController{id(0x057E, 0x2009), kSwitchPro, "Nintendo Switch Pro Controller"},
    KnownController{id(0x057E, 0x200E), kSwitchJoyConPair, "Nintendo Switch Joy-Con (Combined)"},
};

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

std::span<const KnownController> KnownControllerTable() { return kTable; }

const KnownController* findKnownController(uint32_t puid) {
    for (const KnownController& row : kTable)
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
