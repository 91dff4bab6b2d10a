#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "DeviceConfig/DeviceConfigManager.h"
#include "Dialogs/DeviceConfigDialog_win.h"
#include "Joystick/InputBackend.h"
#include "Joystick/InputDevices.h"
#include "Joystick/Processing.h"
#include "Joystick/ProcessingXI.h"
#include "Joystick/XInputLibrary_win.h"
#include "Main/EngineWindowLink_win.h"
#include "Utils/RecordingEventImpl.h"
#include "support/MainWindowFixture_win.h"
#include "support/MouseClick_win.h"
#include "support/ProgramInstance_win.h"
#include "support/StandInPads_win.h"

// The device and template dialogs opened from the real main window as a
// user opens them, changed through their controls, and the records and
// files checked afterwards.

namespace vrx::test {
namespace {

using Texts = std::vector<std::string>;

Texts comboItems(HWND combo) {
    Texts items;
    const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = L"";
        SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        items.push_back(toUtf8(text));
    }
    return items;
}

int comboSelection(HWND combo) { return static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0)); }

// A tab chosen as the user chooses it: the tabs change and tell the window.
void selectTab(HWND window, int index) {
    HWND tabs = findChild(window, WC_TABCONTROLW);
    SendMessageW(tabs, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    NMHDR change{tabs, static_cast<UINT_PTR>(GetDlgCtrlID(tabs)), TCN_SELCHANGE};
    SendMessageW(window, WM_NOTIFY, change.idFrom, reinterpret_cast<LPARAM>(&change));
}

void slide(HWND trackBar, int position) {
    SendMessageW(trackBar, TBM_SETPOS, TRUE, position);
    SendMessageW(GetParent(trackBar), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, position),
                 reinterpret_cast<LPARAM>(trackBar));
}

// The colour at the centre of a paint box, as it is on the screen.
COLORREF centrePixel(HWND box) {
    UpdateWindow(box);
    RECT client;
    GetClientRect(box, &client);
    HDC dc = GetDC(box);
    const COLORREF colour = GetPixel(dc, client.right / 2, client.bottom / 2);
    ReleaseDC(box, dc);
    return colour;
}

// The main window with the device records, the real device and template
// dialogs behind its menus, and the engine's view of the device dialog.
struct DeviceWindow : MainWindowFixture {
    DeviceConfigManager registry{templates};
    EngineWindowLink link{window};
    std::vector<HWND> published;

    DeviceWindow() {
        // The dialog is published as it shows and withdrawn as it goes: in
        // the recorder's lines, that is where it opens and closes.
        dialogs.attachDevices(DeviceDialogParts{registry, templates, settings, lock, [this](HWND dialog) {
                                                    published.push_back(dialog);
                                                    r.calls.push_back(dialog ? "device dialog"
                                                                             : "withdraw device dialog");
                                                    link.publishDeviceDialog(dialog);
                                                }});
    }

    TDeviceConfig& add(const std::string& identity, int api, const std::string& name, bool connected) {
        TDeviceConfig& record = registry.findOrCreate(identity);
        record.Api = api;
        record.Name = name;
        record.Connected = connected;
        record.AxisMapping = {0, 1, 2, 3, 4, 5, 6, 7};
        return record;
    }
};

constexpr char kStickIdentity[] = "{6F1D2B60-D5A0-11CF-BFC7-444553540000}";

TEST(DeviceDialogsView, TheMenusDeviceDialogChangesTheChosenRecord) {
    DeviceWindow f;
    TDeviceConfig& pad = f.add("045E028E-1", kApiXInput, "Pad", true);
    TDeviceConfig& stick = f.add(kStickIdentity, kApiDirectInput, "Stick", false);
    f.r.take();
    HWND shown = nullptr;
    bool answered = false;
    {
        DialogAnswer answer([&](HWND dialog) {
            shown = dialog;
            EXPECT_EQ(windowText(dialog), L"ジョイスティックの調整・設定");
            EXPECT_TRUE(f.link.isDeviceDialog(reinterpret_cast<WindowHandle>(dialog)));
            selectTab(dialog, 1);
            const std::vector<HWND> combos = children(dialog, L"ComboBox");
            ASSERT_EQ(combos.size(), 6u);
            HWND devices = combos[0], number = combos[1], stick1X = combos[2];
            EXPECT_EQ(comboItems(devices), (Texts{"Pad [XInput] *接続中*", "Stick [DirectInput]"}));
            EXPECT_EQ(comboSelection(devices), 0);
            EXPECT_FALSE(IsWindowEnabled(stick1X));
            EXPECT_FALSE(IsWindowEnabled(findChild(dialog, L"Button", L"このデバイス設定を削除")));
            choose(number, 3);

            choose(devices, 1);
            EXPECT_TRUE(IsWindowEnabled(stick1X));
            EXPECT_TRUE(IsWindowEnabled(findChild(dialog, L"Button", L"このデバイス設定を削除")));
            choose(stick1X, 1);  // "Y 軸"
            EXPECT_EQ(comboSelection(combos[3]), 1);
            slide(children(dialog, TRACKBAR_CLASSW).front(), 30);
            EXPECT_NE(findChild(dialog, L"Static", L"30%"), nullptr);

            // The tick's redraw request repaints the stick where it is now.
            const HWND stickBox = children(dialog, L"VantorixPaintBox").front();
            const COLORREF centred = centrePixel(stickBox);
            stick.LastAxis[1] = 40;  // the Y axis drives stick 1 both ways now
            f.link.postDeviceDialogRedraw();
            EXPECT_TRUE(pumpUntil([&] { return centrePixel(stickBox) != centred; }));
            clickButton(dialog, L"OK");
            answered = true;
        });
        f.command(Command::JoystickProperty);
    }
    ASSERT_TRUE(answered);
    EXPECT_EQ(pad.PreferredNumber, 2);
    EXPECT_EQ(stick.AxisMapping, (AxisMapping{1, 1, 2, 3, 0, 4, 5, 6}));
    EXPECT_EQ(stick.AnalogDeadZone, 3000);
    EXPECT_EQ(f.published, (std::vector<HWND>{shown, nullptr}));
    EXPECT_EQ(f.store.saves, 1);
    EXPECT_EQ(f.r.take(), (Texts{"TimerDisable", "detect", "TimerEnable", "device dialog", "TimerDisable",
                                 "withdraw device dialog", "detect forced", "TimerEnable"}));
}

TEST(DeviceDialogsView, TheOptionsPagesButtonDeletesARecordThatIsNotConnected) {
    DeviceWindow f;
    f.add("045E028E-1", kApiXInput, "Pad", true);
    f.add(kStickIdentity, kApiDirectInput, "Stick", false);
    f.window.sync();
    bool answered = false;
    {
        DialogAnswer answer([&](HWND dialog) {
            selectTab(dialog, 1);
            HWND devices = children(dialog, L"ComboBox").front();
            choose(devices, 1);
            clickButton(dialog, L"このデバイス設定を削除");
            EXPECT_EQ(comboItems(devices), (Texts{"Pad [XInput] *接続中*"}));
            EXPECT_EQ(comboSelection(devices), 0);
            clickButton(dialog, L"OK");
            answered = true;
        });
        // The options page is the last tab.
        HWND tabs = findChild(f.main(), WC_TABCONTROLW);
        selectTab(f.main(), static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0)) - 1);
        pump();
        f.click(L"設定");
    }
    ASSERT_TRUE(answered);
    EXPECT_EQ(f.registry.size(), 1u);
    EXPECT_EQ(f.registry.snapshot().front()->Name, "Pad");
}

// Clicks a cell of a list view with the mouse.
void clickCell(HWND list, int row, int column) {
    RECT cell{};
    cell.top = column;
    cell.left = LVIR_BOUNDS;
    SendMessageW(list, LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
    leftClickAt(list, {cell.left + 8, (cell.top + cell.bottom) / 2});
    pump();
}

void typeInto(HWND edit, const std::wstring& text, WPARAM key) {
    SetWindowTextW(edit, text.c_str());
    SendMessageW(edit, WM_KEYDOWN, key, 0);
    pump();
}

TEST(DeviceDialogsView, TheTabMenusTemplateDialogEditsLabelsInPlaceAndSavesThem) {
    DeviceWindow f;
    bool answered = false;
    {
        DialogAnswer answer([&](HWND dialog) {
            EXPECT_EQ(windowText(dialog), L"ボタン表示テンプレートの設定");
            HWND templates = findChild(dialog, L"ComboBox");
            EXPECT_EQ(comboItems(templates)[static_cast<size_t>(comboSelection(templates))], "Default");
            const Texts items = comboItems(templates);
            choose(templates, static_cast<int>(std::find(items.begin(), items.end(), "Xbox controller") - items.begin()));
            HWND list = findChild(dialog, WC_LISTVIEWW);
            EXPECT_EQ(cell(list, 4, 1), "LB");
            EXPECT_EQ(cell(list, 127, 0), "[128]");

            clickCell(list, 4, 1);
            HWND editor = findChild(list, L"Edit");
            ASSERT_NE(editor, nullptr);
            EXPECT_TRUE(pumpUntil([&] { return IsWindowVisible(editor) != FALSE; }));
            EXPECT_EQ(windowText(editor), L"LB");
            typeInto(editor, L"Jump", VK_RETURN);
            EXPECT_EQ(cell(list, 4, 1), "Jump");
            EXPECT_EQ(windowText(editor), L"RB");  // the next row's label
            typeInto(editor, L"Dash", VK_UP);
            EXPECT_EQ(windowText(editor), L"Jump");
            clickButton(dialog, L"OK");
            answered = true;
        });
        f.command(Command::SpecifyTabTemplate);
    }
    ASSERT_TRUE(answered);
    EXPECT_EQ(f.manager.currentProfile()->joystick(0)->defaultTemplateId, "XBOX");
    EXPECT_TRUE(f.manager.currentProfile()->modified);
    const std::string saved = readBytes(f.folder / "templates.json");
    EXPECT_NE(saved.find("Jump"), std::string::npos) << saved;
    EXPECT_NE(saved.find("Dash"), std::string::npos) << saved;
    // The tab has no device: its template names the buttons.
    const auto& rows = f.form.rows();
    const auto jump = std::find_if(rows.begin(), rows.end(), [](const ButtonRow& row) { return row.button == "[5] Jump"; });
    ASSERT_NE(jump, rows.end());
    EXPECT_EQ(cell(f.buttonList(), static_cast<int>(jump - rows.begin()), 0), "[5] Jump");
}

TEST(DeviceDialogsView, F2OpensTheEditorAndTheCloseBoxKeepsTheLabelBeingTyped) {
    DeviceWindow f;
    bool answered = false;
    {
        DialogAnswer answer([&](HWND dialog) {
            HWND list = findChild(dialog, WC_LISTVIEWW);
            selectRow(list, 5);
            SendMessageW(list, WM_KEYDOWN, VK_F2, 0);
            HWND editor = findChild(list, L"Edit");
            ASSERT_NE(editor, nullptr);
            EXPECT_TRUE(pumpUntil([&] { return IsWindowVisible(editor) != FALSE; }));
            EXPECT_EQ(GetFocus(), editor);
            SetWindowTextW(editor, L"Kick");
            SendMessageW(dialog, WM_CLOSE, 0, 0);
            answered = true;
        });
        f.command(Command::SpecifyTabTemplate);
    }
    ASSERT_TRUE(answered);
    const std::string saved = readBytes(f.folder / "templates.json");
    EXPECT_NE(saved.find("Kick"), std::string::npos) << saved;
}

TEST(DeviceDialogsView, TheDeviceDialogOpensTheTemplateDialogForItsDevice) {
    DeviceWindow f;
    TDeviceConfig& pad = f.add("045E028E-1", kApiXInput, "Pad", true);
    bool answered = false;
    {
        DialogAnswer answer([&](HWND dialog) {
            selectTab(dialog, 1);
            {
                DialogAnswer chooser([&](HWND templateDialog) {
                    HWND templates = findChild(templateDialog, L"ComboBox");
                    const Texts items = comboItems(templates);
                    choose(templates,
                           static_cast<int>(std::find(items.begin(), items.end(), "PS4 controller") - items.begin()));
                    // The close box stores and saves like OK.
                    SendMessageW(templateDialog, WM_CLOSE, 0, 0);
                });
                clickButton(dialog, L"ボタン名を編集");
            }
            clickButton(dialog, L"OK");
            answered = true;
        });
        f.command(Command::JoystickProperty);
    }
    ASSERT_TRUE(answered);
    EXPECT_EQ(pad.TemplateID, "PS4");
    EXPECT_EQ(pad.Template, f.templates.find("PS4"));
}

// The stand-in XInput library under a name of its own, so that no XInput of
// the system stands in for it, whatever name the back end asks for.
class StandInXInputLibrary final : public XInputApi {
public:
    explicit StandInXInputLibrary(fs::path file) : file_(std::move(file)) {}
    bool load(const char*) override { return library_.load(toUtf8(file_.wstring()).c_str()); }
    Entries entries() const override { return library_.entries(); }
    uint32_t getStateEx(int user, XInputPadState& state) override { return library_.getStateEx(user, state); }
    uint32_t getState(int user, XInputPadState& state) override { return library_.getState(user, state); }
    uint32_t getCapabilitiesEx(int user, XInputPadIdentity& identity) override {
        return library_.getCapabilitiesEx(user, identity);
    }
    uint32_t setState(int user, uint16_t left, uint16_t right) override { return library_.setState(user, left, right); }

private:
    fs::path file_;
    XInputLibrary library_;
};

// The device window over the real XInput back end and engine, reading the
// stand-in library's pads; the test runs the engine's ticks itself.
struct PadWindow : DeviceWindow {
    StandInPads pads;
    fs::path library = copiedLibrary(folder.path());
    StandInXInputLibrary xinputLibrary{library};
    XInputBackend xinput{xinputLibrary, h.log};
    AbsentBackend none;
    RecordingKeySenders senders;
    ProcessingEngine engine{EngineLinks{manager, settings, devices, senders, link, h.log}};
    InputDevices devices{InputBackends{none, xinput, none}, registry, settings, engine.pressedState(), lock, link, h.log};

    static fs::path copiedLibrary(const fs::path& folder) {
        const fs::path copy = folder / "xinput_standin.dll";
        fs::copy_file(fs::path(windowsPath(VANTORIX_XINPUT_STANDIN)), copy);
        return copy;
    }

    PadWindow() { engine.ResetShiftTracking(*manager.currentProfile()); }

    // One tick of the timer, with the window in front as the timer sees it.
    void tick() {
        engine.setForeground(reinterpret_cast<WindowHandle>(GetForegroundWindow()), false, false);
        EngineLockGuard guard(lock);
        engine.ProcessTick();
    }
};

TEST(DeviceDialogsView, TheStandInPadIsListedAndItsStickMovesTheMarker) {
    PadWindow f;
    ASSERT_TRUE(f.pads.ready());
    f.pads.pad(0).vendorId = 0x045E;
    f.pads.pad(0).productId = 0x028E;
    f.pads.pad(0).connected = 1;
    ASSERT_TRUE(f.xinput.start());
    ASSERT_EQ(f.devices.DetectJoysticks(false), 1);
    const TDeviceConfig& pad = *f.registry.snapshot().front();
    bool answered = false;
    {
        DialogAnswer answer([&](HWND dialog) {
            selectTab(dialog, 1);
            HWND devices = children(dialog, L"ComboBox").front();
            EXPECT_EQ(comboItems(devices), (Texts{pad.displayName() + " [XInput] *接続中*"}));
            EXPECT_EQ(comboSelection(devices), 0);
            const HWND stickBox = children(dialog, L"VantorixPaintBox").front();
            f.tick();
            const COLORREF centred = centrePixel(stickBox);
            f.pads.change(0, [](standin::Pad& p) { p.thumbLX = 32767; });
            EXPECT_TRUE(pumpUntil([&] {
                f.tick();
                return centrePixel(stickBox) != centred;
            })) << "the marker did not move";
            EXPECT_EQ(pad.LastAxis[0], 50);
            clickButton(dialog, L"OK");
            answered = true;
        });
        f.command(Command::JoystickProperty);
    }
    ASSERT_TRUE(answered);
}

}  // namespace
}  // namespace vrx::test
