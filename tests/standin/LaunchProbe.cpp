// A program for a LaunchProgram slot to start in the end-to-end tests: it
// writes the command line it got and the folder it runs in into
// "launched.txt" in that folder, and ends.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    wchar_t folder[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, folder);
    HANDLE file = CreateFileW(L"launched.txt", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    const wchar_t* line = GetCommandLineW();
    DWORD written = 0;
    WriteFile(file, line, static_cast<DWORD>(lstrlenW(line) * sizeof(wchar_t)), &written, nullptr);
    WriteFile(file, L"\n", sizeof(wchar_t), &written, nullptr);
    WriteFile(file, folder, static_cast<DWORD>(lstrlenW(folder) * sizeof(wchar_t)), &written, nullptr);
    CloseHandle(file);
    return 0;
}
