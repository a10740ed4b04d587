#pragma once
// In-process timing for benchmarks: medians of repeated runs, and pairs of
// runs taken in turn with their quartiles.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
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

// A distribution of timings: its median and the quartiles round it.
struct TSpread {
    double Median = 0;
    double Low = 0;  // 25th percentile
    double High = 0; // 75th percentile
};

inline TSpread SpreadOf(std::vector<double> values)
{
    if (values.empty())
        return {};
    std::sort(values.begin(), values.end());
    auto const at = [&](std::size_t percent) { return values[(values.size() - 1) * percent / 100]; };
    return {at(50), at(25), at(75)};
}

inline double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

// Two pieces of work timed in turn, A B A B ..., so that both meet the same
// load of a shared machine; each time comes from `time`, which runs one
// piece and answers how long it took (any unit).
struct TPairSpread {
    TSpread A, B;
};

inline TPairSpread Interleaved(const std::function<double(int which)>& time, int runs = 201, int warmup = 5)
{
    std::vector<double> a, b;
    a.reserve(static_cast<size_t>(runs));
    b.reserve(static_cast<size_t>(runs));
    for (int i = 0; i < warmup + runs; ++i) {
        double const first = time(0);
        double const second = time(1);
        if (i < warmup)
            continue;
        a.push_back(first);
        b.push_back(second);
    }
    return {SpreadOf(std::move(a)), SpreadOf(std::move(b))};
}

// Microseconds of one call of `work`.
inline double Microseconds(const std::function<void()>& work)
{
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    work();
    QueryPerformanceCounter(&end);
    return 1e6 * Seconds(start, end);
}

// Median time of one call of work, in microseconds.
inline double MedianMicroseconds(const std::function<void()>& work, int runs = 51, int warmup = 3)
{
    for (int i = 0; i < warmup; ++i)
        work();
    std::vector<double> times;
    times.reserve(static_cast<size_t>(runs));
    for (int i = 0; i < runs; ++i)
        times.push_back(Microseconds(work));
    return Median(std::move(times));
}

inline TPairSpread InterleavedMicroseconds(const std::function<void()>& a, const std::function<void()>& b,
                                           int runs = 201, int warmup = 5)
{
    return Interleaved([&](int which) { return Microseconds(which == 0 ? a : b); }, runs, warmup);
}

// Whether the second of a pair is drawn first and painted over, so that
// what the first adds is worth a column of its own.
enum class TPairKind { Replaced, DrawnOver };

inline void ReportPairHeader(const char* first, const char* second, const char* unit)
{
    std::string const quartiles = *unit ? std::string(", ") + unit + " [p25..p75]" : std::string(" [p25..p75]");
    std::printf("%-46s %-28s %-28s %6s %7s\n", "", (first + quartiles).c_str(), (second + quartiles).c_str(), "ratio",
                "share");
    std::fflush(stdout);
}

// One row: both medians with their quartiles, their ratio and, for work
// drawn over, what the first adds as a share of the second.
inline void ReportPair(const std::string& name, const TPairSpread& pair, TPairKind kind, int decimals = 1)
{
    char a[64], b[64], share[16] = "";
    std::snprintf(a, sizeof a, "%.*f [%.*f..%.*f]", decimals, pair.A.Median, decimals, pair.A.Low, decimals, pair.A.High);
    std::snprintf(b, sizeof b, "%.*f [%.*f..%.*f]", decimals, pair.B.Median, decimals, pair.B.Low, decimals, pair.B.High);
    double const ratio = pair.B.Median > 0 ? pair.A.Median / pair.B.Median : 0;
    if (kind == TPairKind::DrawnOver)
        std::snprintf(share, sizeof share, "%+.2f", ratio - 1);
    std::printf("%-46s %-28s %-28s %6.2f %7s\n", name.c_str(), a, b, ratio, share);
    std::fflush(stdout);
}

inline void Report(const char* name, double value, const char* unit, int decimals = 1)
{
    std::printf("%-56s %12.*f %s\n", name, decimals, value, unit);
    std::fflush(stdout);
}

} // namespace tandrel::bench
