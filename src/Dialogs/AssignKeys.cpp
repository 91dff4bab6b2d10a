#include "Dialogs/AssignKeys.h"

#include "Joybutton/KeyCode.h"
#include "Joybutton/UncapturableKeys.h"

namespace vrx {
namespace {

constexpr int kShiftKey = 16, kCtrlKey = 17, kAltKey = 18;
constexpr int kRightShiftScanCode = 0x36;

}  // namespace

std::string keyBoxName(int box) {
    if (box < kFirstMultiKeyBox) return "Key" + std::to_string(box);
    if (box < kFirstStepKeyBox) {
        const int index = box - kFirstMultiKeyBox;
        return "Key" + std::to_string(index / 4 + 1) + std::to_string(index % 4 + 1);
    }
    return "CmdKey" + std::to_string(box - kFirstStepKeyBox + 1);
}

int keyBoxTag(int box) {
    if (box < kFirstMultiKeyBox) return box;
    if (box < kFirstStepKeyBox) return box - kFirstMultiKeyBox;
    return kFirstStepKeyEntry + box - kFirstStepKeyBox;
}

KeyCode capturedKeyCode(LastKeyDown key) {
    const int code = key.virtualKey;
    // The right Shift key is not an extended key; only its scan code
    // differs from the left one's.
    if (code == kShiftKey && key.scanCode == kRightShiftScanCode) return key::RShift;
    if (key.extended) {
        switch (code) {
            case kEnterKey: return key::NumpadEnter;
            case kCtrlKey: return key::RCtrl;
            case kAltKey: return key::RAlt;
            default: break;
        }
    }
    return static_cast<KeyCode>(code);
}

LastKeyDown pressedKey(int virtualKey, LastKeyDown lastRecord) {
    if (lastRecord.virtualKey == virtualKey) return lastRecord;
    return LastKeyDown{virtualKey, 0, false};
}

std::vector<PopupItem> specialKeyPopupItems(const std::vector<std::string>& buttonLabels) {
    std::vector<PopupItem> items;
    PopupItem triggers{"他のボタン設定を起動", 0, {}};
    for (int k = 0; k < static_cast<int>(buttonLabels.size()); ++k)
        triggers.children.push_back({buttonLabels[static_cast<size_t>(k)], triggerKey(k), {}});
    items.push_back(std::move(triggers));
    for (int entry = 0; entry < static_cast<int>(kSpecialKeys.size()); ++entry) {
        const SpecialKey& special = kSpecialKeys[static_cast<size_t>(entry)];
        PopupItem item{std::string(special.name), special.code, {}};
        if (entry < kSpecialKeysWithAmount) {
            item.code = 0;
            for (int amount = 2; amount <= 30; amount += 2)
                item.children.push_back({std::to_string(amount), special.code + static_cast<KeyCode>(amount), {}});
        }
        items.push_back(std::move(item));
    }
    return items;
}

}  // namespace vrx
