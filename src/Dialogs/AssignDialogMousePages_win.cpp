// The assignment dialog's two mouse pages: movement, clicks and wheels, and
// the absolute position with its preview.
#include "Dialogs/AssignDialog_win.h"

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
    cbMouseUp.onChange = [this](bool on) { route([on](AssignForm& f) { f.cbMouseUpClick(on); }); };
    cbMouseDown.onChange = [this](bool on) { route([on](AssignForm& f) { f.cbMouseDownClick(on); }); };
    cbMouseLeft.onChange = [this](bool on) { route([on](AssignForm& f) { f.cbMouseLeftClick(on); }); };
    cbMouseRight.onChange = [this](bool on) { route([on](AssignForm& f) { f.cbMouseRightClick(on); }); };
    lblSpeedCaption.create(p, "移動速度", {.wordWrap = false});
    tbMouseSpeed.create(p, 0, 100);
    tbMouseSpeed.setTickFrequency(10);
    tbMouseSpeed.onChange = [this](int v) { route([v](AssignForm& f) { f.state().tbMouseSpeed = v; }); };
    lblMouseSpeed.create(p, {}, {.wordWrap = false});
    lblAnalogCaption.create(p, "アナログ入力加速（100%入力に向けて何倍加速）", {.wordWrap = false});
    tbAnalogFactor.create(p, 0, 400);
    tbAnalogFactor.setTickFrequency(50);
    tbAnalogFactor.onChange = [this](int v) { route([v](AssignForm& f) { f.state().tbAnalogFactor = v; }); };
    lblAnalogFactor.create(p, {}, {.wordWrap = false});
    btnAnalogFactorDefault.create(p, "Default");
    btnAnalogFactorDefault.onClick = [this] { route([](AssignForm& f) { f.btnAnalogFactorDefaultClick(); }); };

    groupClicks.create(p, "マウスクリックの割り当て");
    for (int i = 0; i < kClickCount; ++i) {
        mouseClicks_[static_cast<size_t>(i)].create(p, kClickCaptions[i]);
        mouseClicks_[static_cast<size_t>(i)].onChange = [this, i](bool on) {
            form_.state().mouseClicks[static_cast<size_t>(i)] = on;
        };
    }
    name("cbMouseL", mouseClicks_[kClickLeft]);

    groupWheel.create(p, "ホイールの回転");
    lblWheelVCaption.create(p, "縦", {.wordWrap = false});
    tbMouseWheelV.createVertical(p, -100, 100);
    tbMouseWheelV.setTickFrequency(20);
    tbMouseWheelV.onChange = [this](int v) { route([v](AssignForm& f) { f.state().tbMouseWheelV = v; }); };
    lblMouseWheelV.create(p, {}, {.wordWrap = false});
    lblWheelHCaption.create(p, "横", {.wordWrap = false});
    tbMouseWheelH.create(p, -100, 100);
    tbMouseWheelH.setTickFrequency(20);
    tbMouseWheelH.onChange = [this](int v) { route([v](AssignForm& f) { f.state().tbMouseWheelH = v; }); };
    lblMouseWheelH.create(p, {}, {.wordWrap = false});

    groupAcceleration.create(p, "一時的にマウス移動量を調整（加速・減速）する");
    tbAccelerationFactor.create(p, 1, 50);
    tbAccelerationFactor.setTickFrequency(5);
    tbAccelerationFactor.onChange = [this](int v) {
        route([v](AssignForm& f) { f.state().tbAccelerationFactor = v; });
    };
    lblAccelerationFactor.create(p, {}, {.wordWrap = false});
}

void AssignDialog::createAbsolutePage() {
    const HWND p = pages_[kPageMouseAbsolute].hwnd();
    rbMouseAbsTarget.create(p, "ボタンが押されたら目標座標へ移動", true);
    rbMouseAbsTarget.onClick = [this] { route([](AssignForm& f) { f.rbMouseAbsRangeClick(false); }); };
    rbMouseAbsRange.create(p, "中心座標から指定範囲内で移動", false);
    rbMouseAbsRange.onClick = [this] { route([](AssignForm& f) { f.rbMouseAbsRangeClick(true); }); };
    lblMouseAbsCenter.create(p, {}, {.wordWrap = false});
    lblCenterX.create(p, "X", {.wordWrap = false});
    editMouseCenterX.create(p);
    lblCenterY.create(p, "Y", {.wordWrap = false});
    editMouseCenterY.create(p);
    for (auto [box, field, which, boxName] :
         {std::tuple{&editMouseCenterX, &AssignFormState::editMouseCenterX, CentreBox::X, "editMouseCenterX"},
          std::tuple{&editMouseCenterY, &AssignFormState::editMouseCenterY, CentreBox::Y, "editMouseCenterY"}}) {
        bindText(*box, field);
        name(boxName, *box);
        box->onExit = whenLeft([which](AssignForm& f) { f.validateFloatInput(which); });
    }
    lblRangeX.create(p, "範囲 X", {.wordWrap = false});
    tbMouseAbsRangeX.create(p, -100, 100);
    tbMouseAbsRangeX.setTickFrequency(20);
    tbMouseAbsRangeX.onChange = [this](int v) { route([v](AssignForm& f) { f.tbMouseAbsRangeXChange(v); }); };
    lblMouseAbsX.create(p, {}, {.wordWrap = false});
    lblRangeY.create(p, "範囲 Y", {.wordWrap = false});
    tbMouseAbsRangeY.create(p, -100, 100);
    tbMouseAbsRangeY.setTickFrequency(20);
    tbMouseAbsRangeY.onChange = [this](int v) { route([v](AssignForm& f) { f.tbMouseAbsRangeYChange(v); }); };
    lblMouseAbsY.create(p, {}, {.wordWrap = false});

    groupClicks2.create(p, "マウスクリックの割り当て");
    for (int i = 0; i < kClickCount; ++i) {
        mouseClicks2_[static_cast<size_t>(i)].create(p, kClickCaptions[i]);
        mouseClicks2_[static_cast<size_t>(i)].onChange = [this, i](bool on) {
            form_.state().mouseClicks2[static_cast<size_t>(i)] = on;
        };
    }
    lblAbsNote.create(p, "注：複数ディスプレイがある場合、２台目以降は X > 100 の範囲に対応します");
    lblOrigin.create(p, "(0,0)", {.wordWrap = false});
    pbMouseAbs.create(p);
    pbMouseAbs.onPaint = [this](HDC dc, const RECT& client) { paintPreview(dc, client); };
    lblFarCorner.create(p, "(100.0,100.0)", {.align = ui::TextAlign::Right, .wordWrap = false});
}

void AssignDialog::layoutMousePages() {
    groupMove.setBounds(scale(8), scale(4), scale(412), scale(196));
    cbMouseUp.setBounds(scale(64), scale(28), scale(44), scale(22));
    cbMouseLeft.setBounds(scale(22), scale(54), scale(44), scale(22));
    cbMouseRight.setBounds(scale(106), scale(54), scale(44), scale(22));
    cbMouseDown.setBounds(scale(64), scale(80), scale(44), scale(22));
    lblSpeedCaption.setBounds(scale(170), scale(26), scale(120), scale(20));
    tbMouseSpeed.setBounds(scale(166), scale(48), scale(190), scale(32));
    lblMouseSpeed.setBounds(scale(362), scale(54), scale(50), scale(20));
    lblAnalogCaption.setBounds(scale(22), scale(116), scale(390), scale(20));
    tbAnalogFactor.setBounds(scale(18), scale(140), scale(250), scale(32));
    lblAnalogFactor.setBounds(scale(272), scale(146), scale(50), scale(20));
    btnAnalogFactorDefault.setBounds(scale(328), scale(142), scale(80), scale(28));

    groupClicks.setBounds(scale(8), scale(208), scale(412), scale(62));
    for (int i = 0; i < kClickCount; ++i)
        mouseClicks_[static_cast<size_t>(i)].setBounds(scale(22 + i * 79), scale(234), scale(78), scale(22));

    groupWheel.setBounds(scale(428), scale(4), scale(380), scale(150));
    lblWheelVCaption.setBounds(scale(444), scale(28), scale(30), scale(20));
    tbMouseWheelV.setBounds(scale(472), scale(24), scale(36), scale(120));
    lblMouseWheelV.setBounds(scale(512), scale(76), scale(44), scale(20));
    lblWheelHCaption.setBounds(scale(562), scale(76), scale(30), scale(20));
    tbMouseWheelH.setBounds(scale(588), scale(70), scale(160), scale(32));
    lblMouseWheelH.setBounds(scale(752), scale(76), scale(50), scale(20));

    groupAcceleration.setBounds(scale(428), scale(162), scale(380), scale(108));
    tbAccelerationFactor.setBounds(scale(444), scale(196), scale(280), scale(32));
    lblAccelerationFactor.setBounds(scale(732), scale(202), scale(70), scale(20));

    rbMouseAbsTarget.setBounds(scale(8), scale(8), scale(400), scale(22));
    rbMouseAbsRange.setBounds(scale(8), scale(32), scale(400), scale(22));
    lblMouseAbsCenter.setBounds(scale(8), scale(68), scale(100), scale(20));
    lblCenterX.setBounds(scale(110), scale(68), scale(16), scale(20));
    editMouseCenterX.setBounds(scale(128), scale(65), scale(80), scale(24));
    lblCenterY.setBounds(scale(224), scale(68), scale(16), scale(20));
    editMouseCenterY.setBounds(scale(242), scale(65), scale(80), scale(24));
    lblRangeX.setBounds(scale(8), scale(106), scale(100), scale(20));
    tbMouseAbsRangeX.setBounds(scale(104), scale(100), scale(260), scale(32));
    lblMouseAbsX.setBounds(scale(370), scale(106), scale(50), scale(20));
    lblRangeY.setBounds(scale(8), scale(144), scale(100), scale(20));
    tbMouseAbsRangeY.setBounds(scale(104), scale(138), scale(260), scale(32));
    lblMouseAbsY.setBounds(scale(370), scale(144), scale(50), scale(20));
    groupClicks2.setBounds(scale(8), scale(182), scale(420), scale(60));
    for (int i = 0; i < kClickCount; ++i)
        mouseClicks2_[static_cast<size_t>(i)].setBounds(scale(22 + i * 80), scale(208), scale(78), scale(22));
    lblAbsNote.setBounds(scale(8), scale(254), scale(800), scale(20));
    lblOrigin.setBounds(scale(480), scale(8), scale(120), scale(18));
    pbMouseAbs.setBounds(scale(480), scale(28), scale(320), scale(180));
    lblFarCorner.setBounds(scale(640), scale(210), scale(160), scale(18));
}

void AssignDialog::syncMousePages() {
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
    pbMouseAbs.invalidate();
}

// White box, the range as a black line from the centre, the centre as a
// red dot.
void AssignDialog::paintPreview(HDC dc, const RECT& client) {
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    FrameRect(dc, &client, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    const AbsolutePreview shown = form_.preview(client.right - client.left, client.bottom - client.top);
    if (shown.line) {
        HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
        MoveToEx(dc, shown.centreX, shown.centreY, nullptr);
        LineTo(dc, shown.lineEndX, shown.lineEndY);
        SelectObject(dc, oldPen);
    }
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    HPEN redPen = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    HGDIOBJ oldBrush = SelectObject(dc, red);
    HGDIOBJ oldPen = SelectObject(dc, redPen);
    Ellipse(dc, shown.centreX - 2, shown.centreY - 2, shown.centreX + 2, shown.centreY + 2);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(red);
    DeleteObject(redPen);
}

}  // namespace vrx
