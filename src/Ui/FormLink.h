#pragma once

#include <functional>
#include <type_traits>
#include <utility>

namespace vrx::ui {

// The one way a window follows its form model. A user action is one call,
//     link([](Form& form) { form.btnOKClick(); });
// which runs the handler on the model and then the window's refresh, which
// copies what the handler changed into the controls. A view never writes a
// model field itself, and reads the model only to show it.
//
// While the refresh runs, the notifications that the controls' own setters
// raise (an edit box's EN_CHANGE, a list view's selection change) are no
// user actions: calls made then run nothing. A handler that runs inside
// another (a modal dialog the first one opened) refreshes as it returns, so
// the window is current whenever the user can act on it again.
//
// Portable on purpose: it knows no control, only the model and the refresh.
template <typename Form>
class FormLink {
public:
    explicit FormLink(std::function<void()> refresh) : refresh_(std::move(refresh)) {}
    FormLink(Form& form, std::function<void()> refresh) : form_(&form), refresh_(std::move(refresh)) {}
    FormLink(const FormLink&) = delete;
    FormLink& operator=(const FormLink&) = delete;

    // A window made before its model (the main window) links it later, and
    // unlinks it when the model goes first.
    void attach(Form& form) { form_ = &form; }
    void detach() { form_ = nullptr; }
    bool attached() const { return form_ != nullptr; }

    // Runs one handler, then the refresh; passes on what the handler
    // returns (a value-initialised one when nothing ran).
    template <typename Handler>
    auto operator()(Handler&& handler) -> std::invoke_result_t<Handler&, Form&> {
        using Result = std::invoke_result_t<Handler&, Form&>;
        if constexpr (std::is_void_v<Result>) {
            if (!ready()) return;
            handler(*form_);
            refresh();
        } else {
            if (!ready()) return Result{};
            Result result = handler(*form_);
            refresh();
            return result;
        }
    }

    // The refresh alone: for the window's first showing, and for a change
    // that reached the model from outside the window.
    void refresh() {
        if (refreshing_ || !form_) return;
        refreshing_ = true;
        struct Done {
            bool& flag;
            ~Done() { flag = false; }
        } done{refreshing_};
        refresh_();
    }

    bool refreshing() const { return refreshing_; }

private:
    bool ready() const { return form_ && !refreshing_; }

    Form* form_ = nullptr;
    std::function<void()> refresh_;
    bool refreshing_ = false;
};

}  // namespace vrx::ui
