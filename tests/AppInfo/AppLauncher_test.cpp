#include "AppInfo/AppLauncher.h"

#include <gtest/gtest.h>

#include <vector>

#include "Utils/PathText.h"

namespace vrx {
namespace {

using Lines = std::vector<std::string>;

struct Recorder final : ShellOpener, SoundRequests {
    Lines opened, played;
    void open(const std::string& target, const std::string& parameters, const std::string& folder) override {
        opened.push_back(target + "|" + parameters + "|" + folder);
    }
    void PlaySoundFile(const std::string& path) override { played.push_back(path); }
};

TEST(AppLauncher, SoundFilesGoToTheSoundPlayerWhateverTheirCase) {
    Recorder r;
    const std::filesystem::path data = std::filesystem::path("data") / "";
    AppLauncher launcher(data, r, r);
    launcher.launch("C:\\Sounds\\Ding.MP3", "ignored", "ignored");
    launcher.launch("\\\\server\\share\\a.Wav", "", "");
    launcher.launch("/home/me/b.wav", "", "");
    launcher.launch("chime.wav", "", "");
    EXPECT_EQ(r.played, (Lines{"C:\\Sounds\\Ding.MP3", "\\\\server\\share\\a.Wav", "/home/me/b.wav",
                               pathToUtf8(data / "chime.wav")}));
    EXPECT_TRUE(r.opened.empty());
}

TEST(AppLauncher, EverythingElseGoesToTheShellWithParametersAndFolder) {
    Recorder r;
    AppLauncher launcher("data", r, r);
    launcher.launch("https://example.invalid/page", "", "");
    launcher.launch("C:\\Tools\\tool.exe", "-a", "C:\\Work");
    // Only the file name's extension counts: a folder with a dot, a name
    // that merely ends in "wav", a sound name with more after it.
    launcher.launch("C:\\My.wav\\notes", "", "");
    launcher.launch("C:\\x\\mywav", "", "");
    launcher.launch("song.wav.txt", "", "");
    EXPECT_EQ(r.opened, (Lines{"https://example.invalid/page||", "C:\\Tools\\tool.exe|-a|C:\\Work",
                               "C:\\My.wav\\notes||", "C:\\x\\mywav||", "song.wav.txt||"}));
    EXPECT_TRUE(r.played.empty());
}

}  // namespace
}  // namespace vrx
