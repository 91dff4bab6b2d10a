#pragma once

#include <array>
#include <filesystem>
#include <memory>
#include <span>

#include "ConfigFileManager/ButtonAlias.h"
#include "ConfigFileManager/ProfileSettings.h"
#include "Joybutton/JoystickConfig.h"
#include "Utils/AnsiCodePage.h"
#include "Utils/FileStore.h"

namespace vrx {

class IniFile;
class Logger;
struct StoredSlot;

// One profile in memory: its settings, its button alias table and the slot
// assignments of its logical joysticks, and its .cfg file.
class ConfigFile {
public:
    ConfigFile();  // a new profile with every default
    // Loads the profile file at path (see loadFrom).
    ConfigFile(const std::filesystem::path& path, Logger& log, const AnsiCodePage& ansi = systemAnsiCodePage(),
               const FileStore& files = localFiles());
    ConfigFile(const ConfigFile&) = delete;
    ConfigFile& operator=(const ConfigFile&) = delete;

    ProfileSettings settings;
    ButtonAliasTable buttonAlias;
    // Set by every edit and by a load that found no usable profile; cleared
    // by a successful load or save. Only a modified profile is saved.
    bool modified = true;

    int numberOfJoysticks() const { return settings.numberOfJoysticks; }
    int activeSlotCount() const { return vrx::activeSlotCount(settings.numberOfButtons); }

    // Joystick n exists for every n below the count; above it it may.
    JoystickConfig* joystick(int n) { return n >= 0 && n < kMaxJoysticks ? joysticks_[n].get() : nullptr; }
    const JoystickConfig* joystick(int n) const {
        return n >= 0 && n < kMaxJoysticks ? joysticks_[n].get() : nullptr;
    }

    // Creates the missing joysticks up to count (1 to 50); joysticks above a
    // smaller count are kept, so their assignments come back when it grows.
    void setNumberOfJoysticks(int count);

    // A new profile: default settings, no aliases, every slot of every
    // joystick unassigned, modified. Joysticks stay where they are in memory,
    // as the engine may still point at them.
    void setDefaults();

    // The profile from its file, in any format version from 30 on. Loading
    // never fails: a file that is missing, unreadable or too old gives the
    // defaults and leaves the profile modified, so the next save writes it
    // anew; a malformed value takes its default. Files without a byte-order
    // mark are read in the given ANSI code page.
    void loadFrom(const std::filesystem::path& path, Logger& log, const AnsiCodePage& ansi = systemAnsiCodePage(),
                  const FileStore& files = localFiles());

    // Writes the profile into its file in the current format, keeping every
    // section and key of the file that the profile does not own (and the
    // keys of joysticks and buttons above the counts), and clears the
    // modified flag. The file is replaced atomically: on failure it is left
    // as it was, the flag stays set and the error (a
    // std::filesystem::filesystem_error) reaches the caller.
    void saveTo(const std::filesystem::path& path, Logger& log, FileStore& files = localFiles(),
                const AnsiCodePage& ansi = systemAnsiCodePage());

    // Makes this profile a copy of other: settings, aliases and the
    // assignments of its joysticks up to its count. The joysticks' tab names
    // and templates stay empty; the copy is modified.
    void copyFrom(const ConfigFile& other);

private:
    void resetSettings();  // setDefaults but for the joysticks
    void readGeneral(const IniFile& ini, int fileVersion);
    void readButtonAlias(const IniFile& ini, Logger& log);
    // The slots stored are the same for every joystick of a file.
    void readJoystick(const IniFile& ini, int joystick, std::span<const StoredSlot> slots, int fileVersion,
                      const AnsiCodePage& ansi);
    void writeGeneral(IniFile& ini) const;
    void writeButtonAlias(IniFile& ini) const;
    void writeJoystick(IniFile& ini, int joystick, std::span<const StoredSlot> slots) const;

    std::array<std::unique_ptr<JoystickConfig>, kMaxJoysticks> joysticks_;
};

}  // namespace vrx
