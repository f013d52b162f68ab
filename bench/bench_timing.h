#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

// The median time of `runs` calls of run, in milliseconds.
template <typename F> double MedianMs(int runs, F&& run)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::nth_element(ms.begin(), ms.begin() + runs / 2, ms.end());
    return ms[static_cast<std::size_t>(runs / 2)];
}
