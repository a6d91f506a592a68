#pragma once

// What an adult examinee's entries plausibly are, in the units the fields
// take. A value outside is not refused and changes no result: the window
// marks it for a second look, since it is most likely a slip of the hand (a
// point in the wrong place, metres for centimetres, a digit too many). Beside
// the rules' limits (state/limits.h), and like them written once.
struct PlausibleRange {
    double low;
    double high;
};

// Height (cm): "1.7" is metres typed into a field of centimetres.
inline constexpr PlausibleRange kPlausibleHeightCm{100, 220};
// Weight (kg): "650" is a digit too many.
inline constexpr PlausibleRange kPlausibleWeightKg{20, 250};
// Waist (cm): "9.5" is a point in the wrong place.
inline constexpr PlausibleRange kPlausibleWaistCm{40, 200};
// Blood pressure (mmHg); the diastolic also stays below the systolic.
inline constexpr PlausibleRange kPlausibleSystolicMmHg{60, 300};
inline constexpr PlausibleRange kPlausibleDiastolicMmHg{30, 200};
// Lipids (mg/dL).
inline constexpr PlausibleRange kPlausibleTriglyceridesMgDl{10, 3000};
inline constexpr PlausibleRange kPlausibleHdlMgDl{10, 200};
// Glucose: fasting glucose (mg/dL), HbA1c (%): "56" is "5,6" with the comma dropped.
inline constexpr PlausibleRange kPlausibleFastingGlucoseMgDl{30, 600};
inline constexpr PlausibleRange kPlausibleHba1cPercent{3.0, 20.0};
// BMI (kg/m²), computed from height and weight: out of range when one of them is.
inline constexpr PlausibleRange kPlausibleBmi{10, 80};
