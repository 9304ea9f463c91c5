#include "platform/win32/window_hook.h"

#include <unordered_map>

namespace kistvar::win32 {
namespace {

struct Hook {
    WNDPROC own = nullptr;             // the window's procedure behind ours
    SUBCLASSPROC procedure = nullptr;  // none once taken off under a later subclass
    DWORD_PTR data = 0;
};

std::unordered_map<HWND, Hook>& hooks() {
    static std::unordered_map<HWND, Hook> by_window;
    return by_window;
}

LRESULT CALLBACK in_front(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    const auto found = hooks().find(window);
    if (found == hooks().end()) return DefWindowProcW(window, message, wparam, lparam);
    const Hook hook = found->second;  // the procedure may take itself off
    const LRESULT result = hook.procedure ? hook.procedure(window, message, wparam, lparam, 0, hook.data)
                                          : CallWindowProcW(hook.own, window, message, wparam, lparam);
    if (message == WM_NCDESTROY) hooks().erase(window);  // the handle may come again for another window
    return result;
}

}  // namespace

void hook_window(HWND window, SUBCLASSPROC procedure, DWORD_PTR data) {
    hooks()[window] = Hook{nullptr, procedure, data};
    const auto own = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&in_front)));
    if (own)
        hooks()[window].own = own;
    else
        hooks().erase(window);
}

void unhook_window(HWND window, SUBCLASSPROC procedure) {
    const auto found = hooks().find(window);
    if (found == hooks().end() || found->second.procedure != procedure) return;
    // A subclass made after ours calls ours still: ours then only passes on.
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)) != &in_front) {
        found->second.procedure = nullptr;
        return;
    }
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(found->second.own));
    hooks().erase(found);
}

LRESULT pass_on(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    const auto found = hooks().find(window);
    if (found != hooks().end()) return CallWindowProcW(found->second.own, window, message, wparam, lparam);
    // Taken off while handling this message: the window's own procedure is back in place.
    const auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
    if (current && current != &in_front) return CallWindowProcW(current, window, message, wparam, lparam);
    return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace kistvar::win32
