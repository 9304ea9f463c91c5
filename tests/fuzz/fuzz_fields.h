// Fuzz inputs carry several texts: the first fields end at a zero byte, the
// last field is the rest (a file's bytes, say), so seeds stay readable.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace kistvar::fuzz {

inline std::vector<std::string_view> fields(const std::uint8_t* data, std::size_t size, std::size_t count) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> out;
    while (out.size() + 1 < count) {
        const std::size_t end = rest.find('\0');
        if (end == std::string_view::npos) break;
        out.push_back(rest.substr(0, end));
        rest.remove_prefix(end + 1);
    }
    while (out.size() + 1 < count) out.push_back({});
    out.push_back(rest);
    return out;
}

// Whether libFuzzer should stop: an invariant broke. Aborting makes it keep
// the input as a crash artifact.
[[noreturn]] void broken(const char* what);

}  // namespace kistvar::fuzz
