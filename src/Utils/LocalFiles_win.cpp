#include <windows.h>

#include <system_error>
#include <utility>

#include "Utils/FileStore.h"

namespace vrx {
namespace {

namespace fs = std::filesystem;

[[noreturn]] void throwLastError(const char* what, const fs::path& path) {
    const DWORD error = GetLastError();
    throw fs::filesystem_error(what, path, std::error_code(static_cast<int>(error), std::system_category()));
}

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() {
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    }
    HANDLE get() const { return handle_; }
    HANDLE release() { return std::exchange(handle_, INVALID_HANDLE_VALUE); }

private:
    HANDLE handle_;
};

class LocalFiles final : public FileStore {
public:
    std::optional<std::string> readAll(const fs::path& path) const override { return readWholeFile(path); }

    // https://learn.microsoft.com/windows/win32/api/fileapi/nf-fileapi-flushfilebuffers
    void writeDurably(const fs::path& path, std::string_view bytes) override {
        FileHandle file(
            CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file.get() == INVALID_HANDLE_VALUE) throwLastError("cannot create", path);
        while (!bytes.empty()) {
            const DWORD chunk = bytes.size() > 0x40000000 ? 0x40000000 : static_cast<DWORD>(bytes.size());
            DWORD written = 0;
            if (!WriteFile(file.get(), bytes.data(), chunk, &written, nullptr) || written == 0)
                throwLastError("cannot write", path);
            bytes.remove_prefix(written);
        }
        if (!FlushFileBuffers(file.get())) throwLastError("cannot flush", path);
        if (!CloseHandle(file.release())) throwLastError("cannot close", path);
    }

    // MOVEFILE_WRITE_THROUGH returns only once the move is on the disk. A
    // read-only target is not replaced: the move fails with access denied.
    // https://learn.microsoft.com/windows/win32/api/winbase/nf-winbase-movefileexw
    void replace(const fs::path& source, const fs::path& target) override {
        if (!MoveFileExW(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            throwLastError("cannot replace", target);
    }

    void remove(const fs::path& path) noexcept override { DeleteFileW(path.c_str()); }
};

}  // namespace

FileStore& localFiles() {
    static LocalFiles files;
    return files;
}

}  // namespace vrx
