// The main window's edit loop as one run of the assignment dialog.
#include <gtest/gtest.h>

#include "support/MainFormFixture.h"

namespace vrx::test {
namespace {

TEST(MainFormEditRun, OneRunFramesTheRowsWithWhatTheDialogNeeds) {
    MainFormFixture f;
    f.profile().setNumberOfJoysticks(3);
    f.form.RefreshDisplay();
    f.form.tcJoystickChange(1, FocusedControl::Other);
    f.form.selectRow(0);
    f.editor.results = {kEditNext, kEditNext, 2};
    f.form.lvButtonListDblClick();

    EXPECT_EQ(f.editor.opened.size(), 3u);
    ASSERT_EQ(f.editor.runs.size(), 1u);
    EXPECT_EQ(f.editor.endedRuns, 1);
    const EditRun& run = f.editor.runs[0];
    EXPECT_EQ(run.profile, &f.profile());
    EXPECT_EQ(run.joystick, 1);
    EXPECT_EQ(run.shiftTargets, (std::vector<std::string>{"[3] Joystick"}));
    EXPECT_EQ(run.profileNames, (std::vector<std::string>{"A", "B"}));
    ASSERT_EQ(run.buttonLabels.size(), 64u);
    EXPECT_EQ(run.buttonLabels[0], "[1] Button");
    EXPECT_EQ(run.buttonLabels[63], "[64] Button");

    // No row selected: no run.
    f.form.selectRow(-1);
    f.form.lvButtonListDblClick();
    EXPECT_EQ(f.editor.runs.size(), 1u);
}

}  // namespace
}  // namespace vrx::test
