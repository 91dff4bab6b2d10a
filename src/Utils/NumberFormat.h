#pragma once

#include <string>

namespace vrx {

// A number as short as it can be read back to three decimals: rounded to
// three decimals, without trailing zeros or a bare decimal point (10, 2.5,
// 0.125; 0.0004 gives 0). Used for auto-repeat rates, which users enter with
// at most three decimals.
std::string FormatNumber3(float value);

}  // namespace vrx
