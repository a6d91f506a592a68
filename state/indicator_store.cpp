#include "state/indicator_store.h"

#include "state/design_names.h"
#include "state/numeric_value.h"

#include <utility>

QString indicatorName(Indicator indicator) { return QString::fromLatin1(designName(indicator)); }

IndicatorStore::IndicatorStore()
{
    for (std::size_t i = 0; i < kIndicatorCount; ++i)
        m_texts[i] = indicatorName(Indicator(i));
}

double IndicatorStore::value(Indicator indicator) const { return NumericValue(m_texts[std::size_t(indicator)]); }

QString IndicatorStore::text(Indicator indicator) const { return m_texts[std::size_t(indicator)]; }

void IndicatorStore::write(Indicator indicator, double number)
{
    // Indicators hold whole numbers, written "0", "1", "2"; those three are
    // shared texts, as they are written on every keystroke.
    static const std::array<QString, 3> small = {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")};
    const bool isSmall = number == 0 || number == 1 || number == 2;
    m_texts[std::size_t(indicator)] = isSmall ? small[std::size_t(number)] : QString::number(number, 'g', 17);
    if (m_listener)
        m_listener(indicator);
}

void IndicatorStore::setChangeListener(ChangeListener listener) { m_listener = std::move(listener); }
