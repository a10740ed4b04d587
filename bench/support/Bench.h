#pragma once
// In-process timing for benchmarks: medians of repeated runs.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace tandrel::bench {

// Median time of one call of work, in microseconds.
inline double MedianMicroseconds(const std::function<void()>& work, int runs = 51, int warmup = 3)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    for (int i = 0; i < warmup; ++i)
        work();
    std::vector<double> times;
    times.reserve(static_cast<size_t>(runs));
    for (int i = 0; i < runs; ++i) {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        work();
        QueryPerformanceCounter(&end);
        times.push_back(1e6 * double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart));
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[static_cast<size_t>(runs / 2)];
}

inline void Report(const char* name, double value, const char* unit)
{
    std::printf("%-56s %12.1f %s\n", name, value, unit);
    std::fflush(stdout);
}

} // namespace tandrel::bench
