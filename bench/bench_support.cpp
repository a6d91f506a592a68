#include "bench_support.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fstream>

namespace Bench {

double median(std::vector<double> samples)
{
    if (samples.empty())
        return 0.0;
    const std::size_t mid = samples.size() / 2;
    std::nth_element(samples.begin(), samples.begin() + mid, samples.end());
    if (samples.size() % 2 == 1)
        return samples[mid];
    const double upper = samples[mid];
    const double lower = *std::max_element(samples.begin(), samples.begin() + mid);
    return (lower + upper) / 2.0;
}

std::int64_t monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

std::int64_t processCpuNs()
{
    timespec used{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    return std::int64_t(used.tv_sec) * 1'000'000'000 + used.tv_nsec;
}

long peakRssKib()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

std::string fixed(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string ratio(double measured, double floor) { return floor > 0 ? fixed(measured / floor, 2) + "x" : "-"; }

void heading(const std::string &title) { std::printf("\n== %s ==\n", title.c_str()); }

void goalLine(const std::string &goal, bool met)
{
    std::printf("goal: %s -> %s\n", goal.c_str(), met ? "met" : "MISSED");
    std::fflush(stdout);
}

Table::Table(std::vector<std::pair<std::string, int>> columns)
{
    std::vector<std::string> titles;
    for (auto &[title, width] : columns) {
        m_widths.push_back(width);
        titles.push_back(std::move(title));
    }
    row(titles);
}

void Table::row(const std::vector<std::string> &cells) const
{
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const bool last = i + 1 == cells.size();
        const int width = last || i >= m_widths.size() ? 0 : m_widths[i];
        std::printf("%-*s", width, cells[i].c_str());
    }
    std::printf("\n");
    std::fflush(stdout);
}

} // namespace Bench
