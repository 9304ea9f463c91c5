// From launch to the first idle moment, the readme, and the end.
#pragma once

#include <string_view>

#include "app/app.h"

namespace kistvar {

// The readme of the current language: 说明.txt (GB18030) or readme.txt
// (ASCII), CR LF, no final break.
std::string_view readme_file_name();
std::string_view readme_bytes();

void window_created(App& app);
void window_shown(App& app);
void readme_button(App& app);

// Builds the state and the window, binds the events, runs the created step
// and the event loop; returns the exit code.
int program_entry();

}  // namespace kistvar
