// Windows' user interface language, as far as the program cares. Backend-
// provided: the Win32 backend asks the system; the headless backend answers
// from the test script (Chinese unless a test says otherwise).
#pragma once

namespace kistvar {

bool user_interface_is_chinese();

}  // namespace kistvar
