#pragma once

#include <array>
#include <functional>

#include "Dialogs/DeviceConfigForm.h"
#include "Dialogs/DeviceDialogLinks.h"
#include "Ui/Button_win.h"
#include "Ui/ComboBox_win.h"
#include "Ui/DialogWindow_win.h"
#include "Ui/FormLink.h"
#include "Ui/Label_win.h"
#include "Ui/PaintBox_win.h"
#include "Ui/Panel_win.h"
#include "Ui/TabStrip_win.h"
#include "Ui/TrackBar_win.h"
#include "Ui/UiFont_win.h"

namespace vrx {

class DeviceTemplateManager;

// What the device and template dialogs work on. publish tells the engine
// which window the device dialog is (null: none).
struct DeviceDialogParts {
    DeviceConfigManager& registry;
    DeviceTemplateManager& templates;
    const GlobalSettings& settings;
    EngineLock& lock;
    std::function<void(HWND)> publish;
};

// "ジョイスティックの調整・設定": the devices ever detected, the live position
// of the chosen one's sticks and axes, and its settings.
class DeviceConfigDialog : public ui::DialogWindow, private DeviceDialogUi {
public:
    explicit DeviceConfigDialog(const DeviceDialogParts& parts);
    // Out of line: the thunks of its second base are then made once, where
    // MinGW's linker does not see them twice.
    ~DeviceConfigDialog() override;

protected:
    SIZE designSize() const override { return {640, 520}; }
    void createControls() override;
    void layout() override;
    void activated() override;
    bool handleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // DeviceDialogUi
    std::string askName(const std::string& caption, const std::string& prompt, const std::string& initial) override;
    std::string chooseTemplate(const std::string& templateId) override;
    void openGameControllerSettings() override;

    void createFirstPage();
    void createSecondPage();
    // Shows the model: the page, the device list and the chosen device's
    // settings, and draws the sticks and axes again.
    void refresh();
    void paintStick(int stick, HDC dc);
    void paintAxes(HDC dc);
    // The sticks and axes are drawn again.
    void redrawLive();
    double displayScale() const { return dpi().factor(); }

    DeviceTemplateManager& templates_;
    std::function<void(HWND)> publish_;
    DeviceConfigForm form_;
    ui::FormLink<DeviceConfigForm> link_{form_, [this] { refresh(); }};

    ui::TabStrip PageControl1;
    ui::Panel TabSheet1, TabSheet2;
    ui::Label lblControlPanel;
    ui::Button btnOpenControlPanel;
    ui::Label lblDeviceList;
    ui::ComboBox cbDeviceList;
    ui::GroupBox gbJoystickNumber;
    ui::Label lblJoystickNumber;
    ui::ComboBox cbJoystickNumber;
    ui::Button btnEditButtonNames, btnEditDeviceName, btnDeleteDeviceConfig;
    ui::GroupBox gbAxisMapping;
    ui::Label lblAxisNote, lblStick1, lblStick2;
    ui::PaintBox pbStick1, pbStick2, pbAxis;
    std::array<ui::Label, 4> lblStickAxes;
    std::array<ui::ComboBox, 4> cbStickAxes;  // cbStick1X, cbStick1Y, cbStick2X, cbStick2Y
    ui::Label lblAnalogDeadZoneCaption, lblAnalogDeadZone;
    ui::TrackBar tbAnalogDeadZone;
    ui::Button btnClose;
    // The axis names fit the 38 pixels before their lines.
    ui::UiFont axisFont_;
};

}  // namespace vrx
