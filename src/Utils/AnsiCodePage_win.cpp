#include <windows.h>

#include <charconv>
#include <string>

#include "Utils/AnsiCodePage.h"
#include "Utils/WideText_win.h"

namespace vrx {
namespace {

class WindowsCodePage final : public AnsiCodePage {
public:
    explicit WindowsCodePage(UINT codePage) : codePage_(codePage) {}

    // https://learn.microsoft.com/windows/win32/api/stringapiset/nf-stringapiset-widechartomultibyte
    std::string fromUtf8(std::string_view utf8) const override {
        const std::wstring wide = toWide(utf8);
        if (wide.empty()) return {};
        const int size = WideCharToMultiByte(codePage_, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                             nullptr, nullptr);
        if (size <= 0) return {};
        std::string ansi(static_cast<size_t>(size), '\0');
        WideCharToMultiByte(codePage_, 0, wide.data(), static_cast<int>(wide.size()), ansi.data(), size, nullptr,
                            nullptr);
        return ansi;
    }

    std::string toUtf8(std::string_view ansi) const override {
        if (ansi.empty()) return {};
        const int size = MultiByteToWideChar(codePage_, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
        if (size <= 0) return {};
        std::wstring wide(static_cast<size_t>(size), L'\0');
        MultiByteToWideChar(codePage_, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), size);
        return vrx::toUtf8(wide);
    }

    bool available() const {
        CPINFO info;
        return GetCPInfo(codePage_, &info) != FALSE;
    }

private:
    UINT codePage_;
};

}  // namespace

const AnsiCodePage& systemAnsiCodePage() {
    static const WindowsCodePage codePage(CP_ACP);
    return codePage;
}

std::unique_ptr<AnsiCodePage> makeAnsiCodePage(std::string_view name) {
    if (name.size() > 2 && (name.substr(0, 2) == "CP" || name.substr(0, 2) == "cp")) name.remove_prefix(2);
    UINT number = 0;
    const auto result = std::from_chars(name.data(), name.data() + name.size(), number);
    if (result.ec != std::errc() || result.ptr != name.data() + name.size()) return nullptr;
    auto codePage = std::make_unique<WindowsCodePage>(number);
    if (!codePage->available()) return nullptr;
    return codePage;
}

}  // namespace vrx
