#include <algorithm>
#include <bitset>

#include "ConfigFileManager/ConfigFile.h"
#include "ConfigFileManager/ProfileFormat.h"
#include "Joybutton/LineScan.h"
#include "Utils/IniFile.h"
#include "Utils/Logger.h"
#include "Utils/PathText.h"

namespace vrx {

void ConfigFile::loadFrom(const std::filesystem::path& path, Logger& log, const AnsiCodePage& ansi,
                          const FileStore& files) {
    // Like setDefaults, but each slot is reset only once: the joysticks that
    // are read reset their slots as they read them.
    resetSettings();
    log.debugf("Parsing ConfigFile \"%s\"", pathToUtf8(path).c_str());
    const IniFile ini = IniFile::load(path, ansi, files);
    const int fileVersion = ini.readInteger(kGeneralSection, "FileVersion", 0);
    const bool usable = fileVersion >= kOldestProfileFileVersion;
    if (usable) {
        readGeneral(ini, fileVersion);
        readButtonAlias(ini, log);
    }
    const std::vector<StoredSlot> slots = storedSlots(fileVersion, settings.numberOfButtons);
    // A profile that was in use must not keep its old slots where the file
    // has no key for them.
    for (int n = 0; n < kMaxJoysticks; ++n) {
        if (!joysticks_[n]) continue;
        if (usable && n < numberOfJoysticks())
            readJoystick(ini, n, slots, fileVersion, ansi);
        else
            joysticks_[n]->reset();
    }
    if (usable) modified = false;
}

void ConfigFile::readGeneral(const IniFile& ini, int fileVersion) {
    auto integer = [&ini](std::string_view key, int fallback) {
        return ini.readInteger(kGeneralSection, key, fallback);
    };
    auto flag = [&ini](std::string_view key) { return ini.readBool(kGeneralSection, key, false); };
    ProfileSettings& s = settings;

    setNumberOfJoysticks(std::clamp(integer("NumberOfJoysticks", 2), 1, kMaxJoysticks));
    s.numberOfButtons = std::clamp(integer("NumberOfButtons", 32), 0, kButtonCount);

    if (fileVersion >= kFirstDisplayModeVersion)
        s.displayMode = integer("DisplayMode", 0);
    else
        s.displayMode = flag("Use8Axes") ? 3 : flag("UsePOV") ? 1 : 0;

    s.useDiagonalInput = flag("UseDiagonalInput");
    s.useDiagonalInput2 = fileVersion >= kFirstSecondDiagonalSwitchVersion ? flag("UseDiagonalInput2")
                                                                          : s.useDiagonalInput;
    s.usePOV8Way = flag("UsePOV8Way");
    s.repeatSameKeyInSequence = flag("RepeatSameKeyInSequence");
    // A negative threshold would count every idle slot as pressed; the
    // stored range is 0 to 1000.
    s.threshold = std::clamp(integer("Threshold", 0), 0, 1000);
    s.threshold2 = std::clamp(integer("Threshold2", 0), 0, 1000);
    s.keySendMode = integer("KeySendMode", 0);
    s.soundFile = ini.readString(kGeneralSection, "SoundFile");
    s.imageFile = ini.readString(kGeneralSection, "ImageFile");
    s.vibrationSpeed1 = integer("VibrationSpeed1", 0);
    s.vibrationSpeed2 = integer("VibrationSpeed2", 0);
    s.vibrationDuration = integer("VibrationDuration", 0);
}

void ConfigFile::readButtonAlias(const IniFile& ini, Logger& log) {
    for (SlotIndex slot : storedAliasSlots(settings.numberOfButtons)) {
        const std::optional<std::string_view> value = ini.find(kButtonAliasSection, aliasKey(slot));
        if (!value || value->empty()) continue;
        // Numbers the text does not hold keep the entry's own.
        ButtonAliasEntry entry = buttonAlias[slot];
        scanFields(*value, "%d, %d, %d", {&entry.first, &entry.second, &entry.third});
        buttonAlias.set(slot, entry);
    }
    buttonAlias.validate(log);
}

void ConfigFile::readJoystick(const IniFile& ini, int n, std::span<const StoredSlot> slots, int fileVersion,
                              const AnsiCodePage& ansi) {
    JoystickConfig& config = *joystick(n);
    std::optional<IniFile::SectionId> section = ini.findSectionId(joystickSection(n));
    auto find = [&](std::string_view key) { return section ? ini.find(*section, key) : std::nullopt; };
    auto text = [&](std::string_view key) { return std::string(find(key).value_or(std::string_view{})); };
    config.defaultDisplayName = text("DefaultDisplayName");
    config.defaultTemplateId = text("DefaultTemplateId");
    std::bitset<kSlotCount> read;
    for (const StoredSlot& stored : slots) {
        const std::optional<std::string_view> line = find(stored.key);
        config.slot(stored.slot).parseLine(line.value_or(std::string_view{}), fileVersion, ansi);
        read.set(static_cast<size_t>(stored.slot));
    }
    for (SlotIndex slot = 0; slot < kSlotCount; ++slot)
        if (!read[static_cast<size_t>(slot)]) config.slot(slot).reset();
}

}  // namespace vrx
