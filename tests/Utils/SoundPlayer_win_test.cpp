#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>

#include "Utils/PathText.h"
#include "Utils/SoundPlayer.h"
#include "Utils/SoundPlayerMci_win.h"
#include "support/RecordingLogger.h"
#include "support/TempFolder.h"

// The sound player with the system's MCI and its real thread: a request
// returns at once whatever the audio does, and a machine without an audio
// device gets the MCI failure in the log and goes on.

namespace vrx::test {
namespace {

void put16(std::string& out, uint16_t v) { out.append({static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)}); }
void put32(std::string& out, uint32_t v) {
    put16(out, static_cast<uint16_t>(v & 0xFFFF));
    put16(out, static_cast<uint16_t>(v >> 16));
}

// A quarter of a second of a 440 Hz square wave, 8 kHz, 8 bits, mono.
std::string squareWave() {
    const uint32_t samples = 2000;
    std::string wav = "RIFF";
    put32(wav, 36 + samples);
    wav += "WAVEfmt ";
    put32(wav, 16);
    put16(wav, 1);
    put16(wav, 1);
    put32(wav, 8000);
    put32(wav, 8000);
    put16(wav, 1);
    put16(wav, 8);
    wav += "data";
    put32(wav, samples);
    for (uint32_t i = 0; i < samples; ++i) wav += static_cast<char>((i / 9) % 2 ? 0xC0 : 0x40);
    return wav;
}

TEST(SoundPlayerWindows, PlaysAGeneratedWaveWithoutHoldingTheCaller) {
    TempFolder folder;
    const std::string path = pathToUtf8(folder.write("beep.wav", squareWave()));
    RecordingLogger log;
    SoundPlayer player(std::make_shared<SystemMci>(), log);
    player.init();

    const auto before = std::chrono::steady_clock::now();
    player.play(path);
    player.play(path);
    const auto took = std::chrono::steady_clock::now() - before;
    EXPECT_LT(took, std::chrono::milliseconds(100));

    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    player.shutdown();
    // Either it played, or the only complaints are MCI's own.
    for (const std::string& line : log.texts(LogLevel::Error))
        EXPECT_EQ(withoutSourcePosition(line).rfind("MCI command failed: ", 0), 0u) << line;
}

}  // namespace
}  // namespace vrx::test
