#pragma once

#include <cstdint>
#include <memory>

#include "Utils/AnsiCodePage.h"

namespace vrx::fuzz {

// Files without a byte-order mark are read in the system's code page; the
// fuzzers try the double-byte one that old Japanese profiles use as well.
inline const AnsiCodePage& codePage(uint8_t choice) {
    static const std::unique_ptr<AnsiCodePage> cp932 = makeAnsiCodePage("CP932");
    return choice % 2 && cp932 ? *cp932 : systemAnsiCodePage();
}

}  // namespace vrx::fuzz
