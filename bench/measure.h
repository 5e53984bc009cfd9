#pragma once
// Clocks and counters shared by the probes and the driver. Times are on the system-wide
// monotonic clock, so a probe's "painted" instant can be set against the driver's launch instant.

#include <QString>
#include <QtGlobal>

#include <vector>

namespace bench {

// Nanoseconds on the monotonic clock that every process of the machine shares.
qint64 nowNs();
// CPU time, user and system, spent so far by this process.
qint64 processCpuNs();
// The largest resident set this process has had, in kilobytes.
qint64 peakResidentKb();

// Order statistics of a sample; an empty sample gives 0.
double median(std::vector<double> values);
double percentile(std::vector<double> values, double fraction);
double minimum(const std::vector<double>& values);
double maximum(const std::vector<double>& values);

} // namespace bench
