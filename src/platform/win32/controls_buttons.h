// Push buttons and image buttons. An image button is an owner-drawn button
// showing one of our pictures, with a hover look, the hand cursor and a
// tool-tip.
#pragma once

#include <string>

#include "platform/win32/controls_base.h"
#include "platform/win32/pictures.h"
#include "ui/controls.h"

namespace kistvar::win32 {

// A click runs on_click only while the button is enabled. `Control` is the
// NativeControl or DeferredControl of a button interface.
template <class Control>
class ClickableButton : public Control {
public:
    using Control::Control;
    void on_command(WORD notification) override {
        if (notification == BN_CLICKED && IsWindowEnabled(this->window_) && this->on_click)
            this->on_click();
    }
};

// The options page's buttons: their windows are made with the page.
class Win32PushButton final : public ClickableButton<DeferredControl<ui::PushButton>> {
public:
    using ClickableButton::ClickableButton;

private:
    void take_on_kept_state() override {}
};

class Win32ImageButton final : public ClickableButton<NativeControl<ui::ImageButton>> {
public:
    // The button is an owner-drawn "BUTTON" made with its tip as its text.
    Win32ImageButton(HWND button, ButtonPicture picture, std::string_view tool_tip);
    ~Win32ImageButton() override;

    std::string tool_tip_text() const override { return tool_tip_; }
    void set_tool_tip_text(std::string_view text) override;
    // The window's one tool-tip control, made after the window is first shown;
    // the tip shows from then on.
    void use_tool_tips(HWND tool_tips);
    void on_draw_item(const DRAWITEMSTRUCT& item) override;

private:
    void tell_tool_tips(bool had_tip);
    static LRESULT CALLBACK track_mouse(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                        UINT_PTR id, DWORD_PTR self);
    void set_hot(bool hot);

    HWND tool_tips_ = nullptr;
    ButtonPicture picture_;
    std::string tool_tip_;
    bool hot_ = false;
};

}  // namespace kistvar::win32
