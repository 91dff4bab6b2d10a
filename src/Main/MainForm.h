#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Dialogs/FormDialogs.h"
#include "EngineTypes/ButtonNames.h"
#include "EngineTypes/SlotIndex.h"
#include "Joybutton/JoyButton.h"
#include "Joybutton/JoystickConfig.h"
#include "Main/MainFormLinks.h"
#include "Main/OptionsPage.h"

namespace vrx {

class ConfigFile;
class ConfigFileManager;
class DeviceList;
class DeviceTemplateManager;
class EngineLock;
class KeyboardLayout;
class Logger;
class ProcessingEngine;
class TDeviceConfig;
class TemplateChooser;
struct GlobalSettings;

// One row of the button list: the slot it shows and its four columns.
struct ButtonRow {
    SlotIndex slot = 0;
    std::string button;      // "ボタン"
    std::string function;    // "機能"
    std::string autoRepeat;  // "連射"
    std::string comment;     // "コメント"
};

// The two pages inside the tab strip.
enum class FormPage { Joystick, Options };

// The control that has the keyboard focus, as far as the model cares: Enter
// and Escape belong to it, and a tab change must not leave a number box
// unchecked.
enum class FocusedControl { Other, NumJoysticks, NumButtons, ButtonList };

// Where a handler wants the keyboard focus to go; the view moves it and the
// request is consumed.
enum class FocusRequest { None, TabStrip, ButtonList, NumJoysticks, NumButtons, ApplyNumJoysticks };

// What a handler changed, so that the view copies only that into its
// controls. A bit set of these is returned by takeChanges().
enum FormChange : unsigned {
    kProfileListChanged = 1u << 0,    // profileItems() and profileSelection()
    kTabsChanged = 1u << 1,           // tabTexts() (count or texts) and currentTab()
    kRowsChanged = 1u << 2,           // rows() rebuilt: new row set, selectedRow()
    kRowTextsChanged = 1u << 3,       // rows() texts only, same slots
    kCaptionChanged = 1u << 4,        // caption()
    kPageChanged = 1u << 5,           // page()
    kOptionsChanged = 1u << 6,        // options().state()
    kHighlightChanged = 1u << 7,      // redraw the list without erasing (rowHighlight)
    kSelectionChanged = 1u << 8,      // selectedRow()
};

// An item of the swap submenu: its caption and the slot it stands for.
struct SwapItem {
    std::string caption;
    SlotIndex slot = 0;
};

// The button list's popup as it opens.
struct ButtonListMenu {
    bool rowItems = false;        // edit, copy, paste, clear, swap: a row is selected
    bool joystickItems = false;   // clear all: a joystick tab
    bool renameDeviceName = false;    // PMRenameDeviceName2
    bool editDeviceTemplate = false;  // PMEditDeviceTemplate2
    bool renameTabName = false;       // PMRenameTabName2
    bool specifyTabTemplate = false;  // PMSpecifyTabTemplate2
    std::vector<SwapItem> swapItems;
};

// The tab strip's popup as it opens; nothing opens on the "Options" tab.
struct JoystickTabMenu {
    bool opens = false;
    bool renameDeviceName = false;    // PMRenameDeviceName
    bool clearDeviceName = false;     // PMClearDeviceName
    bool editDeviceTemplate = false;  // PMEditDeviceTemplate
    bool renameTabName = false;       // PMRenameTabName
    bool specifyTabTemplate = false;  // PMSpecifyTabTemplate
};

// Everything the main window's model works with. The engine gives the
// pressed state the rows are coloured by and the tick context through which
// a replaced slot lets go of what it holds.
struct MainFormParts {
    ConfigFileManager& profiles;
    ProcessingEngine& engine;
    EngineLock& lock;
    GlobalSettings& settings;
    const DeviceList& devices;
    const DeviceTemplateManager& templates;
    FormDialogs& dialogs;
    AssignmentEditor& editor;
    KeyWizard& wizard;
    SettingsStore& settingsStore;
    OptionsPageParts options;  // all but the host, which is the form
    Logger& log;
    const KeyboardLayout& layout;
    TemplateChooser& templateChooser;
};

// The main window apart from drawing: the profile list, the joystick tabs,
// the button list with its popups, and the options page. The view copies
// the state below into its controls, turns control events into the handler
// of the same name, and after each call reads takeChanges() and
// takeFocusRequest(). Nothing here touches the window system.
class MainForm final : public OptionsHost {
public:
    explicit MainForm(MainFormParts parts);
    MainForm(const MainForm&) = delete;
    MainForm& operator=(const MainForm&) = delete;

    // --- Operations other parts of the program call ---
    // Rebuilds tabs, rows and the options page from the profile in force.
    void RefreshDisplay() override;
    bool updating() const override { return updating_; }
    // Fills one row's four texts from its slot on the current tab.
    void UpdateRow(int row);
    void UpdateCaption();
    // Re-marks the tab texts of joysticks with pressed input and asks for a
    // redraw of the rows.
    void RefreshTabHighlights();
    // After detection: the options page's status label, then RefreshDisplay.
    void UpdateJoystickCount(int detectedControllers);
    // "[n] " and the device's or the tab's name.
    std::string TabCaption(int joystick) const;
    // The profile list's items from the manager, its current profile
    // selected, then RefreshDisplay.
    void reloadProfileList();
    // Only selects the manager's current profile in the list.
    void selectCurrentProfile();

    // --- State the view shows ---
    const std::vector<std::string>& profileItems() const { return profileItems_; }
    int profileSelection() const { return profileSelection_; }
    // One text per joystick, then "Options".
    const std::vector<std::string>& tabTexts() const { return tabTexts_; }
    int currentTab() const { return currentTab_; }
    FormPage page() const { return page_; }
    const std::vector<ButtonRow>& rows() const { return rows_; }
    int selectedRow() const { return selectedRow_; }  // -1 none
    const std::string& caption() const { return caption_; }
    OptionsPage& options() { return options_; }
    const OptionsPage& options() const { return options_; }
    // The engine lock, for the dialogs of the menus that change what the tick reads.
    EngineLock& engineLock() const { return parts_.lock; }
    const JoyButton& buttonCopyBuffer() const { return buttonCopy_; }
    const JoystickConfig& joystickCopyBuffer() const { return joystickCopy_; }
    // The background of a row while it is pressed (0xRRGGBB); nothing keeps
    // the list's normal background.
    std::optional<uint32_t> rowHighlight(int row) const;

    // What changed since the last call (FormChange bits), then clears it.
    unsigned takeChanges();
    // Where the focus goes after the last handler, the options page's
    // requests included; None leaves it where it is.
    FocusRequest takeFocusRequest();

    // --- What the view tells the model ---
    // The main window became the active window or stopped being it.
    void setActive(bool active);
    bool active() const { return active_; }
    // Joystick processing suspended (the menu's check mark): the caption
    // says so.
    void setProcessingSuspended(bool suspended);
    // A row selected by click or keyboard; -1 for none.
    void selectRow(int row);
    // Enter or Escape, which the window's dialog keyboard takes from the
    // control with the focus and hands on here. True when taken.
    bool dialogKey(int virtualKey, FocusedControl focused);

    // --- Handlers ---
    void btnAddNewClick();
    void btnCopyClick();
    void btnRenameClick();
    void btnDeleteClick();
    void btnSaveClick();
    // The item clicked (the list's selection after the click).
    void lbConfigListClick(int index);
    // itemAtPointer: the item under the pointer, or -1 when the pointer is
    // below the last item.
    void lbConfigListMouseDown(bool rightButton, int itemAtPointer);
    // The tab strip's new selection and the control that has the focus (a
    // number box that lost it to the same click still counts).
    void tcJoystickChange(int tab, FocusedControl focused);
    void lvButtonListDblClick();
    // A double click on a row selects it and edits; one beside the rows
    // does nothing.
    void lvButtonListDblClick(int rowAtPointer);
    // True when the key was taken (Enter).
    bool lvButtonListKeyDown(int virtualKey);
    // With Ctrl held, C, V and X are the popup's copy, paste and clear.
    bool lvButtonListKeyDown(int virtualKey, bool ctrlDown);
    // The row under the pointer becomes the selected one; with none there
    // the selection stays.
    ButtonListMenu PMButtonListPopup(int rowAtPointer = -1);
    void PMButtonListSwapClick(SlotIndex other);
    void PMButtonListCopyClick();
    void PMButtonListPasteClick();
    void PMButtonListClearClick();
    void PMButtonListAllClearClick();
    // tabAtPointer: the tab under the pointer.
    JoystickTabMenu PMJoystickTabPopup(int tabAtPointer, FocusedControl focused);
    void PMJoyCopyToClipboardClick();
    void PMJoyPasteFromClipboardClick();
    void PMRenameDeviceNameClick();
    void PMClearDeviceNameClick();
    void PMEditDeviceTemplateClick();
    void PMRenameTabNameClick();
    void PMSpecifyTabTemplateClick();
    void btnConfigWizardClick();
    void ApplicationEventsActivate();

private:
    ConfigFile* profile() const;
    JoystickConfig* currentJoystick() const;
    bool onJoystickTab() const;
    int detectedCount() const;
    TDeviceConfig* deviceOf(int joystick) const;
    const ButtonTemplateNames* templateNamesOf(int joystick) const;
    JoyButton* selectedSlot() const;
    EditRun editRun() const;
    void updateAllRows();
    void showTab(int tab);
    void markModified();
    void change(unsigned what) { changes_ |= what; }

    MainFormParts parts_;
    OptionsPage options_;
    std::vector<std::string> profileItems_;
    int profileSelection_ = -1;
    std::vector<std::string> tabTexts_;
    int currentTab_ = 0;
    FormPage page_ = FormPage::Joystick;
    std::vector<ButtonRow> rows_;
    int selectedRow_ = -1;
    std::string caption_;
    bool updating_ = false;
    bool active_ = false;
    bool processingSuspended_ = false;
    JoyButton buttonCopy_;
    JoystickConfig joystickCopy_{-1};
    unsigned changes_ = 0;
    FocusRequest focus_ = FocusRequest::None;
};

}  // namespace vrx
