#include "Dialogs/DeviceConfigForm.h"

#include <cmath>

#include "AppInfo/GlobalSettings.h"
#include "DeviceConfig/DeviceConfigManager.h"
#include "DeviceConfig/DeviceTemplate.h"
#include "Dialogs/DeviceDialogLinks.h"
#include "EngineTypes/EngineLock.h"

namespace vrx {
namespace {

constexpr int kPreferredNumbers = 50;

const char* apiLabel(int api) {
    switch (api) {
    case kApiXInput: return " [XInput]";
    case kApiDirectInput: return " [DirectInput]";
    default: return " [Experimental]";
    }
}

// An index into a list of count items, or -1 (nothing selected) for a
// value the list does not hold.
int listIndex(int value, int count) { return value >= 0 && value < count ? value : -1; }

}  // namespace

DeviceConfigForm::DeviceConfigForm(DeviceConfigParts parts) : parts_(parts) { refreshDeviceList(); }

const std::vector<std::string>& DeviceConfigForm::joystickNumberItems() {
    static const std::vector<std::string> items = [] {
        std::vector<std::string> list{"指定なし (接続順)"};
        for (int k = 1; k <= kPreferredNumbers; ++k) list.push_back("[" + std::to_string(k) + "] Joystick");
        return list;
    }();
    return items;
}

const std::vector<std::string>& DeviceConfigForm::axisItems() {
    static const std::vector<std::string> items{"X 軸",  "Y 軸",  "Z 軸",   "RX 軸",
                                                "RY 軸", "RZ 軸", "Axis 7", "Axis 8"};
    return items;
}

const std::array<const char*, DeviceConfigForm::kAxisRows>& DeviceConfigForm::axisRowLabels() {
    static const std::array<const char*, kAxisRows> labels{"X", "Y", "Z", "RX", "RY", "RZ", "Slider1", "Slider2"};
    return labels;
}

StickOffset DeviceConfigForm::stickOffset(int stick, double scale) const {
    if (!selected_ || stick < 0 || stick > 1) return {};
    const auto position = [&](size_t entry) {
        const int axis = selected_->AxisMapping[entry];
        const int raw = axis >= 0 && axis < kAxisRows ? selected_->LastAxis[static_cast<size_t>(axis)] : 0;
        return static_cast<int>(std::trunc(scale * raw));
    };
    const size_t first = static_cast<size_t>(stick) * 2;
    return {position(first), position(first + 1)};
}

int DeviceConfigForm::axisMarker(int axis) const {
    if (!selected_ || axis < 0 || axis >= kAxisRows) return 0;
    return selected_->LastAxis[static_cast<size_t>(axis)];
}

void DeviceConfigForm::PageControl1Change(int page) {
    if (page == 0 || page == 1) page_ = page;
}

void DeviceConfigForm::refreshDeviceList() {
    // Detection on the timer thread adds records and marks them connected
    // under the lock.
    EngineLockGuard guard(parts_.lock);
    records_.clear();
    deviceItems_.clear();
    int chosen = 0;
    for (TDeviceConfig* record : parts_.registry.snapshot()) {
        if (!apiInUse(record->Api, parts_.settings.xInputSupport)) continue;
        std::string label = record->displayName() + apiLabel(record->Api);
        if (record->Connected) label += " *接続中*";
        records_.push_back(record);
        deviceItems_.push_back(std::move(label));
        if (record == selected_ || (!selected_ && record->Connected && record->BackendIndex == 0))
            chosen = static_cast<int>(records_.size()) - 1;
    }
    // There may be no record, or every record may belong to a back end the
    // mode leaves out: then nothing is chosen and the handlers have no device
    // to change.
    cbDeviceListSelect(records_.empty() ? -1 : chosen);
}

void DeviceConfigForm::cbDeviceListSelect(int index) {
    deviceSelection_ = listIndex(index, static_cast<int>(records_.size()));
    selected_ = deviceSelection_ < 0 ? nullptr : records_[static_cast<size_t>(deviceSelection_)];
    showSettings();
}

void DeviceConfigForm::showSettings() {
    // Without a device the editing controls keep what they show.
    if (!selected_) return;
    const TDeviceConfig& device = *selected_;
    joystickNumber_ = listIndex(device.PreferredNumber + 1, static_cast<int>(joystickNumberItems().size()));
    for (size_t entry = 0; entry < stickAxes_.size(); ++entry)
        stickAxes_[entry] = listIndex(device.AxisMapping[entry], kAxisRows);
    deadZone_ = device.AnalogDeadZone / 100;
    deleteEnabled_ = !device.Connected;
    // An XInput pad's axes are fixed.
    axisListsEnabled_ = device.Api != kApiXInput;
}

void DeviceConfigForm::cbJoystickNumberChange(int index) {
    if (!selected_ || listIndex(index, static_cast<int>(joystickNumberItems().size())) < 0) return;
    joystickNumber_ = index;
    EngineLockGuard guard(parts_.lock);
    selected_->PreferredNumber = index - 1;
}

void DeviceConfigForm::cbStick1XChange(int tag, int index) {
    if (!selected_ || tag < 0 || tag >= 4 || listIndex(index, kAxisRows) < 0) return;
    {
        EngineLockGuard guard(parts_.lock);
        setStickAxis(selected_->AxisMapping, tag, index);
    }
    showSettings();
}

void DeviceConfigForm::tbAnalogDeadZoneChange(int position) {
    deadZone_ = position;
    if (!selected_) return;
    EngineLockGuard guard(parts_.lock);
    selected_->AnalogDeadZone = position * 100;
}

void DeviceConfigForm::btnOpenControlPanelClick() { parts_.ui.openGameControllerSettings(); }

void DeviceConfigForm::btnEditDeviceNameClick() {
    if (!selected_) return;
    const std::string answer = parts_.ui.askName("デバイス" + selected_->Name + "の表示名の変更",
                                                 "このデバイスの表示名を入力してください", selected_->NameOverride);
    if (answer.empty() || answer == selected_->NameOverride) return;
    {
        EngineLockGuard guard(parts_.lock);
        selected_->NameOverride = answer;
    }
    refreshDeviceList();
}

void DeviceConfigForm::btnEditButtonNamesClick() {
    if (!selected_) return;
    const std::string shown = selected_->Template ? selected_->Template->id : std::string();
    const std::string chosen = parts_.ui.chooseTemplate(shown);
    EngineLockGuard guard(parts_.lock);
    parts_.registry.setTemplate(*selected_, chosen);
}

void DeviceConfigForm::btnDeleteDeviceConfigClick() {
    if (!selected_) return;
    {
        // Detection on the timer thread walks the registry and marks records
        // connected under the lock, and it holds references to connected
        // records only: the check and the removal go together.
        EngineLockGuard guard(parts_.lock);
        if (selected_->Connected) return;
        parts_.registry.remove(selected_);
    }
    selected_ = nullptr;
    refreshDeviceList();
}

}  // namespace vrx
