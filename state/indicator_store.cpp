#include "state/indicator_store.h"

#include "state/design_names.h"
#include "state/numeric_value.h"

#include <utility>

namespace {

// A text and the number it reads as.
struct Held {
    QString text;
    double value;
};

Held held(const QString &text) { return {text, NumericValue(text)}; }

// What a new store holds: each indicator's design name, which reads as 0.
const std::array<Held, kIndicatorCount> &designNames()
{
    static const auto names = [] {
        std::array<Held, kIndicatorCount> all;
        for (std::size_t i = 0; i < kIndicatorCount; ++i)
            all[i] = held(QString::fromLatin1(designName(Indicator(i))));
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
