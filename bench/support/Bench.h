#pragma once
// In-process timing for benchmarks: medians of repeated runs.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

namespace tandrel::bench {

// The median of some values (the upper one of an even count); 0 for none.
inline double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

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
    return Median(std::move(times));
}

inline void Report(const char* name, double value, const char* unit, int decimals = 1)
{
    std::printf("%-56s %12.*f %s\n", name, decimals, value, unit);
    std::fflush(stdout);
}

} // namespace tandrel::bench
