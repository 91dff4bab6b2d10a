#include "Dialogs/ShellAddress_win.h"

#include <windows.h>

#include <shellapi.h>

#include "Utils/WideText_win.h"

namespace vrx {

void openAddressWithShell(const std::string& address) {
    ShellExecuteW(nullptr, L"open", toWide(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace vrx
