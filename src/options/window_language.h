// Changing the language the window speaks, at once and without a restart.
#pragma once

#include "app/app.h"
#include "language/language.h"

namespace kistvar {

// Every caption, tool-tip, menu, the status bar and an open contents window
// take the words of `language`; nothing when it is spoken already.
void speak(App& app, language::Language language);

}  // namespace kistvar
