#include "platform/win32/drop_target.h"

#include <shellapi.h>

#include <map>

#include "platform/win32/shell_library.h"
#include "platform/win32/wide_text.h"

namespace kistvar::win32 {
namespace {

std::map<HWND, IDropTarget*>& registered() {
    static std::map<HWND, IDropTarget*> targets;
    return targets;
}

bool offers_files(IDataObject* data) {
    FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    return data && data->QueryGetData(&format) == S_OK;
}

}  // namespace

std::string dropped_files_text(HDROP files) {
    static const auto query_file = shell_function<decltype(&DragQueryFileW)>("DragQueryFileW");
    if (!query_file) return {};
    const UINT count = query_file(files, 0xFFFFFFFF, nullptr, 0);
    std::string text;
    for (UINT i = 0; i < count; ++i) {
        std::wstring path(query_file(files, i, nullptr, 0) + 1, L'\0');
        path.resize(query_file(files, i, path.data(), static_cast<UINT>(path.size())));
        text += narrow(path);
        if (count > 1) text += "\r\n";
    }
    return text;
}

class Win32DropTarget::Receiver final : public IDropTarget {
public:
    explicit Receiver(Win32DropTarget& owner) : owner_(&owner) {}
    void forget_owner() { owner_ = nullptr; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (!object) return E_POINTER;
        if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IDropTarget)) {
            *object = static_cast<IDropTarget*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
        accepting_ = offers_files(data);
        *effect = accepting_ ? DROPEFFECT_COPY : DROPEFFECT_NONE;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override {
        *effect = accepting_ ? DROPEFFECT_COPY : DROPEFFECT_NONE;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override {
        accepting_ = false;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
        accepting_ = false;
        *effect = DROPEFFECT_NONE;
        FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        STGMEDIUM medium{};
        if (!data || data->GetData(&format, &medium) != S_OK) return S_OK;
        std::string text = dropped_files_text(static_cast<HDROP>(medium.hGlobal));
        ReleaseStgMedium(&medium);
        *effect = DROPEFFECT_COPY;
        if (owner_ && owner_->on_files_dropped) owner_->on_files_dropped(text);
        return S_OK;
    }

private:
    Win32DropTarget* owner_;
    ULONG references_ = 1;
    bool accepting_ = false;
};

Win32DropTarget::Win32DropTarget() : receiver_(new Receiver(*this)) {}

Win32DropTarget::~Win32DropTarget() {
    revoke();
    receiver_->forget_owner();
    receiver_->Release();
}

bool Win32DropTarget::register_on(std::intptr_t window_handle) {
    HWND window = reinterpret_cast<HWND>(window_handle);
    if (used_ || !IsWindow(window)) return false;
    if (FAILED(RegisterDragDrop(window, receiver_))) return false;
    window_ = window;
    used_ = true;  // once for the program's life
    registered()[window] = receiver_;
    return true;
}

void Win32DropTarget::revoke() {
    if (!window_) return;
    registered().erase(window_);
    if (IsWindow(window_)) RevokeDragDrop(window_);
    window_ = nullptr;
}

IDropTarget* drop_target_on(HWND window) {
    const auto found = registered().find(window);
    return found == registered().end() ? nullptr : found->second;
}

}  // namespace kistvar::win32
