// Text services. Every text inside the program is UTF-8; lengths and
// positions are counted in bytes, as the box titles and the ".bin" cut rely on.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kistvar {

std::size_t text_length(std::string_view text);
// The first / last `count` bytes; the whole text when shorter, empty when count <= 0.
std::string left_text(std::string_view text, long long count);
std::string right_text(std::string_view text, long long count);

// Splits at every delimiter into at most `limit` pieces (none: no limit; a
// negative limit counts as 0). Never matches a delimiter inside a multi-byte
// character, and never yields a trailing empty piece.
std::vector<std::string> split_text(std::string_view text, std::string_view delimiter = ",",
                                    std::optional<long long> limit = std::nullopt);

// Negative, 0 or positive; case-insensitive folds ASCII letters only.
int compare_text(std::string_view a, std::string_view b, bool case_sensitive);

// The code point that starts at byte `at`, stepping past it. A byte that
// starts no valid sequence stands for itself as U+DC80..U+DCFF (a lone low
// surrogate), so it never equals a character.
char32_t next_code_point(std::string_view text, std::size_t& at);

std::string to_text(long long number);
// Bytes up to the first zero byte, or all of them.
std::string to_text_from_bytes(std::string_view bytes);

// Leading number the C library way, after turning full-width forms (as stored
// in GB18030) into their ASCII characters. No leading number gives 0. Decimal
// only, whatever the locale; too large a number gives infinity (to_number) or
// the nearest 32-bit value (to_integer).
double to_number(std::string_view text);
std::int32_t to_integer(std::string_view text);

}  // namespace kistvar
