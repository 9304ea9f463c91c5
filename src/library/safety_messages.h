// The messages of what guards a box against the game and against the last
// copy being overwritten: the game guard's question and a failed backup.
#pragma once

#include <string>
#include <string_view>

#include "library/messages.h"
#include "store/outcome.h"

namespace kistvar::messages {

inline Message game_running_question() {
    return {std::string(text(Text::game_running_question)), text(Text::game_running_caption),
            style_warning_ok_cancel_default_cancel};
}

// The operation did not run: its backup could not be written. Shown even in
// quiet mode.
inline Message backup_failed(const store::Backup& backup) {
    return {with_reason(text(Text::backup_failed, {{"title", backup.title}}),
                        text(Text::backup_failed_reason, {{"folder", backup.folder}, {"reason", backup.reason}})),
            alert_caption(), style_stop};
}

}  // namespace kistvar::messages
