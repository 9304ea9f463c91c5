#include "library/game_guard.h"

#include "library/safety_messages.h"
#include "platform/processes.h"

namespace kistvar {

bool game_allows_swap() {
    if (!process_running(game_program_file)) return true;
    // A question, so it shows even when messages are turned off.
    return messages::show(messages::game_running_question()) == result_ok;
}

}  // namespace kistvar
