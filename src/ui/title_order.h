// How a box list orders and matches titles: the rule of the list control
// itself, so that the order the player sees is the one Explorer and the other
// lists of the system use. Backend-provided: the Win32 backend asks Windows'
// linguistic comparison; the headless backend imitates it. Letter case does
// not decide the order, it only separates titles that differ in nothing else
// (small before capital); a plain byte comparison would put every capital
// before every small letter.
#pragma once

#include <string_view>

namespace kistvar::ui {

// Negative, 0 or positive; 0 only for identical titles.
int compare_titles(std::string_view a, std::string_view b);

// The find rule: the whole title (or, without whole_title, its beginning)
// equals the text when letter case is ignored.
bool title_matches(std::string_view title, std::string_view text, bool whole_title);

}  // namespace kistvar::ui
