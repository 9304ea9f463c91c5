// Letter case in file names on Windows: the system's own ordinal comparison
// ignoring case, the rule of its file systems.
#include <windows.h>

#include "platform/file_names.h"
#include "platform/win32/wide_text.h"

namespace kistvar {

bool same_file_name(std::string_view a, std::string_view b) {
    const std::wstring wide_a = win32::widen(a), wide_b = win32::widen(b);
    return CompareStringOrdinal(wide_a.data(), static_cast<int>(wide_a.size()), wide_b.data(),
                                static_cast<int>(wide_b.size()), TRUE) == CSTR_EQUAL;
}

}  // namespace kistvar
