#pragma once

#include <string>

namespace vrx {

class Clipboard;
class Clock;
class DateTimeFormat;

// Starts what a LaunchProgram slot names: a program, a document, a web
// address or a sound file.
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    virtual void launch(const std::string& target, const std::string& parameters,
                        const std::string& workingFolder) = 0;
};

// What the one-shot slots reach outside the engine. A slot whose service is
// missing does nothing, so an engine without them (a test of key output,
// say) cannot start programs or touch the clipboard.
struct SlotServices {
    ProgramLauncher* launcher = nullptr;
    Clipboard* clipboard = nullptr;
    const Clock* clock = nullptr;
    const DateTimeFormat* dateTimeFormat = nullptr;
};

}  // namespace vrx
