// The message of what guards a box against its last copy being overwritten:
// a failed backup.
#pragma once

#include <string>
#include <string_view>

#include "contents/move_messages.h"
#include "library/messages.h"
#include "store/outcome.h"

namespace kistvar::messages {

// The operation did not run: its backup could not be written. Shown even in
// quiet mode.
inline Message backup_failed(const store::Backup& backup) {
    return {contents::backup_failed_text(backup), alert_caption(), style_stop};
}

}  // namespace kistvar::messages
