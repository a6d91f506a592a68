#include "form/memory_form.h"

#include "form/event_routes.h"
#include "state/numeric_value.h"

namespace {

// The other button of the option's group: selecting one deselects it.
Option partnerOf(Option option)
{
    for (const OptionGroup &group : kOptionGroups) {
        if (group.startChoice == option)
            return group.otherChoice;
        if (group.otherChoice == option)
            return group.startChoice;
    }
    qFatal("an option in no group: %s", designName(option));
}

} // namespace

MemoryForm::MemoryForm(Notes) : MemoryForm() { m_notesWrites = true; }

MemoryForm::MemoryForm()
{
    for (const OptionGroup &group : kOptionGroups)
        m_selected[std::size_t(group.startChoice)] = true;
    m_indicators.setChangeListener([this](Indicator written) {
        note(Write::Kind::Indicator, written, m_indicators.text(written));
        if (const Routes::IndicatorRoute *route = Routes::routeOf(written))
            route->change(*this);
    });
}

void MemoryForm::setText(Field field, const QString &text)
{
    note(Write::Kind::Text, field, text);
    QString &held = m_texts[std::size_t(field)];
    if (text == held)
        return;
    held = text;
    m_textValues[std::size_t(field)] = NumericValue(held);
    Routes::routeOf(field).change(*this);
}

void MemoryForm::putCaretAtEnd(Field field) { note(Write::Kind::Caret, field); }

void MemoryForm::setFocus(Field field)
{
    note(Write::Kind::Focus, field);
    if (m_focus == Focus(field))
        return;
    m_focus = field;
    if (const auto &gotFocus = Routes::routeOf(field).gotFocus)
        gotFocus(*this);
}

void MemoryForm::setTextColour(Field field, Rgb colour) { note(Write::Kind::Colour, field, {}, colour); }

void MemoryForm::setCaption(Readout label, const QString &caption)
{
    note(Write::Kind::Caption, label, caption);
    m_captions[std::size_t(label)] = caption;
    m_captionValues[std::size_t(label)].reset();
}

double MemoryForm::value(Readout label) const
{
    std::optional<double> &value = m_captionValues[std::size_t(label)];
    if (!value)
        value = NumericValue(m_captions[std::size_t(label)]);
    return *value;
}

void MemoryForm::setTextColour(Readout label, Rgb colour) { note(Write::Kind::Colour, label, {}, colour); }

void MemoryForm::select(Option option)
{
    note(Write::Kind::Select, option);
    if (isSelected(option))
        return;
    m_selected[std::size_t(partnerOf(option))] = false;
    m_selected[std::size_t(option)] = true;
    Routes::routeOf(option).click(*this);
}

void MemoryForm::setFocus(Option option)
{
    note(Write::Kind::Focus, option);
    m_focus = option;
}
