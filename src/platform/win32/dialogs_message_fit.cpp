#include "platform/win32/dialogs_message_fit.h"

#include <windows.h>

#include <vector>

namespace kistvar::win32 {

namespace {

constexpr std::wstring_view breaks = L" \t\r\n";
constexpr wchar_t ellipsis = L'…';

bool is_low_surrogate(wchar_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// Two thirds of the work area of the screen the box will stand on.
int widest_run() {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    HMONITOR where = MonitorFromWindow(GetActiveWindow(), MONITOR_DEFAULTTOPRIMARY);
    if (!GetMonitorInfoW(where, &monitor)) return GetSystemMetrics(SM_CXSCREEN) * 2 / 3;
    return (monitor.rcWork.right - monitor.rcWork.left) * 2 / 3;
}

// The run as it is when it fits; else its beginning and end, each half the
// room beside the "…", never split inside a character.
std::wstring shortened(HDC dc, std::wstring_view run, int room) {
    if (run.size() < 3) return std::wstring(run);
    std::vector<int> ends(run.size());  // the width of the run up to and with each unit
    SIZE whole{};
    if (!GetTextExtentExPointW(dc, run.data(), static_cast<int>(run.size()), 0, nullptr, ends.data(), &whole) ||
        whole.cx <= room)
        return std::wstring(run);
    SIZE dots{};
    GetTextExtentPoint32W(dc, &ellipsis, 1, &dots);
    const int half = (room - dots.cx) / 2;
    std::size_t head = 0;  // units kept at the beginning
    while (head < run.size() && ends[head] <= half) ++head;
    std::size_t tail = run.size();  // where the units kept at the end begin
    while (tail - 1 > head && whole.cx - ends[tail - 2] <= half) --tail;
    if (head > 0 && is_low_surrogate(run[head])) --head;
    if (tail < run.size() && is_low_surrogate(run[tail])) ++tail;
    return std::wstring(run.substr(0, head)).append(1, ellipsis).append(run.substr(tail));
}

}  // namespace

std::wstring fitted_to_screen(std::wstring_view text) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return std::wstring(text);
    HFONT font = CreateFontIndirectW(&metrics.lfMessageFont);
    HDC dc = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, font);
    const int room = widest_run();

    std::wstring fitted;
    for (std::size_t at = 0; at <= text.size();) {
        const std::size_t end = std::min(text.find_first_of(breaks, at), text.size());
        fitted += shortened(dc, text.substr(at, end - at), room);
        if (end < text.size()) fitted += text[end];
        at = end + 1;
    }

    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    DeleteObject(font);
    return fitted;
}

}  // namespace kistvar::win32
