// How the program ends: normally, on request, or on a fatal runtime error.
#include <windows.h>

#include <cstdlib>
#include <utility>

#include "language/language.h"
#include "language/runtime_texts.h"
#include "platform/dialogs.h"
#include "platform/runtime.h"

namespace kistvar {

namespace {

std::function<void()>& registered_cleanup() {
    static std::function<void()> cleanup;
    return cleanup;
}
bool cleanup_has_run = false;

// Set aside at start and given back when memory runs out, so that the error
// message itself can still be built and shown.
void* emergency_reserve = std::malloc(64 * 1024);
bool reporting_out_of_memory = false;

}  // namespace

void register_cleanup(std::function<void()> cleanup) { registered_cleanup() = std::move(cleanup); }

void run_cleanup() {
    if (cleanup_has_run) return;
    cleanup_has_run = true;
    std::function<void()> cleanup = std::move(registered_cleanup());
    if (cleanup) cleanup();
}

void end_program(int exit_code) {
    run_cleanup();
    // At once: no window is closed, so no destroy event writes settings.
    ExitProcess(static_cast<UINT>(exit_code));
}

void runtime_error(int code, std::string_view message) {
    message_box(runtime_error_text(code, message), style_stop, language::text(language::Text::runtime_caption));
    ExitProcess(static_cast<UINT>(-1));
}

void out_of_memory(std::size_t bytes_requested) {
    // Showing the message allocates; if that fails too, leave without it.
    if (reporting_out_of_memory) ExitProcess(static_cast<UINT>(-1));
    reporting_out_of_memory = true;
    std::free(std::exchange(emergency_reserve, nullptr));
    runtime_error(0, out_of_memory_message(bytes_requested));
}

}  // namespace kistvar
