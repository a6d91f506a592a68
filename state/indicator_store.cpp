#include "state/indicator_store.h"

#include "state/design_names.h"
#include "state/numeric_value.h"

#include <algorithm>
#include <utility>

namespace {

// A text and the number it reads as.
struct Held {
    QString text;
    double value;
};

Held held(const QString &text) { return {text, NumericValue(text)}; }

// What a new store holds: each indicator's design name, which reads as 0.
// The names are kept as raw data that lives as long as the program, so that
// the store of every new form shares them without counting references.
const std::array<Held, kIndicatorCount> &designNames()
{
    constexpr std::size_t kLongestName = 8; // "Label47"
    static std::array<std::array<char16_t, kLongestName>, kIndicatorCount> utf16{};
    static const auto names = [] {
        std::array<Held, kIndicatorCount> all;
        for (std::size_t i = 0; i < kIndicatorCount; ++i) {
            const QLatin1StringView name(designName(Indicator(i)));
            Q_ASSERT(std::size_t(name.size()) <= kLongestName);
            std::copy(name.begin(), name.end(), utf16[i].begin());
            all[i] = held(QString::fromRawData(reinterpret_cast<const QChar *>(utf16[i].data()), name.size()));
        }
        return all;
    }();
    return names;
}

} // namespace

QString indicatorName(Indicator indicator) { return designNames()[std::size_t(indicator)].text; }

IndicatorStore::IndicatorStore()
{
    for (std::size_t i = 0; i < kIndicatorCount; ++i) {
        m_texts[i] = designNames()[i].text;
        m_values[i] = designNames()[i].value;
    }
}

void IndicatorStore::write(Indicator indicator, int number)
{
    // Every indicator holds a flag (0, 1) or a count of two flags (0, 1, 2);
    // the three texts are shared, as they are written on every keystroke.
    static const std::array<Held, 3> numbers = {held(QStringLiteral("0")), held(QStringLiteral("1")),
                                                held(QStringLiteral("2"))};
    Q_ASSERT(number >= 0 && number <= 2);
    m_texts[std::size_t(indicator)] = numbers[std::size_t(number)].text;
    m_values[std::size_t(indicator)] = numbers[std::size_t(number)].value;
    if (m_listener)
        m_listener(indicator);
}

void IndicatorStore::setChangeListener(ChangeListener listener) { m_listener = std::move(listener); }
