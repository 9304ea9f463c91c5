// Bounds-checked little-endian reads over a span of bytes. A read past the
// end fails and leaves the cursor failed, so a parser can read a run of
// fields and check once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kistvar::stash {

class ByteCursor {
public:
    explicit ByteCursor(std::string_view bytes) : bytes_(bytes) {}

    bool ok() const { return ok_; }
    std::size_t at() const { return at_; }  // bytes read so far
    std::size_t remaining() const { return ok_ ? bytes_.size() - at_ : 0; }

    std::uint64_t number(std::size_t width) {
        std::string_view raw = take(width);
        std::uint64_t value = 0;
        for (std::size_t i = raw.size(); i-- > 0;) value = (value << 8) | static_cast<unsigned char>(raw[i]);
        return value;
    }
    std::uint8_t u8() { return static_cast<std::uint8_t>(number(1)); }
    std::uint16_t u16() { return static_cast<std::uint16_t>(number(2)); }
    std::uint32_t u32() { return static_cast<std::uint32_t>(number(4)); }
    void skip(std::uint64_t count) { take(count); }

    // The next `count` bytes, or the empty view (and a failed cursor) when
    // fewer remain.
    std::string_view take(std::uint64_t count) {
        if (!ok_ || count > bytes_.size() - at_) {
            ok_ = false;
            return {};
        }
        std::string_view part = bytes_.substr(at_, static_cast<std::size_t>(count));
        at_ += static_cast<std::size_t>(count);
        return part;
    }

private:
    std::string_view bytes_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

}  // namespace kistvar::stash
