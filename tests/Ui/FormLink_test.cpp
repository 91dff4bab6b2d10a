#include "Ui/FormLink.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace vrx::ui {
namespace {

// A model with one handler, and a window that shows its text and whose
// showing raises a change notification, as an edit box's EN_CHANGE does.
struct Model {
    std::string text;
    int handled = 0;
    void editChange(const std::string& value) {
        text = value;
        ++handled;
    }
};

struct Window {
    Model model;
    std::string shown;
    int refreshes = 0;
    FormLink<Model> link{model, [this] { refresh(); }};

    void refresh() {
        ++refreshes;
        shown = model.text;
        onEditChange();  // the setter's own notification
    }
    void onEditChange() {
        link([this](Model& m) { m.editChange(shown + "!"); });
    }
};

TEST(FormLink, AUserActionRunsItsHandlerThenOneRefreshWhoseNotificationsRunNothing) {
    Window w;
    w.link([](Model& m) { m.editChange("abc"); });
    EXPECT_EQ(w.model.handled, 1);
    EXPECT_EQ(w.refreshes, 1);
    EXPECT_EQ(w.shown, "abc");
    EXPECT_FALSE(w.link.refreshing());
}

TEST(FormLink, PassesOnWhatTheHandlerReturnsAndRunsNothingWithoutAModel) {
    Model model;
    int refreshes = 0;
    FormLink<Model> link{[&] { ++refreshes; }};
    EXPECT_FALSE(link.attached());
    EXPECT_EQ(link([](Model& m) { return ++m.handled; }), 0);
    link.refresh();
    EXPECT_EQ(refreshes, 0);

    link.attach(model);
    EXPECT_EQ(link([](Model& m) { return ++m.handled + 41; }), 42);
    EXPECT_EQ(refreshes, 1);

    link.detach();
    link([](Model& m) { ++m.handled; });
    EXPECT_EQ(model.handled, 1);
}

TEST(FormLink, AHandlerInsideAnotherRefreshesAsItReturnsAndTheOuterAgain) {
    Model model;
    std::string seen;
    FormLink<Model> link{model, [&] { seen += "[" + model.text + "]"; }};
    link([&](Model& m) {
        m.editChange("outer");
        // A modal dialog's loop lets the window's own events through.
        link([](Model& inner) { inner.editChange("inner"); });
        EXPECT_EQ(seen, "[inner]");
    });
    EXPECT_EQ(seen, "[inner][inner]");
}

TEST(FormLink, ARefreshThatThrowsLeavesTheLinkReadyForTheNextAction) {
    Model model;
    bool fail = true;
    FormLink<Model> link{model, [&] {
                             if (fail) throw std::runtime_error("control gone");
                         }};
    EXPECT_THROW(link([](Model& m) { m.editChange("x"); }), std::runtime_error);
    EXPECT_FALSE(link.refreshing());
    fail = false;
    link([](Model& m) { m.editChange("y"); });
    EXPECT_EQ(model.handled, 2);
}

}  // namespace
}  // namespace vrx::ui
