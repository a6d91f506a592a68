#pragma once

#include "state/form_controls.h"

#include <optional>

// Smoking counts as a guidance risk only beside at least one of the blood
// pressure, glucose and lipid risks.

// What a change of one of the three risks writes into the smoking risk while
// "あり" (smoker) is selected: 1 with another risk, 0 with none. Nothing for
// a non-smoker, whose smoking risk stays as the "なし" option left it.
std::optional<int> smokingRiskAfterRiskChange(double bloodPressureRisk, double glucoseRisk, double lipidRisk,
                                              bool smokerSelected);

// What choosing "あり" writes into the smoking risk.
int smokingRiskOnChoosingSmoker(double bloodPressureRisk, double glucoseRisk, double lipidRisk);

// Change handling of the three guidance risks: re-evaluates the smoking risk.
void Label4_Change(FormControls &form);
void Label7_Change(FormControls &form);
void Label10_Change(FormControls &form);
