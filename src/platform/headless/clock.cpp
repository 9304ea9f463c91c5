#include "platform/headless/script_state.h"
#include "platform/time_text.h"

namespace kistvar {

// The test's clock, so box titles made from the time are predictable.
DateTime current_time() { return headless::script_state().moment; }

}  // namespace kistvar
