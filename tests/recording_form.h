#pragma once

// The window as the handlers see it, without widgets: it keeps the texts,
// captions, selections and indicators, writes down every write in the order
// the handlers make it ("Text1=140", "Label4=1", "select Option2",
// "colour Text1 black", "caret Text1", "focus Option5"), and re-enters the
// handlers where the window does: a changed text runs the field's change
// handler, a button that becomes selected runs its click handler, a field
// that takes the focus runs its got-focus handler, and a write of Label4,
// Label7 or Label10 runs that label's change handler.

#include "entry/blood_values.h"
#include "entry/body_measurements.h"
#include "entry/numeric_entry.h"
#include "entry/option_groups.h"
#include "entry/risk_tally.h"
#include "state/form_controls.h"

#include <QStringList>

#include <map>
#include <variant>

namespace Recording {

using Handler = void (*)(FormControls &);

// The design names, written out here rather than taken from the window's
// tables, so that a test reads the same names a maintainer reads in the
// design.
// clang-format off
struct FieldRow { Field field; const char *name; Handler change; Handler gotFocus; };
inline constexpr FieldRow kFields[] = {
    {Field::Text9, "Text9", Text9_Change, Text9_GotFocus},
    {Field::Text10, "Text10", Text10_Change, nullptr},
    {Field::Text12, "Text12", Text12_Change, Text12_GotFocus},
    {Field::Text1, "Text1", Text1_Change, Text1_GotFocus},
    {Field::Text2, "Text2", Text2_Change, Text2_GotFocus},
    {Field::Text6, "Text6", Text6_Change, Text6_GotFocus},
    {Field::Text7, "Text7", Text7_Change, Text7_GotFocus},
    {Field::Text4, "Text4", Text4_Change, Text4_GotFocus},
    {Field::Text5, "Text5", Text5_Change, Text5_GotFocus},
};

// Each button with the other button of its group.
struct OptionRow { Option option; const char *name; Handler click; Option other; };
inline constexpr OptionRow kOptions[] = {
    {Option::Option1, "Option1", Option1_Click, Option::Option2},
    {Option::Option2, "Option2", Option2_Click, Option::Option1},
    {Option::Option3, "Option3", Option3_Click, Option::Option4},
    {Option::Option4, "Option4", Option4_Click, Option::Option3},
    {Option::Option5, "Option5", Option5_Click, Option::Option6},
    {Option::Option6, "Option6", Option6_Click, Option::Option5},
    {Option::Option7, "Option7", Option7_Click, Option::Option8},
    {Option::Option8, "Option8", Option8_Click, Option::Option7},
    {Option::Option9, "Option9", Option9_Click, Option::Option10},
    {Option::Option10, "Option10", Option10_Click, Option::Option9},
};

struct ReadoutRow { Readout label; const char *name; };
inline constexpr ReadoutRow kReadouts[] = {
    {Readout::Label30, "Label30"}, {Readout::Label37, "Label37"}, {Readout::Label15, "Label15"}};

struct IndicatorRow { Indicator indicator; const char *name; Handler change; };
inline constexpr IndicatorRow kIndicators[] = {
    {Indicator::Label4, "Label4", Label4_Change},   {Indicator::Label40, "Label40", nullptr},
    {Indicator::Label44, "Label44", nullptr},       {Indicator::Label47, "Label47", nullptr},
    {Indicator::Label10, "Label10", Label10_Change}, {Indicator::Label39, "Label39", nullptr},
    {Indicator::Label43, "Label43", nullptr},       {Indicator::Label46, "Label46", nullptr},
    {Indicator::Label7, "Label7", Label7_Change},   {Indicator::Label38, "Label38", nullptr},
    {Indicator::Label42, "Label42", nullptr},       {Indicator::Label45, "Label45", nullptr},
    {Indicator::Label29, "Label29", nullptr},       {Indicator::Label13, "Label13", nullptr},
};
// clang-format on

inline const FieldRow &rowOf(Field field)
{
    for (const FieldRow &row : kFields) {
        if (row.field == field)
            return row;
    }
    qFatal("a field without a row in the recording form");
}

inline const OptionRow &rowOf(Option option)
{
    for (const OptionRow &row : kOptions) {
        if (row.option == option)
            return row;
    }
    qFatal("an option without a row in the recording form");
}

inline const ReadoutRow &rowOf(Readout label)
{
    for (const ReadoutRow &row : kReadouts) {
        if (row.label == label)
            return row;
    }
    qFatal("a readout without a row in the recording form");
}

inline const IndicatorRow &rowOf(Indicator indicator)
{
    for (const IndicatorRow &row : kIndicators) {
        if (row.indicator == indicator)
            return row;
    }
    qFatal("an indicator without a row in the recording form");
}

template <typename Control> QString nameOf(Control control) { return QLatin1String(rowOf(control).name); }

inline QString colourName(Rgb c)
{
    const std::pair<Rgb, const char *> named[] = {
        {{0, 0, 0}, "black"}, {{255, 0, 0}, "red"}, {{255, 0, 255}, "magenta"}, {{0, 0, 255}, "blue"}};
    for (const auto &[rgb, name] : named) {
        if (rgb == c)
            return QLatin1String(name);
    }
    return QStringLiteral("rgb(%1,%2,%3)").arg(c.red).arg(c.green).arg(c.blue);
}

} // namespace Recording

class RecordingForm final : public FormControls {
public:
    RecordingForm()
    {
        for (const Option start : {Option::Option1, Option::Option3, Option::Option5, Option::Option7, Option::Option9})
            m_selected[start] = true;
        m_indicators.setChangeListener([this](Indicator written) {
            const auto &row = Recording::rowOf(written);
            writes << QLatin1String(row.name) + u'=' + m_indicators.text(written);
            if (row.change)
                row.change(*this);
        });
    }

    // Every write since the last clear, in the order it was made.
    QStringList writes;

    QString text(Field field) const override { return m_texts.count(field) ? m_texts.at(field) : QString(); }
    void setText(Field field, const QString &text) override
    {
        const auto &row = Recording::rowOf(field);
        writes << QLatin1String(row.name) + u'=' + text;
        if (text == this->text(field))
            return;
        m_texts[field] = text;
        row.change(*this);
    }
    void putCaretAtEnd(Field field) override { writes << QLatin1String("caret ") + Recording::nameOf(field); }
    void setFocus(Field field) override
    {
        writes << QLatin1String("focus ") + Recording::nameOf(field);
        if (m_focus == Focus(field))
            return;
        m_focus = field;
        if (const Recording::Handler gotFocus = Recording::rowOf(field).gotFocus)
            gotFocus(*this);
    }
    void setTextColour(Field field, Rgb colour) override
    {
        writes << QLatin1String("colour ") + Recording::nameOf(field) + u' ' + Recording::colourName(colour);
    }

    QString caption(Readout label) const override { return m_captions.count(label) ? m_captions.at(label) : QString(); }
    void setCaption(Readout label, const QString &caption) override
    {
        writes << Recording::nameOf(label) + u'=' + caption;
        m_captions[label] = caption;
    }
    void setTextColour(Readout label, Rgb colour) override
    {
        writes << QLatin1String("colour ") + Recording::nameOf(label) + u' ' + Recording::colourName(colour);
    }

    bool isSelected(Option option) const override { return m_selected.count(option) && m_selected.at(option); }
    void select(Option option) override
    {
        const auto &row = Recording::rowOf(option);
        writes << QLatin1String("select ") + QLatin1String(row.name);
        if (isSelected(option))
            return;
        m_selected[row.other] = false;
        m_selected[option] = true;
        row.click(*this);
    }
    void setFocus(Option option) override
    {
        writes << QLatin1String("focus ") + Recording::nameOf(option);
        m_focus = option;
    }

    IndicatorStore &indicators() override { return m_indicators; }
    const IndicatorStore &indicators() const override { return m_indicators; }

private:
    using Focus = std::variant<std::monostate, Field, Option>;

    std::map<Field, QString> m_texts;
    std::map<Readout, QString> m_captions;
    std::map<Option, bool> m_selected;
    Focus m_focus;
    IndicatorStore m_indicators;
};
