#include "measure.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <sys/resource.h>

namespace bench {

qint64 nowNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

qint64 processCpuNs()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return qint64(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

qint64 peakResidentKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

double percentile(std::vector<double> values, double fraction)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    // Linear interpolation between the two nearest ranks.
    const double rank = fraction * double(values.size() - 1);
    const auto below = std::size_t(std::floor(rank));
    const auto above = std::min(below + 1, values.size() - 1);
    const double part = rank - double(below);
    return values[below] + (values[above] - values[below]) * part;
}

double median(std::vector<double> values)
{
    return percentile(std::move(values), 0.5);
}

double minimum(const std::vector<double>& values)
{
    return values.empty() ? 0.0 : *std::min_element(values.begin(), values.end());
}

double maximum(const std::vector<double>& values)
{
    return values.empty() ? 0.0 : *std::max_element(values.begin(), values.end());
}

} // namespace bench
