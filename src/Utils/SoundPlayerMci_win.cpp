#include "Utils/SoundPlayerMci_win.h"

#include <windows.h>
#include <mmsystem.h>

#include <iterator>

#include "Utils/WideText_win.h"

namespace vrx {

// https://learn.microsoft.com/previous-versions/dd757161(v=vs.85)
unsigned long SystemMci::send(const std::string& command) {
    return mciSendStringW(toWide(command).c_str(), nullptr, 0, nullptr);
}

// https://learn.microsoft.com/previous-versions/dd757158(v=vs.85)
std::string SystemMci::errorText(unsigned long error) {
    wchar_t text[256] = {};
    if (!mciGetErrorStringW(error, text, static_cast<UINT>(std::size(text))))
        return "MCI error " + std::to_string(error);
    return toUtf8(text);
}

}  // namespace vrx
