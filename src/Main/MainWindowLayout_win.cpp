#include <algorithm>

#include "AppInfo/GlobalSettings.h"
#include "Main/MainForm.h"
#include "Main/MainWindow_win.h"
#include "Main/OptionsPageView_win.h"
#include "Main/WindowGeometry.h"
#include "Ui/Dpi_win.h"
#include "Ui/PaletteRules.h"
#include "Ui/Theme_win.h"

// The main window's controls: where they are, and how the model's state
// reaches them.

namespace vrx {
namespace {

// Sizes at 96 DPI.
constexpr int kMargin = 6;
constexpr int kButtonHeight = 25;
constexpr int kGap = 4;
constexpr int kSplitterWidth = 5;
constexpr int kMinimumPanel = 80;
constexpr int kDefaultFontPixels = 15;  // the list font of the design

}  // namespace

void MainWindow::createControls() {
    leftPanel_.create(window_);
    lbConfigList_.create(leftPanel_.hwnd());
    btnAddNew_.create(leftPanel_.hwnd(), "新規作成");
    btnRename_.create(leftPanel_.hwnd(), "名称変更");
    btnCopy_.create(leftPanel_.hwnd(), "コピー");
    btnDelete_.create(leftPanel_.hwnd(), "削除");
    leftPanel_.onResize = [this](int width, int height) { layoutLeftPanel(width, height); };

    tcJoystick_.create(window_);
    tsJoystick_.create(window_);
    lvButtonList_.create(tsJoystick_.hwnd());
    btnEditSelected_.create(tsJoystick_.hwnd(), "このボタン設定を編集");
    btnConfigWizard_.create(tsJoystick_.hwnd(), "簡易設定ウィザード");
    tsJoystick_.onResize = [this](int width, int height) { layoutJoystickPage(width, height); };
    tsOptions_ = std::make_unique<OptionsPageView>(window_, link_);

    lbConfigList_.onChange = [this](int index) { link_([index](MainForm& f) { f.lbConfigListClick(index); }); };
    btnAddNew_.onClick = [this] { link_([](MainForm& f) { f.btnAddNewClick(); }); };
    btnRename_.onClick = [this] { link_([](MainForm& f) { f.btnRenameClick(); }); };
    btnCopy_.onClick = [this] { link_([](MainForm& f) { f.btnCopyClick(); }); };
    btnDelete_.onClick = [this] { link_([](MainForm& f) { f.btnDeleteClick(); }); };

    tcJoystick_.onChange = [this](int tab) {
        link_([tab, focused = tsOptions_->focusedNumberBox()](MainForm& f) { f.tcJoystickChange(tab, focused); });
    };
    tcJoystick_.onRightClick = [this](int tab, POINT screen) { showTabMenu(tab, screen); };

    lvButtonList_.rowLook = [this](int row) { return rowLook(row); };
    lvButtonList_.onSelectionChange = [this](int row) { link_([row](MainForm& f) { f.selectRow(row); }); };
    lvButtonList_.onDoubleClick = [this](int row) { link_([row](MainForm& f) { f.lvButtonListDblClick(row); }); };
    lvButtonList_.onRightClick = [this](int row, POINT screen) { showButtonListMenu(row, screen); };
    lvButtonList_.onKeyDown = [this](int key) {
        return link_([key, ctrl = GetKeyState(VK_CONTROL) < 0](MainForm& f) {
            return f.lvButtonListKeyDown(key, ctrl);
        });
    };
    btnEditSelected_.onClick = [this] { link_([](MainForm& f) { f.lvButtonListDblClick(); }); };
    btnConfigWizard_.onClick = [this] { link_([](MainForm& f) { f.btnConfigWizardClick(); }); };
    createFonts();
}

void MainWindow::createFonts() {
    font_ = ui::UiFont(dpi_);
    boldFont_ = ui::UiFont(dpi_, ui::UiFont::kDefaultPoints, true);
    // A size of 0 keeps the window's own font for the list.
    const auto listFont = [this](int size) {
        return size > 0 ? ui::UiFont(dpi_, size) : ui::UiFont::pixels(dpi_, kDefaultFontPixels);
    };
    profileListFont_ = listFont(settings_.fontSizeProfileList);
    buttonListFont_ = listFont(settings_.fontSizeButtonList);
    for (ui::Control* control : std::initializer_list<ui::Control*>{
             &btnAddNew_, &btnRename_, &btnCopy_, &btnDelete_, &tcJoystick_, &btnEditSelected_, &btnConfigWizard_})
        control->setFont(font_, boldFont_);
    lbConfigList_.setFont(profileListFont_, boldFont_);
    lvButtonList_.setFont(buttonListFont_, boldFont_);
    if (tsOptions_) tsOptions_->setFonts(font_, boldFont_, dpi_);
}

int MainWindow::splitterWidth() const { return dpi_.scale(kSplitterWidth); }

void MainWindow::layout() {
    if (!leftPanel_) return;
    RECT client;
    GetClientRect(window_, &client);
    const int margin = dpi_.scale(kMargin);
    const int panel = std::clamp(dpi_.scale(splitter96_), dpi_.scale(kMinimumPanel),
                                 std::max<int>(dpi_.scale(kMinimumPanel), client.right - 2 * margin));
    leftPanel_.setBounds(0, 0, panel, client.bottom);
    const int tabsLeft = panel + splitterWidth();
    tcJoystick_.setBounds(tabsLeft, margin, std::max<int>(0, client.right - tabsLeft - margin),
                          std::max<int>(0, client.bottom - 2 * margin));
    placePages();
}

void MainWindow::placePages() {
    const RECT page = tcJoystick_.pageRect();
    tsJoystick_.setBounds(page);
    tsOptions_->setBounds(page);
    // The pages lie on the tab strip: above it in the drawing order.
    SetWindowPos(tsJoystick_.hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    tsOptions_->bringToTop();
}

void MainWindow::layoutLeftPanel(int width, int height) {
    const int margin = dpi_.scale(kMargin), gap = dpi_.scale(kGap), buttonHeight = dpi_.scale(kButtonHeight);
    const int buttonWidth = (width - 2 * margin - gap) / 2;
    const int buttonsTop = height - margin - 2 * buttonHeight - gap;
    lbConfigList_.setBounds(margin, margin, width - 2 * margin, std::max(0, buttonsTop - gap - margin));
    btnAddNew_.setBounds(margin, buttonsTop, buttonWidth, buttonHeight);
    btnRename_.setBounds(margin + buttonWidth + gap, buttonsTop, buttonWidth, buttonHeight);
    btnCopy_.setBounds(margin, buttonsTop + buttonHeight + gap, buttonWidth, buttonHeight);
    btnDelete_.setBounds(margin + buttonWidth + gap, buttonsTop + buttonHeight + gap, buttonWidth, buttonHeight);
}

void MainWindow::layoutJoystickPage(int width, int height) {
    const int margin = dpi_.scale(kMargin), gap = dpi_.scale(kGap), buttonHeight = dpi_.scale(kButtonHeight);
    const int buttonsTop = height - margin - buttonHeight;
    lvButtonList_.setBounds(margin, margin, width - 2 * margin, std::max(0, buttonsTop - gap - margin));
    btnEditSelected_.setBounds(margin, buttonsTop, dpi_.scale(170), buttonHeight);
    btnConfigWizard_.setBounds(margin + dpi_.scale(170) + gap, buttonsTop, dpi_.scale(150), buttonHeight);
}

bool MainWindow::overSplitter(POINT client) const {
    const RECT panel = leftPanel_.bounds();
    return client.x >= panel.right && client.x < panel.right + splitterWidth();
}

void MainWindow::dragSplitter(int x) {
    RECT client;
    GetClientRect(window_, &client);
    const int limit = std::max<int>(dpi_.scale(kMinimumPanel), client.right - dpi_.scale(200));
    const int width = std::clamp(x, dpi_.scale(kMinimumPanel), limit);
    splitter96_ = dpi_.unscale(width);
    layout();
}

void MainWindow::refreshProfileList() {
    lbConfigList_.setItems(form_->profileItems());
    lbConfigList_.setSelected(form_->profileSelection());
    lbConfigList_.invalidate();
}

void MainWindow::refreshTabs() {
    const std::vector<std::string>& texts = form_->tabTexts();
    if (shownTabs_.size() != texts.size()) {
        tcJoystick_.setTabs(texts);
        // The page area depends on the rows of tabs.
        placePages();
    } else {
        // Highlight markers change often: only the texts that differ are
        // written, so the strip does not flicker.
        for (size_t i = 0; i < texts.size(); ++i)
            if (shownTabs_[i] != texts[i]) tcJoystick_.setTabText(static_cast<int>(i), texts[i]);
    }
    shownTabs_ = texts;
    tcJoystick_.setSelected(form_->currentTab());
}

void MainWindow::refreshRows() {
    const std::vector<ButtonRow>& rows = form_->rows();
    lvButtonList_.setRedraw(false);
    lvButtonList_.clear();
    for (const ButtonRow& row : rows)
        lvButtonList_.addRow({row.button, row.function, row.autoRepeat, row.comment}, static_cast<int>(row.slot));
    lvButtonList_.setRedraw(true);
    lvButtonList_.redrawRows();
}

void MainWindow::refreshRowTexts() {
    const std::vector<ButtonRow>& rows = form_->rows();
    for (int i = 0; i < static_cast<int>(rows.size()) && i < lvButtonList_.rowCount(); ++i) {
        const ButtonRow& row = rows[static_cast<size_t>(i)];
        lvButtonList_.setRowTexts(i, {row.button, row.function, row.autoRepeat, row.comment});
    }
}

void MainWindow::refreshPage() {
    const bool options = form_->page() == FormPage::Options;
    tsJoystick_.setVisible(!options);
    tsOptions_->setVisible(options);
}

void MainWindow::applyFocusRequest() {
    switch (form_->takeFocusRequest()) {
        case FocusRequest::TabStrip: tcJoystick_.setFocus(); break;
        case FocusRequest::ButtonList: lvButtonList_.setFocus(); break;
        case FocusRequest::NumJoysticks: tsOptions_->focus(OptionsPage::Focus::NumJoysticks); break;
        case FocusRequest::NumButtons: tsOptions_->focus(OptionsPage::Focus::NumButtons); break;
        case FocusRequest::ApplyNumJoysticks: tsOptions_->focus(OptionsPage::Focus::ApplyNumJoysticks); break;
        case FocusRequest::None: break;
    }
}

FocusedControl MainWindow::focusedControl() const {
    return lvButtonList_.focused() ? FocusedControl::ButtonList : tsOptions_->numberBoxWithFocus();
}

ui::RowLook MainWindow::rowLook(int row) const {
    ui::RowLook look;
    if (!form_) return look;
    if (const std::optional<Rgb> colour = form_->rowHighlight(row)) {
        look.background = ui::colorRefOf(*colour);
        look.text = ui::colorRefOf(readableTextOn(*colour));
    }
    return look;
}

WindowGeometry MainWindow::currentGeometry() const {
    WindowGeometry geometry;
    // A minimised or hidden window keeps its normal size and place here.
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(window_, &placement);
    const RECT& normal = placement.rcNormalPosition;
    geometry.left = normal.left;
    geometry.top = normal.top;
    geometry.width = normal.right - normal.left;
    geometry.height = normal.bottom - normal.top;
    geometry.splitter = dpi_.scale(splitter96_);
    for (int column = 0; column < 4; ++column)
        geometry.columns[static_cast<size_t>(column)] = lvButtonList_.columnWidth(column);
    return geometry;
}

}  // namespace vrx
