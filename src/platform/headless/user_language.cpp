// Windows' user interface language as the test script sets it.
#include "platform/user_language.h"

#include "platform/headless/script_state.h"

namespace kistvar {

bool user_interface_is_chinese() { return headless::script_state().user_interface_chinese; }

}  // namespace kistvar
