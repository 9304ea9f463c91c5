#include "options/window_language.h"

#include "contents/contents_window.h"
#include "library/status_bar.h"
#include "options/options_page.h"

namespace kistvar {

void speak(App& app, language::Language language) {
    if (language == language::current()) return;
    language::set_current(language);
    app.w.show_texts();
    show_options_button_tip(app);
    show_in_use_marker(app);
    contents::show_in_current_language(app);
}

}  // namespace kistvar
