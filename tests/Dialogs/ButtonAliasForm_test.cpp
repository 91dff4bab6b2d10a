#include "Dialogs/ButtonAliasForm.h"

#include <gtest/gtest.h>

#include "ConfigFileManager/ConfigFile.h"
#include "support/CountingLock.h"

namespace vrx::test {
namespace {

using Texts = std::vector<std::string>;

struct AliasFixture {
    ConfigFile profile;
    CountingLock lock;
    ButtonAliasForm form{profile, lock};

    explicit AliasFixture(int buttons = 4) {
        profile.settings.numberOfButtons = buttons;
        profile.modified = false;
    }
    // The row of button n (1-based).
    static int buttonRow(int n) { return 7 + n; }
    const AliasSelection& shown() const { return form.selection(); }
};

TEST(ButtonAliasForm, RowsAreTheFirstHatsDirectionsThenTheProfilesButtons) {
    AliasFixture f(3);
    f.form.FormCreate();
    Texts captions, texts;
    for (const AliasRow& row : f.form.rows()) {
        captions.push_back(row.caption);
        texts.push_back(row.text);
    }
    EXPECT_EQ(captions, (Texts{"POV: ↑", "POV: ↗", "POV: →", "POV: ↘", "POV: ↓", "POV: ↙", "POV: ←", "POV: ↖",
                               "Button 1", "Button 2", "Button 3"}));
    EXPECT_EQ(texts, captions);  // no aliases: each slot stands for itself
    EXPECT_EQ(f.form.rows()[8].slot, 56);
    EXPECT_EQ(f.form.selectedRow(), 0);
    EXPECT_EQ(f.shown().caption, "POV: ↑");
    EXPECT_EQ((std::vector<int>{f.shown().assignment1, f.shown().assignment2, f.shown().assignment3}),
              (std::vector<int>{16, 0, 0}));

    AliasFixture none(0);
    none.form.FormCreate();
    EXPECT_EQ(none.form.rows().size(), 8u);
    EXPECT_EQ(none.form.rows().back().slot, 23);
}

TEST(ButtonAliasForm, ListsNameEverySlotAndTheFurtherListsStartEmpty) {
    const auto& first = ButtonAliasForm::assignmentItems();
    const auto& further = ButtonAliasForm::furtherAssignmentItems();
    ASSERT_EQ(first.size(), 184u);
    ASSERT_EQ(further.size(), 185u);
    EXPECT_EQ((Texts{first[0], first[16], first[48], first[56], first[183]}),
              (Texts{"Stick1: ←", "POV: ↑", "Stick1: ↗", "Button 1", "Button 128"}));
    EXPECT_EQ(further[0], "");
    EXPECT_EQ(further[57], "Button 1");
}

TEST(ButtonAliasForm, AliasTextJoinsTheInputsAndLeavesOutAThirdWithoutASecond) {
    EXPECT_EQ(ButtonAliasForm::AliasText({57, -1, -1}), "Button 2");
    EXPECT_EQ(ButtonAliasForm::AliasText({58, 59, -1}), "Button 3 + Button 4");
    EXPECT_EQ(ButtonAliasForm::AliasText({0, 16, 183}), "Stick1: ← + POV: ↑ + Button 128");
    EXPECT_EQ(ButtonAliasForm::AliasText({56, -1, 60}), "Button 1");
}

TEST(ButtonAliasForm, AChangeGoesIntoTheTableUnderTheLockAndMakesTheRowBold) {
    AliasFixture f;
    f.form.FormCreate();
    const int row = AliasFixture::buttonRow(1);
    f.form.lvButtonAliasSelectItem(row);
    EXPECT_EQ(f.shown().caption, "Button 1");
    EXPECT_FALSE(f.form.lvButtonAliasCustomDrawItem(row));

    f.form.cbAssignmentChange(1, 57);
    EXPECT_EQ(f.profile.buttonAlias[56], (ButtonAliasEntry{57, -1, -1}));
    EXPECT_EQ(f.form.rows()[static_cast<size_t>(row)].text, "Button 2");
    EXPECT_TRUE(f.form.lvButtonAliasCustomDrawItem(row));
    EXPECT_FALSE(f.form.lvButtonAliasCustomDrawItem(row + 1));
    EXPECT_TRUE(f.profile.modified);
    EXPECT_EQ(f.lock.entries, 1);
    EXPECT_EQ(f.lock.depth, 0);

    // Back to itself: the identity again, drawn normally.
    f.form.cbAssignmentChange(1, 56);
    EXPECT_FALSE(f.form.lvButtonAliasCustomDrawItem(row));
}

TEST(ButtonAliasForm, TheEmptyEntryTakesAnInputAwayAndAThirdNeedsASecond) {
    AliasFixture f;
    f.form.FormCreate();
    const int row = AliasFixture::buttonRow(3);
    f.form.lvButtonAliasSelectItem(row);
    f.form.cbAssignmentChange(3, 61);  // a third without a second is refused
    EXPECT_EQ(f.profile.buttonAlias[58], ButtonAliasTable::neutral(58));
    EXPECT_EQ(f.shown().assignment3, 0);
    EXPECT_FALSE(f.profile.modified);

    f.form.cbAssignmentChange(2, 60);  // Button 4 (slot 59) as well
    EXPECT_EQ(f.form.rows()[static_cast<size_t>(row)].text, "Button 3 + Button 4");
    f.form.cbAssignmentChange(3, 61);
    EXPECT_EQ(f.profile.buttonAlias[58], (ButtonAliasEntry{58, 59, 60}));
    EXPECT_EQ(f.form.rows()[static_cast<size_t>(row)].text, "Button 3 + Button 4 + Button 5");

    f.form.cbAssignmentChange(2, 0);
    EXPECT_EQ(f.profile.buttonAlias[58], ButtonAliasTable::neutral(58));
    EXPECT_EQ(f.form.rows()[static_cast<size_t>(row)].text, "Button 3");
    EXPECT_EQ((std::pair{f.shown().assignment2, f.shown().assignment3}), (std::pair{0, 0}));
}

TEST(ButtonAliasForm, SelectingARowShowsItsEntryInTheThreeLists) {
    AliasFixture f;
    f.profile.buttonAlias.set(56, {58, 59, 60});
    f.profile.buttonAlias.set(57, {16, -1, 70});  // from an old file: the third is not shown
    f.form.FormCreate();
    EXPECT_TRUE(f.form.lvButtonAliasCustomDrawItem(AliasFixture::buttonRow(1)));
    f.form.lvButtonAliasSelectItem(AliasFixture::buttonRow(1));
    EXPECT_EQ((std::vector<int>{f.shown().assignment1, f.shown().assignment2, f.shown().assignment3}),
              (std::vector<int>{58, 60, 61}));
    f.form.lvButtonAliasSelectItem(AliasFixture::buttonRow(2));
    EXPECT_EQ((std::vector<int>{f.shown().assignment1, f.shown().assignment2, f.shown().assignment3}),
              (std::vector<int>{16, 0, 0}));
    f.form.lvButtonAliasSelectItem(AliasFixture::buttonRow(3));
    EXPECT_EQ((std::vector<int>{f.shown().assignment1, f.shown().assignment2, f.shown().assignment3}),
              (std::vector<int>{58, 0, 0}));
    EXPECT_EQ(f.shown().caption, "Button 3");
}

TEST(ButtonAliasForm, ChoicesOutsideTheListsOrWithoutARowChangeNothing) {
    AliasFixture f;
    f.form.cbAssignmentChange(1, 57);  // not filled: no row selected
    f.form.FormCreate();
    f.form.lvButtonAliasSelectItem(99);
    EXPECT_EQ(f.form.selectedRow(), 0);
    f.form.cbAssignmentChange(1, 184);
    f.form.cbAssignmentChange(2, -1);
    f.form.cbAssignmentChange(4, 3);
    f.form.cbAssignmentChange(1, 16);  // the same as before
    EXPECT_EQ(f.profile.buttonAlias, ButtonAliasTable());
    EXPECT_FALSE(f.profile.modified);
    EXPECT_EQ(f.lock.entries, 0);
}

}  // namespace
}  // namespace vrx::test
