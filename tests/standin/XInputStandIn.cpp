// A stand-in for the system's xinput1_4.dll, loaded by Vantorix.exe from its
// own folder in the end-to-end tests: the pads it reports are those a test
// writes into shared memory, and it records the rumble it is asked for.
#include <windows.h>

#include <xinput.h>

#include "standin/StandInPad.h"

namespace {

using vrx::standin::Shared;

Shared* shared() {
    static Shared* view = [] {
        HANDLE mapping = OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE, vrx::standin::kMappingName);
        return mapping ? static_cast<Shared*>(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(Shared)))
                       : nullptr;
    }();
    return view;
}

const vrx::standin::Pad* padAt(DWORD user) {
    Shared* s = shared();
    if (!s || user >= static_cast<DWORD>(vrx::standin::kUsers) || !s->pads[user].connected) return nullptr;
    return &s->pads[user];
}

DWORD readPad(DWORD user, XINPUT_STATE* state, bool withGuide) {
    const vrx::standin::Pad* pad = padAt(user);
    if (!pad) return ERROR_DEVICE_NOT_CONNECTED;
    if (!state) return ERROR_BAD_ARGUMENTS;
    state->dwPacketNumber = static_cast<DWORD>(pad->packet);
    XINPUT_GAMEPAD& g = state->Gamepad;
    g.wButtons = withGuide ? pad->buttons : static_cast<WORD>(pad->buttons & ~0x0400);
    g.bLeftTrigger = pad->leftTrigger;
    g.bRightTrigger = pad->rightTrigger;
    g.sThumbLX = pad->thumbLX;
    g.sThumbLY = pad->thumbLY;
    g.sThumbRX = pad->thumbRX;
    g.sThumbRY = pad->thumbRY;
    return ERROR_SUCCESS;
}

struct CapabilitiesEx {
    XINPUT_CAPABILITIES capabilities;
    WORD vendorId;
    WORD productId;
    WORD productVersion;
    WORD reserved1;
    DWORD reserved2;
};

}  // namespace

// Exported through xinput1_4.def, under the names and ordinals of the real
// library; the extended calls by ordinal alone, as Windows exports them.
extern "C" {

DWORD WINAPI StandInGetState(DWORD user, XINPUT_STATE* state) {
    return readPad(user, state, false);
}

DWORD WINAPI StandInGetStateEx(DWORD user, XINPUT_STATE* state) {
    return readPad(user, state, true);
}

DWORD WINAPI StandInSetState(DWORD user, XINPUT_VIBRATION* vibration) {
    Shared* s = shared();
    if (!padAt(user) || !vibration) return ERROR_DEVICE_NOT_CONNECTED;
    const LONG slot = InterlockedIncrement(&s->rumbleCount) - 1;
    if (slot < vrx::standin::kMaxRumbles)
        s->rumbles[slot] = vrx::standin::Rumble{vibration->wLeftMotorSpeed, vibration->wRightMotorSpeed};
    return ERROR_SUCCESS;
}

DWORD WINAPI StandInGetCapabilitiesEx(DWORD, DWORD user, DWORD, CapabilitiesEx* capabilities) {
    const vrx::standin::Pad* pad = padAt(user);
    if (!pad) return ERROR_DEVICE_NOT_CONNECTED;
    if (!capabilities) return ERROR_BAD_ARGUMENTS;
    *capabilities = CapabilitiesEx{};
    capabilities->capabilities.Type = XINPUT_DEVTYPE_GAMEPAD;
    capabilities->vendorId = pad->vendorId;
    capabilities->productId = pad->productId;
    return ERROR_SUCCESS;
}

}  // extern "C"
