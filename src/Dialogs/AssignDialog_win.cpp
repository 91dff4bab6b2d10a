#include "Dialogs/AssignDialog_win.h"

#include "Ui/Theme_win.h"

namespace vrx {
namespace {

constexpr COLORREF kFocusedKeyBox = RGB(255, 255, 0);
constexpr COLORREF kKeyBox = RGB(255, 255, 255);
constexpr int kClearItem = 1;
constexpr int kFirstCodeItem = 100;
constexpr int kFirstSubmenu = 60000;

const char* const kPageCaptions[kAssignPageCount] = {"キーボード", "キーボード(複数)", "マウス", "マウス(位置指定)",
                                                     "コマンド",   "特殊機能",         "テキスト入力"};

}  // namespace

// --- KeyBox ---

bool KeyBox::create(HWND parent) {
    if (!Edit::create(parent, {}, {.wantAllKeys = true})) return false;
    showFocus(false);
    return true;
}

void KeyBox::showFocus(bool focused) {
    // A disabled box keeps the style's disabled look.
    if (focused)
        setBackgroundColor(kFocusedKeyBox);
    else if (!ui::Theme::dark() && enabled())
        setBackgroundColor(kKeyBox);
    else
        setBackgroundColor(std::nullopt);
}

bool KeyBox::onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_CONTEXTMENU: {
            POINT screen{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            if (screen.x == -1 && screen.y == -1) {  // from the keyboard: below the box
                const RECT box = bounds();
                screen = {box.left, box.bottom};
                ClientToScreen(GetParent(hwnd()), &screen);
            }
            if (onContextMenu) onContextMenu(screen);
            result = 0;
            return true;
        }
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            showFocus(message == WM_SETFOCUS);
            break;
        default:
            break;
    }
    return Edit::onMessage(message, wParam, lParam, result);
}

// editAutoRepeatPerSecEnter, editAutoRepeatPerSecMouseDown
bool SelectingBox::onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_LBUTTONDOWN && !focused()) {
        result = callDefault(message, wParam, lParam);
        selectAll();
        return true;
    }
    return Edit::onMessage(message, wParam, lParam, result);
}

// --- The dialog ---

AssignDialog::AssignDialog(AssignForm& form, std::function<LastKeyDown()> lastKeyDown)
    : form_(form), lastKeyDown_(std::move(lastKeyDown)) {}

int AssignDialog::EditSlot(HWND owner, int joystick, SlotIndex slot, const std::string& caption) {
    form_.EditSlot(joystick, slot, caption);
    closing_ = false;
    setTitle(form_.state().title);
    const int result = showModal(owner);
    form_.clearCloseResult();
    return result;
}

void AssignDialog::createControls() {
    named_.clear();
    popupCodes_.clear();
    lblHeading.create(hwnd(), "割り当てる機能を１つ選んでください。", {.wordWrap = false});
    PageControl1.createFlatButtons(hwnd());
    for (const char* caption : kPageCaptions) PageControl1.addTab(caption);
    PageControl1.onChange = [this](int page) { route([page](AssignForm& f) { f.PageControl1Change(page); }); };
    for (ui::Panel& page : pages_) page.create(hwnd(), {.clipChildren = false});

    createKeyboardPage();
    createMultiPage();
    createMousePage();
    createAbsolutePage();
    createCommandPage();
    createSpecialPage();
    createTextPage();
    createCommonControls();

    std::vector<ui::MenuEntry> entries{{kClearItem, "Clear"}, {0, {}, ui::MenuKind::Separator}};
    int nextId = kFirstCodeItem, nextSubmenu = kFirstSubmenu;
    std::function<ui::MenuEntry(const PopupItem&)> entryOf = [&](const PopupItem& item) {
        ui::MenuEntry entry;
        entry.caption = item.caption;
        if (item.children.empty()) {
            entry.id = nextId++;
            popupCodes_[entry.id] = item.code;
        } else {
            entry.kind = ui::MenuKind::Submenu;
            entry.id = nextSubmenu++;
            for (const PopupItem& child : item.children) entry.children.push_back(entryOf(child));
        }
        return entry;
    };
    for (const PopupItem& item : form_.specialKeyPopup()) entries.push_back(entryOf(item));
    PMSpecialKeys.build(entries);
}

void AssignDialog::createCommonControls() {
    const HWND d = hwnd();
    groupCommon.create(d, "自動連射・トグル入力設定");
    cbAutoRepeat.create(d, "自動連射機能");
    cbAutoRepeat.onChange = [this](bool on) { route([on](AssignForm& f) { f.cbAutoRepeatClick(on); }); };
    lblPerSecond.create(d, "一秒間に", {.wordWrap = false});
    editAutoRepeatPerSec.create(d);
    editAutoRepeatPeriod.create(d);
    lblPeriod.create(d, "秒間に一回", {.wordWrap = false});
    for (auto [box, which, field] :
         {std::tuple{&editAutoRepeatPerSec, RateBox::PerSecond, &AssignFormState::editAutoRepeatPerSec},
          std::tuple{&editAutoRepeatPeriod, RateBox::Period, &AssignFormState::editAutoRepeatPeriod}}) {
        bindText(*box, field);
        box->onChar = [](wchar_t c) { return AssignForm::editAutoRepeatPerSecKeyPress(c); };
        box->onExit = whenLeft([which](AssignForm& f) { f.editAutoRepeatPerSecExit(which); });
    }
    cbAutoDelayed.create(d, "一定時間経ってから連射させる");
    cbAutoDelayed.onChange = [this](bool on) { route([on](AssignForm& f) { f.cbAutoDelayedClick(on); }); };
    editAutoRepeatDelay.create(d);
    bindIntegerBox(editAutoRepeatDelay, IntegerBox::AutoRepeatDelay);
    lblDelayUnit.create(d, "ミリ秒", {.wordWrap = false});
    cbToggle.create(d, "押すたびに ON/OFF 切り替え（トグル）");
    cbToggle.onChange = [this](bool on) { form_.state().cbToggle = on; };

    lblComment.create(d, "Comment: ", {.wordWrap = false});
    editComment.create(d, {}, {.wantAllKeys = true});
    bindText(editComment, &AssignFormState::editComment);
    editComment.onChar = [this](wchar_t c) {
        // The box takes every key so that Enter and Tab reach it; Escape
        // still cancels.
        if (c == VK_ESCAPE) {
            cancel();
            return true;
        }
        bool swallowed = false;
        route([&swallowed, c](AssignForm& f) { swallowed = f.editCommentKeyPress(c); });
        return swallowed;
    };

    btnClear.create(d, "すべて消去 (無効化)");
    btnClear.onClick = [this] { route([](AssignForm& f) { f.btnClearClick(); }); };
    btnGoToPrev.create(d, "<<");
    btnGoToPrev.setHint("前のボタンへ");
    btnGoToPrev.onClick = [this] {
        if (takeFocus(btnGoToPrev)) route([](AssignForm& f) { f.btnGoToPrevClick(); });
    };
    btnGoToNext.create(d, ">>");
    btnGoToNext.setHint("次のボタンへ");
    btnGoToNext.onClick = [this] {
        if (takeFocus(btnGoToNext)) route([](AssignForm& f) { f.btnGoToNextClick(); });
    };
    btnOK.create(d, "OK", true, IDOK);
    btnOK.onClick = [this] {
        if (takeFocus(btnOK)) route([](AssignForm& f) { f.btnOKClick(); });
    };
    btnCancel.create(d, "Cancel", false, IDCANCEL);
    btnCancel.onClick = [this] { cancel(); };
    setDefaultButton(btnOK);
    name("btnOK", btnOK);
    name("editAutoRepeatPerSec", editAutoRepeatPerSec);
    name("editAutoRepeatPeriod", editAutoRepeatPeriod);
}

void AssignDialog::createKeyBox(int box, HWND parent) {
    KeyBox& keyBox = keyBoxes_[static_cast<size_t>(box)];
    keyBox.create(parent);
    name(keyBoxName(box), keyBox);
    keyBox.onKeyDown = [this, box](int virtualKey) {
        LastKeyDown key = lastKeyDown_ ? lastKeyDown_() : LastKeyDown{};
        if (key.virtualKey != virtualKey) key = LastKeyDown{virtualKey, 0, false};
        route([box, key](AssignForm& f) {
            if (box == 0)
                f.Key0KeyDown(key);
            else
                f.Key1KeyDown(box, key);
        });
        return true;
    };
    // Key0KeyPress, Key1KeyPress: the key was taken as it went down.
    keyBox.onChar = [](wchar_t) { return true; };
    keyBox.onContextMenu = [this, box](POINT screen) { showSpecialKeyPopup(box, screen); };
}

void AssignDialog::showSpecialKeyPopup(int box, POINT screen) {
    const int chosen = PMSpecialKeys.popupAt(hwnd(), screen);
    if (chosen == kClearItem) {
        route([box](AssignForm& f) { f.PMKeyClearClick(box); });
    } else if (const auto code = popupCodes_.find(chosen); code != popupCodes_.end()) {
        route([box, code = code->second](AssignForm& f) { f.PMSpecialKeyClick(box, code); });
    }
}

void AssignDialog::bindText(ui::Edit& box, std::string AssignFormState::*field) {
    box.onChange = [this, &box, field] {
        if (!syncing_) form_.state().*field = box.text();
    };
}

void AssignDialog::bindIntegerBox(ui::Edit& box, IntegerBox which) {
    const IntegerBoxField& field = integerBoxField(which);
    bindText(box, field.text);
    name(field.name, box);
    box.onExit = whenLeft([which](AssignForm& f) { f.validateIntegerInput(which); });
}

bool AssignDialog::takeFocus(ui::Button& button) {
    if (!button.focused()) button.setFocus();
    return button.focused();
}

void AssignDialog::layout() {
    lblHeading.setBounds(dpi().scale(12), dpi().scale(10), dpi().scale(500), dpi().scale(20));
    PageControl1.setBounds(dpi().scale(12), dpi().scale(34), dpi().scale(816), dpi().scale(30));
    PageControl1.fitTabWidth(dpi().scale(120));
    const RECT page{dpi().scale(12), dpi().scale(70), dpi().scale(828), dpi().scale(384)};
    for (ui::Panel& panel : pages_) panel.setBounds(page);
    layoutKeyboardPages();
    layoutMousePages();
    layoutOtherPages();

    const int g = 390;
    groupCommon.setBounds(dpi().scale(12), dpi().scale(g), dpi().scale(816), dpi().scale(100));
    cbAutoRepeat.setBounds(dpi().scale(26), dpi().scale(g + 22), dpi().scale(150), dpi().scale(22));
    lblPerSecond.setBounds(dpi().scale(190), dpi().scale(g + 25), dpi().scale(70), dpi().scale(20));
    editAutoRepeatPerSec.setBounds(dpi().scale(262), dpi().scale(g + 22), dpi().scale(60), dpi().scale(24));
    editAutoRepeatPeriod.setBounds(dpi().scale(350), dpi().scale(g + 22), dpi().scale(60), dpi().scale(24));
    lblPeriod.setBounds(dpi().scale(414), dpi().scale(g + 25), dpi().scale(120), dpi().scale(20));
    cbAutoDelayed.setBounds(dpi().scale(26), dpi().scale(g + 48), dpi().scale(260), dpi().scale(22));
    editAutoRepeatDelay.setBounds(dpi().scale(290), dpi().scale(g + 48), dpi().scale(60), dpi().scale(24));
    lblDelayUnit.setBounds(dpi().scale(356), dpi().scale(g + 51), dpi().scale(60), dpi().scale(20));
    cbToggle.setBounds(dpi().scale(26), dpi().scale(g + 73), dpi().scale(400), dpi().scale(22));

    lblComment.setBounds(dpi().scale(12), dpi().scale(503), dpi().scale(80), dpi().scale(20));
    editComment.setBounds(dpi().scale(92), dpi().scale(500), dpi().scale(736), dpi().scale(24));

    const int b = 542;
    btnClear.setBounds(dpi().scale(12), dpi().scale(b), dpi().scale(170), dpi().scale(30));
    btnGoToPrev.setBounds(dpi().scale(452), dpi().scale(b), dpi().scale(50), dpi().scale(30));
    btnGoToNext.setBounds(dpi().scale(508), dpi().scale(b), dpi().scale(50), dpi().scale(30));
    btnOK.setBounds(dpi().scale(612), dpi().scale(b), dpi().scale(104), dpi().scale(30));
    btnCancel.setBounds(dpi().scale(724), dpi().scale(b), dpi().scale(104), dpi().scale(30));
    lvCommand.setDpi(dpi());
    // Filled once the buttons have their width: a strip told to show a
    // page it has no room for scrolls, and stays scrolled.
    sync();
}

void AssignDialog::sync() {
    syncing_ = true;
    const AssignFormState& s = form_.state();
    PageControl1.setSelected(s.page);
    for (int page = 0; page < kAssignPageCount; ++page) pages_[static_cast<size_t>(page)].setVisible(page == s.page);

    const bool group = form_.groupCommonVisible();
    for (ui::Control* c : std::initializer_list<ui::Control*>{&groupCommon, &cbAutoRepeat, &lblPerSecond,
                                                              &editAutoRepeatPerSec, &editAutoRepeatPeriod, &lblPeriod,
                                                              &cbAutoDelayed, &editAutoRepeatDelay, &lblDelayUnit,
                                                              &cbToggle}) {
        c->setVisible(group);
        c->setEnabled(group);
    }
    cbAutoRepeat.setChecked(s.cbAutoRepeat);
    editAutoRepeatPerSec.showText(s.editAutoRepeatPerSec);
    editAutoRepeatPeriod.showText(s.editAutoRepeatPeriod);
    for (ui::Control* c : std::initializer_list<ui::Control*>{&editAutoRepeatPerSec, &editAutoRepeatPeriod,
                                                              &cbAutoDelayed, &lblPerSecond, &lblPeriod})
        c->setEnabled(group && form_.rateBoxesEnabled());
    cbAutoDelayed.setChecked(s.cbAutoDelayed);
    editAutoRepeatDelay.showText(s.editAutoRepeatDelay);
    editAutoRepeatDelay.setEnabled(group && form_.autoRepeatDelayEnabled());
    lblDelayUnit.setEnabled(group && form_.autoRepeatDelayEnabled());
    cbToggle.setChecked(s.cbToggle);
    lblComment.setVisible(form_.commentVisible());
    editComment.setVisible(form_.commentVisible());
    editComment.showText(s.editComment);

    syncKeyPages();
    syncMousePages();
    syncOtherPages();
    syncing_ = false;
}

void AssignDialog::afterHandler() {
    sync();
    if (const std::optional<AssignFocus> request = form_.takeFocus()) moveFocus(*request);
    if (const std::optional<int> result = form_.closeResult()) {
        closing_ = true;
        endDialog(*result);
    }
}

void AssignDialog::activated() { moveFocus(form_.FormActivate()); }

void AssignDialog::moveFocus(const AssignFocus& request) {
    const auto found = named_.find(request.control);
    if (found == named_.end()) return;
    HWND target = found->second->hwnd();
    if (request.next) target = GetNextDlgTabItem(hwnd(), target, FALSE);
    if (target) SetFocus(target);
}

void AssignDialog::cancel() {
    route([](AssignForm& f) { f.btnCancelClick(); });
}

}  // namespace vrx
