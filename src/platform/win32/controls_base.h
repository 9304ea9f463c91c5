// What every native control shares: its window handle, enabled state and
// focus, and its half of the main window's message routing (the main window
// hands each WM_COMMAND, WM_NOTIFY, WM_DRAWITEM and WM_CTLCOLOR* to the
// control that sent it).
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <utility>

#include "ui/layout.h"

namespace kistvar::win32 {

class ChildWindow {
public:
    virtual ~ChildWindow() = default;
    virtual HWND hwnd() const = 0;
    virtual void on_command(WORD /*notification*/) {}
    virtual std::optional<LRESULT> on_notify(const NMHDR& /*header*/) { return std::nullopt; }
    virtual void on_draw_item(const DRAWITEMSTRUCT& /*item*/) {}

    COLORREF text_colour = RGB(0, 0, 0);
    // Drawn on the window's own background colour (labels, buttons, group boxes).
    bool on_window_background = false;
};

template <class Interface>
class NativeControl : public Interface, public ChildWindow {
public:
    explicit NativeControl(HWND window) : window_(window) {}

    bool disabled() const override { return !IsWindowEnabled(window_); }
    void set_disabled(bool disabled) override { EnableWindow(window_, !disabled); }
    std::intptr_t window_handle() const override { return reinterpret_cast<std::intptr_t>(window_); }
    void set_focus() override { SetFocus(window_); }
    HWND hwnd() const override { return window_; }

protected:
    HWND window_;
};

// A control whose window is made only when first needed, by `make_window`
// (which attaches it). The options page is not seen at start, and making its
// windows, the drop-down lists above all, is a good part of a start's time.
// Until then the control keeps what is written to it, and its window takes
// that on when it is made; asking for the window or the focus makes it.
template <class Interface>
class DeferredControl : public NativeControl<Interface> {
public:
    explicit DeferredControl(std::function<void()> make_window)
        : NativeControl<Interface>(nullptr), make_window_(std::move(make_window)) {}

    void attach(HWND window) {
        this->window_ = window;
        EnableWindow(window, !disabled_);
        take_on_kept_state();
    }

    bool disabled() const override { return this->window_ ? !IsWindowEnabled(this->window_) : disabled_; }
    void set_disabled(bool disabled) override {
        if (this->window_)
            EnableWindow(this->window_, !disabled);
        else
            disabled_ = disabled;
    }
    std::intptr_t window_handle() const override { return reinterpret_cast<std::intptr_t>(made()); }
    void set_focus() override { SetFocus(made()); }

protected:
    // Gives the new window what was written before it existed.
    virtual void take_on_kept_state() = 0;

private:
    HWND made() const {
        if (!this->window_) make_window_();
        return this->window_;
    }

    std::function<void()> make_window_;
    bool disabled_ = false;
};

inline COLORREF colour_ref(ui::layout::Rgb colour) { return RGB(colour.r, colour.g, colour.b); }

// A child window of `parent` at a layout rectangle (96-DPI pixels, relative to
// the parent's client area), in the controls' font, with `id` as its control id.
// The rectangle is remembered, so the child can be placed again at another DPI.
HWND create_child(HWND parent, const wchar_t* window_class, std::string_view text, DWORD style,
                  DWORD extended_style, int x, int y, int width, int height, int id);

// Places every child made by create_child again at the current DPI, and gives
// it the font for that DPI (the group caption font to those that had it).
void place_children_again(HWND parent);

// The font of ordinary control texts at the current DPI; each lives as long
// as the program.
HFONT controls_font();
// The group boxes' caption font: 16 pixels at 96 DPI, regular, GB2312 character set.
HFONT group_caption_font();

}  // namespace kistvar::win32
