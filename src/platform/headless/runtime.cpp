// Program end and the fatal error without a process to end: both unwind to
// the test harness, which plays the part of the operating system.
#include "platform/runtime.h"

#include <string>
#include <utility>

#include "language/language.h"
#include "language/runtime_texts.h"
#include "platform/headless/script_state.h"

namespace kistvar {

namespace {
struct Cleanup {
    std::function<void()> procedure;
    bool ran = false;
};
Cleanup& the_cleanup() {
    static Cleanup cleanup;
    return cleanup;
}
}  // namespace

void register_cleanup(std::function<void()> cleanup) {
    // Registering starts a new program run, whose clean-up has not run yet.
    the_cleanup() = Cleanup{std::move(cleanup), false};
}

void run_cleanup() {
    Cleanup& cleanup = the_cleanup();
    if (cleanup.ran) return;
    cleanup.ran = true;
    if (cleanup.procedure) cleanup.procedure();
}

void end_program(int exit_code) {
    run_cleanup();
    throw headless::ProgramEnded{exit_code};
}

void runtime_error(int code, std::string_view message) {
    std::string text = runtime_error_text(code, message);
    headless::script::record({headless::Shown::Kind::message_box, text,
                              std::string(language::text(language::Text::runtime_caption)), 0x10});
    throw headless::RuntimeErrorRaised{code, std::move(text)};
}

void out_of_memory(std::size_t bytes_requested) { runtime_error(0, out_of_memory_message(bytes_requested)); }

namespace headless {
void forget_cleanup() { the_cleanup() = Cleanup{}; }
}  // namespace headless

}  // namespace kistvar
