#include "Joystick/MessagePump.h"

namespace vrx {

void processPendingMessages() {}

}  // namespace vrx
