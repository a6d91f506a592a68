#pragma once

#include "state/form_controls.h"

#include <QString>

#include <optional>

// BMI = weight / height² × 10000 with the height in cm and the weight in kg,
// computed in that order. None when the height reads 0 or less, or when the
// result is no finite number (a height whose square underflows, an enormous
// weight). The display is then emptied, also of a BMI it showed before, so
// that no stale or absurd value is ever shown or judged.
std::optional<double> bodyMassIndex(double heightCm, double weightKg);

// The BMI as displayed: at least one digit before the point, exactly one
// after it, "." as the point, halves rounded away from zero. The value is
// first taken to 15 significant digits, so a quotient that should read 24.95
// but is held as 24.9499999… still shows 25.0. Expects a finite value.
QString formatOneDecimal(double value);

// Waist/BMI class: 1 when the waist reaches the limit of the selected sex,
// otherwise 2 when the displayed BMI is 25 or more, otherwise 0.
int waistBmiClass(double waistCm, double displayedBmi, bool female);

// Writes the waist/BMI class (Label29) from the waist field, the BMI display
// and the limit of the given sex.
void writeWaistBmiClass(FormControls &form, bool female);

// Change handling of height, weight and waist.
void Text9_Change(FormControls &form);
void Text10_Change(FormControls &form);
void Text12_Change(FormControls &form);
