#pragma once

#include "state/colours.h"
#include "state/design_names.h"
#include "state/indicator_store.h"

#include <QString>

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

    // The field's text as the form holds it, valid until the field is next
    // written: a read costs no copy, as the handlers read a field on every
    // change of it.
    virtual const QString &text(Field field) const = 0;
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

    // The number a field or a label reads as: NumericValue of its text. A
    // form that holds its texts may keep these numbers as the texts are set.
    virtual double value(Field field) const;
    virtual double value(Readout label) const;
    double value(Indicator indicator) const { return indicators().value(indicator); }
};
