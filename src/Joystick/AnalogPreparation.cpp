#include "Joystick/AnalogPreparation.h"

#include <cmath>
#include <numbers>

#include "AppInfo/GlobalSettings.h"
#include "Joybutton/JoystickConfig.h"
#include "Joybutton/TickContext.h"
#include "Utils/EventImpl.h"
#include "Utils/Logger.h"

namespace vrx {

int slotValueFromFloat(float value) {
    // A thousand times full scale is far beyond anything a profile asks for
    // and keeps every product with a mouse speed inside 32 bits.
    constexpr float kLimit = 1000.0f * kFullValue;
    if (std::isnan(value)) return 0;
    if (value > kLimit) return static_cast<int>(kLimit);
    if (value < -kLimit) return static_cast<int>(-kLimit);
    return static_cast<int>(value);
}

namespace {

struct Target {
    bool set = false;
    float x = 0.0f;
    float y = 0.0f;
};

bool isMouse(const JoyButton& b) { return b.type == AssignType::Mouse; }

bool isAnalogSwitch(const JoyButton& b) {
    return b.type == AssignType::KeyboardMulti && b.switchMode == SwitchMode::AnalogSwitch;
}

// The acceleration of one direction pair: the first pressed Mouse slot of
// the pair that accelerates at all.
float pairAcceleration(const JoystickConfig& c, int slotA, int valueA, int slotB, int valueB) {
    const JoyButton& a = c.slot(slotA);
    if (valueA > 0 && isMouse(a) && a.accelerationFactor > 1.0f) return a.accelerationFactor;
    const JoyButton& b = c.slot(slotB);
    if (valueB > 0 && isMouse(b) && b.accelerationFactor > 1.0f) return b.accelerationFactor;
    return 0.0f;
}

// A stick whose direction slots choose keys by depth: both directions of the
// push get one value in the band of the stick's overall deflection.
void levelStick(const JoystickConfig& c, int g, int (&v)[4], TickContext& tick) {
    const float hx = 0.001f * static_cast<float>(v[0] + v[1]);
    const float hy = 0.001f * static_cast<float>(v[2] + v[3]);
    int r = slotValueFromFloat(std::sqrt(hx * hx + hy * hy) * 1000.0f);
    if (r > kFullValue) r = kFullValue;
    const JoyButton& reference = c.slot(hx > hy ? 4 * g : 4 * g + 2);
    const int t1 = reference.analogThreshold1 * 10;
    const int t2 = reference.analogThreshold2 * 10;
    VRX_DEBUGF(*tick.log, "AnalogSwitch: Axis[%d] = %d, Axis[%d] = %d", 4 * g, v[0], 4 * g + 1, v[1]);
    VRX_DEBUGF(*tick.log, "AnalogSwitch: Axis[%d] = %d, Axis[%d] = %d", 4 * g + 2, v[2], 4 * g + 3, v[3]);
    VRX_DEBUGF(*tick.log, "AnalogSwitch: r=%d, t1=%d, t2=%d", r, t1, t2);
    const int w = r > t2 ? (t2 | 1) : r > t1 ? (t1 | 1) : t1 - 1;
    for (int pair = 0; pair < 4; pair += 2) {
        if (v[pair] > v[pair + 1])
            v[pair] = w;
        else if (v[pair + 1] > v[pair])
            v[pair + 1] = w;
    }
}

void prepareStickGroup(const JoystickConfig& c, int g, SlotValues& out, float factor, float sharpness,
                       TickContext& tick) {
    const int base = 4 * g;
    int v[4] = {out[base], out[base + 1], out[base + 2], out[base + 3]};
    if (v[0] <= 0 && v[1] <= 0 && v[2] <= 0 && v[3] <= 0) return;

    const float ax = pairAcceleration(c, base, v[0], base + 1, v[1]);
    const float ay = pairAcceleration(c, base + 2, v[2], base + 3, v[3]);
    if (ax > 1.0f || ay > 1.0f) {
        // Acceleration grows with the deflection along a curve whose shape is
        // the sharpness; a diagonal blends the two pairs' factors.
        const float hx = 0.001f * static_cast<float>(v[0] + v[1]);
        const float hy = 0.001f * static_cast<float>(v[2] + v[3]);
        float a = ay;
        if (hx > 0.0f) {
            const float t = std::atan(hy / hx) / (std::numbers::pi_v<float> / 2.0f);
            a = ay * t + ax * (1.0f - t);
        }
        const float m = std::fmin(1.0f, std::sqrt(hx * hx + hy * hy));
        const float k = 1.0f + (a - 1.0f) * std::pow(m, std::log(a) / std::log(sharpness));
        for (int& value : v) value = slotValueFromFloat(static_cast<float>(value) * k);
    }
    for (int& value : v) value = slotValueFromFloat(static_cast<float>(value) * factor);
    if (isAnalogSwitch(c.slot(base)) || isAnalogSwitch(c.slot(base + 2))) levelStick(c, g, v, tick);
    for (int i = 0; i < 4; ++i) out[base + i] = v[i];
}

// The speed factor of the held Mouse slots, and the cursor placement of the
// MouseAbsolute ones.
void placeAndScale(const JoystickConfig& c, const SlotValues& out, const AxisValues& axes, int activeSlots,
                   float& factor, TickContext& tick) {
    Target target;
    for (int i = 0; i < activeSlots; ++i) {
        if (out[i] <= 0) continue;
        const JoyButton& s = c.slot(i);
        if (s.type == AssignType::MouseAbsolute) {
            target = {true, s.mouseCenterX, s.mouseCenterY};
        } else if (isMouse(s) && s.analogFactor != 100) {
            factor = factor * static_cast<float>(s.analogFactor) / 100.0f;
        }
    }

    // A MouseAbsolute slot on an axis's negative direction places the cursor
    // within its range around the centre, by the axis's position.
    bool placedByAxis = false;
    for (int k = 0; k < kAxisCount; ++k) {
        const JoyButton& s = c.slot(2 * k);
        if (s.type != AssignType::MouseAbsolute || (s.mouseAbsRangeX == 0 && s.mouseAbsRangeY == 0)) continue;
        if (axes[k] == 0 && !s.runtime.slotPressed) continue;
        if (!placedByAxis) target = {true, s.mouseCenterX, s.mouseCenterY};
        placedByAxis = true;
        const float axis = static_cast<float>(axes[k]);
        if (s.mouseAbsRangeX != 0)
            target.x = factor * static_cast<float>(s.mouseAbsRangeX) * axis / -1000.0f + s.mouseCenterX;
        if (s.mouseAbsRangeY != 0)
            target.y = factor * static_cast<float>(s.mouseAbsRangeY) * axis / -1000.0f + s.mouseCenterY;
    }
    if (target.set) {
        const int x = slotValueFromFloat(target.x * 32768.0f / 50.0f);
        const int y = slotValueFromFloat(target.y * 32768.0f / 50.0f);
        VRX_DEBUGF(*tick.log, "MouseAbsMove to (%d, %d) absx=%f, absy=%f", x, y, static_cast<double>(target.x),
                   static_cast<double>(target.y));
        if (tick.keySender) tick.keySender->MouseMoveAbsolute(x, y);
    }
}

}  // namespace

void PrepareAnalog(JoystickConfig& c, SlotValues& out, const AxisValues& axes, int activeSlots, bool scalesAnalog,
                   const EngineSettings& settings, TickContext& tick) {
    float factor = 1.0f;
    if (scalesAnalog) placeAndScale(c, out, axes, activeSlots, factor, tick);
    for (int g = 0; g < 3; ++g) prepareStickGroup(c, g, out, factor, settings.accelerationSharpness, tick);

    for (int i = 12; i < 16; ++i) {
        float v = static_cast<float>(out[i]);
        const JoyButton& s = c.slot(i);
        float a = s.accelerationFactor;
        if (out[i] > 0 && a > 1.0f) {
            const float th = static_cast<float>(s.analogThreshold1) * 0.01f;
            if (th < 1.0f) a = (v * 0.001f - th) * ((a - 1.0f) / (1.0f - th)) + 1.0f;
            v = v * a;
        }
        out[i] = slotValueFromFloat(v * factor);
    }

    // Multiplying by 1 changes nothing, so the common case skips the pass.
    if (factor == 1.0f) return;
    for (int i = 16; i < activeSlots; ++i) {
        const JoyButton& s = c.slot(i);
        if (isMouse(s) && (s.mouseMoveX != 0 || s.mouseMoveY != 0))
            out[i] = slotValueFromFloat(static_cast<float>(out[i]) * factor);
    }
}

}  // namespace vrx
