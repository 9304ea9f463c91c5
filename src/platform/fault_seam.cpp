#include "platform/fault_seam.h"

#include <utility>

namespace kistvar::fault_seam {

namespace {

// The program has one thread, so plain globals are enough.
struct Seam {
    Rule rule;
    std::uint64_t calls = 0;
    std::uint64_t failures = 0;
};

Seam& seam() {
    static Seam instance;
    return instance;
}

}  // namespace

const char* name_of(FileCall call) {
    switch (call) {
        case FileCall::find_first: return "find_first";
        case FileCall::find_next: return "find_next";
        case FileCall::create_directory: return "create_directory";
        case FileCall::copy_file: return "copy_file";
        case FileCall::move_file: return "move_file";
        case FileCall::replace_file: return "replace_file";
        case FileCall::delete_file: return "delete_file";
        case FileCall::recycle_file: return "recycle_file";
        case FileCall::open_for_write: return "open_for_write";
        case FileCall::write_bytes: return "write_bytes";
        case FileCall::flush_to_disk: return "flush_to_disk";
        case FileCall::close_file: return "close_file";
        case FileCall::read_file: return "read_file";
        case FileCall::make_writable: return "make_writable";
    }
    return "unknown";
}

void arm(Rule rule) {
    seam() = Seam{std::move(rule)};
}

void disarm() {
    seam() = Seam{};
}

void fail_call_number(std::uint64_t n) {
    arm([n](FileCall, std::string_view, std::uint64_t number) { return number == n; });
}

void fail_paths_containing(std::string fragment) {
    arm([fragment = std::move(fragment)](FileCall, std::string_view path, std::uint64_t) {
        return path.find(fragment) != std::string_view::npos;
    });
}

bool should_fail(FileCall call, std::string_view path) {
    Seam& state = seam();
    ++state.calls;  // counted while disarmed too, so a test can learn how many calls an operation makes
    if (!state.rule || !state.rule(call, path, state.calls)) return false;
    ++state.failures;
    return true;
}

std::uint64_t calls_seen() {
    return seam().calls;
}

std::uint64_t failures_made() {
    return seam().failures;
}

}  // namespace kistvar::fault_seam
