// Program start and end, and the fatal runtime error.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace kistvar {

// A later call replaces an earlier one.
void register_cleanup(std::function<void()> cleanup);
// Runs the registered clean-up (at most once per program run).
void run_cleanup();

// Runs the clean-up and ends the program at once with `exit_code`; no window
// event fires. (Headless: unwinds to the harness with the code.)
[[noreturn]] void end_program(int exit_code);

// Shows the runtime error's message (language/runtime_texts.h; caption "错误",
// stop icon, no owner) and ends the
// process with exit code -1, without the clean-up and without window events.
[[noreturn]] void runtime_error(int code, std::string_view message);
// Out of memory: code 0 with "分配 %d 字节内存失败!".
[[noreturn]] void out_of_memory(std::size_t bytes_requested);

}  // namespace kistvar
