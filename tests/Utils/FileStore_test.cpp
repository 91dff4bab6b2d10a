#include "Utils/FileStore.h"

#include <gtest/gtest.h>

#include "support/FaultyFiles.h"
#include "support/TempFolder.h"

namespace vrx {
namespace {

using test::FaultyFiles;
using test::TempFolder;

TEST(AtomicSave, ReplacesTheFileAndLeavesNothingElse) {
    TempFolder folder;
    const auto target = folder.write("Game.cfg", "old contents");
    saveAtomically(localFiles(), target, "new contents");
    EXPECT_EQ(test::readBytes(target), "new contents");
    EXPECT_EQ(folder.listing(), "Game.cfg");
}

TEST(AtomicSave, CreatesAFileThatWasNotThereUnderAJapaneseName) {
    // Profile names are file names, and most users name them in Japanese.
    TempFolder folder;
    const std::filesystem::path target = folder.path() / std::filesystem::path(u8"ゲーム.cfg");
    saveAtomically(localFiles(), target, "contents");
    EXPECT_EQ(localFiles().readAll(target), "contents");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

class FailedSave : public ::testing::TestWithParam<FaultyFiles::Fault> {};

TEST_P(FailedSave, LeavesThePreviousFileAndNoTemporaryAndReportsTheError) {
    TempFolder folder;
    const std::string previous = "\xEF\xBB\xBF[General]\r\nFileVersion=74\r\n";
    const auto target = folder.write("Game.cfg", previous);
    FaultyFiles files;
    files.fault = GetParam();
    EXPECT_THROW(saveAtomically(files, target, std::string(1000, 'x')), std::filesystem::filesystem_error);
    EXPECT_EQ(test::readBytes(target), previous);
    EXPECT_EQ(folder.listing(), "Game.cfg");
}

INSTANTIATE_TEST_SUITE_P(AtEachStep, FailedSave,
                         ::testing::Values(FaultyFiles::Fault::Write, FaultyFiles::Fault::PartialWrite,
                                           FaultyFiles::Fault::Replace));

TEST(AtomicSave, ATemporaryFileLeftByACrashIsTakenOver) {
    TempFolder folder;
    folder.write("Game.cfg.tmp", "half a file from a power cut");
    saveAtomically(localFiles(), folder / "Game.cfg", "contents");
    EXPECT_EQ(folder.listing(), "Game.cfg");
}

TEST(AtomicSave, AMissingFolderIsAnError) {
    TempFolder folder;
    EXPECT_THROW(saveAtomically(localFiles(), folder / "no such folder" / "Game.cfg", "x"),
                 std::filesystem::filesystem_error);
}

TEST(LocalFiles, ReadsAFileWholeAndTellsAMissingOneFromAnUnreadableOne) {
    TempFolder folder;
    const std::string bytes("binary\0\r\n\xFF", 10);
    folder.write("data", bytes);
    EXPECT_EQ(localFiles().readAll(folder / "data"), bytes);
    EXPECT_EQ(localFiles().readAll(folder / "missing"), std::nullopt);
    EXPECT_THROW(localFiles().readAll(folder.path()), std::filesystem::filesystem_error);
}

}  // namespace
}  // namespace vrx
