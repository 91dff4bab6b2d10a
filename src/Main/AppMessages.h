#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "AppInfo/WindowMessages.h"

namespace vrx {

class AnsiCodePage;
class ConfigFileManager;
class Logger;
class VirtualButtonInput;

// What answering a message may make the program do.
class MainWindowActions {
public:
    virtual ~MainWindowActions() = default;
    virtual void restore() = 0;
    virtual void minimize() = 0;
    // The session ends: the window closes, and the program with it.
    virtual void close() = 0;
    virtual void showError(const char* text, const char* caption) = 0;
    virtual void profileSwitched() = 0;
    // Device detection again, with the processing timer stopped around it.
    virtual void redetectDevices() = 0;
    // A controller came or went: the timer detects again at its next tick.
    virtual void deviceChanged() = 0;
    // A report of a raw-input device, with the message's handle.
    virtual void rawInput(intptr_t handle) = 0;
    // Suspend and resume: the timer and the controllers stop and start again.
    virtual void stopProcessing() = 0;
    virtual void restartProcessing() = 0;
    virtual void attachVirtualInput(int suppressed, int target) = 0;
    virtual uint32_t tickCountMs() const = 0;
};

// The main window's answers to other programs, the second instance and the
// system, apart from drawing. Messages from outside are untrusted: their
// numbers are checked before use and their data is read within its size.
class AppMessages {
public:
    AppMessages(ConfigFileManager& profiles, VirtualButtonInput& virtualInput, MainWindowActions& window,
                const AnsiCodePage& ansi, Logger& log);

    // The message's result when the window handles it; nothing when the
    // default handling applies.
    std::optional<intptr_t> handle(uint32_t message, uintptr_t wParam, intptr_t lParam, const void* copyData,
                                   size_t copySize);

    bool reallyExit() const { return reallyExit_; }

private:
    void switchByName(const void* data, size_t size);
    void switchByKey(intptr_t lParam);
    intptr_t power(uintptr_t event);

    ConfigFileManager& profiles_;
    VirtualButtonInput& virtualInput_;
    MainWindowActions& window_;
    const AnsiCodePage& ansi_;
    Logger& log_;
    bool reallyExit_ = false;
    uintptr_t lastResume_ = 0;
    uint32_t lastResumeTick_ = 0;
};

}  // namespace vrx
