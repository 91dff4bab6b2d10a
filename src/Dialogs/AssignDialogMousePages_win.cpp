// The assignment dialog's two mouse pages: movement, clicks and wheels, and
// the absolute position with its preview.
#include <tuple>

#include "Dialogs/AssignDialog_win.h"
#include "Ui/GdiObjects_win.h"
#include "Ui/Theme_win.h"

namespace vrx {
namespace {

const char* const kClickCaptions[kClickCount] = {"左ボタン", "中ボタン", "右ボタン", "ボタン4", "ボタン5"};

}  // namespace

void AssignDialog::createMousePage() {
    const HWND p = pages_[kPageMouse].hwnd();
    groupMove.create(p, "マウスカーソル移動");
    cbMouseUp.create(p, "↑");
    cbMouseLeft.create(p, "←");
    cbMouseRight.create(p, "→");
    cbMouseDown.create(p, "↓");
    cbMouseUp.onChange = [this](bool on) { link_([on](AssignForm& f) { f.cbMouseUpClick(on); }); };
    cbMouseDown.onChange = [this](bool on) { link_([on](AssignForm& f) { f.cbMouseDownClick(on); }); };
    cbMouseLeft.onChange = [this](bool on) { link_([on](AssignForm& f) { f.cbMouseLeftClick(on); }); };
    cbMouseRight.onChange = [this](bool on) { link_([on](AssignForm& f) { f.cbMouseRightClick(on); }); };
    lblSpeedCaption.create(p, "移動速度", {.wordWrap = false});
    tbMouseSpeed.create(p, 0, 100);
    tbMouseSpeed.setTickFrequency(10);
    tbMouseSpeed.onChange = [this](int v) { link_([v](AssignForm& f) { f.tbMouseSpeedChange(v); }); };
    lblMouseSpeed.create(p, {}, {.wordWrap = false});
    lblAnalogCaption.create(p, "アナログ入力加速（100%入力に向けて何倍加速）", {.wordWrap = false});
    tbAnalogFactor.create(p, 0, 400);
    tbAnalogFactor.setTickFrequency(50);
    tbAnalogFactor.onChange = [this](int v) { link_([v](AssignForm& f) { f.tbAnalogFactorChange(v); }); };
    lblAnalogFactor.create(p, {}, {.wordWrap = false});
    btnAnalogFactorDefault.create(p, "Default");
    btnAnalogFactorDefault.onClick = [this] { link_([](AssignForm& f) { f.btnAnalogFactorDefaultClick(); }); };

    groupClicks.create(p, "マウスクリックの割り当て");
    for (int i = 0; i < kClickCount; ++i) {
        const auto button = static_cast<MouseClick>(i);
        mouseClicks_[static_cast<size_t>(i)].create(p, kClickCaptions[i]);
        mouseClicks_[static_cast<size_t>(i)].onChange = [this, button](bool on) {
            link_([button, on](AssignForm& f) { f.cbMouseClick(button, on); });
        };
    }
    name("cbMouseL", mouseClicks_[kClickLeft]);

    groupWheel.create(p, "ホイールの回転");
    lblWheelVCaption.create(p, "縦", {.wordWrap = false});
    tbMouseWheelV.createVertical(p, -100, 100);
    tbMouseWheelV.setTickFrequency(20);
    tbMouseWheelV.onChange = [this](int v) { link_([v](AssignForm& f) { f.tbMouseWheelVChange(v); }); };
    lblMouseWheelV.create(p, {}, {.wordWrap = false});
    lblWheelHCaption.create(p, "横", {.wordWrap = false});
    tbMouseWheelH.create(p, -100, 100);
    tbMouseWheelH.setTickFrequency(20);
    tbMouseWheelH.onChange = [this](int v) { link_([v](AssignForm& f) { f.tbMouseWheelHChange(v); }); };
    lblMouseWheelH.create(p, {}, {.wordWrap = false});

    groupAcceleration.create(p, "一時的にマウス移動量を調整（加速・減速）する");
    tbAccelerationFactor.create(p, 1, 50);
    tbAccelerationFactor.setTickFrequency(5);
    tbAccelerationFactor.onChange = [this](int v) {
        link_([v](AssignForm& f) { f.tbAccelerationFactorChange(v); });
    };
    lblAccelerationFactor.create(p, {}, {.wordWrap = false});
}

void AssignDialog::createAbsolutePage() {
    const HWND p = pages_[kPageMouseAbsolute].hwnd();
    rbMouseAbsTarget.create(p, "ボタンが押されたら目標座標へ移動", true);
    rbMouseAbsTarget.onClick = [this] { link_([](AssignForm& f) { f.rbMouseAbsRangeClick(false); }); };
    rbMouseAbsRange.create(p, "中心座標から指定範囲内で移動", false);
    rbMouseAbsRange.onClick = [this] { link_([](AssignForm& f) { f.rbMouseAbsRangeClick(true); }); };
    lblMouseAbsCenter.create(p, {}, {.wordWrap = false});
    lblCenterX.create(p, "X", {.wordWrap = false});
    editMouseCenterX.create(p);
    lblCenterY.create(p, "Y", {.wordWrap = false});
    editMouseCenterY.create(p);
    for (auto [box, which, boxName] : {std::tuple{&editMouseCenterX, CentreBox::X, "editMouseCenterX"},
                                       std::tuple{&editMouseCenterY, CentreBox::Y, "editMouseCenterY"}}) {
        name(boxName, *box);
        box->onChange = [this, box, which] {
            link_([which, text = box->text()](AssignForm& f) { f.editMouseCenterChange(which, text); });
        };
        box->onExit = [this, which] { link_([which](AssignForm& f) { f.validateFloatInput(which); }); };
    }
    lblRangeX.create(p, "範囲 X", {.wordWrap = false});
    tbMouseAbsRangeX.create(p, -100, 100);
    tbMouseAbsRangeX.setTickFrequency(20);
    tbMouseAbsRangeX.onChange = [this](int v) { link_([v](AssignForm& f) { f.tbMouseAbsRangeXChange(v); }); };
    lblMouseAbsX.create(p, {}, {.wordWrap = false});
    lblRangeY.create(p, "範囲 Y", {.wordWrap = false});
    tbMouseAbsRangeY.create(p, -100, 100);
    tbMouseAbsRangeY.setTickFrequency(20);
    tbMouseAbsRangeY.onChange = [this](int v) { link_([v](AssignForm& f) { f.tbMouseAbsRangeYChange(v); }); };
    lblMouseAbsY.create(p, {}, {.wordWrap = false});

    groupClicks2.create(p, "マウスクリックの割り当て");
    for (int i = 0; i < kClickCount; ++i) {
        const auto button = static_cast<MouseClick>(i);
        mouseClicks2_[static_cast<size_t>(i)].create(p, kClickCaptions[i]);
        mouseClicks2_[static_cast<size_t>(i)].onChange = [this, button](bool on) {
            link_([button, on](AssignForm& f) { f.cbMouse_2Click(button, on); });
        };
    }
    lblAbsNote.create(p, "注：複数ディスプレイがある場合、２台目以降は X > 100 の範囲に対応します");
    lblOrigin.create(p, "(0,0)", {.wordWrap = false});
    pbMouseAbs.create(p);
    pbMouseAbs.onPaint = [this](HDC dc, const RECT& client) { paintPreview(dc, client); };
    lblFarCorner.create(p, "(100.0,100.0)", {.align = ui::TextAlign::Right, .wordWrap = false});
}

void AssignDialog::layoutMousePages() {
    groupMove.setBounds(dpi().scale(8), dpi().scale(4), dpi().scale(412), dpi().scale(196));
    cbMouseUp.setBounds(dpi().scale(64), dpi().scale(28), dpi().scale(44), dpi().scale(22));
    cbMouseLeft.setBounds(dpi().scale(22), dpi().scale(54), dpi().scale(44), dpi().scale(22));
    cbMouseRight.setBounds(dpi().scale(106), dpi().scale(54), dpi().scale(44), dpi().scale(22));
    cbMouseDown.setBounds(dpi().scale(64), dpi().scale(80), dpi().scale(44), dpi().scale(22));
    lblSpeedCaption.setBounds(dpi().scale(170), dpi().scale(26), dpi().scale(120), dpi().scale(20));
    tbMouseSpeed.setBounds(dpi().scale(166), dpi().scale(48), dpi().scale(190), dpi().scale(32));
    lblMouseSpeed.setBounds(dpi().scale(362), dpi().scale(54), dpi().scale(50), dpi().scale(20));
    lblAnalogCaption.setBounds(dpi().scale(22), dpi().scale(116), dpi().scale(390), dpi().scale(20));
    tbAnalogFactor.setBounds(dpi().scale(18), dpi().scale(140), dpi().scale(250), dpi().scale(32));
    lblAnalogFactor.setBounds(dpi().scale(272), dpi().scale(146), dpi().scale(50), dpi().scale(20));
    btnAnalogFactorDefault.setBounds(dpi().scale(328), dpi().scale(142), dpi().scale(80), dpi().scale(28));

    groupClicks.setBounds(dpi().scale(8), dpi().scale(208), dpi().scale(412), dpi().scale(62));
    for (int i = 0; i < kClickCount; ++i)
        mouseClicks_[static_cast<size_t>(i)].setBounds(dpi().scale(22 + i * 79), dpi().scale(234), dpi().scale(78), dpi().scale(22));

    groupWheel.setBounds(dpi().scale(428), dpi().scale(4), dpi().scale(380), dpi().scale(150));
    lblWheelVCaption.setBounds(dpi().scale(444), dpi().scale(28), dpi().scale(30), dpi().scale(20));
    tbMouseWheelV.setBounds(dpi().scale(472), dpi().scale(24), dpi().scale(36), dpi().scale(120));
    lblMouseWheelV.setBounds(dpi().scale(512), dpi().scale(76), dpi().scale(44), dpi().scale(20));
    lblWheelHCaption.setBounds(dpi().scale(562), dpi().scale(76), dpi().scale(30), dpi().scale(20));
    tbMouseWheelH.setBounds(dpi().scale(588), dpi().scale(70), dpi().scale(160), dpi().scale(32));
    lblMouseWheelH.setBounds(dpi().scale(752), dpi().scale(76), dpi().scale(50), dpi().scale(20));

    groupAcceleration.setBounds(dpi().scale(428), dpi().scale(162), dpi().scale(380), dpi().scale(108));
    tbAccelerationFactor.setBounds(dpi().scale(444), dpi().scale(196), dpi().scale(280), dpi().scale(32));
    lblAccelerationFactor.setBounds(dpi().scale(732), dpi().scale(202), dpi().scale(70), dpi().scale(20));

    rbMouseAbsTarget.setBounds(dpi().scale(8), dpi().scale(8), dpi().scale(400), dpi().scale(22));
    rbMouseAbsRange.setBounds(dpi().scale(8), dpi().scale(32), dpi().scale(400), dpi().scale(22));
    lblMouseAbsCenter.setBounds(dpi().scale(8), dpi().scale(68), dpi().scale(100), dpi().scale(20));
    lblCenterX.setBounds(dpi().scale(110), dpi().scale(68), dpi().scale(16), dpi().scale(20));
    editMouseCenterX.setBounds(dpi().scale(128), dpi().scale(65), dpi().scale(80), dpi().scale(24));
    lblCenterY.setBounds(dpi().scale(224), dpi().scale(68), dpi().scale(16), dpi().scale(20));
    editMouseCenterY.setBounds(dpi().scale(242), dpi().scale(65), dpi().scale(80), dpi().scale(24));
    lblRangeX.setBounds(dpi().scale(8), dpi().scale(106), dpi().scale(100), dpi().scale(20));
    tbMouseAbsRangeX.setBounds(dpi().scale(104), dpi().scale(100), dpi().scale(260), dpi().scale(32));
    lblMouseAbsX.setBounds(dpi().scale(370), dpi().scale(106), dpi().scale(50), dpi().scale(20));
    lblRangeY.setBounds(dpi().scale(8), dpi().scale(144), dpi().scale(100), dpi().scale(20));
    tbMouseAbsRangeY.setBounds(dpi().scale(104), dpi().scale(138), dpi().scale(260), dpi().scale(32));
    lblMouseAbsY.setBounds(dpi().scale(370), dpi().scale(144), dpi().scale(50), dpi().scale(20));
    groupClicks2.setBounds(dpi().scale(8), dpi().scale(182), dpi().scale(420), dpi().scale(60));
    for (int i = 0; i < kClickCount; ++i)
        mouseClicks2_[static_cast<size_t>(i)].setBounds(dpi().scale(22 + i * 80), dpi().scale(208), dpi().scale(78), dpi().scale(22));
    lblAbsNote.setBounds(dpi().scale(8), dpi().scale(254), dpi().scale(800), dpi().scale(20));
    lblOrigin.setBounds(dpi().scale(480), dpi().scale(8), dpi().scale(120), dpi().scale(18));
    pbMouseAbs.setBounds(dpi().scale(480), dpi().scale(28), dpi().scale(320), dpi().scale(180));
    lblFarCorner.setBounds(dpi().scale(640), dpi().scale(210), dpi().scale(160), dpi().scale(18));
}

void AssignDialog::showMousePages() {
    const AssignFormState& s = form_.state();
    cbMouseUp.setChecked(s.cbMouseUp);
    cbMouseDown.setChecked(s.cbMouseDown);
    cbMouseLeft.setChecked(s.cbMouseLeft);
    cbMouseRight.setChecked(s.cbMouseRight);
    for (int i = 0; i < kClickCount; ++i) {
        mouseClicks_[static_cast<size_t>(i)].setChecked(s.mouseClicks[static_cast<size_t>(i)]);
        mouseClicks2_[static_cast<size_t>(i)].setChecked(s.mouseClicks2[static_cast<size_t>(i)]);
    }
    tbMouseSpeed.setValue(s.tbMouseSpeed);
    tbAnalogFactor.setValue(s.tbAnalogFactor);
    tbMouseWheelV.setValue(s.tbMouseWheelV);
    tbMouseWheelH.setValue(s.tbMouseWheelH);
    tbAccelerationFactor.setValue(s.tbAccelerationFactor);
    lblMouseSpeed.showText(form_.lblMouseSpeed());
    lblAnalogFactor.showText(form_.lblAnalogFactor());
    lblMouseWheelV.showText(form_.lblMouseWheelV());
    lblMouseWheelH.showText(form_.lblMouseWheelH());
    lblAccelerationFactor.showText(form_.lblAccelerationFactor());

    rbMouseAbsTarget.setChecked(!s.rbMouseAbsRange);
    rbMouseAbsRange.setChecked(s.rbMouseAbsRange);
    lblMouseAbsCenter.showText(form_.lblMouseAbsCenter());
    editMouseCenterX.showText(s.editMouseCenterX);
    editMouseCenterY.showText(s.editMouseCenterY);
    tbMouseAbsRangeX.setValue(s.tbMouseAbsRangeX);
    tbMouseAbsRangeY.setValue(s.tbMouseAbsRangeY);
    for (ui::Control* c : std::initializer_list<ui::Control*>{&tbMouseAbsRangeX, &tbMouseAbsRangeY, &lblRangeX,
                                                              &lblRangeY, &lblMouseAbsX, &lblMouseAbsY})
        c->setEnabled(form_.rangeBarsEnabled());
    lblMouseAbsX.showText(form_.lblMouseAbsX());
    lblMouseAbsY.showText(form_.lblMouseAbsY());
    if (previewShown_ != form_.previewRevision()) {
        previewShown_ = form_.previewRevision();
        pbMouseAbs.invalidate();
    }
}

// A picture of the screen in its frame, the range as a line from the
// centre, the centre as a dot in the warning colour.
void AssignDialog::paintPreview(HDC dc, const RECT& client) {
    const ui::Palette palette = ui::palette();
    FillRect(dc, &client, ui::solidBrush(palette.picture).get());
    FrameRect(dc, &client, ui::solidBrush(palette.pictureFrame).get());
    const AbsolutePreview shown = form_.preview(client.right - client.left, client.bottom - client.top);
    if (shown.line) {
        const ui::Pen line = ui::solidPen(palette.pictureLine);
        const ui::Selected pen(dc, line.get());
        MoveToEx(dc, shown.centreX, shown.centreY, nullptr);
        LineTo(dc, shown.lineEndX, shown.lineEndY);
    }
    const ui::Brush dot = ui::solidBrush(palette.warning);
    const ui::Pen dotEdge = ui::solidPen(palette.warning);
    const ui::Selected brush(dc, dot.get());
    const ui::Selected pen(dc, dotEdge.get());
    Ellipse(dc, shown.centreX - 2, shown.centreY - 2, shown.centreX + 2, shown.centreY + 2);
}

}  // namespace vrx
