#include "Dialogs/AssignDialog_win.h"

#include <utility>

#include "Ui/Theme_win.h"

namespace vrx {
namespace {

constexpr int kClearItem = 1;
constexpr int kFirstCodeItem = 100;
constexpr int kFirstSubmenu = 60000;

const char* const kPageCaptions[kAssignPageCount] = {"キーボード", "キーボード(複数)", "マウス", "マウス(位置指定)",
                                                     "コマンド",   "特殊機能",         "テキスト入力"};

}  // namespace

// --- KeyBox ---

bool KeyBox::create(HWND parent) {
    if (!Edit::create(parent, {}, {.wantAllKeys = true})) return false;
    // Key0KeyPress, Key1KeyPress: the key was taken as it went down.
    onChar = [](wchar_t) { return true; };
    showFocus(false);
    return true;
}

void KeyBox::showFocus(bool focused) {
    // A disabled box keeps the style's disabled look, and in the dark style
    // a box without the focus is a field like the others.
    const ui::Palette palette = ui::palette();
    if (focused)
        setBackgroundColor(palette.keyBoxFocused);
    else if (!ui::Theme::dark() && enabled())
        setBackgroundColor(palette.keyBox);
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
    // The window is made by showModal; its first layout shows the row.
    form_.EditSlot(joystick, slot, caption);
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
    PageControl1.onChange = [this](int page) { link_([page](AssignForm& f) { f.PageControl1Change(page); }); };
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
    cbAutoRepeat.onChange = [this](bool on) { link_([on](AssignForm& f) { f.cbAutoRepeatClick(on); }); };
    lblPerSecond.create(d, "一秒間に", {.wordWrap = false});
    editAutoRepeatPerSec.create(d);
    editAutoRepeatPeriod.create(d);
    lblPeriod.create(d, "秒間に一回", {.wordWrap = false});
    for (auto [box, which] : {std::pair{&editAutoRepeatPerSec, RateBox::PerSecond},
                              std::pair{&editAutoRepeatPeriod, RateBox::Period}}) {
        box->onChange = [this, box, which] {
            link_([which, text = box->text()](AssignForm& f) { f.editAutoRepeatPerSecChange(which, text); });
        };
        box->onChar = [this](wchar_t c) {
            return link_([c](AssignForm& f) { return f.editAutoRepeatPerSecKeyPress(c); });
        };
        box->onExit = [this, which] { link_([which](AssignForm& f) { f.editAutoRepeatPerSecExit(which); }); };
    }
    cbAutoDelayed.create(d, "一定時間経ってから連射させる");
    cbAutoDelayed.onChange = [this](bool on) { link_([on](AssignForm& f) { f.cbAutoDelayedClick(on); }); };
    editAutoRepeatDelay.create(d);
    linkIntegerBox(editAutoRepeatDelay, IntegerBox::AutoRepeatDelay);
    lblDelayUnit.create(d, "ミリ秒", {.wordWrap = false});
    cbToggle.create(d, "押すたびに ON/OFF 切り替え（トグル）");
    cbToggle.onChange = [this](bool on) { link_([on](AssignForm& f) { f.cbToggleClick(on); }); };

    lblComment.create(d, "Comment: ", {.wordWrap = false});
    editComment.create(d, {}, {.wantAllKeys = true});
    editComment.onChange = [this] {
        link_([text = editComment.text()](AssignForm& f) { f.editCommentChange(text); });
    };
    editComment.onChar = [this](wchar_t c) {
        return link_([c](AssignForm& f) { return f.editCommentKeyPress(c); });
    };

    btnClear.create(d, "すべて消去 (無効化)");
    btnClear.onClick = [this] { link_([](AssignForm& f) { f.btnClearClick(); }); };
    btnGoToPrev.create(d, "<<");
    btnGoToPrev.setHint("前のボタンへ");
    btnGoToPrev.onClick = [this] {
        if (takeFocus(btnGoToPrev)) link_([](AssignForm& f) { f.btnGoToPrevClick(); });
    };
    btnGoToNext.create(d, ">>");
    btnGoToNext.setHint("次のボタンへ");
    btnGoToNext.onClick = [this] {
        if (takeFocus(btnGoToNext)) link_([](AssignForm& f) { f.btnGoToNextClick(); });
    };
    btnOK.create(d, "OK", true, IDOK);
    btnOK.onClick = [this] {
        if (takeFocus(btnOK)) link_([](AssignForm& f) { f.btnOKClick(); });
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
    // Every key is taken, whatever the box makes of it.
    keyBox.onKeyDown = [this, box](int virtualKey) {
        const LastKeyDown last = lastKeyDown_ ? lastKeyDown_() : LastKeyDown{};
        link_([box, virtualKey, last](AssignForm& f) { f.keyBoxKeyDown(box, virtualKey, last); });
        return true;
    };
    keyBox.onContextMenu = [this, box](POINT screen) { showSpecialKeyPopup(box, screen); };
}

void AssignDialog::showSpecialKeyPopup(int box, POINT screen) {
    const int chosen = PMSpecialKeys.popupAt(hwnd(), screen);
    if (chosen == kClearItem) {
        link_([box](AssignForm& f) { f.PMKeyClearClick(box); });
    } else if (const auto code = popupCodes_.find(chosen); code != popupCodes_.end()) {
        link_([box, code = code->second](AssignForm& f) { f.PMSpecialKeyClick(box, code); });
    }
}

void AssignDialog::linkIntegerBox(ui::Edit& box, IntegerBox which) {
    name(integerBoxField(which).name, box);
    box.onChange = [this, &box, which] {
        link_([which, text = box.text()](AssignForm& f) { f.integerBoxChange(which, text); });
    };
    box.onExit = [this, which] { link_([which](AssignForm& f) { f.validateIntegerInput(which); }); };
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
    link_.refresh();
}

void AssignDialog::refresh() {
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
        c->setEnabled(form_.rateBoxesEnabled());
    cbAutoDelayed.setChecked(s.cbAutoDelayed);
    editAutoRepeatDelay.showText(s.editAutoRepeatDelay);
    editAutoRepeatDelay.setEnabled(form_.autoRepeatDelayEnabled());
    lblDelayUnit.setEnabled(form_.autoRepeatDelayEnabled());
    cbToggle.setChecked(s.cbToggle);
    lblComment.setVisible(form_.commentVisible());
    editComment.setVisible(form_.commentVisible());
    editComment.showText(s.editComment);

    showKeyPages();
    showMousePages();
    showOtherPages();

    if (const std::optional<AssignFocus> request = form_.takeFocus()) moveFocus(*request);
    if (const std::optional<int> result = form_.closeResult()) endDialog(*result);
}

void AssignDialog::activated() {
    moveFocus(link_([](AssignForm& f) { return f.FormActivate(); }));
}

void AssignDialog::moveFocus(const AssignFocus& request) {
    const auto found = named_.find(request.control);
    if (found == named_.end()) return;
    HWND target = found->second->hwnd();
    if (request.next) target = GetNextDlgTabItem(hwnd(), target, FALSE);
    if (target) SetFocus(target);
}

void AssignDialog::cancel() {
    link_([](AssignForm& f) { f.btnCancelClick(); });
}

}  // namespace vrx
