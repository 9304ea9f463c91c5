// What else runs on the machine. Backend-provided: the Win32 backend asks the
// system; the headless backend answers from the test script.
#pragma once

#include <string_view>

namespace kistvar {

// True when a process whose program file has this name (any letter case, no
// folder) is running.
bool process_running(std::string_view program_file_name);

}  // namespace kistvar
