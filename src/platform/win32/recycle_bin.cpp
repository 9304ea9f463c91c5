// Deleting into the Recycle Bin through the shell, as Explorer does.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "platform/files.h"
#include "platform/native_files.h"
#include "platform/win32/shell_library.h"
#include "platform/win32/wide_text.h"

namespace kistvar::native {

int recycle_file(std::string_view path) {
    // The shell takes neither relative paths nor the long-path prefix.
    const std::wstring given = win32::widen(path);
    const DWORD length = GetFullPathNameW(given.c_str(), 0, nullptr, nullptr);
    if (length == 0) return recycle_failed;
    std::wstring full(length, L'\0');
    full.resize(GetFullPathNameW(given.c_str(), length, full.data(), nullptr));
    if (GetFileAttributesW(full.c_str()) == INVALID_FILE_ATTRIBUTES) return recycle_failed;

    // Only fixed drives have a Recycle Bin; elsewhere the shell would delete
    // for good without a word, given no confirmation.
    std::wstring root(full.size() + 1, L'\0');
    if (!GetVolumePathNameW(full.c_str(), root.data(), static_cast<DWORD>(root.size()))) return recycle_failed;
    if (GetDriveTypeW(root.c_str()) != DRIVE_FIXED) return no_recycle_bin;

    full.push_back(L'\0');  // the list of files ends in two zeros
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = full.c_str();
    operation.fFlags = FOF_ALLOWUNDO | FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOERRORUI;
    static const auto file_operation = win32::shell_function<decltype(&SHFileOperationW)>("SHFileOperationW");
    if (!file_operation || file_operation(&operation) != 0 || operation.fAnyOperationsAborted) return recycle_failed;
    // A bin that could not take the file may still say it did (Wine's, for a
    // name too long for its own records): the file is where it was, as on a
    // drive without a bin.
    if (GetFileAttributesW(full.c_str()) != INVALID_FILE_ATTRIBUTES) return no_recycle_bin;
    return recycled;
}

}  // namespace kistvar::native
