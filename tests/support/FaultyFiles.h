#pragma once

#include <stdexcept>
#include <system_error>

#include "Utils/FileStore.h"

namespace vrx::test {

// The real files, except for the one operation a test makes fail, as a full
// disk, a read-only folder or a locked file would.
class FaultyFiles final : public FileStore {
public:
    enum class Fault { None, Read, Write, PartialWrite, Replace };
    Fault fault = Fault::None;

    std::optional<std::string> readAll(const std::filesystem::path& path) const override {
        if (fault == Fault::Read) fail("cannot read", path, std::errc::permission_denied);
        return localFiles().readAll(path);
    }
    void writeDurably(const std::filesystem::path& path, std::string_view bytes) override {
        if (fault == Fault::Write) fail("cannot create", path, std::errc::read_only_file_system);
        if (fault == Fault::PartialWrite) {
            // The disk fills up halfway: part of the file is there.
            localFiles().writeDurably(path, bytes.substr(0, bytes.size() / 2));
            fail("cannot write", path, std::errc::no_space_on_device);
        }
        localFiles().writeDurably(path, bytes);
    }
    void replace(const std::filesystem::path& source, const std::filesystem::path& target) override {
        if (fault == Fault::Replace) fail("cannot replace", target, std::errc::permission_denied);
        localFiles().replace(source, target);
    }
    void remove(const std::filesystem::path& path) noexcept override { localFiles().remove(path); }

private:
    [[noreturn]] static void fail(const char* what, const std::filesystem::path& path, std::errc error) {
        throw std::filesystem::filesystem_error(what, path, std::make_error_code(error));
    }
};

}  // namespace vrx::test
