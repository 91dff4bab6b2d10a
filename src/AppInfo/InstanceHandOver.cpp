#include "AppInfo/InstanceHandOver.h"

#include "Utils/AnsiCodePage.h"

namespace vrx {

std::vector<HandOverMessage> handOverMessages(const CommandLine& commandLine, const AnsiCodePage& ansi) {
    std::vector<HandOverMessage> messages;
    if (!commandLine.profileToOpen.empty()) {
        std::string name = ansi.fromUtf8(commandLine.profileToOpen);
        name.push_back('\0');
        messages.push_back({wm::kCopyData, std::move(name)});
    }
    if (commandLine.refreshDevices) messages.push_back({wm::kVrxRefreshDevices, {}});
    if (!commandLine.noRestore) messages.push_back({wm::kVrxRestore, {}});
    return messages;
}

}  // namespace vrx
