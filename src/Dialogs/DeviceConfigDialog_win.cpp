#include "Dialogs/DeviceConfigDialog_win.h"

#include <shellapi.h>

#include <cmath>

#include "AppInfo/WindowMessages.h"
#include "Dialogs/DeviceTemplateDialog_win.h"
#include "Dialogs/InputNameDialog_win.h"
#include "Dialogs/ListContents_win.h"
#include "Ui/GdiObjects_win.h"
#include "Ui/Theme_win.h"
#include "Utils/WideText_win.h"

namespace vrx {
namespace {

constexpr int kStickMarkerRadius = 4;
constexpr int kAxisLabelHeight = 11;  // pixels at 96 DPI

int truncated(double value) { return static_cast<int>(std::trunc(value)); }

}  // namespace

DeviceConfigDialog::DeviceConfigDialog(const DeviceDialogParts& parts)
    : DialogWindow(ui::DialogPlacement::CentreOnOwner),
      templates_(parts.templates),
      publish_(parts.publish),
      form_(DeviceConfigParts{parts.registry, parts.settings, parts.lock, *this}) {
    setTitle("ジョイスティックの調整・設定");
}

DeviceConfigDialog::~DeviceConfigDialog() = default;

std::string DeviceConfigDialog::askName(const std::string& caption, const std::string& prompt,
                                        const std::string& initial) {
    return askNameOver(hwnd(), caption, prompt, initial);
}

std::string DeviceConfigDialog::chooseTemplate(const std::string& templateId) {
    return chooseTemplateOver(hwnd(), templates_, templateId);
}

void DeviceConfigDialog::openGameControllerSettings() {
    ShellExecuteW(hwnd(), L"open", L"control", L"joy.cpl", nullptr, SW_SHOWNORMAL);
}

void DeviceConfigDialog::createControls() {
    PageControl1.create(hwnd());
    PageControl1.setTabs({"1. アナログスティックの調整・ボタンの確認", "2. デバイスごとの詳細設定"});
    PageControl1.onChange = [this](int page) { link_([page](DeviceConfigForm& f) { f.PageControl1Change(page); }); };
    createFirstPage();
    createSecondPage();
    btnClose.create(hwnd(), "OK", true, IDOK);
    btnClose.onClick = [this] { endDialog(IDOK); };
    setDefaultButton(btnClose);
    link_.refresh();
}

void DeviceConfigDialog::createFirstPage() {
    TabSheet1.create(hwnd());
    lblControlPanel.create(TabSheet1.hwnd(),
                           "アナログスティックの中心位置を調整したり、すべてのボタン動作を確認するためには、"
                           "ゲームコントローラのプロパティを設定してください。");
    btnOpenControlPanel.create(TabSheet1.hwnd(), "ゲームコントローラの設定");
    btnOpenControlPanel.onClick = [this] { link_([](DeviceConfigForm& f) { f.btnOpenControlPanelClick(); }); };
}

void DeviceConfigDialog::createSecondPage() {
    // Group boxes paint only their frames: the page must not clip them.
    TabSheet2.create(hwnd(), {.clipChildren = false});
    const HWND page = TabSheet2.hwnd();
    lblDeviceList.create(page, "設定するデバイスを選択 :");
    cbDeviceList.create(page);
    cbDeviceList.onChange = [this](int index) {
        link_([index](DeviceConfigForm& f) { f.cbDeviceListSelect(index); });
    };
    gbJoystickNumber.create(page, " このデバイスについて");
    lblJoystickNumber.create(page, "接続されたときに優先的に割り当てられる Joystick 番号を指定");
    cbJoystickNumber.create(page);
    cbJoystickNumber.setItems(DeviceConfigForm::joystickNumberItems());
    cbJoystickNumber.onChange = [this](int index) {
        link_([index](DeviceConfigForm& f) { f.cbJoystickNumberChange(index); });
    };
    btnEditButtonNames.create(page, "ボタン名を編集");
    btnEditButtonNames.onClick = [this] { link_([](DeviceConfigForm& f) { f.btnEditButtonNamesClick(); }); };
    btnEditDeviceName.create(page, "デバイス表示名を編集");
    btnEditDeviceName.onClick = [this] { link_([](DeviceConfigForm& f) { f.btnEditDeviceNameClick(); }); };
    btnDeleteDeviceConfig.create(page, "このデバイス設定を削除");
    btnDeleteDeviceConfig.onClick = [this] { link_([](DeviceConfigForm& f) { f.btnDeleteDeviceConfigClick(); }); };

    gbAxisMapping.create(page, " 十字スティックの軸の割り当て設定");
    lblAxisNote.create(page, "入力軸が複数あり、十字スティックの上下・左右方向がおかしい場合は、軸の割り当てを変更できます。");
    lblStick1.create(page, "Stick 1");
    lblStick2.create(page, "Stick 2");
    pbStick1.create(page);
    pbStick1.onPaint = [this](HDC dc, const RECT&) { paintStick(0, dc); };
    pbStick2.create(page);
    pbStick2.onPaint = [this](HDC dc, const RECT&) { paintStick(1, dc); };
    for (int tag = 0; tag < 4; ++tag) {
        lblStickAxes[static_cast<size_t>(tag)].create(page, tag % 2 == 0 ? "横方向" : "縦方向");
        ui::ComboBox& list = cbStickAxes[static_cast<size_t>(tag)];
        list.create(page);
        list.setItems(DeviceConfigForm::axisItems());
        list.onChange = [this, tag](int index) {
            link_([tag, index](DeviceConfigForm& f) { f.cbStick1XChange(tag, index); });
        };
    }
    pbAxis.create(page);
    pbAxis.onPaint = [this](HDC dc, const RECT&) { paintAxes(dc); };
    lblAnalogDeadZoneCaption.create(page, "アナログ入力のしきい値（入力を無視するあそび）");
    tbAnalogDeadZone.create(page, 0, 100);
    tbAnalogDeadZone.setTickFrequency(10);
    tbAnalogDeadZone.setHint("アナログ入力で感度が良すぎるときなどに変更してください。");
    tbAnalogDeadZone.onChange = [this](int position) {
        link_([position](DeviceConfigForm& f) { f.tbAnalogDeadZoneChange(position); });
    };
    lblAnalogDeadZone.create(page, {});
}

void DeviceConfigDialog::refresh() {
    const int page = form_.page();
    PageControl1.setSelected(page);
    TabSheet1.setVisible(page == 0);
    TabSheet2.setVisible(page == 1);

    showItems(cbDeviceList, form_.deviceItems());
    cbDeviceList.setSelected(form_.deviceSelection());
    cbJoystickNumber.setSelected(form_.joystickNumber());
    for (size_t tag = 0; tag < cbStickAxes.size(); ++tag) {
        cbStickAxes[tag].setSelected(form_.stickAxes()[tag]);
        cbStickAxes[tag].setEnabled(form_.axisListsEnabled());
    }
    tbAnalogDeadZone.setValue(form_.deadZone());
    lblAnalogDeadZone.showText(form_.deadZoneText());
    btnDeleteDeviceConfig.setEnabled(form_.deleteEnabled());
    redrawLive();
}

void DeviceConfigDialog::redrawLive() {
    for (ui::PaintBox* box : {&pbStick1, &pbStick2, &pbAxis}) box->invalidate();
}

// The stick as a dot on a square of paper, scaled with the screen.
void DeviceConfigDialog::paintStick(int stick, HDC dc) {
    const double f = displayScale();
    const StickOffset offset = form_.stickOffset(stick, f);
    const int size = truncated(f * DeviceConfigForm::kStickBoxSize);
    const RECT square{0, 0, size, size};
    const ui::Palette colours = ui::palette();
    const ui::Brush paper = ui::solidBrush(colours.picture);
    FillRect(dc, &square, paper.get());
    const int centre = truncated(f * DeviceConfigForm::kStickBoxSize / 2);
    const int radius = truncated(f * kStickMarkerRadius);
    const ui::Brush dotBrush = ui::solidBrush(colours.pictureLine);
    const ui::Pen dotPen = ui::solidPen(colours.pictureLine);
    const ui::Selected brush(dc, dotBrush.get());
    const ui::Selected pen(dc, dotPen.get());
    Ellipse(dc, centre + offset.x - radius, centre + offset.y - radius, centre + offset.x + radius,
            centre + offset.y + radius);
}

// One row per source axis: its name, a line, and a marker where the axis is.
void DeviceConfigDialog::paintAxes(HDC dc) {
    const double f = displayScale();
    const COLORREF ink = ui::palette().marker;
    const ui::Pen linePen = ui::solidPen(ink);
    const ui::Brush markerBrush = ui::solidBrush(ink);
    const ui::Selected pen(dc, linePen.get());
    const ui::Selected font(dc, axisFont_.handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ink);
    const auto at = [f](int value) { return truncated(f * value); };
    for (int row = 0; row < DeviceConfigForm::kAxisRows; ++row) {
        const int y = 10 + 20 * row;
        const std::wstring label = toWide(DeviceConfigForm::axisRowLabels()[static_cast<size_t>(row)]);
        TextOutW(dc, at(10), at(y), label.c_str(), static_cast<int>(label.size()));
        MoveToEx(dc, at(48), at(y + 6), nullptr);
        LineTo(dc, at(148), at(y + 6));
        const int v = form_.axisMarker(row);
        const RECT marker{at(97) + v, at(y + 3), at(99) + v, at(y + 10)};
        FillRect(dc, &marker, markerBrush.get());
    }
}

void DeviceConfigDialog::layout() {
    place(PageControl1, 8, 8, 624, 460);
    const RECT page = PageControl1.pageRect();
    for (ui::Panel* sheet : {&TabSheet1, &TabSheet2}) {
        sheet->setBounds(page);
        SetWindowPos(sheet->hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    place(lblControlPanel, 16, 16, 570, 40);
    place(btnOpenControlPanel, 16, 66, 220, 30);

    place(lblDeviceList, 12, 14, 170, 20);
    place(cbDeviceList, 184, 10, 412, 24);
    place(gbJoystickNumber, 8, 42, 592, 108);
    place(lblJoystickNumber, 20, 68, 390, 20);
    place(cbJoystickNumber, 420, 64, 168, 24);
    place(btnEditButtonNames, 20, 106, 180, 30);
    place(btnEditDeviceName, 208, 106, 180, 30);
    place(btnDeleteDeviceConfig, 396, 106, 192, 30);

    place(gbAxisMapping, 8, 158, 592, 262);
    place(lblAxisNote, 20, 180, 568, 36);
    place(lblStick1, 20, 220, 100, 18);
    place(lblStick2, 228, 220, 100, 18);
    constexpr int box = DeviceConfigForm::kStickBoxSize;
    place(pbStick1, 20, 240, box, box);
    place(pbStick2, 228, 240, box, box);
    for (size_t tag = 0; tag < cbStickAxes.size(); ++tag) {
        const int x = tag < 2 ? 128 : 336;
        const int y = tag % 2 == 0 ? 238 : 290;
        place(lblStickAxes[tag], x, y, 92, 18);
        place(cbStickAxes[tag], x, y + 20, 84, 24);
    }
    place(pbAxis, 436, 220, 158, 172);
    axisFont_ = ui::UiFont::pixels(dpi(), kAxisLabelHeight);
    place(lblAnalogDeadZoneCaption, 20, 350, 400, 20);
    place(tbAnalogDeadZone, 20, 372, 300, 32);
    place(lblAnalogDeadZone, 326, 378, 60, 20);

    place(btnClose, 540, 480, 92, 30);
}

void DeviceConfigDialog::activated() {
    if (publish_) publish_(hwnd());
}

bool DeviceConfigDialog::handleMessage(UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message != wm::kVrxRedrawDeviceDialog) return false;
    redrawLive();
    result = 0;
    return true;
}

}  // namespace vrx
