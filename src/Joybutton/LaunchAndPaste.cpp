#include <string>

#include "Joybutton/Behaviours.h"
#include "Joybutton/KeyOutput.h"
#include "Joybutton/TickContext.h"
#include "Utils/Clipboard.h"
#include "Utils/ExpandText.h"
#include "Utils/KeyboardLayout.h"
#include "Utils/Logger.h"

namespace vrx {

void LaunchProgram(JoyButton& r, TickContext& tick) {
    if (!tick.services.launcher) return;
    tick.log->info("Launching program: " + r.targetName);
    tick.services.launcher->launch(r.targetName, r.programParameters, r.programStartFrom);
}

void PasteText(JoyButton& r, TickContext& tick) {
    const SlotServices& services = tick.services;
    tick.log->debug("Pasting Text: " + r.pasteText);
    if (!services.clipboard || !services.clock || !services.dateTimeFormat) return;
    SetClipboardText(*services.clipboard, ExpandText(r.pasteText, *services.clock, *services.dateTimeFormat),
                     *tick.log);
    // Ctrl+V pressed and released at once: nothing stays held, so the
    // slot's release has nothing to let go.
    constexpr KeyCode kControl = 0x11, kV = 0x56;
    const KeyboardLayout& layout = systemKeyboardLayout();
    const uint32_t controlScan = layout.virtualKeyToScanCode(kControl);
    const uint32_t vScan = layout.virtualKeyToScanCode(kV);
    SendKey(r, kControl, controlScan, false, true, tick);
    SendKey(r, kV, vScan, false, true, tick);
    SendKey(r, kV, vScan, true, false, tick);
    SendKey(r, kControl, controlScan, true, false, tick);
}

}  // namespace vrx
