#pragma once

#include "state/colours.h"
#include "state/indicator_store.h"

#include <QString>
#include <QStringList>

#include <cstddef>

// The controls that the handlers read and write, by their design names. The
// names themselves are in state/design_names.h; a count follows its enum.

// The nine numeric entry fields, in the order of the Enter chain.
enum class Field { Text9, Text10, Text12, Text1, Text2, Text6, Text7, Text4, Text5 };
inline constexpr std::size_t kFieldCount = std::size_t(Field::Text5) + 1;

// The visible labels that the handlers write: the BMI display and the two
// result labels.
enum class Readout { Label30, Label37, Label15 };
inline constexpr std::size_t kReadoutCount = std::size_t(Readout::Label15) + 1;

// clang-format off
enum class Option {
    Option1, Option2, Option3, Option4, Option5,
    Option6, Option7, Option8, Option9, Option10,
};
// clang-format on
inline constexpr std::size_t kOptionCount = std::size_t(Option::Option10) + 1;

// The judgement buttons and Reset. The handlers never touch them; the window
// routes their clicks.
enum class Command { Command1, Command2, Command3 };
inline constexpr std::size_t kCommandCount = std::size_t(Command::Command3) + 1;

// What the handlers may see and do of the main window. The window implements
// it; the handlers never touch a widget. Two operations re-enter the handlers
// before they return, as the checkup form's design relies on:
//  - setText() runs the field's change handling when the text changes;
//  - select() runs the button's click handling when it becomes selected;
// and every write to Label4, Label7 or Label10 in indicators() runs the
// smoking re-evaluation.
class FormControls {
public:
    virtual ~FormControls() = default;

    virtual QString text(Field field) const = 0;
    virtual void setText(Field field, const QString &text) = 0;
    virtual void putCaretAtEnd(Field field) = 0;
    virtual void setFocus(Field field) = 0;
    virtual void setTextColour(Field field, Rgb colour) = 0;

    virtual QString caption(Readout label) const = 0;
    virtual void setCaption(Readout label, const QString &caption) = 0;
    virtual void setTextColour(Readout label, Rgb colour) = 0;

    virtual bool isSelected(Option option) const = 0;
    virtual void select(Option option) = 0;
    virtual void setFocus(Option option) = 0;

    virtual IndicatorStore &indicators() = 0;
    virtual const IndicatorStore &indicators() const = 0;

    // The judged record that each judgement leaves and Reset clears: why a
    // result label (Label37, Label15) shows what it shows, and the examinee's
    // row as judged, offered for copying. An empty text or row clears.
    virtual void setExplanation(Readout label, const QString &explanation) = 0;
    virtual void keepJudgedRecord(const QStringList &row) = 0;
    void clearJudgedRecord();

    // Shorthands for the number a field or a label reads as.
    double value(Field field) const;
    double value(Readout label) const;
    double value(Indicator indicator) const { return indicators().value(indicator); }
};
