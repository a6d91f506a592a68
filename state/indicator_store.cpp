#include "state/indicator_store.h"

#include "state/design_names.h"
#include "state/numeric_value.h"

#include <algorithm>
#include <utility>

namespace {

// Kept as raw data that lives as long as the program, so that the texts are
// shared without counting references.
constexpr std::size_t kLongestName = 8; // "Label47"

} // namespace

const std::array<IndicatorStore::Held, kIndicatorCount> &IndicatorStore::designNamesHeld()
{
    static std::array<std::array<char16_t, kLongestName>, kIndicatorCount> utf16{};
    static const auto names = [] {
        std::array<Held, kIndicatorCount> all;
        for (std::size_t i = 0; i < kIndicatorCount; ++i) {
            const QLatin1StringView name(designName(Indicator(i)));
            Q_ASSERT(std::size_t(name.size()) <= kLongestName);
            std::copy(name.begin(), name.end(), utf16[i].begin());
            const QString text = QString::fromRawData(reinterpret_cast<const QChar *>(utf16[i].data()), name.size());
            all[i] = {text, NumericValue(text)};
        }
        return all;
    }();
    return names;
}

// Every indicator holds a flag (0, 1) or a count of two flags (0, 1, 2).
const std::array<IndicatorStore::Held, 3> IndicatorStore::s_numbers = [] {
    std::array<Held, 3> all;
    const std::array<QString, 3> texts = {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")};
    for (std::size_t n = 0; n < texts.size(); ++n)
        all[n] = {texts[n], NumericValue(texts[n])};
    return all;
}();

QString indicatorName(Indicator indicator) { return IndicatorStore::designNamesHeld()[std::size_t(indicator)].text; }

IndicatorStore::IndicatorStore()
{
    const auto &names = designNamesHeld();
    for (std::size_t i = 0; i < kIndicatorCount; ++i)
        m_held[i] = &names[i];
}

void IndicatorStore::write(Indicator indicator, int number)
{
    Q_ASSERT(number >= 0 && number <= 2);
    m_held[std::size_t(indicator)] = &s_numbers[std::size_t(number)];
    if (m_listener)
        m_listener(indicator);
}

void IndicatorStore::setChangeListener(ChangeListener listener) { m_listener = std::move(listener); }
