#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

#include "Utils/WideText_win.h"
#include "Vantorix/Application_win.h"

// The arguments as the system passes them, the program's own path first.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int showCommand) {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 0; wide && i < count; ++i) arguments.push_back(vrx::toUtf8(wide[i]));
    if (wide) LocalFree(wide);
    return vrx::runApplication(instance, showCommand, arguments);
}
