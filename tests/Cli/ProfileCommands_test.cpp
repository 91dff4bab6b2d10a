#include <gtest/gtest.h>

#include <sstream>

#include "Cli/ProfileCommands.h"
#include "support/TempFolder.h"

namespace vrx::test {
namespace {

struct Command {
    int status = 0;
    std::string out, err;
};

Command run(int (*command)(std::span<const std::string>, std::ostream&, std::ostream&),
            std::vector<std::string> args) {
    std::ostringstream out, err;
    Command c;
    c.status = command(args, out, err);
    c.out = out.str();
    c.err = err.str();
    return c;
}

constexpr const char* kProfile =
    "\xEF\xBB\xBF[General]\r\nFileVersion=74\r\nNumberOfJoysticks=1\r\nNumberOfButtons=2\r\nDisplayMode=0\r\n"
    "[Joystick 1]\r\nButton02=1, 41:00:00:00, 10.000, 0, 0  ##連射\r\n"
    "[Joystick 2]\r\nButton01=1, 42:00:00:00, 0.000, 0, 0\r\n"
    "[Someone else's]\r\nKey=kept\r\n";

TEST(DescribeCommand, PrintsTheRowsOfEachJoystickAsTheButtonListShowsThem) {
    TempFolder folder;
    const auto file = folder.write("Game.cfg", kProfile);
    const Command c = run(runDescribeCommand, {file.string()});
    EXPECT_EQ(c.status, 0) << c.err;
    EXPECT_EQ(c.out,
              "1\tStick1: ←\tNone\t---\t\n"
              "1\tStick1: →\tNone\t---\t\n"
              "1\tStick1: ↑\tNone\t---\t\n"
              "1\tStick1: ↓\tNone\t---\t\n"
              "1\t[1] Button\tNone\t---\t\n"
              "1\t[2] Button\tA\t1/10\t連射\n");
    EXPECT_EQ(run(runDescribeCommand, {(folder / "Missing.cfg").string()}).status, 1);
    EXPECT_EQ(run(runDescribeCommand, {}).status, 2);
}

TEST(ResaveCommand, WritesTheCurrentFormatAndKeepsWhatIsNotTheProfiles) {
    TempFolder folder;
    const auto legacy = folder.write("Old.cfg", kProfile);
    const auto copy = folder / "New.cfg";
    const Command c = run(runResaveCommand, {legacy.string(), copy.string()});
    ASSERT_EQ(c.status, 0) << c.err;
    const std::string saved = readBytes(copy);
    EXPECT_EQ(readBytes(legacy), kProfile);
    EXPECT_NE(saved.find("[Someone else's]\r\nKey=kept"), std::string::npos);
    EXPECT_NE(saved.find("Button01=1, 42:00:00:00"), std::string::npos);  // a joystick above the count
    EXPECT_NE(saved.find("UsePOV8Way=0"), std::string::npos);

    EXPECT_EQ(run(runResaveCommand, {legacy.string()}).status, 0);
    EXPECT_EQ(readBytes(legacy), saved);
    EXPECT_EQ(run(runResaveCommand, {(folder / "Missing.cfg").string()}).status, 1);
}

}  // namespace
}  // namespace vrx::test
