#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>

#include "Arguments.h"
#include "Utils/WideText_win.h"

namespace vrx {

// argv holds the arguments in the ANSI code page, which loses characters
// outside it; the wide command line has them all.
std::vector<std::string> commandLineArguments(int, char**) {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> result;
    for (int i = 1; wide && i < count; ++i) result.push_back(toUtf8(wide[i]));
    if (wide) LocalFree(wide);
    return result;
}

void useBinaryStandardOutput() {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

}  // namespace vrx
