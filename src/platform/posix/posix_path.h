// The program writes paths with "\"; the POSIX system calls want "/". The
// translation happens here, at the call, and nowhere else.
#pragma once

#include <string>
#include <string_view>

namespace kistvar::posix {

std::string posix_path(std::string_view program_path);

}  // namespace kistvar::posix
