#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "Joybutton/JoyButtonProcess.h"
#include "support/EngineHarness.h"

namespace vrx::test {
namespace {

// Whatever a player does with whatever profiles, switching between them and
// shifting joysticks, once every input is let go and every slot
// force-released, no key may stay down.
constexpr KeyCode kKeyPool[] = {0x41, 0x42, 0x43, 0xA0, 0xA2, 0x25, 0x101, 0x100, 0x201, 0x203,
                                0x506, 0x902, 0x1E0000, 0x800, 0x801, 0x805, 0x80F};

KeyCode randomKey(std::mt19937& rng) {
    std::uniform_int_distribution<int> pick(0, static_cast<int>(std::size(kKeyPool)) + 3);
    const int i = pick(rng);
    return i < static_cast<int>(std::size(kKeyPool)) ? kKeyPool[i] : 0;
}

void randomAssignment(JoyButton& b, std::mt19937& rng, int joysticks) {
    std::uniform_int_distribution<int> type(0, 10), coin(0, 3), mode(1, 8), ms(0, 400);
    for (auto& k : b.keys) k = randomKey(rng);
    switch (type(rng)) {
        case 0: b.type = AssignType::None; break;
        case 1:
        case 2: b.type = AssignType::Keyboard; break;
        case 3: b.type = AssignType::KeyboardMulti; break;
        case 4: b.type = AssignType::KeyboardMulti; break;
        case 5: b.type = AssignType::Command; break;
        case 6: b.type = AssignType::Mouse; break;
        case 7: b.type = AssignType::MouseAbsolute; break;
        case 8: b.type = AssignType::JoystickShift; break;
        case 9:
            b.type = AssignType::ProfileSwitch;
            b.targetName = coin(rng) < 2 ? "A" : "B";
            break;
        default: b.type = AssignType::Keyboard; break;
    }
    b.switchMode = static_cast<SwitchMode>(mode(rng));
    b.toggle = coin(rng) == 0;
    b.autoRepeatRate = coin(rng) == 0 ? static_cast<float>(ms(rng) % 20) - 5.0f : 0.0f;
    b.autoRepeatDelay = coin(rng) == 0 ? ms(rng) : 0;
    b.switchDelay = ms(rng);
    b.minimumHoldDuration = ms(rng) / 4;
    b.counterResetDuration = coin(rng) == 0 ? ms(rng) : 0;
    b.analogThreshold1 = ms(rng) / 4;
    b.analogThreshold2 = ms(rng) / 4;
    b.mouseLeft = coin(rng) == 0;
    b.mouseRight = coin(rng) == 0;
    b.mouseMoveX = coin(rng) == 0 ? 20 : 0;
    b.mouseWheelV = coin(rng) == 0 ? 5 : 0;
    b.shiftTarget = std::uniform_int_distribution<int>(0, joysticks)(rng);
    const int steps = coin(rng);
    for (int s = 0; s < steps; ++s)
        b.commandSteps.push_back({{randomKey(rng), randomKey(rng), 0, 0}, {}, ms(rng) / 2});
    b.prepare();
}

// What the profile list does on a switch: release everything the old
// profile holds, then put the other one in force.
void switchProfile(EngineHarness& h, ConfigFile& next) {
    for (int n = 0; n < kMaxJoysticks; ++n)
        if (JoystickConfig* joystick = h.profiles.profile->joystick(n))
            for (JoyButton& slot : joystick->slots()) ForceRelease(slot, h.engine.tickContext());
    h.engine.virtualInput().clearButtons();
    h.profiles.profile = &next;
    h.engine.ResetShiftTracking(next);
}

void runTimeline(unsigned seed) {
    std::mt19937 rng(seed);
    EngineHarness h;
    h.log.setDebugEnabled(false);
    h.senders.record.keepLines = false;
    const int joysticks = 3;
    h.profile.setNumberOfJoysticks(joysticks);
    h.profile.settings.numberOfButtons = 16;
    h.profile.settings.repeatSameKeyInSequence = std::uniform_int_distribution<int>(0, 4)(rng) == 0;
    h.profile.settings.useDiagonalInput = rng() % 2;
    h.settings.ignoreInputAfterShiftSwitch = static_cast<int>(rng() % 3) - 1;
    ConfigFile other;
    other.setNumberOfJoysticks(joysticks);
    other.settings = h.profile.settings;
    other.settings.keySendMode = static_cast<int>(rng() % 3);
    h.settings.ignoreInputAfterProfileSwitch = static_cast<int>(rng() % 3) - 1;
    for (int n = 0; n < joysticks; ++n) {
        h.devices.add();
        for (int s = 0; s < h.profile.activeSlotCount(); ++s) {
            randomAssignment(h.slot(n, s), rng, joysticks);
            randomAssignment(other.joystick(n)->slot(s), rng, joysticks);
        }
    }
    const auto otherThan = [&](const ConfigFile* p) -> ConfigFile& { return p == &other ? h.profile : other; };

    std::uniform_int_distribution<int> event(0, 9), button(0, 15), device(0, joysticks - 1), axis(-1000, 1000);
    for (int t = 0; t < 400; ++t) {
        auto& state = h.devices.devices[device(rng)].state;
        switch (event(rng)) {
            case 0:
            case 1:
            case 2: state.buttons[button(rng)] = !state.buttons[button(rng)]; break;
            case 3: state.axes[rng() % 4] = axis(rng); break;
            case 4: state.povs[0] = rng() % 2 ? 0xFFFFFFFFu : static_cast<uint32_t>(rng() % 36000); break;
            case 5: h.engine.setForeground(rng() % 3 + 1, true, false); break;
            case 6: {
                JoystickConfig& joystick = *h.profiles.profile->joystick(device(rng));
                ForceRelease(joystick.slot(button(rng) + kFirstButtonSlot), h.engine.tickContext());
                break;
            }
            case 7: switchProfile(h, otherThan(h.profiles.profile)); break;
            default: break;
        }
        h.tick();
        // A ProfileSwitch slot's request, carried out after the tick as the
        // profile list does.
        if (!h.profiles.switchRequests.empty()) {
            switchProfile(h, h.profiles.switchRequests.back() == "A" ? h.profile : other);
            h.profiles.switchRequests.clear();
        }
        h.engine.setForeground(1, false, false);
    }

    for (auto& d : h.devices.devices) d.state = GenericDeviceState{};
    h.tick(300);
    for (ConfigFile* p : {&h.profile, &other})
        for (int n = 0; n < joysticks; ++n)
            for (JoyButton& slot : p->joystick(n)->slots()) ForceRelease(slot, h.engine.tickContext());

    for (int code = 0; code < 0x400; ++code)
        ASSERT_EQ(h.engine.keyRefCount()[code], 0) << "seed " << seed << " code " << std::hex << code << " count " << std::dec << h.engine.keyRefCount()[code];
    // No key stays down (the IME toggle goes out as a lone key-down, as the
    // keyboard's own key does). A release too many can still happen: a key
    // released by a slot that never pressed it is sent up all the same, and
    // raw scan-code keys and Mouse-slot clicks are not counted per holder.
    for (int vk = 0; vk < 256; ++vk) {
        if (vk == 0xF4) continue;
        ASSERT_LE(h.senders.record.keyDown[vk], 0) << "seed " << seed << " vk " << std::hex << vk;
    }
    ASSERT_LE(h.senders.record.mouseButtonsDown, 0) << "seed " << seed;  // clicks of Mouse slots likewise
}

TEST(StuckKeys, NoKeyStaysDownAfterEverythingIsReleased) {
    // VANTORIX_STUCK_KEY_TIMELINES makes the run as long as wanted.
    const char* env = std::getenv("VANTORIX_STUCK_KEY_TIMELINES");
    const unsigned timelines = env ? static_cast<unsigned>(std::strtoul(env, nullptr, 10)) : 150;
    for (unsigned seed = 1; seed <= timelines; ++seed) {
        runTimeline(seed);
        if (HasFatalFailure()) return;
    }
}

}  // namespace
}  // namespace vrx::test
