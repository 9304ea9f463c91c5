#include "contents/game_guard.h"

#include "language/language.h"
#include "platform/dialogs.h"
#include "platform/processes.h"

namespace kistvar {

bool game_allows(language::Text question) {
    if (!process_running(game_program_file)) return true;
    return message_box(language::text(question), style_warning_ok_cancel_default_cancel,
                       language::text(language::Text::game_running_caption)) == result_ok;
}

}  // namespace kistvar
