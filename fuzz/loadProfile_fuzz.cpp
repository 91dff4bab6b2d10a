// A profile file may be damaged, hand-edited or from any older version.
// Loading one must never crash. The first save turns whatever was read into
// the current form (a name holding a double quote, say, which no line can
// hold, loses its tail); from then on a file the program wrote must load and
// save to the same bytes, or some setting would not survive a load and save.
// It may take a second round to get there: keys of an older version that
// the first save keeps as foreign keys may mean something in the current one.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "ConfigFileManager/ConfigFile.h"
#include "FuzzCodePage.h"
#include "Utils/AnsiCodePage.h"
#include "Utils/FileStore.h"
#include "Utils/Logger.h"

namespace {

// Files in memory: the fuzzer must not touch the disk.
class MemoryFiles final : public vrx::FileStore {
public:
    std::map<std::filesystem::path, std::string> files;

    std::optional<std::string> readAll(const std::filesystem::path& path) const override {
        const auto it = files.find(path);
        if (it == files.end()) return std::nullopt;
        return it->second;
    }
    void writeDurably(const std::filesystem::path& path, std::string_view bytes) override {
        files[path] = std::string(bytes);
    }
    void replace(const std::filesystem::path& source, const std::filesystem::path& target) override {
        files[target] = std::move(files.at(source));
        files.erase(source);
    }
    void remove(const std::filesystem::path& path) noexcept override { files.erase(path); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const vrx::AnsiCodePage& ansi = vrx::fuzz::codePage(data[0]);
    const std::filesystem::path path = "Profile.cfg";
    MemoryFiles store;
    store.files[path] = std::string(reinterpret_cast<const char*>(data + 1), size - 1);
    vrx::NullLogger log;

    // One profile loaded again and again, as the profile list reloads the
    // profiles it keeps: what the last file left in it must not show.
    vrx::ConfigFile profile;
    auto loadAndSave = [&] {
        profile.loadFrom(path, log, ansi, store);
        profile.saveTo(path, log, store, ansi);
        return store.files.at(path);
    };
    const std::string first = loadAndSave();
    const std::string written = loadAndSave();
    // A file that saves to itself is where every file must end up; one that
    // does not has to get there in the next round.
    if (written != first && loadAndSave() != written) std::abort();
    if (store.files.size() != 1) std::abort();
    return 0;
}
