#include "Ui/FileDialogs_win.h"

#include <commdlg.h>
#include <shlobj.h>

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

struct FolderPickerStart {
    std::wstring folder;
    std::wstring okCaption;
};

// https://learn.microsoft.com/windows/win32/api/shlobj_core/nc-shlobj_core-bffcallback
// Once the picker is up it starts at the folder and labels its button.
int CALLBACK folderPickerEvent(HWND picker, UINT message, LPARAM, LPARAM data) {
    if (message == BFFM_INITIALIZED) {
        const auto* start = reinterpret_cast<const FolderPickerStart*>(data);
        if (!start->folder.empty())
            SendMessageW(picker, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(start->folder.c_str()));
        SendMessageW(picker, BFFM_SETOKTEXT, 0, reinterpret_cast<LPARAM>(start->okCaption.c_str()));
    }
    return 0;
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

std::optional<std::string> pickFolder(HWND owner, const std::string& title, const std::string& startFolder,
                                      const std::string& okCaption) {
    const std::wstring heading = toWide(title);
    FolderPickerStart start{toWide(startFolder), toWide(okCaption)};
    BROWSEINFOW browse{};
    browse.hwndOwner = owner;
    browse.lpszTitle = heading.c_str();
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    browse.lpfn = folderPickerEvent;
    browse.lParam = reinterpret_cast<LPARAM>(&start);
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&browse);
    if (!chosen) return std::nullopt;
    wchar_t path[MAX_PATH] = L"";
    const bool found = SHGetPathFromIDListW(chosen, path);
    CoTaskMemFree(chosen);
    if (!found) return std::nullopt;
    return toUtf8(std::wstring_view(path));
}

}  // namespace vrx::ui
