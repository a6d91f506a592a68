#pragma once

#include <QString>

#include <array>
#include <functional>

// The fourteen indicators that hold what has been concluded about each
// criterion while the examinee's values are entered. They never show on
// screen; the judgement reads them and nothing else about the criteria.
//
//   criterion        guidance risk   value flag   drug flag   criterion count
//   blood pressure   Label4          Label40      Label44     Label47
//   lipids           Label10         Label39      Label43     Label46
//   glucose          Label7          Label38      Label42     Label45
//   Label29: waist/BMI class (0, 1, 2)   Label13: smoking risk (0, 1)
// clang-format off
enum class Indicator {
    Label4, Label40, Label44, Label47,
    Label10, Label39, Label43, Label46,
    Label7, Label38, Label42, Label45,
    Label29, Label13,
};
// clang-format on

inline constexpr std::size_t kIndicatorCount = std::size_t(Indicator::Label13) + 1;

// The two indicators outside the criteria's rows, by what they hold.
inline constexpr Indicator kWaistBmiClass = Indicator::Label29;
inline constexpr Indicator kSmokingRisk = Indicator::Label13;

// The indicator's design name, which is also the text it holds until it is
// first written ("Label4" in Label4), and which reads as 0.
QString indicatorName(Indicator indicator);

// Per-window store of the indicators. Each holds decimal text ("0", "1", "2")
// and is read only as a number, through NumericValue. A write notifies the
// change listener at once, inside the write, before the writer goes on: the
// smoking re-evaluation depends on running in the middle of the handler that
// set a blood-value risk.
class IndicatorStore {
public:
    using ChangeListener = std::function<void(Indicator)>;

    IndicatorStore();

    double value(Indicator indicator) const { return m_held[std::size_t(indicator)]->value; }
    const QString &text(Indicator indicator) const { return m_held[std::size_t(indicator)]->text; }

    // A flag (0, 1) or a count (0, 1, 2).
    void write(Indicator indicator, int number);

    // Called after every write, with the indicator just written.
    void setChangeListener(ChangeListener listener);

private:
    // A text an indicator can hold, and the number it reads as. There are
    // few (the design names, "0", "1", "2"), made once and shared by every
    // store: a write, made on every keystroke, is the choice of one.
    struct Held {
        QString text;
        double value;
    };
    static const std::array<Held, kIndicatorCount> &designNamesHeld();
    static const std::array<Held, 3> s_numbers;
    friend QString indicatorName(Indicator indicator);

    std::array<const Held *, kIndicatorCount> m_held;
    ChangeListener m_listener;
};
