#include "Utils/FileStore.h"

#include <cstdint>
#include <fstream>
#include <system_error>

namespace vrx {

namespace fs = std::filesystem;

fs::path temporaryPathFor(const fs::path& target) {
    // A fixed name rather than a unique one: a temporary file that a power
    // failure left behind is simply overwritten by the next save. The extra
    // extension keeps it out of a "*.cfg" listing.
    fs::path temp = target;
    temp += ".tmp";
    return temp;
}

void saveAtomically(FileStore& files, const fs::path& target, std::string_view bytes) {
    const fs::path temp = temporaryPathFor(target);
    try {
        files.writeDurably(temp, bytes);
        files.replace(temp, target);
    } catch (...) {
        files.remove(temp);
        throw;
    }
}

std::optional<std::string> readWholeFile(const fs::path& path) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found) return std::nullopt;
    if (ec) throw fs::filesystem_error("cannot read", path, ec);
    if (status.type() != fs::file_type::regular)
        throw fs::filesystem_error("not a file", path, std::make_error_code(std::errc::invalid_argument));
    std::ifstream in(path, std::ios::binary);
    if (!in) throw fs::filesystem_error("cannot open", path, std::make_error_code(std::errc::permission_denied));
    // Read at once into a string of the file's size, not grown piece by
    // piece; the loop after it takes what a file that grew meanwhile added.
    const std::uintmax_t expected = fs::file_size(path, ec);
    std::string bytes(ec ? 0 : static_cast<size_t>(expected), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<size_t>(in.gcount()));
    char buffer[65536];
    while (in && (in.read(buffer, sizeof buffer) || in.gcount() > 0))
        bytes.append(buffer, static_cast<size_t>(in.gcount()));
    if (in.bad()) throw fs::filesystem_error("cannot read", path, std::make_error_code(std::errc::io_error));
    return bytes;
}

}  // namespace vrx
