// Numbers read from settings (window sizes, view styles) and typed text:
// any text gives a number, and plain ASCII text gives what the C library
// reads from it, also when written in the full-width forms a Chinese input
// method types.
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

#include "fuzz_fields.h"
#include "platform/text.h"

using namespace kistvar;

namespace {

// The C library's reading, decimal only: hex, "inf" and "nan" are not numbers here.
bool c_library_agrees_on_kind(std::string_view text) {
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == 0 || byte >= 0x80) return false;
        if (std::string_view("xXiInNpP").find(c) != std::string_view::npos) return false;
    }
    return true;
}

// Each printable ASCII character as its full-width form, the space as the
// ideographic space, in UTF-8.
std::string full_width(std::string_view text) {
    std::string out;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        unsigned code = byte == ' ' ? 0x3000 : (byte > 0x20 && byte < 0x7F) ? 0xFF00 + byte - 0x20 : byte;
        if (code < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return out;
}

bool same_number(double a, double b) {
    if (std::isnan(a) || std::isnan(b)) return false;
    if (a == b) return true;
    // Below the normal range the C library may keep a subnormal where we give 0.
    return std::fabs(a) < std::numeric_limits<double>::min() && std::fabs(b) < std::numeric_limits<double>::min();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double number = to_number(text);
    const std::int32_t integer = to_integer(text);
    if (std::isnan(number)) fuzz::broken("a text read as not-a-number");
    if (!c_library_agrees_on_kind(text)) return 0;

    if (!same_number(number, std::strtod(text.c_str(), nullptr))) fuzz::broken("to_number differs from strtod");
    errno = 0;
    long long wide = std::strtoll(text.c_str(), nullptr, 10);
    wide = std::clamp<long long>(wide, INT32_MIN, INT32_MAX);
    if (integer != wide) fuzz::broken("to_integer differs from strtoll clamped to 32 bits");

    const std::string wide_forms = full_width(text);
    if (!same_number(to_number(wide_forms), number)) fuzz::broken("full-width digits read differently");
    if (to_integer(wide_forms) != integer) fuzz::broken("full-width digits read differently as an integer");
    return 0;
}
