#pragma once

#include "state/form_controls.h"

// Blood pressure: a guidance risk, and the syndrome criterion, from 130
// systolic or 85 diastolic up.
inline constexpr double kSystolicLimit = 130.0;
inline constexpr double kDiastolicLimit = 85.0;
// Lipids: triglycerides from 150 up, or HDL cholesterol below 40.
inline constexpr double kTriglyceridesLimit = 150.0;
inline constexpr double kHdlLowerLimit = 40.0;
// Glucose: the guidance risk starts lower than the syndrome criterion.
inline constexpr double kFastingGlucoseGuidanceLimit = 100.0;
inline constexpr double kHba1cGuidanceLimit = 5.6;
inline constexpr double kFastingGlucoseSyndromeLimit = 110.0;
inline constexpr double kHba1cSyndromeLimit = 6.0;

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
