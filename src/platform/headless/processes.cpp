// Running processes as the test script sets them.
#include "platform/processes.h"

#include "platform/headless/script_state.h"
#include "platform/text.h"

namespace kistvar {

bool process_running(std::string_view program_file_name) {
    for (const std::string& running : headless::script_state().running_processes)
        if (compare_text(running, program_file_name, false) == 0) return true;
    return false;
}

}  // namespace kistvar
