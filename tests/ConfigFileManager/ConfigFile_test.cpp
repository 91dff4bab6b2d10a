#include "ConfigFileManager/ConfigFile.h"

#include <gtest/gtest.h>

#include "support/ProfileSamples.h"

namespace vrx {
namespace {

TEST(ConfigFile, CopyTakesSettingsAliasesAndAssignmentsButNotTabNames) {
    ConfigFile source;
    test::fillEverything(source, 3, 64);
    source.modified = false;
    ConfigFile copy;
    copy.setNumberOfJoysticks(6);
    copy.joystick(5)->slot(0).comment = "only in the copy";
    copy.modified = false;

    copy.copyFrom(source);
    EXPECT_TRUE(copy.modified);
    EXPECT_EQ(copy.settings, source.settings);
    EXPECT_EQ(copy.buttonAlias, source.buttonAlias);
    for (int n = 0; n < 3; ++n) {
        const JoystickConfig& config = *copy.joystick(n);
        EXPECT_EQ(config.defaultDisplayName, "");
        EXPECT_EQ(config.defaultTemplateId, "");
        for (int slot = 0; slot < kSlotCount; ++slot) {
            const JoyButton& b = config.slot(slot);
            ASSERT_TRUE(b.sameConfiguration(source.joystick(n)->slot(slot))) << n << " " << slot;
            // Each copied slot belongs to the copy.
            EXPECT_EQ(b.owner, &config);
            EXPECT_EQ(b.joystickIndex, n);
            EXPECT_EQ(b.slotIndex, slot);
        }
    }
    EXPECT_EQ(copy.joystick(3), nullptr);
    EXPECT_EQ(copy.joystick(5), nullptr);
}

TEST(ConfigFile, JoysticksAboveALoweredCountKeepTheirAssignments) {
    ConfigFile profile;
    profile.setNumberOfJoysticks(5);
    JoystickConfig* fifth = profile.joystick(4);
    fifth->slot(60).comment = "kept";
    profile.setNumberOfJoysticks(2);
    EXPECT_EQ(profile.numberOfJoysticks(), 2);
    profile.setNumberOfJoysticks(5);
    EXPECT_EQ(profile.joystick(4), fifth);
    EXPECT_EQ(fifth->slot(60).comment, "kept");
    profile.setNumberOfJoysticks(0);
    EXPECT_EQ(profile.numberOfJoysticks(), 1);
    profile.setNumberOfJoysticks(99);
    EXPECT_EQ(profile.numberOfJoysticks(), kMaxJoysticks);
}

TEST(ConfigFile, DefaultsClearEverythingButKeepTheJoysticksInPlace) {
    ConfigFile profile;
    test::fillEverything(profile, 4, 128);
    JoystickConfig* first = profile.joystick(0);
    profile.modified = false;
    profile.setDefaults();
    const ConfigFile fresh;
    EXPECT_EQ(profile.settings, fresh.settings);
    EXPECT_EQ(profile.buttonAlias, fresh.buttonAlias);
    EXPECT_TRUE(profile.modified);
    // The engine may still hold the joystick; it must stay valid, and empty.
    EXPECT_EQ(profile.joystick(0), first);
    for (int n = 0; n < 4; ++n) {
        EXPECT_EQ(profile.joystick(n)->defaultDisplayName, "");
        for (const JoyButton& b : profile.joystick(n)->slots()) {
            EXPECT_EQ(b.type, AssignType::None);
            EXPECT_EQ(b.comment, "");
        }
    }
}

}  // namespace
}  // namespace vrx
