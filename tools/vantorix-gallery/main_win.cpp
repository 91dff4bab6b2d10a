// vantorix-gallery: one window of the program with sample content, shown
// until it is closed.
//
//   vantorix-gallery.exe wizard|greeting|image|name|about|assign-PAGE|controls|device|device-axes|
//                        template|preference|alias|vibration|applink|applinkitem|appcapture [--dark]
//
// VANTORIX_FORCE_DPI=144 shows it as on a 144-DPI screen.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "AppInfo/GlobalSettings.h"
#include "AppInfo/WebPages.h"
#include "AppLink/AppLinkManager.h"
#include "ConfigFileManager/ConfigFile.h"
#include "DeviceConfig/DeviceConfigManager.h"
#include "DeviceConfig/DeviceTemplateManager.h"
#include "Dialogs/AboutBox_win.h"
#include "Dialogs/AppCaptureDialog_win.h"
#include "Dialogs/AppLinkDialog_win.h"
#include "Dialogs/AppLinkItemDialog_win.h"
#include "Dialogs/AssignEditor_win.h"
#include "Dialogs/ButtonAliasDialog_win.h"
#include "Dialogs/DeviceConfigDialog_win.h"
#include "Dialogs/DeviceTemplateDialog_win.h"
#include "Dialogs/GreetingDialog_win.h"
#include "Dialogs/ImageForm_win.h"
#include "Dialogs/InputNameDialog_win.h"
#include "Dialogs/PreferenceDlg_win.h"
#include "Dialogs/VibrationDialog_win.h"
#include "Dialogs/WizardDialog_win.h"
#include "EngineTypes/EngineLock.h"
#include "Joybutton/KeyOutput.h"
#include "Joybutton/TickContext.h"
#include "Main/MainWindowDialogs_win.h"
#include "Ui/Button_win.h"
#include "Ui/ComboBox_win.h"
#include "Ui/DialogWindow_win.h"
#include "Ui/Edit_win.h"
#include "Ui/GdiObjects_win.h"
#include "Ui/Label_win.h"
#include "Ui/ListBox_win.h"
#include "Ui/ListView_win.h"
#include "Ui/Menu_win.h"
#include "Ui/PaintBox_win.h"
#include "Ui/TabStrip_win.h"
#include "Ui/Theme_win.h"
#include "Ui/TrackBar_win.h"
#include "Utils/KeyboardLayout.h"
#include "Utils/Logger.h"
#include "Utils/WindowInfo_win.h"

namespace {

using namespace vrx;

// One control of each kind, to look at both themes.
class ControlsWindow : public ui::DialogWindow {
public:
    ControlsWindow() : DialogWindow(ui::DialogPlacement::CentreOnScreen) { setTitle("コントロール一覧"); }

protected:
    SIZE designSize() const override { return {660, 470}; }

    void createControls() override {
        tabs.create(hwnd());
        tabs.setTabs({"Joystick 1", "Joystick 2", "オプション"});
        group.create(hwnd(), "入力");
        check.create(hwnd(), "連射を有効にする");
        check.setChecked(true);
        radioA.create(hwnd(), "押している間", true);
        radioB.create(hwnd(), "押すたびに切り替え", false);
        radioA.setChecked(true);
        offCheck.create(hwnd(), "使えないチェック");
        offCheck.setChecked(true);
        offCheck.setEnabled(false);
        offRadio.create(hwnd(), "使えない選択", true);
        offRadio.setEnabled(false);
        edit.create(hwnd(), "コメント");
        digits.create(hwnd(), "128", {.digitsOnly = true});
        yellow.create(hwnd(), "");
        yellow.setBackgroundColor(RGB(255, 255, 0));
        combo.create(hwnd());
        combo.setItems({"キーボード", "マウス", "設定切り替え", "なし"});
        combo.setSelected(0);
        track.create(hwnd(), 0, 100);
        track.setTickFrequency(10);
        track.setValue(40);
        list.create(hwnd());
        list.setItems({"Default", "ゲーム用", "ブラウザ", "動画プレイヤー"});
        list.setSelected(1);
        rows.create(hwnd());
        rows.setColumns({{"ボタン", 76}, {"機能", 110}, {"連射", 44, ui::TextAlign::Centre}, {"コメント", 80}});
        rows.addRow({"ボタン 1", "Z", "", "ジャンプ"}, 1);
        rows.addRow({"ボタン 2", "X", "○", "攻撃"}, 2);
        rows.addRow({"ボタン 3", "Ctrl + C", "", ""}, 3);
        rows.addRow({"POV 上", "↑", "", ""}, 4);
        rows.setSelectedRow(2);
        rows.rowLook = [](int row) {
            ui::RowLook look;
            if (row == 1) look.background = isDark() ? RGB(90, 70, 20) : RGB(255, 230, 150);
            if (row == 0) look.bold = true;
            return look;
        };
        normal.create(hwnd(), "通常のラベル");
        bold.create(hwnd(), "太字のラベル", {.bold = true});
        link.create(hwnd(), webPageAddress("/ja/"), {.wordWrap = false, .link = true});
        paint.create(hwnd());
        paint.onPaint = [](HDC dc, const RECT& client) {
            const ui::Palette& palette = ui::glowPalette();
            RECT filled{client.left + 2, client.top + 2, client.left + (client.right - client.left) * 3 / 5,
                        client.bottom - 2};
            FillRect(dc, &filled, ui::solidBrush(isDark() ? palette.focus : RGB(0, 120, 215)).get());
            FrameRect(dc, &client, isDark() ? ui::Theme::borderBrush() : GetSysColorBrush(COLOR_BTNSHADOW));
        };
        ok.create(hwnd(), "OK", true, IDOK);
        ok.onClick = [this] { endDialog(IDOK); };
        setDefaultButton(ok);
        cancelButton.create(hwnd(), "キャンセル", false, IDCANCEL);
        cancelButton.onClick = [this] { endDialog(IDCANCEL); };
        menuButton.create(hwnd(), "メニュー...");
        menuButton.onClick = [this] {
            ui::Menu menu({{.id = 101, .caption = "貼り付け"},
                           {.id = 102, .caption = "クリア", .enabled = false},
                           {.kind = ui::MenuKind::Separator},
                           {.id = 103, .caption = "常に手前に表示", .checked = true}});
            menu.popupAtCursor(hwnd());
        };
    }

    void layout() override {
        tabs.setBounds(dpi().scale(8), dpi().scale(8), dpi().scale(644), dpi().scale(30));
        group.setBounds(dpi().scale(8), dpi().scale(46), dpi().scale(300), dpi().scale(244));
        check.setBounds(dpi().scale(20), dpi().scale(68), dpi().scale(270), dpi().scale(22));
        radioA.setBounds(dpi().scale(20), dpi().scale(94), dpi().scale(130), dpi().scale(22));
        radioB.setBounds(dpi().scale(152), dpi().scale(94), dpi().scale(150), dpi().scale(22));
        edit.setBounds(dpi().scale(20), dpi().scale(122), dpi().scale(170), dpi().scale(24));
        digits.setBounds(dpi().scale(198), dpi().scale(122), dpi().scale(96), dpi().scale(24));
        yellow.setBounds(dpi().scale(20), dpi().scale(152), dpi().scale(170), dpi().scale(24));
        combo.setBounds(dpi().scale(20), dpi().scale(184), dpi().scale(274), dpi().scale(24));
        track.setBounds(dpi().scale(20), dpi().scale(218), dpi().scale(274), dpi().scale(32));
        offCheck.setBounds(dpi().scale(20), dpi().scale(258), dpi().scale(130), dpi().scale(22));
        offRadio.setBounds(dpi().scale(152), dpi().scale(258), dpi().scale(150), dpi().scale(22));
        list.setBounds(dpi().scale(320), dpi().scale(46), dpi().scale(150), dpi().scale(110));
        normal.setBounds(dpi().scale(482), dpi().scale(50), dpi().scale(170), dpi().scale(20));
        bold.setBounds(dpi().scale(482), dpi().scale(74), dpi().scale(170), dpi().scale(20));
        link.setBounds(dpi().scale(482), dpi().scale(98), dpi().scale(170), dpi().scale(20));
        paint.setBounds(dpi().scale(482), dpi().scale(126), dpi().scale(170), dpi().scale(30));
        rows.setDpi(dpi());
        rows.setBounds(dpi().scale(320), dpi().scale(166), dpi().scale(332), dpi().scale(140));
        menuButton.setBounds(dpi().scale(8), dpi().scale(426), dpi().scale(110), dpi().scale(30));
        ok.setBounds(dpi().scale(444), dpi().scale(426), dpi().scale(100), dpi().scale(30));
        cancelButton.setBounds(dpi().scale(552), dpi().scale(426), dpi().scale(100), dpi().scale(30));
    }

private:
    static bool isDark() { return ui::Theme::dark(); }

    ui::TabStrip tabs;
    ui::GroupBox group;
    ui::CheckBox check, offCheck;
    ui::RadioButton radioA, radioB, offRadio;
    ui::Edit edit, digits, yellow;
    ui::ComboBox combo;
    ui::TrackBar track;
    ui::ListBox list;
    ui::ListView rows;
    ui::Label normal, bold, link;
    ui::PaintBox paint;
    ui::Button ok, cancelButton, menuButton;
};

// A sample picture: a 400 x 300 bitmap file with a gradient and a frame.
std::filesystem::path writeSamplePicture() {
    const int width = 400, height = 300;
    std::string pixels(static_cast<size_t>(width * height * 3), '\0');
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool frame = x < 8 || y < 8 || x >= width - 8 || y >= height - 8;
            char* pixel = &pixels[static_cast<size_t>((y * width + x) * 3)];
            pixel[0] = static_cast<char>(frame ? 255 : 120 + x * 135 / width);  // blue
            pixel[1] = static_cast<char>(frame ? 255 : 60 + y * 160 / height);  // green
            pixel[2] = static_cast<char>(frame ? 255 : 40);                      // red
        }
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = -height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const std::filesystem::path path = std::filesystem::path(folder) / L"vantorix-gallery-sample.bmp";
    if (FILE* out = _wfopen(path.c_str(), L"wb")) {
        fwrite(&file, sizeof file, 1, out);
        fwrite(&info, sizeof info, 1, out);
        fwrite(pixels.data(), 1, pixels.size(), out);
        fclose(out);
    }
    return path;
}

int showImage() {
    ImageForm form;
    bool hidden = false;
    form.onHidden = [&hidden] { hidden = true; };
    if (!form.ShowImage(writeSamplePicture(), 4, 600000, 0.5)) return 1;
    MSG message;
    while (!hidden && GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

// Three controllers as a detection leaves them: a pad, a stick with its
// axes somewhere off the centre, and one that is not plugged in.
struct SampleDevices {
    NullLogger log;
    DeviceTemplateManager templates;
    DeviceConfigManager registry{templates};
    GlobalSettings settings;
    UnsharedEngineLock lock;

    SampleDevices() : templates(std::filesystem::temp_directory_path() / "vantorix-gallery-templates.json", log) {
        settings.xInputSupport = 4;
        TDeviceConfig& pad = add("045E028E-1", kApiXInput, "Controller (XBOX 360 For Windows)", true);
        pad.Template = templates.find("XBOX");
        TDeviceConfig& stick = add("{6F1D2B60-D5A0-11CF-BFC7-444553540000}", kApiDirectInput, "USB Gamepad", true);
        stick.NameOverride = "アーケードスティック";
        stick.PreferredNumber = 1;
        stick.AnalogDeadZone = 1500;
        stick.LastAxis = {20, -30, 0, 45, -10, 0, 0, -50};
        add("\\\\?\\hid#vid_054c&pid_09cc", kApiHid, "Wireless Controller", false);
    }
    TDeviceConfig& add(const char* identity, int api, const char* name, bool connected) {
        TDeviceConfig& record = registry.findOrCreate(identity);
        record.Api = api;
        record.Name = name;
        record.Connected = connected;
        record.AxisMapping = {0, 1, 2, 3, 4, 5, 6, 7};
        return record;
    }
};

// The second page of the device dialog, as a click on its tab shows it.
void showSecondPage(ui::DialogWindow& dialog) {
    HWND tabs = FindWindowExW(dialog.hwnd(), nullptr, WC_TABCONTROLW, nullptr);
    SendMessageW(tabs, TCM_SETCURSEL, 1, 0);
    NMHDR change{tabs, static_cast<UINT_PTR>(GetDlgCtrlID(tabs)), TCN_SELCHANGE};
    SendMessageW(dialog.hwnd(), WM_NOTIFY, change.idFrom, reinterpret_cast<LPARAM>(&change));
}

int showDeviceDialog(bool axesPage) {
    SampleDevices sample;
    DeviceConfigDialog dialog(DeviceDialogParts{sample.registry, sample.templates, sample.settings, sample.lock, {}});
    if (axesPage) dialog.onShown = showSecondPage;
    dialog.showModal(nullptr);
    return 0;
}

// The preference dialog here has no timer or devices to restart.
struct NoProcessing final : ProcessingRestart {
    void terminateTimer() override {}
    void initTimer() override {}
    void detectDevices() override {}
};

int showPreference() {
    GlobalSettings settings;
    settings.notifySoundFile = "notify.wav";
    settings.notifyProfileImage = true;
    settings.ignoreInputAfterProfileSwitch = -1;
    settings.turboMode = 1;
    UnsharedEngineLock lock;
    NoProcessing processing;
    MainWindowDialogs dialogs([] { return HWND{}; });
    NullLogger log;
    PreferenceForm form(
        PreferenceParts{settings, lock, processing, dialogs, std::filesystem::temp_directory_path(), log});
    PreferenceDialog(form).showModal(nullptr);
    return 0;
}

int showButtonAlias() {
    ConfigFile profile;
    profile.settings.numberOfButtons = 16;
    profile.buttonAlias.set(buttonSlot(0), {buttonSlot(1), -1, -1});
    profile.buttonAlias.set(buttonSlot(5), {buttonSlot(2), buttonSlot(3), -1});
    profile.buttonAlias.set(povSlot(0, PovDirection::Up), {buttonSlot(4), buttonSlot(5), buttonSlot(6)});
    UnsharedEngineLock lock;
    ButtonAliasForm form(profile, lock);
    ButtonAliasDialog(form).showModal(nullptr);
    return 0;
}

int showVibration() {
    ConfigFile profile;
    profile.settings.vibrationSpeed1 = 60;
    profile.settings.vibrationSpeed2 = 30;
    profile.settings.vibrationDuration = 500;
    MainWindowDialogs dialogs([] { return HWND{}; });
    VibrationForm form(profile, dialogs);
    VibrationDialog(form).showModal(nullptr);
    return 0;
}

// The application-link dialogs over sample rules and profiles; nothing is
// logged, and a capture does not minimize the gallery.
struct AppLinkSamples final : CaptureHost {
    NullLogger log;
    UnsharedEngineLock lock;
    AppLinkManager manager{std::filesystem::temp_directory_path() / "vantorix-gallery", lock, log};
    std::vector<std::string> profiles{"Default", "ゲーム用", "ブラウザ", "動画プレイヤー"};
    SystemWindowInfo windowInfo{log};
    AppLinkDialogParts parts{manager, profiles, systemForegroundWindow(), windowInfo, *this, log};

    AppLinkSamples() {
        manager.replace({kNoMatchDefaultConfig,
                         "Default",
                         {{"メモ帳", "Default", "notepad.exe", ""},
                          {"YouTube", "動画プレイヤー", "chrome.exe", "YouTube"},
                          {"レースゲーム", "ゲーム用", "C:\\Games\\Racer\\racer.exe", ""},
                          {"デスクトップ", "Default", "_DESKTOP_", ""}}});
    }
    void minimizeApplication() override {}
    void restoreApplication() override {}
    void beep() override { MessageBeep(MB_OK); }
};

// The assignment dialog over a sample slot whose type opens the page.
int showAssign(int page) {
    ConfigFile profile;
    profile.setNumberOfJoysticks(3);
    JoyButton& slot = profile.joystick(0)->slot(buttonSlot(0));
    switch (page) {
        case kPageKeyboard:
            slot.type = AssignType::Keyboard;
            slot.keys = {key::LCtrl, 'C'};
            slot.autoRepeatRate = 10;
            slot.comment = "コピー";
            break;
        case kPageKeyboardMulti:
            slot.type = AssignType::KeyboardMulti;
            slot.keys = {'W', 0, 0, 0, key::LShift, 'W', 0, 0, 'R'};
            slot.switchMode = SwitchMode::AnalogSwitch;
            slot.analogThreshold1 = 40;
            slot.analogThreshold2 = 90;
            break;
        case kPageMouse:
            slot.type = AssignType::Mouse;
            slot.mouseMoveY = -40;
            slot.mouseWheelV = -20;
            slot.mouseLeft = 1;
            slot.analogFactor = 150;
            break;
        case kPageMouseAbsolute:
            slot.type = AssignType::MouseAbsolute;
            slot.mouseCenterX = 25;
            slot.mouseCenterY = 60;
            slot.mouseAbsRangeX = 30;
            break;
        case kPageCommand:
            slot.type = AssignType::Command;
            slot.commandSteps.resize(3);
            slot.commandSteps[0].keys = {key::LCtrl, 'A'};
            slot.commandSteps[0].durationMs = 50;
            slot.commandSteps[1].keys = {key::LCtrl, 'C'};
            slot.commandSteps[1].durationMs = 50;
            slot.commandSteps[2].keys = {key::NumpadEnter};
            slot.commandSteps[2].durationMs = 100;
            break;
        case kPageSpecial:
            slot.type = AssignType::ProfileSwitch;
            slot.targetName = "Menu";
            slot.switchDelay = 1500;
            break;
        default:
            slot.type = AssignType::PasteText;
            slot.pasteText = "お疲れさまでした！\\n%DATE% %TIME%";
            break;
    }
    NullLogger log;
    KeyRefCounts counts{};
    TickContext tick(log, counts);
    UnsharedEngineLock lock;
    AssignEditor editor(AssignEditorParts{lock, tick, systemKeyboardLayout(), [] { return HWND{}; },
                                          [] { return LastKeyDown{}; }});
    EditRun run;
    run.profile = &profile;
    run.shiftTargets = {"[2] Joystick", "[3] Wireless Controller"};
    run.profileNames = {"Game", "Menu", "Race"};
    for (int k = 1; k <= 64; ++k) run.buttonLabels.push_back("ボタン " + std::to_string(k));
    editor.beginRun(run);
    editor.edit(0, buttonSlot(0), "ボタン 1");
    editor.endRun();
    return 0;
}

const std::map<std::string, std::function<int()>>& windows() {
    static const std::map<std::string, std::function<int()>> table{
        {"wizard",
         [] {
             WizardDialog dialog;
             dialog.setExplanation("ジョイスティック 1 の ボタン 3 に対応させるキーを押してください");
             dialog.showFor(nullptr);
             return 0;
         }},
        {"greeting",
         [] {
             GreetingDialog dialog(webPageAddress("/ja/overview"));
             dialog.showModal(nullptr);
             return 0;
         }},
        {"image", showImage},
        {"name",
         [] {
             InputNameForm form("ゲーム用");
             InputNameDialog dialog(form);
             dialog.setTitle("名前の変更");
             dialog.ask(nullptr);
             return 0;
         }},
        {"about",
         [] {
             AboutBox dialog(webPageAddress("/ja/"));
             dialog.showModal(nullptr);
             return 0;
         }},
        {"device", [] { return showDeviceDialog(false); }},
        {"device-axes", [] { return showDeviceDialog(true); }},
        {"template",
         [] {
             SampleDevices sample;
             DeviceTemplateDialog dialog(sample.templates, "XBOX");
             // The fifth label being edited in place.
             dialog.onShown = [](ui::DialogWindow& shown) { PostMessageW(shown.hwnd(), kVrxEditButtonLabel, 4, 0); };
             dialog.showModal(nullptr);
             return 0;
         }},
        {"assign-keyboard", [] { return showAssign(kPageKeyboard); }},
        {"assign-multi", [] { return showAssign(kPageKeyboardMulti); }},
        {"assign-mouse", [] { return showAssign(kPageMouse); }},
        {"assign-absolute", [] { return showAssign(kPageMouseAbsolute); }},
        {"assign-command", [] { return showAssign(kPageCommand); }},
        {"assign-special", [] { return showAssign(kPageSpecial); }},
        {"assign-text", [] { return showAssign(kPageText); }},
        {"controls",
         [] {
             ControlsWindow window;
             window.showModal(nullptr);
             return 0;
         }},
        {"preference", showPreference},
        {"alias", showButtonAlias},
        {"vibration", showVibration},
        {"applink",
         [] {
             AppLinkSamples samples;
             AppLinkDialog(samples.parts).showModal(nullptr);
             return 0;
         }},
        {"applinkitem",
         [] {
             AppLinkSamples samples;
             AppLinkItemDialog(samples.parts).editRule(nullptr, samples.manager.data().rules[1]);
             return 0;
         }},
        {"appcapture",
         [] {
             AppLinkSamples samples;
             AppCaptureDialog(samples.parts).capture(nullptr);
             return 0;
         }},
    };
    return table;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    std::string name;
    for (int index = 1; index < __argc; ++index) {
        const std::wstring argument = __wargv[index];
        if (argument == L"--dark")
            ui::Theme::setCurrent(ui::ThemeKind::Glow);
        else
            name.assign(argument.begin(), argument.end());
    }
    const auto found = windows().find(name);
    if (found == windows().end()) {
        std::string usage = "vantorix-gallery NAME [--dark]\nNAME:";
        for (const auto& [known, show] : windows()) usage += " " + known;
        MessageBoxA(nullptr, usage.c_str(), "vantorix-gallery", MB_OK);
        return 2;
    }
    return found->second();
}
