#include <string>

#include "platform/runtime.h"

namespace kistvar {

std::string runtime_error_text(int code, std::string_view message) {
    std::string text = "运行时出错!\r\n\r\n";
    if (code != 0) text += "错误代码：" + std::to_string(code) + "\r\n\r\n";
    if (!message.empty()) {
        text += "错误信息：";
        text += message;
        text += "\r\n";
    }
    return text;
}

std::string out_of_memory_message(std::size_t bytes_requested) {
    return "分配 " + std::to_string(bytes_requested) + " 字节内存失败!";
}

}  // namespace kistvar
