#include "fuzz_fields.h"

#include <cstdio>
#include <cstdlib>

namespace kistvar::fuzz {

void broken(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

}  // namespace kistvar::fuzz
