#pragma once

#include "state/form_controls.h"

bool bloodPressureRisk(double systolic, double diastolic);
// An HDL of exactly 0 is what an empty field reads, so it is no risk; any
// other value below 40, a negative one too, is.
bool lipidRisk(double triglycerides, double hdl);
bool glucoseGuidanceRisk(double fastingGlucose, double hba1c);
bool glucoseSyndromeFlag(double fastingGlucose, double hba1c);

// Change handling of the six blood values: each re-evaluates its whole pair.
void Text1_Change(FormControls &form);
void Text2_Change(FormControls &form);
void Text6_Change(FormControls &form);
void Text7_Change(FormControls &form);
void Text4_Change(FormControls &form);
void Text5_Change(FormControls &form);
