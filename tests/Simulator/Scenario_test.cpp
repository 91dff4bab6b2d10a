#include <gtest/gtest.h>

#include "Simulator/Scenario.h"

namespace vrx::test {
namespace {

using Kind = ScenarioCommand::Kind;

TEST(Scenario, ReadsCommandsInOrderWithCommentsAndQuotes) {
    const ScenarioParse p = parseScenario(
        "\xEF\xBB\xBF# a comment\r\n"
        "\n"
        "0 set TurboMode 2\n"
        "0 device 2 generic   # trailing comment\n"
        "1 button 2 128 down\n"
        "1 axis 2 8 -1000\n"
        "2 pov 2 4 center\n"
        "3 foreground \"C:\\\\Games\\\\a#b.exe\" \"Say \\\"hi\\\"\"\n"
        "4 virtual-attach -1 1\n"
        "9 end\n");
    ASSERT_TRUE(p.scenario) << p.error;
    const auto& c = p.scenario->commands;
    ASSERT_EQ(c.size(), 8u);
    EXPECT_EQ(p.scenario->endTick, 9);
    EXPECT_EQ(c[0].kind, Kind::Set);
    EXPECT_EQ(c[0].text, "TurboMode");
    EXPECT_EQ(c[0].argument, "2");
    EXPECT_EQ(c[1].joystick, 1);
    EXPECT_EQ(c[2].index, 127);
    EXPECT_EQ(c[2].value, 1);
    EXPECT_EQ(c[2].line, 5);
    EXPECT_EQ(c[3].value, -1000);
    EXPECT_EQ(c[4].value, ScenarioCommand::kPovCentred);
    EXPECT_EQ(c[5].text, "C:\\Games\\a#b.exe");
    EXPECT_EQ(c[5].argument, "Say \"hi\"");
    EXPECT_EQ(c[6].joystick, -1);
    EXPECT_EQ(c[6].index, 1);
}

TEST(Scenario, NamesTheFirstBadLine) {
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"0 device 1 generic\n1 button 1 0 down\n2 end\n",
         "scenario line 2: the button must be a number from 1 to 128, not \"0\""},
        {"1 button 1 1 down\n2 end\n", "scenario line 1: joystick 1 has no generic device at this point"},
        {"0 device 1 generic\n1 xbutton 1 A down\n2 end\n",
         "scenario line 2: joystick 1 has no xinput device at this point"},
        {"0 device 51 xinput\n1 end\n", "scenario line 1: the joystick must be a number from 1 to 50, not \"51\""},
        {"0 device 1 joystick\n1 end\n", "scenario line 1: the device kind must be one of generic xinput, not \"joystick\""},
        {"0 set NoSuchKey 1\n1 end\n", "scenario line 1: no setting is called \"NoSuchKey\""},
        {"0 set TurboMode 9\n1 end\n", "scenario line 1: \"9\" is not a value of TurboMode"},
        {"5 end\n3 end\n", "scenario line 2: nothing may follow the end"},
        {"0 device 1 generic\n1 pov 1 1 4294967296\n2 end\n",
         "scenario line 2: the hat value must be a number from 0 to 4294967295, not \"4294967296\""},
        {"0 device 1 generic\n1 pov 1 1 -1\n2 end\n",
         "scenario line 2: the hat value must be a number from 0 to 4294967295, not \"-1\""},
        {"5 set TurboMode 1\n3 end\n", "scenario line 2: tick 3 comes after tick 5"},
        {"x end\n", "scenario line 1: the tick must be a number from 0 to 2147483647, not \"x\""},
        {"1 jump\n2 end\n", "scenario line 1: unknown command \"jump\""},
        {"1 end now\n", "scenario line 1: end takes 0 arguments"},
        {"0 device 1 xinput\n1 xthumb 1 LX 40000\n2 end\n",
         "scenario line 2: the thumb position must be a number from -32768 to 32767, not \"40000\""},
        {"1 foreground \"C:\\a.exe\n2 end\n", "scenario line 1: a quoted text has no closing \""},
        {"0 device 1 generic\n", "scenario line 1: the end command is missing"},
    };
    for (const auto& c : cases) {
        const ScenarioParse p = parseScenario(c.text);
        EXPECT_FALSE(p.scenario) << c.text;
        EXPECT_EQ(p.error, c.error) << c.text;
    }
}

}  // namespace
}  // namespace vrx::test
