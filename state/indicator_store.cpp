#include "state/indicator_store.h"

#include "state/design_names.h"
#include "state/numeric_value.h"

#include <utility>

QString indicatorName(Indicator indicator)
{
    // A new store starts with every name, once per examinee: decoded once.
    static const auto names = [] {
        std::array<QString, kIndicatorCount> all;
        for (std::size_t i = 0; i < kIndicatorCount; ++i)
            all[i] = QString::fromLatin1(designName(Indicator(i)));
        return all;
    }();
    return names[std::size_t(indicator)];
}

IndicatorStore::IndicatorStore()
{
    for (std::size_t i = 0; i < kIndicatorCount; ++i)
        m_texts[i] = indicatorName(Indicator(i));
}

double IndicatorStore::value(Indicator indicator) const { return NumericValue(m_texts[std::size_t(indicator)]); }

QString IndicatorStore::text(Indicator indicator) const { return m_texts[std::size_t(indicator)]; }

void IndicatorStore::write(Indicator indicator, int number)
{
    // Every indicator holds a flag (0, 1) or a count of two flags (0, 1, 2);
    // the three texts are shared, as they are written on every keystroke.
    static const std::array<QString, 3> texts = {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")};
    Q_ASSERT(number >= 0 && number <= 2);
    m_texts[std::size_t(indicator)] = texts[std::size_t(number)];
    if (m_listener)
        m_listener(indicator);
}

void IndicatorStore::setChangeListener(ChangeListener listener) { m_listener = std::move(listener); }
