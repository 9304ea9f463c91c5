// Folder watches on Windows: a change notification, looked at without
// waiting and made again once it has told, on the folder of that path then
// (the one told of may have been removed or moved). The caller lists after
// asking, so what changes in between is in its listing.
#include <windows.h>

#include <string>

#include "platform/native_files.h"
#include "platform/win32/wide_text.h"

namespace kistvar::native {

namespace {

constexpr DWORD watched_changes = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME |
                                  FILE_NOTIFY_CHANGE_ATTRIBUTES | FILE_NOTIFY_CHANGE_SIZE |
                                  FILE_NOTIFY_CHANGE_LAST_WRITE;

struct Watch {
    std::wstring path;
    HANDLE notification = INVALID_HANDLE_VALUE;
};

Watch* watch_of(std::intptr_t handle) { return reinterpret_cast<Watch*>(handle); }

// The folder at the path now, which may be another than the one watched before.
void watch_again(Watch& watch) {
    if (watch.notification != INVALID_HANDLE_VALUE) FindCloseChangeNotification(watch.notification);
    watch.notification = FindFirstChangeNotificationW(watch.path.c_str(), FALSE, watched_changes);
}

}  // namespace

std::intptr_t watch_folder(std::string_view folder) {
    auto* watch = new Watch{win32::widen_path(folder)};
    watch_again(*watch);
    if (watch->notification == INVALID_HANDLE_VALUE) {
        delete watch;
        return 0;
    }
    return reinterpret_cast<std::intptr_t>(watch);
}

bool folder_changed(std::intptr_t handle) {
    Watch& watch = *watch_of(handle);
    if (watch.notification == INVALID_HANDLE_VALUE) {
        watch_again(watch);
        return true;
    }
    const DWORD state = WaitForSingleObject(watch.notification, 0);
    if (state == WAIT_TIMEOUT) return false;
    watch_again(watch);
    return true;
}

void end_watch(std::intptr_t handle) {
    Watch* watch = watch_of(handle);
    if (watch->notification != INVALID_HANDLE_VALUE) FindCloseChangeNotification(watch->notification);
    delete watch;
}

}  // namespace kistvar::native
