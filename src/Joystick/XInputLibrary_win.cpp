#include "Joystick/XInputLibrary_win.h"

#include <xinput.h>

#include "Utils/WideText_win.h"

namespace vrx {
namespace {

// XInputGetCapabilitiesEx fills the standard record and then the USB ids.
struct CapabilitiesEx {
    XINPUT_CAPABILITIES capabilities;
    WORD vendorId;
    WORD productId;
    WORD productVersion;
    WORD reserved1;
    DWORD reserved2;
};

using GetStateFunction = DWORD(WINAPI*)(DWORD, XINPUT_STATE*);
using SetStateFunction = DWORD(WINAPI*)(DWORD, XINPUT_VIBRATION*);
using GetCapabilitiesExFunction = DWORD(WINAPI*)(DWORD, DWORD, DWORD, CapabilitiesEx*);

// The extended entry points are exported by ordinal only.
constexpr WORD kGetStateExOrdinal = 100;
constexpr WORD kGetCapabilitiesExOrdinal = 108;

template <class Function>
Function as(FARPROC entry) {
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(entry));
}

FARPROC byOrdinal(HMODULE module, WORD ordinal) {
    return GetProcAddress(module, reinterpret_cast<LPCSTR>(static_cast<ULONG_PTR>(ordinal)));
}

uint32_t readWith(FARPROC entry, int user, XInputPadState& out) {
    if (!entry) return ERROR_PROC_NOT_FOUND;
    XINPUT_STATE state{};
    const DWORD result = as<GetStateFunction>(entry)(static_cast<DWORD>(user), &state);
    if (result != ERROR_SUCCESS) return result;
    const XINPUT_GAMEPAD& pad = state.Gamepad;
    out = XInputPadState{pad.wButtons, pad.bLeftTrigger, pad.bRightTrigger,
                         pad.sThumbLX,  pad.sThumbLY,    pad.sThumbRX,     pad.sThumbRY};
    return 0;
}

}  // namespace

XInputLibrary::~XInputLibrary() {
    if (module_) FreeLibrary(module_);
}

bool XInputLibrary::load(const char* library) {
    HMODULE module = LoadLibraryW(toWide(library).c_str());
    if (!module) return false;
    if (module_) FreeLibrary(module_);
    module_ = module;
    getState_ = GetProcAddress(module_, "XInputGetState");
    setState_ = GetProcAddress(module_, "XInputSetState");
    getStateEx_ = byOrdinal(module_, kGetStateExOrdinal);
    getCapabilitiesEx_ = byOrdinal(module_, kGetCapabilitiesExOrdinal);
    return true;
}

XInputApi::Entries XInputLibrary::entries() const {
    return Entries{getState_ != nullptr, setState_ != nullptr, getStateEx_ != nullptr,
                   getCapabilitiesEx_ != nullptr};
}

uint32_t XInputLibrary::getStateEx(int user, XInputPadState& state) { return readWith(getStateEx_, user, state); }

uint32_t XInputLibrary::getState(int user, XInputPadState& state) { return readWith(getState_, user, state); }

uint32_t XInputLibrary::getCapabilitiesEx(int user, XInputPadIdentity& identity) {
    if (!getCapabilitiesEx_) return ERROR_PROC_NOT_FOUND;
    CapabilitiesEx capabilities{};
    const DWORD result =
        as<GetCapabilitiesExFunction>(getCapabilitiesEx_)(1, static_cast<DWORD>(user), 0, &capabilities);
    if (result != ERROR_SUCCESS) return result;
    identity = XInputPadIdentity{capabilities.capabilities.Flags, capabilities.vendorId, capabilities.productId};
    return 0;
}

uint32_t XInputLibrary::setState(int user, uint16_t leftMotor, uint16_t rightMotor) {
    if (!setState_) return ERROR_PROC_NOT_FOUND;
    XINPUT_VIBRATION vibration{leftMotor, rightMotor};
    return as<SetStateFunction>(setState_)(static_cast<DWORD>(user), &vibration);
}

}  // namespace vrx
