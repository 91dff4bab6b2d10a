#include "Cli/ProfileCommands.h"

#include <exception>
#include <filesystem>
#include <ostream>

#include "ConfigFileManager/ConfigFile.h"
#include "EngineTypes/ButtonNames.h"
#include "Joybutton/DescribeAssignment.h"
#include "Joystick/DisplayRows.h"
#include "Utils/FileStore.h"
#include "Utils/Logger.h"
#include "Utils/PathText.h"

namespace vrx {
namespace {

namespace fs = std::filesystem;

// Saving into another file reads that file's foreign sections and keys
// from the original, so the copy keeps them as a save in place would.
class ReadsFromOriginal final : public FileStore {
public:
    ReadsFromOriginal(fs::path original, fs::path target) : original_(std::move(original)), target_(std::move(target)) {}

    std::optional<std::string> readAll(const fs::path& path) const override {
        return localFiles().readAll(path == target_ ? original_ : path);
    }
    void writeDurably(const fs::path& path, std::string_view bytes) override {
        localFiles().writeDurably(path, bytes);
    }
    void replace(const fs::path& source, const fs::path& target) override { localFiles().replace(source, target); }
    void remove(const fs::path& path) noexcept override { localFiles().remove(path); }

private:
    fs::path original_;
    fs::path target_;
};

bool existingProfile(const fs::path& path, std::ostream& err) {
    std::error_code error;
    if (fs::is_regular_file(path, error)) return true;
    err << "no profile at " << pathToUtf8(path) << '\n';
    return false;
}

}  // namespace

int runDescribeCommand(std::span<const std::string> arguments, std::ostream& out, std::ostream& err) {
    if (arguments.size() != 1) {
        err << "usage: vantorix-cli describe PROFILE.cfg\n";
        return 2;
    }
    const fs::path path = pathFromUtf8(arguments[0]);
    if (!existingProfile(path, err)) return 1;
    NullLogger log;
    ConfigFile profile(path, log);
    const std::vector<SlotIndex> rows = displayedSlots(profile.settings);
    for (int n = 0; n < profile.numberOfJoysticks(); ++n) {
        JoystickConfig& joystick = *profile.joystick(n);
        for (SlotIndex slot : rows) {
            JoyButton& b = joystick.slot(slot);
            b.prepare();
            out << n + 1 << '\t' << ButtonLabel(slot, nullptr) << '\t' << DescribeAssignment(b) << '\t'
                << AutoRepeatText(b.autoRepeatRate) << '\t' << b.comment << '\n';
        }
    }
    return 0;
}

int runResaveCommand(std::span<const std::string> arguments, std::ostream&, std::ostream& err) {
    if (arguments.empty() || arguments.size() > 2) {
        err << "usage: vantorix-cli resave PROFILE.cfg [OUT.cfg]\n";
        return 2;
    }
    const fs::path source = pathFromUtf8(arguments[0]);
    const fs::path target = arguments.size() == 2 ? pathFromUtf8(arguments[1]) : source;
    if (!existingProfile(source, err)) return 1;
    NullLogger log;
    ConfigFile profile(source, log);
    ReadsFromOriginal files(source, target);
    try {
        profile.saveTo(target, log, files);
    } catch (const std::exception& e) {
        err << "cannot save " << pathToUtf8(target) << ": " << e.what() << '\n';
        return 1;
    }
    return 0;
}

}  // namespace vrx
