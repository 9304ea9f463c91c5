#include "platform/win32/list_view_model.h"

#include <windows.h>

#include <algorithm>

namespace kistvar::win32 {
namespace {

int compare(std::wstring_view a, std::wstring_view b, DWORD flags) {
    const int result = CompareStringW(LOCALE_USER_DEFAULT, flags, a.data(), static_cast<int>(a.size()),
                                      b.data(), static_cast<int>(b.size()));
    return result == 0 ? 0 : result - CSTR_EQUAL;
}

}  // namespace

int compare_titles(std::wstring_view a, std::wstring_view b) {
    const int ignoring_case = compare(a, b, NORM_IGNORECASE);
    if (ignoring_case != 0) return ignoring_case;
    const int with_case = compare(a, b, 0);
    return with_case != 0 ? with_case : a.compare(b);
}

bool title_matches(std::wstring_view title, std::wstring_view text, bool whole_title) {
    if (whole_title ? title.size() != text.size() : title.size() < text.size()) return false;
    return compare(title.substr(0, text.size()), text, NORM_IGNORECASE) == 0;
}

int ListViewModel::sorted_position(std::wstring_view title) const {
    const auto place = std::partition_point(items_.begin(), items_.end(), [&](const Item& item) {
        const int order = compare_titles(item.title, title);
        return order_ == ascending ? order < 0 : order > 0;
    });
    return static_cast<int>(place - items_.begin());
}

int ListViewModel::insert(int position, std::wstring title, int picture) {
    int index = size();
    if (order_ != unsorted)
        index = sorted_position(title);
    else if (position >= 0 && position < size())
        index = position;
    items_.insert(items_.begin() + index, Item{std::move(title), picture});
    return index;
}

void ListViewModel::erase(int index) {
    if (contains(index)) items_.erase(items_.begin() + index);
}

int ListViewModel::find(std::wstring_view text, int start, bool whole_title) const {
    for (int index = std::max(start, 0); index < size(); ++index)
        if (title_matches(at(index).title, text, whole_title)) return index;
    return -1;
}

}  // namespace kistvar::win32
