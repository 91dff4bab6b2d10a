#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <utility>

#include "Utils/FileStore.h"

namespace vrx {
namespace {

namespace fs = std::filesystem;

[[noreturn]] void throwErrno(const char* what, const fs::path& path) {
    throw fs::filesystem_error(what, path, std::error_code(errno, std::generic_category()));
}

// Closes on every way out; a close that fails after the data was written is
// reported by writeDurably itself.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

// The rename is only durable once the folder's entry is on the disk too.
// Not every file system can sync a folder; the file itself is safe by then.
void syncFolderOf(const fs::path& path) {
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

class LocalFiles final : public FileStore {
public:
    std::optional<std::string> readAll(const fs::path& path) const override { return readWholeFile(path); }

    void writeDurably(const fs::path& path, std::string_view bytes) override {
        FileDescriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
        if (file.get() < 0) throwErrno("cannot create", path);
        while (!bytes.empty()) {
            const ssize_t written = ::write(file.get(), bytes.data(), bytes.size());
            if (written < 0) {
                if (errno == EINTR) continue;
                throwErrno("cannot write", path);
            }
            bytes.remove_prefix(static_cast<size_t>(written));
        }
        if (::fsync(file.get()) != 0) throwErrno("cannot flush", path);
        if (::close(file.release()) != 0) throwErrno("cannot close", path);
    }

    void replace(const fs::path& source, const fs::path& target) override {
        fs::rename(source, target);
        syncFolderOf(target);
    }

    void remove(const fs::path& path) noexcept override {
        std::error_code ignored;
        fs::remove(path, ignored);
    }
};

}  // namespace

FileStore& localFiles() {
    static LocalFiles files;
    return files;
}

}  // namespace vrx
