// The folder chooser: the system's modern folder picker, which lets the
// player type or paste a path, or the older folder browser where that one
// cannot be created.
#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <optional>
#include <string>

#include "platform/dialogs.h"
#include "platform/win32/dialogs_modality.h"
#include "platform/win32/dialogs_observer.h"
#include "platform/win32/shell_library.h"
#include "platform/win32/wide_text.h"

namespace kistvar {

namespace {

// Releases a COM interface pointer when it goes out of scope.
template <typename Interface>
struct Held {
    Interface* pointer = nullptr;
    ~Held() {
        if (pointer) pointer->Release();
    }
    Interface* operator->() const { return pointer; }
};

// COM for the duration of one call, unless the thread already has it.
struct ComForThisCall {
    HRESULT started = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    ~ComForThisCall() {
        if (SUCCEEDED(started)) CoUninitialize();
    }
};

// nullopt when the picker cannot be made at all; "" when cancelled or when
// the chosen item has no file-system path.
std::optional<std::string> pick_with_file_dialog(HWND owner, const std::wstring& title) {
    Held<IFileOpenDialog> dialog;
    if (FAILED(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&dialog.pointer))))
        return std::nullopt;
    FILEOPENDIALOGOPTIONS options = 0;
    dialog->GetOptions(&options);
    if (FAILED(dialog->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST)))
        return std::nullopt;
    if (!title.empty()) dialog->SetTitle(title.c_str());

    HRESULT shown = dialog->Show(owner);
    if (shown == HRESULT_FROM_WIN32(ERROR_CANCELLED)) return std::string();
    if (FAILED(shown)) return std::nullopt;

    Held<IShellItem> chosen;
    if (FAILED(dialog->GetResult(&chosen.pointer))) return std::string();
    PWSTR path = nullptr;
    if (FAILED(chosen->GetDisplayName(SIGDN_FILESYSPATH, &path))) return std::string();
    std::string result = win32::narrow(path);
    CoTaskMemFree(path);
    return result;
}

std::string pick_with_folder_browser(HWND owner, const std::wstring& title, bool include_files) {
    BROWSEINFOW browse{};
    browse.hwndOwner = owner;
    browse.lpszTitle = title.c_str();
    browse.ulFlags = BIF_EDITBOX | BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE | (include_files ? BIF_BROWSEINCLUDEFILES : 0);
    static const auto browse_for_folder = win32::shell_function<decltype(&SHBrowseForFolderW)>("SHBrowseForFolderW");
    static const auto path_of = win32::shell_function<decltype(&SHGetPathFromIDListEx)>("SHGetPathFromIDListEx");
    if (!browse_for_folder || !path_of) return {};
    PIDLIST_ABSOLUTE chosen = browse_for_folder(&browse);
    if (!chosen) return {};
    std::wstring path(32768, L'\0');
    bool has_path = path_of(chosen, path.data(), static_cast<DWORD>(path.size()), GPFIDL_DEFAULT);
    CoTaskMemFree(chosen);
    if (!has_path) return {};
    path.resize(wcslen(path.c_str()));
    return win32::narrow(path);
}

}  // namespace

std::string choose_folder(std::string_view title, bool include_files) {
    if (win32::dialog_observer) win32::dialog_observer({win32::DialogKind::folder_chooser, title, title, 0});
    ComForThisCall com;
    std::wstring wide_title = win32::widen(title);
    win32::ProgramWindowsDisabled every_window;
    // The modern picker cannot show files while it picks folders.
    if (!include_files)
        if (auto picked = pick_with_file_dialog(every_window.owner(), wide_title)) return *picked;
    return pick_with_folder_browser(every_window.owner(), wide_title, include_files);
}

}  // namespace kistvar
