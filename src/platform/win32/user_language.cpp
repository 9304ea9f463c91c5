#include <windows.h>

#include "platform/user_language.h"

namespace kistvar {

// Every Chinese form (Simplified and Traditional, any region) shares one
// primary language.
bool user_interface_is_chinese() { return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_CHINESE; }

}  // namespace kistvar
