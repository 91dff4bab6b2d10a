#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vrx {

// The few file operations that settings and profile files need, behind an
// interface so that tests can make any of them fail. Failures are thrown as
// std::filesystem::filesystem_error naming the path.
class FileStore {
public:
    virtual ~FileStore() = default;

    // The whole file; nothing when it does not exist. A file that exists but
    // cannot be read is an error: a writer that took it for empty would
    // replace what it could not see.
    virtual std::optional<std::string> readAll(const std::filesystem::path& path) const = 0;
    // Creates or truncates the file, writes the bytes and waits until they
    // are on the disk.
    virtual void writeDurably(const std::filesystem::path& path, std::string_view bytes) = 0;
    // Puts source in target's place in one step: whoever looks sees either
    // the old target or the complete new one.
    virtual void replace(const std::filesystem::path& source, const std::filesystem::path& target) = 0;
    // Best effort; used to clean up after a failure, so it must not throw.
    virtual void remove(const std::filesystem::path& path) noexcept = 0;
};

// The files of the running system.
FileStore& localFiles();

// Where the new contents of target are written before they replace it: in
// the same folder, so the replacement is a rename within one volume.
std::filesystem::path temporaryPathFor(const std::filesystem::path& target);

// Replaces target's contents with bytes so that a failure at any point
// leaves the previous file as it was and no temporary file behind; the
// failure is rethrown.
void saveAtomically(FileStore& files, const std::filesystem::path& target, std::string_view bytes);

// readAll on std::ifstream, shared by the platform stores.
std::optional<std::string> readWholeFile(const std::filesystem::path& path);

}  // namespace vrx
