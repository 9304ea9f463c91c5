// The one point every file call passes before it reaches the disk. Tests arm
// it to make a chosen call fail, so every failure path of every operation can
// be exercised; in the program it is never armed and costs one branch.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace kistvar::fault_seam {

enum class FileCall {
    find_first, find_next, create_directory, copy_file, move_file, replace_file,
    delete_file, open_for_write, write_bytes, flush_to_disk, close_file, read_file, recycle_file, make_writable,
};
const char* name_of(FileCall call);

// Decides whether one call fails; gets the call, its first path and the
// running number of the call (from 1) since the seam was armed.
using Rule = std::function<bool(FileCall call, std::string_view path, std::uint64_t number)>;

void arm(Rule rule);  // replaces any rule armed before; resets the count
void disarm();
// Fail exactly the n-th call (counting from 1) after arming.
void fail_call_number(std::uint64_t n);
// Fail every call whose path contains `fragment`.
void fail_paths_containing(std::string fragment);

// Called by files.cpp before each native call: true means "report failure".
bool should_fail(FileCall call, std::string_view path);
// Since the last arm/disarm, counted while disarmed too, so a test can learn
// how many calls an operation makes and then fail each in turn.
std::uint64_t calls_seen();
std::uint64_t failures_made();  // since the last arm/disarm

}  // namespace kistvar::fault_seam
