// Timing helpers shared by the measurements: one piece of work timed, and
// the median of several rounds (a busy machine makes single rounds noisy).
#pragma once

#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

namespace kistvar::bench {

inline double seconds_of(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace kistvar::bench
