#include "platform/posix/posix_path.h"

namespace kistvar::posix {

std::string posix_path(std::string_view program_path) {
    std::string path(program_path);
    for (char& c : path)
        if (c == '\\') c = '/';
    return path;
}

}  // namespace kistvar::posix
