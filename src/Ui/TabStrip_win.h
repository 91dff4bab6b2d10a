#pragma once

#include <functional>
#include <string>
#include <vector>

#include "Ui/Control_win.h"

namespace vrx::ui {

// A tab strip; the pages are the owner's windows, placed in pageRect().
// In the dark style the strip paints itself.
class TabStrip : public Control {
public:
    bool create(HWND parent, int id = 0);
    // Tabs drawn as flat buttons of one width, for a dialog whose pages are
    // choices rather than folders.
    bool createFlatButtons(HWND parent, int id = 0);
    // The buttons' width (pixels): at most maxWidth, less where the strip
    // would not show them all in one row with the system's gaps.
    void fitTabWidth(int maxWidth);

    void setTabs(const std::vector<std::string>& captions);
    int addTab(std::string_view caption);
    void setTabText(int index, std::string_view caption);
    void clear();
    int count() const;
    int selected() const;
    void setSelected(int index);  // does not run onChange
    // The tab under a point in client coordinates, or -1.
    int tabAt(POINT client) const;
    // The area below the tabs, in the parent's client coordinates.
    RECT pageRect() const;

    // After the user selected another tab.
    std::function<void(int index)> onChange;
    // Before the selection changes; return false to keep the current tab.
    std::function<bool()> onChanging;
    std::function<void(int index, POINT screen)> onRightClick;

    bool onReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void applyTheme(bool dark) override;

protected:
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void paintDark(HDC dc);
    bool dark_ = false;
};

}  // namespace vrx::ui
