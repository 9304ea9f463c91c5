// Folder watches on Linux: one inotify instance per watch, read without
// waiting. Every event counts as a change; the names are not looked at.
#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/native_files.h"
#include "platform/posix/posix_path.h"

namespace kistvar::native {

namespace {

constexpr std::uint32_t watched_events = IN_CREATE | IN_DELETE | IN_MODIFY | IN_ATTRIB | IN_CLOSE_WRITE |
                                         IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;
// The watch ends with the folder it was on, or the kernel's queue dropped events.
constexpr std::uint32_t watch_lost = IN_IGNORED | IN_Q_OVERFLOW | IN_DELETE_SELF | IN_MOVE_SELF;

struct Watch {
    int instance = -1;
    std::string path;
    int folder = -1;  // the watch descriptor; -1 while the folder is not watched
};

Watch* watch_of(std::intptr_t handle) { return reinterpret_cast<Watch*>(handle); }

// The folder at the path now, which may be another than the one watched before.
void watch_again(Watch& watch) {
    if (watch.folder >= 0) inotify_rm_watch(watch.instance, watch.folder);
    watch.folder = inotify_add_watch(watch.instance, watch.path.c_str(), watched_events);
}

}  // namespace

std::intptr_t watch_folder(std::string_view folder) {
    const int instance = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (instance < 0) return 0;
    auto* watch = new Watch{instance, posix::posix_path(folder)};
    watch_again(*watch);
    return reinterpret_cast<std::intptr_t>(watch);
}

bool folder_changed(std::intptr_t handle) {
    Watch& watch = *watch_of(handle);
    bool changed = watch.folder < 0, lost = watch.folder < 0;
    alignas(inotify_event) char events[4096];
    for (;;) {
        const ssize_t got = read(watch.instance, events, sizeof events);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0 && errno == EAGAIN) break;  // all told
        changed = true;
        if (got <= 0) {
            lost = true;
            break;
        }
        for (ssize_t at = 0; at < got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(events + at);
            // What a watch ended before, on a folder moved away, says nothing of this one.
            if (event->wd == watch.folder && (event->mask & watch_lost)) lost = true;
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    if (lost) watch_again(watch);
    return changed;
}

void end_watch(std::intptr_t handle) {
    Watch* watch = watch_of(handle);
    close(watch->instance);
    delete watch;
}

}  // namespace kistvar::native
