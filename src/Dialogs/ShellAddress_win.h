#pragma once

#include <functional>
#include <string>

namespace vrx {

// Opens a web address (or any document) with the system's default handler.
using AddressOpener = std::function<void(const std::string& address)>;
void openAddressWithShell(const std::string& address);

}  // namespace vrx
