#pragma once

#include "state/indicator_store.h"

#include <QString>

#include <array>
#include <optional>

enum class AgeBand { From40To64, From65To74 };

// The indicator values as a judgement reads them, each through NumericValue.
class IndicatorSnapshot {
public:
    static IndicatorSnapshot of(const IndicatorStore &store);

    double operator[](Indicator indicator) const { return m_values[std::size_t(indicator)]; }
    void set(Indicator indicator, double value) { m_values[std::size_t(indicator)] = value; }

private:
    std::array<double, kIndicatorCount> m_values{};
};

// What a judgement writes into the two result labels. A label that nothing
// writes keeps the caption it had before the click.
struct ResultCaptions {
    std::optional<QString> syndromeClass; // Label37
    std::optional<QString> guidance;      // Label15
};

// The decision phase: the rows of the checkup rule, tested in their order,
// the last write to a label standing. Both age bands share it; the older band
// never gives intensive support and gives motivational support instead.
ResultCaptions decide(const IndicatorSnapshot &indicators, AgeBand band);
