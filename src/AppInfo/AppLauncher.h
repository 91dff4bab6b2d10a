#pragma once

#include <filesystem>
#include <string>

#include "Joybutton/SlotServices.h"
#include "Utils/SoundRequests.h"

namespace vrx {

// The shell's "open": a program starts, a document opens in its
// application, a web address in the browser. What it made of the request is
// not reported; the shell shows its own errors.
class ShellOpener {
public:
    virtual ~ShellOpener() = default;
    virtual void open(const std::string& target, const std::string& parameters,
                      const std::string& workingFolder) = 0;
};

// Where a launch goes: sound files (".mp3", ".wav" in any case) to the
// sound player, found in the data directory when the name is relative;
// everything else to the shell with the parameters and working folder.
class AppLauncher final : public ProgramLauncher {
public:
    AppLauncher(std::filesystem::path dataDirectory, ShellOpener& shell, SoundRequests& sounds)
        : dataDirectory_(std::move(dataDirectory)), shell_(shell), sounds_(sounds) {}

    void launch(const std::string& target, const std::string& parameters,
                const std::string& workingFolder) override;

private:
    std::filesystem::path dataDirectory_;
    ShellOpener& shell_;
    SoundRequests& sounds_;
};

// True for the names the sound player takes rather than the shell.
bool isSoundFile(const std::string& target);

// A file named in a profile or the settings: an absolute name as it is
// ("C:\x.wav", "\\server\x.wav", "/x.wav"), anything else in the data directory.
std::string resolveDataFile(const std::filesystem::path& dataDirectory, const std::string& name);

// A file the user chose, as it is to be stored: inside the data directory
// relative to it, so the data directory can move with its files; elsewhere
// its full path.
std::string relativeDataFile(const std::filesystem::path& dataDirectory, const std::string& chosen);

// Where a file dialog for a stored file starts: the folder the file is in,
// or nothing (the dialog's own choice) while none is stored.
std::string dataFileFolder(const std::filesystem::path& dataDirectory, const std::string& stored);

// Whether the named file is there to be played or shown.
bool dataFileExists(const std::filesystem::path& dataDirectory, const std::string& name);

}  // namespace vrx
