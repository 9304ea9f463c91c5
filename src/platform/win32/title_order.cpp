// The list control's own comparison of titles: Windows' linguistic one in the
// user's locale, letter case ignored; titles equal but for case are ordered
// small before capital.
#include "ui/title_order.h"

#include <windows.h>

#include <algorithm>
#include <iterator>

#include "platform/win32/wide_text.h"

namespace kistvar::ui {

namespace {

// A title in UTF-16 for the comparison functions. Comparing titles is most of
// what filling a list of thousands of boxes costs, so a title is converted on
// the stack (any title a file name can hold fits), and plain ASCII is widened
// without a call.
class WideTitle {
public:
    explicit WideTitle(std::string_view title) {
        // UTF-8 never takes fewer bytes than UTF-16 takes units.
        if (title.size() > std::size(buffer_)) {
            longer_ = win32::widen(title);
            text_ = longer_;
        } else if (std::all_of(title.begin(), title.end(), [](char c) { return (c & 0x80) == 0; })) {
            std::copy(title.begin(), title.end(), buffer_);
            text_ = std::wstring_view(buffer_, title.size());
        } else {
            const int length = MultiByteToWideChar(CP_UTF8, 0, title.data(), static_cast<int>(title.size()), buffer_,
                                                   static_cast<int>(std::size(buffer_)));
            text_ = std::wstring_view(buffer_, static_cast<std::size_t>(length));
        }
    }
    WideTitle(const WideTitle&) = delete;
    WideTitle& operator=(const WideTitle&) = delete;

    std::wstring_view text() const { return text_; }

private:
    wchar_t buffer_[MAX_PATH];
    std::wstring longer_;
    std::wstring_view text_;
};

int compare(std::wstring_view a, std::wstring_view b, DWORD flags) {
    const int result = CompareStringW(LOCALE_USER_DEFAULT, flags, a.data(), static_cast<int>(a.size()),
                                      b.data(), static_cast<int>(b.size()));
    return result == 0 ? 0 : result - CSTR_EQUAL;
}

}  // namespace

int compare_titles(std::string_view a, std::string_view b) {
    const WideTitle wide_a(a), wide_b(b);
    const int ignoring_case = compare(wide_a.text(), wide_b.text(), NORM_IGNORECASE);
    if (ignoring_case != 0) return ignoring_case;
    const int with_case = compare(wide_a.text(), wide_b.text(), 0);
    return with_case != 0 ? with_case : wide_a.text().compare(wide_b.text());
}

bool title_matches(std::string_view title, std::string_view text, bool whole_title) {
    const WideTitle wide_title(title), wide_text(text);
    const std::wstring_view shown = wide_title.text(), typed = wide_text.text();
    if (whole_title ? shown.size() != typed.size() : shown.size() < typed.size()) return false;
    return compare(shown.substr(0, typed.size()), typed, NORM_IGNORECASE) == 0;
}

}  // namespace kistvar::ui
