#include <windows.h>

#include <gtest/gtest.h>
#include <shlobj.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "AppInfo/StartUp.h"
#include "Utils/WideText_win.h"
#include "support/ProgramInstance_win.h"
#include "support/TempFolder.h"

// The two release packages as a user gets them: the installer run silently
// and the zip unpacked. scripts/package.sh --check builds them and runs
// these in a fresh Wine prefix, naming the packages in the environment;
// ordinary runs of the suite have no packages and skip them.

namespace vrx::test {
namespace {

namespace fs = std::filesystem;

std::wstring environment(const wchar_t* name) {
    const wchar_t* value = _wgetenv(name);
    return value ? value : L"";
}

fs::path knownFolder(REFKNOWNFOLDERID id) {
    PWSTR path = nullptr;
    fs::path folder;
    if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &path))) folder = path;
    CoTaskMemFree(path);
    return folder;
}

bool uninstallEntryExists() {
    HKEY key = nullptr;
    const LSTATUS status =
        RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Vantorix", 0,
                      KEY_READ | KEY_WOW64_64KEY, &key);
    if (status == ERROR_SUCCESS) RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

// Starts the program, waits for its window and the first-run greeting
// (closed as the user would), and ends it as the end of a session does.
// Returns the log the run wrote in dataFolder.
std::string runOnce(const fs::path& program, const fs::path& dataFolder) {
    ProgramInstance instance(program.wstring(), L"");
    EXPECT_TRUE(instance.started());
    HWND window = nullptr;
    EXPECT_TRUE(waitFor([&] { return (window = FindWindowW(L"TMainForm", nullptr)) != nullptr; }));
    if (!window) return {};
    EXPECT_EQ(toUtf8(windowText(window)).rfind(kProgramTitle, 0), 0u) << toUtf8(windowText(window));
    EXPECT_TRUE(waitFor([] {
        HWND greeting = FindWindowW(nullptr, L"はじめに");
        if (greeting) PostMessageW(greeting, WM_CLOSE, 0, 0);
        return greeting != nullptr;
    }));
    DWORD_PTR allowed = 0;
    SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 5000, &allowed);
    EXPECT_EQ(instance.exitCode(), 0);
    return readBytes(dataFolder / "Vantorix.log");
}

TEST(ReleasePackage, InstallsRunsFromTheDocumentsFolderAndUninstallsLeavingTheProfiles) {
    const std::wstring setup = environment(L"VANTORIX_PACKAGE_SETUP");
    if (setup.empty()) GTEST_SKIP() << "scripts/package.sh --check runs this with its installer";

    ProgramInstance install(setup, L"/S");
    ASSERT_TRUE(install.started());
    ASSERT_EQ(install.exitCode(120), 0);

    const fs::path installed = knownFolder(FOLDERID_ProgramFiles) / L"Vantorix";
    const fs::path shortcut = knownFolder(FOLDERID_CommonPrograms) / L"Vantorix.lnk";
    EXPECT_TRUE(fs::exists(installed / L"Vantorix.exe"));
    EXPECT_TRUE(fs::exists(installed / L"README.txt"));
    EXPECT_TRUE(fs::exists(installed / L"licenses" / L"nlohmann-json.txt"));
    EXPECT_FALSE(fs::exists(installed / L"Vantorix.ini"));
    EXPECT_TRUE(fs::exists(shortcut));
    EXPECT_TRUE(uninstallEntryExists());

    const fs::path data = knownFolder(FOLDERID_Documents) / L"Vantorix";
    const std::string log = runOnce(installed / L"Vantorix.exe", data);
    EXPECT_NE(log.find(std::string("Starting ") + kProgramTitle), std::string::npos) << log;
    EXPECT_NE(log.find("DataDirectory = " + toUtf8(data.wstring()) + "\\\r\n"), std::string::npos) << log;
    EXPECT_NE(log.find("Application terminated\r\n"), std::string::npos) << log;
    // The installed program never writes beside itself.
    EXPECT_FALSE(fs::exists(installed / L"Vantorix.ini"));
    EXPECT_FALSE(fs::exists(installed / L"Vantorix.log"));

    std::ofstream(data / L"Mine.cfg", std::ios::binary) << "\xEF\xBB\xBF[General]\r\nFileVersion=74\r\n";
    ProgramInstance uninstall((installed / L"uninstall.exe").wstring(), L"/S");
    ASSERT_TRUE(uninstall.started());
    // The uninstaller hands over to a copy of itself and returns at once.
    EXPECT_TRUE(waitFor([&] { return !fs::exists(installed); }, 120));
    EXPECT_FALSE(fs::exists(shortcut));
    EXPECT_FALSE(uninstallEntryExists());
    EXPECT_TRUE(fs::exists(data / L"Mine.cfg"));
    EXPECT_TRUE(fs::exists(data / L"Vantorix.ini"));
}

TEST(ReleasePackage, ThePortableCopyKeepsItsDataBesideItself) {
    const fs::path folder = environment(L"VANTORIX_PACKAGE_PORTABLE");
    if (folder.empty()) GTEST_SKIP() << "scripts/package.sh --check runs this with its unpacked zip";

    ASSERT_TRUE(fs::exists(folder / L"Vantorix.ini"));
    const std::string log = runOnce(folder / L"Vantorix.exe", folder);
    EXPECT_NE(log.find("DataDirectory = " + toUtf8(folder.wstring()) + "\\\r\n"), std::string::npos) << log;
    EXPECT_NE(readBytes(folder / L"Vantorix.ini").find("HasRunBefore=1\r\n"), std::string::npos);
    bool profile = false;
    for (const auto& entry : fs::directory_iterator(folder)) profile |= entry.path().extension() == L".cfg";
    EXPECT_TRUE(profile);
}

}  // namespace
}  // namespace vrx::test
