#pragma once

namespace vrx {

// Lets the calling thread's windows handle the messages waiting for them,
// for code that must wait on the user-interface thread without freezing it.
// Without a window system there is nothing to handle.
void processPendingMessages();

}  // namespace vrx
