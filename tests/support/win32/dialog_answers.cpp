#include "support/win32/dialog_answers.h"

#include <windows.h>

#include <deque>
#include <functional>
#include <utility>

#include "platform/dialogs.h"
#include "platform/win32/dialogs_input_box.h"
#include "platform/win32/dialogs_observer.h"
#include "platform/win32/wide_text.h"

namespace kistvar::test::win32 {

namespace {

using kistvar::win32::DialogKind;
using kistvar::win32::DialogRequest;

// What to do to the next dialog that becomes active.
using Action = std::function<void(HWND dialog)>;

struct Answers {
    std::deque<int> message_box;
    std::deque<std::optional<std::string>> input_box;
    std::deque<std::string> folder;
    std::deque<Action> pending;
    std::vector<ShownDialog> shown;
    HHOOK hook = nullptr;
};

Answers& answers() {
    static Answers all;
    return all;
}

template <typename Queue>
std::optional<typename Queue::value_type> take_front(Queue& queue) {
    if (queue.empty()) return std::nullopt;
    auto front = std::move(queue.front());
    queue.pop_front();
    return front;
}

void press(HWND dialog, int button) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
}

void close_with_close_button(HWND dialog) { PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }

int button_of(int result) {
    switch (result) {
        case result_cancel: return IDCANCEL;
        case result_abort: return IDABORT;
        case result_retry: return IDRETRY;
        case result_ignore: return IDIGNORE;
        case result_yes: return IDYES;
        case result_no: return IDNO;
        default: return IDOK;
    }
}

// Types the text as keystrokes would arrive (so the input mode's filter sees
// them, and the first one replaces the selected initial text), then confirms.
void type_and_confirm(HWND dialog, const std::string& text) {
    HWND edit = GetDlgItem(dialog, kistvar::win32::input_box_parts::edit);
    std::wstring wide = kistvar::win32::widen(text);
    if (wide.empty()) PostMessageW(edit, WM_CHAR, VK_BACK, 0);
    for (wchar_t unit : wide) PostMessageW(edit, WM_CHAR, unit, 0);
    press(dialog, IDOK);
}

HWND first_edit_inside(HWND dialog) {
    HWND found = nullptr;
    EnumChildWindows(
        dialog,
        [](HWND child, LPARAM result) -> BOOL {
            wchar_t class_name[16] = {};
            GetClassNameW(child, class_name, 16);
            if (_wcsicmp(class_name, L"Edit") != 0) return TRUE;
            *reinterpret_cast<HWND*>(result) = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// Types the path into the picker's name field and confirms, as a player who
// pastes a path would.
void enter_folder(HWND dialog, const std::string& path) {
    SetWindowTextW(first_edit_inside(dialog), kistvar::win32::widen(path).c_str());
    press(dialog, IDOK);
}

Action action_for(const DialogRequest& request) {
    Answers& all = answers();
    if (request.kind == DialogKind::message_box) {
        if (auto result = take_front(all.message_box)) {
            int button = button_of(*result);
            return [button](HWND dialog) { press(dialog, button); };
        }
    } else if (request.kind == DialogKind::input_box) {
        if (auto answer = take_front(all.input_box)) {
            if (!*answer) return [](HWND dialog) { press(dialog, IDCANCEL); };
            return [text = **answer](HWND dialog) { type_and_confirm(dialog, text); };
        }
    } else if (request.kind == DialogKind::folder_chooser) {
        if (auto path = take_front(all.folder)) {
            if (path->empty()) return [](HWND dialog) { press(dialog, IDCANCEL); };
            return [path = *path](HWND dialog) { enter_folder(dialog, path); };
        }
    }
    return close_with_close_button;
}

bool is_dialog_box(HWND window) {
    wchar_t class_name[16] = {};
    GetClassNameW(window, class_name, 16);
    return std::wstring_view(class_name) == L"#32770";
}

LRESULT CALLBACK on_window_event(int code, WPARAM wparam, LPARAM lparam) {
    Answers& all = answers();
    if (code == HCBT_ACTIVATE && !all.pending.empty()) {
        HWND window = reinterpret_cast<HWND>(wparam);
        if (is_dialog_box(window)) {
            Action act = std::move(all.pending.front());
            all.pending.pop_front();
            act(window);
        }
    }
    return CallNextHookEx(all.hook, code, wparam, lparam);
}

ShownDialog::Kind shown_kind(DialogKind kind) {
    switch (kind) {
        case DialogKind::message_box: return ShownDialog::Kind::message_box;
        case DialogKind::input_box: return ShownDialog::Kind::input_box;
        case DialogKind::folder_chooser: return ShownDialog::Kind::folder_chooser;
        case DialogKind::shell_open: return ShownDialog::Kind::shell_open;
    }
    return ShownDialog::Kind::message_box;
}

void on_dialog(const DialogRequest& request) {
    Answers& all = answers();
    all.shown.push_back({shown_kind(request.kind), std::string(request.text), std::string(request.caption),
                         request.style});
    if (request.kind != DialogKind::shell_open) all.pending.push_back(action_for(request));
}

void watch_dialogs() {
    Answers& all = answers();
    kistvar::win32::dialog_observer = on_dialog;
    if (!all.hook) all.hook = SetWindowsHookExW(WH_CBT, on_window_event, nullptr, GetCurrentThreadId());
}

}  // namespace

void queue_message_box_answer(int result) {
    watch_dialogs();
    answers().message_box.push_back(result);
}

void queue_input_box_answer(std::optional<std::string> text) {
    watch_dialogs();
    answers().input_box.push_back(std::move(text));
}

void queue_folder_answer(std::string path) {
    watch_dialogs();
    answers().folder.push_back(std::move(path));
}

std::vector<ShownDialog> take_shown() {
    watch_dialogs();
    return std::exchange(answers().shown, {});
}

int unused_answers() {
    const Answers& all = answers();
    return static_cast<int>(all.message_box.size() + all.input_box.size() + all.folder.size());
}

}  // namespace kistvar::test::win32

namespace kistvar::test::win32 {
namespace {
// From the start of every test program, so that no dialog can wait forever
// for a player who is not there.
const bool watching_from_start = (watch_dialogs(), true);
}  // namespace
}  // namespace kistvar::test::win32
