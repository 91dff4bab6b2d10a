#include <cstdio>

#include "ConfigFileManager/ConfigFile.h"
#include "ConfigFileManager/ProfileFormat.h"
#include "Utils/IniFile.h"
#include "Utils/Logger.h"
#include "Utils/PathText.h"

namespace vrx {
namespace {

bool isStored(const ButtonAliasEntry& entry, SlotIndex slot) {
    return entry.first != slot || entry.second >= 0 || entry.third >= 0;
}

// A slot whose line would say nothing ("0": no assignment, no comment) has
// no key. This covers an unknown type read from a file too, which reads
// back as no assignment; writing "0" for it would only change the file a
// second time on the next save.
constexpr std::string_view kEmptyLine = "0";

}  // namespace

void ConfigFile::saveTo(const std::filesystem::path& path, Logger& log, FileStore& files, const AnsiCodePage& ansi) {
    log.debugf("Saving ConfigFile \"%s\"", pathToUtf8(path).c_str());
    IniFile ini = IniFile::loadForUpdate(path, ansi, files);
    writeGeneral(ini);
    writeButtonAlias(ini);
    const std::vector<StoredSlot> slots = storedSlots(kProfileFileVersion, settings.numberOfButtons);
    for (int n = 0; n < numberOfJoysticks(); ++n) writeJoystick(ini, n, slots);
    ini.save(path, files);
    modified = false;
}

void ConfigFile::writeGeneral(IniFile& ini) const {
    const ProfileSettings& s = settings;
    auto integer = [&ini](std::string_view key, int value) { ini.writeInteger(kGeneralSection, key, value); };
    auto flag = [&ini](std::string_view key, bool value) { ini.writeBool(kGeneralSection, key, value); };
    integer("FileVersion", kProfileFileVersion);
    integer("NumberOfJoysticks", s.numberOfJoysticks);
    integer("NumberOfButtons", s.numberOfButtons);
    integer("DisplayMode", s.displayMode);
    flag("UseDiagonalInput", s.useDiagonalInput);
    flag("UseDiagonalInput2", s.useDiagonalInput2);
    flag("UsePOV8Way", s.usePOV8Way);
    flag("RepeatSameKeyInSequence", s.repeatSameKeyInSequence);
    integer("Threshold", s.threshold);
    integer("Threshold2", s.threshold2);
    integer("KeySendMode", s.keySendMode);
    ini.writeString(kGeneralSection, "SoundFile", s.soundFile);
    ini.writeString(kGeneralSection, "ImageFile", s.imageFile);
    integer("VibrationSpeed1", s.vibrationSpeed1);
    integer("VibrationSpeed2", s.vibrationSpeed2);
    integer("VibrationDuration", s.vibrationDuration);
}

void ConfigFile::writeButtonAlias(IniFile& ini) const {
    char text[48];
    for (SlotIndex slot : storedAliasSlots(settings.numberOfButtons)) {
        const ButtonAliasEntry& entry = buttonAlias[slot];
        if (!isStored(entry, slot)) {
            ini.deleteKey(kButtonAliasSection, aliasKey(slot));
            continue;
        }
        std::snprintf(text, sizeof text, "%d, %d, %d", entry.first, entry.second, entry.third);
        ini.writeString(kButtonAliasSection, aliasKey(slot), text);
    }
}

void ConfigFile::writeJoystick(IniFile& ini, int n, std::span<const StoredSlot> slots) const {
    const JoystickConfig& config = *joystick(n);
    IniFile::SectionId section = ini.sectionIdForWriting(joystickSection(n));
    ini.writeString(section, "DefaultDisplayName", config.defaultDisplayName);
    ini.writeString(section, "DefaultTemplateId", config.defaultTemplateId);
    std::string line;
    for (const StoredSlot& stored : slots) {
        config.slot(stored.slot).formatLine(line);
        if (line == kEmptyLine)
            ini.deleteKey(section, stored.key);
        else
            ini.writeString(section, stored.key, line);
    }
}

}  // namespace vrx
