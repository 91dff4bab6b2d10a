#pragma once

#include <array>
#include <string>
#include <vector>

namespace vrx {

class DeviceConfigManager;
class DeviceDialogUi;
class EngineLock;
class TDeviceConfig;
struct GlobalSettings;

struct DeviceConfigParts {
    DeviceConfigManager& registry;
    const GlobalSettings& settings;  // the input API mode
    EngineLock& lock;
    DeviceDialogUi& ui;
};

// Where a stick's marker sits, in pixels from the centre of its box.
struct StickOffset {
    int x = 0;
    int y = 0;
};

// The device dialog ("ジョイスティックの調整・設定") without its window: the
// registry's records as a list, and the settings of the chosen one. The
// records are the registry's own, changed in place; the main window saves
// them and detects again when the dialog closes.
class DeviceConfigForm {
public:
    static constexpr int kStickBoxSize = 100;  // the stick boxes, at 96 DPI
    static constexpr int kAxisRows = 8;

    explicit DeviceConfigForm(DeviceConfigParts parts);

    // --- State the view shows ---
    // PageControl1's page: 0 (the first, shown at opening) or 1.
    int page() const { return page_; }
    static const std::vector<std::string>& joystickNumberItems();
    static const std::vector<std::string>& axisItems();
    static const std::array<const char*, kAxisRows>& axisRowLabels();
    const std::vector<std::string>& deviceItems() const { return deviceItems_; }
    int deviceSelection() const { return deviceSelection_; }  // -1 none
    int joystickNumber() const { return joystickNumber_; }    // -1 none
    // cbStick1X, cbStick1Y, cbStick2X, cbStick2Y (Tag 0 to 3); -1 none.
    const std::array<int, 4>& stickAxes() const { return stickAxes_; }
    bool axisListsEnabled() const { return axisListsEnabled_; }
    bool deleteEnabled() const { return deleteEnabled_; }
    int deadZone() const { return deadZone_; }  // tbAnalogDeadZone, 0 to 100
    std::string deadZoneText() const { return std::to_string(deadZone_) + "%"; }
    TDeviceConfig* selectedDevice() const { return selected_; }

    // --- The live display ---
    // Stick 0 or 1 of the chosen device, scaled by the form's display scale
    // and truncated toward zero; 0, 0 without a device.
    StickOffset stickOffset(int stick, double scale) const;
    // The raw position of source axis i (-50 to 50), unscaled; 0 without a
    // device.
    int axisMarker(int axis) const;

    // --- Handlers ---
    void PageControl1Change(int page);
    // At creation, after a rename and after a deletion.
    void refreshDeviceList();
    void cbDeviceListSelect(int index);
    void cbJoystickNumberChange(int index);
    // The four axis lists share it; tag: the list's Tag.
    void cbStick1XChange(int tag, int index);
    void tbAnalogDeadZoneChange(int position);
    void btnOpenControlPanelClick();
    void btnEditDeviceNameClick();
    void btnEditButtonNamesClick();
    void btnDeleteDeviceConfigClick();

private:
    void showSettings();

    DeviceConfigParts parts_;
    int page_ = 0;
    std::vector<TDeviceConfig*> records_;  // the listed ones, item by item
    std::vector<std::string> deviceItems_;
    int deviceSelection_ = -1;
    TDeviceConfig* selected_ = nullptr;
    int joystickNumber_ = -1;
    std::array<int, 4> stickAxes_{-1, -1, -1, -1};
    bool axisListsEnabled_ = true;
    bool deleteEnabled_ = true;
    int deadZone_ = 10;
};

}  // namespace vrx
