// The words of a fatal runtime error, which both backends show alike.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kistvar {

// The message a runtime error shows: "运行时出错!", the code unless 0, the message unless empty.
std::string runtime_error_text(int code, std::string_view message);
// The message of an out-of-memory stop: "分配 %d 字节内存失败!" with the byte count.
std::string out_of_memory_message(std::size_t bytes_requested);

}  // namespace kistvar
