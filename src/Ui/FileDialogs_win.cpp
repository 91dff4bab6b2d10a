#include "Ui/FileDialogs_win.h"

#include <commdlg.h>

#include <vector>

#include "Utils/WideText_win.h"

namespace vrx::ui {
namespace {

// The filter as the file dialog wants it: parts ended by zeros, the whole by
// two.
std::wstring dialogFilter(const char* filter) {
    std::wstring wide = toWide(filter);
    for (wchar_t& c : wide)
        if (c == L'|') c = L'\0';
    wide.push_back(L'\0');
    wide.push_back(L'\0');
    return wide;
}

}  // namespace

std::optional<std::string> openFileDialog(HWND owner, const char* filter, const std::string& startFolder,
                                          const std::string& defaultExtension) {
    const std::wstring filterText = dialogFilter(filter);
    const std::wstring folder = toWide(startFolder);
    const std::wstring extension = toWide(defaultExtension);
    std::vector<wchar_t> file(32768, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filterText.c_str();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameW(&dialog)) return std::nullopt;
    return toUtf8(std::wstring_view(file.data()));
}

}  // namespace vrx::ui
