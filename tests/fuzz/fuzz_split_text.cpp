// Splitting and cutting text at any delimiter and limit: the pieces are the
// text's own bytes in order, never more than the limit, never cut inside a
// UTF-8 character.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_fields.h"
#include "platform/text.h"

using namespace kistvar;

namespace {

bool is_continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Whether `at` falls inside a character: a lead byte up to three bytes back
// still expects the continuation bytes up to and including this one.
bool inside_a_character(std::string_view text, std::size_t at) {
    if (at >= text.size() || !is_continuation(text[at])) return false;
    for (std::size_t back = 1; back <= 3 && back <= at; ++back) {
        const auto lead = static_cast<unsigned char>(text[at - back]);
        if (is_continuation(static_cast<char>(lead))) continue;
        const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        return back < length;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto f = fuzz::fields(data, size, 3);
    const std::string_view delimiter = f[0], limit_text = f[1], text = f[2];
    std::optional<long long> limit;
    if (!limit_text.empty()) limit = to_integer(limit_text);

    const std::vector<std::string> pieces = split_text(text, delimiter, limit);
    const long long most = limit ? std::max(*limit, 0LL) : (1LL << 62);
    if (static_cast<long long>(pieces.size()) > most) fuzz::broken("more pieces than the limit");
    if (text.empty() && !pieces.empty()) fuzz::broken("pieces from no text");

    // The pieces, each followed by the delimiter, walk along the text.
    std::size_t at = 0;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (text.compare(at, pieces[i].size(), pieces[i]) != 0) fuzz::broken("a piece is not the text's own bytes");
        at += pieces[i].size();
        if (!delimiter.empty() && i + 1 < pieces.size()) {
            if (text.compare(at, delimiter.size(), delimiter) != 0) fuzz::broken("pieces not parted by the delimiter");
            if (inside_a_character(text, at)) fuzz::broken("a split inside a character");
            at += delimiter.size();
        }
    }
    if (!delimiter.empty() && !limit && at < text.size() && text.substr(at) != delimiter)
        fuzz::broken("text left over after the last piece");

    const long long count = limit.value_or(static_cast<long long>(text.size() / 2));
    const std::string left = left_text(text, count), right = right_text(text, count);
    if (!text.starts_with(left) || !text.ends_with(right) || left.size() != right.size())
        fuzz::broken("left_text and right_text disagree on the count");
    return 0;
}
