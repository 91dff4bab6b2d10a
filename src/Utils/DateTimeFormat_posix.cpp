#include "Utils/DateTimeFormat.h"

namespace vrx {

const DateTimeFormat& userDateTimeFormat() { return englishDateTimeFormat(); }

}  // namespace vrx
