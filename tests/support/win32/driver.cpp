// The user's actions on the real window: real messages to the real controls,
// as the mouse and the keyboard would send them. After each action the
// messages it left queued are handled, as the program's message loop would.
#include "support/driver.h"

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>
#include <shlobj.h>

#include <optional>
#include <utility>

#include "platform/win32/controls_menu.h"
#include "platform/win32/drop_target.h"
#include "platform/win32/main_window.h"
#include "platform/win32/wide_text.h"
#include "support/win32/dialog_answers.h"

namespace kistvar::test {

namespace {

using kistvar::win32::widen;

HWND handle_of(const ui::Control& control) { return reinterpret_cast<HWND>(control.window_handle()); }

LPARAM point_parameter(POINT point) { return MAKELPARAM(point.x, point.y); }

// The list takes the keyboard focus as the button goes down, before it acts
// on the item (Windows' own list control does so; Wine's only afterwards).
void press_on(HWND list, UINT message, WPARAM keys, LPARAM at) {
    if (GetFocus() != list) SetFocus(list);
    SendMessageW(list, message, keys, at);
}

// Handles what is queued, without waiting; a quit request left by a closed
// window is dropped so that it cannot end a later dialog's loop.
void handle_queued_messages() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// Where to put the mouse for an item: on its picture, so that a click on an
// already selected item never starts a title edit. -1: a spot with no item.
POINT point_on(HWND list, int index) {
    if (index >= 0) {
        SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
        RECT icon{};
        icon.left = LVIR_ICON;
        SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&icon));
        return {(icon.left + icon.right) / 2, (icon.top + icon.bottom) / 2};
    }
    RECT client{};
    GetClientRect(list, &client);
    for (POINT spot : {POINT{client.right - 4, client.bottom - 4}, POINT{client.right - 4, 4},
                       POINT{client.left + 4, client.bottom - 4}}) {
        LVHITTESTINFO hit{};
        hit.pt = spot;
        if (SendMessageW(list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)) < 0) return spot;
    }
    return {client.right - 4, client.bottom - 4};
}

// A shell file list (CF_HDROP) as Explorer hands it to a drop target.
class FileListData final : public IDataObject {
public:
    explicit FileListData(const std::vector<std::string>& paths) {
        for (const auto& path : paths) {
            names_ += widen(path);
            names_ += L'\0';
        }
        names_ += L'\0';
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IDataObject)) {
            *object = static_cast<IDataObject*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override { return --references_; }  // lives on the driver's stack

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
        if (QueryGetData(format) != S_OK) return DV_E_FORMATETC;
        const SIZE_T size = sizeof(DROPFILES) + names_.size() * sizeof(wchar_t);
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
        auto* files = static_cast<DROPFILES*>(GlobalLock(memory));
        files->pFiles = sizeof(DROPFILES);
        files->fWide = TRUE;
        std::copy(names_.begin(), names_.end(), reinterpret_cast<wchar_t*>(files + 1));
        GlobalUnlock(memory);
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = memory;
        medium->pUnkForRelease = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
        return format && format->cfFormat == CF_HDROP && (format->tymed & TYMED_HGLOBAL) ? S_OK : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
        out->ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    std::wstring names_;
    ULONG references_ = 1;
};

class Win32Driver;
Win32Driver* active_driver = nullptr;

class Win32Driver final : public Driver {
public:
    explicit Win32Driver(ui::MainWindow& window)
        : window_(dynamic_cast<kistvar::win32::Win32MainWindow&>(window)),
          menu_hook_(SetWindowsHookExW(WH_CALLWNDPROC, &Win32Driver::watch_menus, nullptr, GetCurrentThreadId())) {
        active_driver = this;
        // A player acts on a window on screen, which is also where the
        // keyboard focus can be.
        ShowWindow(window_.hwnd(), SW_SHOW);
        SetForegroundWindow(window_.hwnd());
        handle_queued_messages();
    }
    ~Win32Driver() override {
        UnhookWindowsHookEx(menu_hook_);
        if (active_driver == this) active_driver = nullptr;
    }

    void click(ui::PushButton& button) override {
        if (!button.disabled()) SendMessageW(handle_of(button), BM_CLICK, 0, 0);
        after_action();
    }

    void focus(ui::ListView& list) override {
        SetFocus(handle_of(list));
        after_action();
    }

    void click_item(ui::ListView& list, int index) override {
        HWND target = handle_of(list);
        const LPARAM at = point_parameter(point_on(target, index));
        press_on(target, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(target, WM_LBUTTONUP, 0, at);
        after_action();
    }

    // The notification the list's tool tip sends when it is about to show.
    std::string hover_tip(ui::ListView& list, int index) override {
        HWND target = handle_of(list);
        wchar_t text[INFOTIPSIZE] = L"";
        NMLVGETINFOTIPW tip{};
        tip.hdr.hwndFrom = target;
        tip.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(target));
        tip.hdr.code = LVN_GETINFOTIPW;
        tip.pszText = text;
        tip.cchTextMax = INFOTIPSIZE;
        tip.iItem = index;
        SendMessageW(GetParent(target), WM_NOTIFY, tip.hdr.idFrom, reinterpret_cast<LPARAM>(&tip));
        return kistvar::win32::narrow(text);
    }

    void double_click_item(ui::ListView& list, int index) override {
        HWND target = handle_of(list);
        const LPARAM at = point_parameter(point_on(target, index));
        press_on(target, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(target, WM_LBUTTONUP, 0, at);
        SendMessageW(target, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        SendMessageW(target, WM_LBUTTONUP, 0, at);
        after_action();
    }

    void right_click_item(ui::ListView& list, int index) override {
        HWND target = handle_of(list);
        const POINT point = point_on(target, index);
        // The pointer itself stays where it is: moving it would queue mouse
        // moves that the list could take for the start of a drag.
        // The list follows the mouse after the button goes down until it comes
        // up again (to tell a click from a drag), so the release is queued first.
        PostMessageW(target, WM_RBUTTONUP, 0, point_parameter(point));
        press_on(target, WM_RBUTTONDOWN, MK_RBUTTON, point_parameter(point));
        after_action();
    }

    void finish_label_edit(ui::ListView& list, std::optional<std::string> typed) override {
        HWND edit = reinterpret_cast<HWND>(SendMessageW(handle_of(list), LVM_GETEDITCONTROL, 0, 0));
        if (edit) {
            if (typed) SetWindowTextW(edit, widen(*typed).c_str());
            SendMessageW(edit, WM_KEYDOWN, typed ? VK_RETURN : VK_ESCAPE, 0);
        }
        after_action();
    }

    void drop_files(ui::ListView& list, const std::vector<std::string>& paths) override {
        if (IDropTarget* target = kistvar::win32::drop_target_on(handle_of(list))) {
            FileListData files(paths);
            RECT area{};
            GetWindowRect(handle_of(list), &area);
            const POINTL at{(area.left + area.right) / 2, (area.top + area.bottom) / 2};
            DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
            if (SUCCEEDED(target->DragEnter(&files, MK_LBUTTON, at, &effect)) && effect != DROPEFFECT_NONE) {
                target->DragOver(MK_LBUTTON, at, &effect);
                target->Drop(&files, MK_LBUTTON, at, &effect);
            } else {
                target->DragLeave();
            }
        }
        after_action();
    }

    void close_window() override {
        if (IsWindow(window_.hwnd())) SendMessageW(window_.hwnd(), WM_CLOSE, 0, 0);
        after_action();
    }

    bool visible(const ui::Control& control) const override {
        HWND window = handle_of(control);
        if (!window) return true;  // the tab control has no window; it is always there
        return (GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE) != 0;
    }

    void answer_message_box(int result) override { win32::queue_message_box_answer(result); }
    void answer_input_box(std::optional<std::string> text) override { win32::queue_input_box_answer(std::move(text)); }
    void answer_folder_chooser(std::string path) override { win32::queue_folder_answer(std::move(path)); }
    void answer_popup_menu(ui::MenuItem* item) override {
        menu_answers_.push_back(dynamic_cast<kistvar::win32::Win32MenuItem*>(item));
    }

    std::vector<ShownDialog> take_shown_dialogs() override {
        collect_dialogs();
        return std::exchange(shown_, {});
    }
    int unused_answers() const override {
        return win32::unused_answers() + static_cast<int>(menu_answers_.size());
    }

private:
    // The dialogs' own record, merged in order with the pop-up menus seen here.
    void collect_dialogs() {
        for (auto& dialog : win32::take_shown()) shown_.push_back(std::move(dialog));
    }

    // A chosen item's command reaches the window once the menu has closed.
    void after_action() {
        handle_queued_messages();
        while (chosen_command_) {
            PostMessageW(window_.hwnd(), WM_COMMAND, MAKEWPARAM(*chosen_command_, 0), 0);
            chosen_command_.reset();
            handle_queued_messages();
        }
    }

    // A pop-up menu of ours opened: note it, then pick the queued answer by
    // closing the menu and remembering the item's command.
    static LRESULT CALLBACK watch_menus(int code, WPARAM wparam, LPARAM lparam) {
        const auto& call = *reinterpret_cast<const CWPSTRUCT*>(lparam);
        if (code == HC_ACTION && active_driver) {
            Win32Driver& self = *active_driver;
            if (call.message == WM_INITMENUPOPUP && !HIWORD(call.lParam)) {
                const std::string_view name = self.window_.menu_name(reinterpret_cast<HMENU>(call.wParam));
                if (!name.empty()) {
                    self.collect_dialogs();
                    self.shown_.push_back({ShownDialog::Kind::popup_menu, std::string(name), "", 0});
                }
            } else if (call.message == WM_ENTERIDLE && call.wParam == MSGF_MENU) {
                kistvar::win32::Win32MenuItem* answer = nullptr;
                if (!self.menu_answers_.empty()) {
                    answer = self.menu_answers_.front();
                    self.menu_answers_.erase(self.menu_answers_.begin());
                }
                // A greyed item cannot be picked: the menu just closes.
                if (answer && !answer->disabled()) self.chosen_command_ = answer->command_id();
                EndMenu();
            }
        }
        return CallNextHookEx(nullptr, code, wparam, lparam);
    }

    kistvar::win32::Win32MainWindow& window_;
    HHOOK menu_hook_;
    std::vector<kistvar::win32::Win32MenuItem*> menu_answers_;
    std::optional<UINT> chosen_command_;
    std::vector<ShownDialog> shown_;
};

}  // namespace

std::unique_ptr<Driver> make_driver(ui::MainWindow& window) { return std::make_unique<Win32Driver>(window); }

}  // namespace kistvar::test
