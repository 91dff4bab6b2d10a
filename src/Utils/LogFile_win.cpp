#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include "Utils/LogFile.h"

namespace vrx {

// _wfopen shares a file for reading and writing but not for deleting, so
// the handle is made here and handed to the C runtime.
// https://learn.microsoft.com/windows/win32/api/fileapi/nf-fileapi-createfilew
std::FILE* createLogFile(const std::filesystem::path& path) {
    const HANDLE handle = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                                      CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return nullptr;
    const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_WRONLY | _O_BINARY);
    if (descriptor == -1) {
        CloseHandle(handle);
        return nullptr;
    }
    // From here on closing the FILE closes the descriptor and the handle.
    std::FILE* file = _fdopen(descriptor, "wb");
    if (!file) {
        _close(descriptor);
        return nullptr;
    }
    std::setvbuf(file, nullptr, _IONBF, 0);
    return file;
}

}  // namespace vrx
