#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vrx {

class Logger;

// Controller types with a meaning here: the pad families that name a
// device without a product name and choose its button template.
namespace controller {
inline constexpr int kXbox360 = 31, kXboxOne = 32, kPs3 = 33, kPs4 = 34, kPs5 = 45;
inline constexpr int kSwitchPro = 38, kSwitchJoyConPair = 41;
}  // namespace controller

// A controller known by its USB vendor and product ids.
struct KnownController {
    uint32_t puid;  // vendor id << 16 | product id
    int type;
    const char* name;  // null when the product name should be used
};

// The built-in table (KnownControllerRows.cpp, generated from
// scripts/data/known-controllers.tsv), searched from the first row: where
// an id occurs twice, the first row wins.
std::span<const KnownController> KnownControllerTable();
const KnownController* findKnownController(uint32_t puid);

struct ControllerTemplate {
    std::string name;
    int type = 0;
};

// The name and type of a device by its PUID and the product name the
// system reports: the table's name when it has one; else the product name,
// trimmed and with a "Controller (...)" wrapper taken off; else a family
// name for the known pad families, or "Controller (VVVV-PPPP)".
ControllerTemplate FindControllerTemplate(uint32_t puid, std::string_view productName, Logger& log);

}  // namespace vrx
