#include "state/form_controls.h"

#include "state/numeric_value.h"

double FormControls::value(Field field) const { return NumericValue(text(field)); }

double FormControls::value(Readout label) const { return NumericValue(caption(label)); }
