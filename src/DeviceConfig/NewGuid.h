#pragma once

#include <string>

namespace vrx {

// A new random identifier in the registry's text form, braces included
// ("{8-4-4-4-12}" upper-case hexadecimal digits, 38 characters).
std::string newGuidText();

}  // namespace vrx
