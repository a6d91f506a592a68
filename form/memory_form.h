#pragma once

#include "state/form_controls.h"

#include <array>
#include <optional>
#include <variant>

// The window's controls without widgets: the texts of the fields, the
// captions, the selected buttons and the indicators, held in memory. It
// re-enters the handlers exactly where the window does, wired by the same
// routing table (form/event_routes.h):
//  - a text that changes runs the field's change handler (which ends with
//    the field's cleaning);
//  - a button that becomes selected deselects the other button of its group
//    and runs its click handler;
//  - a field that takes the focus runs its got-focus handler;
//  - a write of Label4, Label7 or Label10 runs the smoking re-evaluation.
// A new form holds what a new window holds: empty fields, the start choices.
class MemoryForm : public FormControls {
public:
    MemoryForm();
    // The indicators' listener holds on to this form.
    MemoryForm(const MemoryForm &) = delete;
    MemoryForm &operator=(const MemoryForm &) = delete;

    const QString &text(Field field) const override { return m_texts[std::size_t(field)]; }
    void setText(Field field, const QString &text) override;
    void putCaretAtEnd(Field field) override;
    void setFocus(Field field) override;
    void setTextColour(Field field, Rgb colour) override;

    QString caption(Readout label) const override { return m_captions[std::size_t(label)]; }
    void setCaption(Readout label, const QString &caption) override;
    void setTextColour(Readout label, Rgb colour) override;

    double value(Field field) const override { return m_textValues[std::size_t(field)]; }
    double value(Readout label) const override;

    bool isSelected(Option option) const override { return m_selected[std::size_t(option)]; }
    void select(Option option) override;
    void setFocus(Option option) override;

    IndicatorStore &indicators() override { return m_indicators; }
    const IndicatorStore &indicators() const override { return m_indicators; }

protected:
    // One write of the handlers, as it is made: a field's or a caption's or
    // an indicator's new text, a selection, a move of the focus or the
    // caret, a colour.
    struct Write {
        enum class Kind { Text, Caption, Indicator, Select, Focus, Caret, Colour };
        Kind kind;
        const char *control; // the design name
        QString text;        // Text, Caption, Indicator
        Rgb colour;          // Colour
    };
    // A form that hears its writes: noteWrite() then hears every write
    // before the handlers it re-enters run (an indicator's once it holds the
    // new text). A plain form makes no note at all, as it judges a whole
    // day's list.
    enum class Notes { Kept };
    explicit MemoryForm(Notes);
    virtual void noteWrite(const Write &write) { Q_UNUSED(write); }

private:
    using Focus = std::variant<std::monostate, Field, Option>;

    // The control's design name is looked up only when a note is made.
    template <typename Control> void note(Write::Kind kind, Control control, const QString &text = {}, Rgb colour = {})
    {
        if (m_notesWrites)
            noteWrite({kind, designName(control), text, colour});
    }

    bool m_notesWrites = false;

    std::array<QString, kFieldCount> m_texts;
    std::array<QString, kReadoutCount> m_captions;
    std::array<double, kFieldCount> m_textValues{}; // an empty text reads as 0
    // Read when first asked for: most captions (the results) are never read
    // as numbers.
    mutable std::array<std::optional<double>, kReadoutCount> m_captionValues{};
    std::array<bool, kOptionCount> m_selected{};
    Focus m_focus;
    IndicatorStore m_indicators;
};
