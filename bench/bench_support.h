#pragma once

// Small helpers shared by the benchmark sections: timing, medians, the plain
// text table and what the kernel tells about this process.

#include <QElapsedTimer>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace Bench {

// Nanoseconds that `work` takes, measured once.
template <typename Work> double elapsedNs(Work &&work)
{
    QElapsedTimer timer;
    timer.start();
    std::forward<Work>(work)();
    return double(timer.nsecsElapsed());
}

// The middle sample (the mean of the two middle ones for an even count).
double median(std::vector<double> samples);

// CLOCK_MONOTONIC in nanoseconds: the same clock in every process of the run,
// so a parent's launch time and its child's paint time can be subtracted.
std::int64_t monotonicNs();

// CPU time this process has used so far (CLOCK_PROCESS_CPUTIME_ID), in
// nanoseconds: unlike the wall clock, it does not count the time spent
// waiting for a core that other programs hold.
std::int64_t processCpuNs();

// Peak resident set size of this process (VmHWM), in KiB; -1 if unknown.
long peakRssKib();

// "12.34" with the given number of decimals.
std::string fixed(double value, int decimals);

// measured / floor as "1.23x".
std::string ratio(double measured, double floor);

// A section title and the one line that compares a figure with its goal.
void heading(const std::string &title);
void goalLine(const std::string &goal, bool met);

// Left-aligned columns of fixed width, printed straight to stdout.
class Table {
public:
    explicit Table(std::vector<std::pair<std::string, int>> columns);
    void row(const std::vector<std::string> &cells) const;

private:
    std::vector<int> m_widths;
};

} // namespace Bench
