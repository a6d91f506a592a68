#pragma once

// The limits of the specific health checkup, in the units the fields take.
// Every comparison includes the limit itself (130 counts, 129.9 does not),
// except the HDL, which is low below its limit.

// Blood pressure (mmHg): a guidance risk, and the syndrome criterion, from
// 130 systolic or 85 diastolic up.
inline constexpr double kSystolicLimit = 130.0;
inline constexpr double kDiastolicLimit = 85.0;

// Lipids (mg/dL): triglycerides from 150 up, or HDL cholesterol below 40.
inline constexpr double kTriglyceridesLimit = 150.0;
inline constexpr double kHdlLowerLimit = 40.0;
// The programme counts a non-fasting triglyceride from 175 up where there is
// no fasting value (from fiscal 2024); the window's rules take fasting
// values only.
inline constexpr double kNonFastingTriglyceridesLimit = 175.0;

// Glucose: the guidance risk starts lower than the syndrome criterion.
// Fasting glucose in mg/dL, HbA1c (NGSP) in %.
inline constexpr double kFastingGlucoseGuidanceLimit = 100.0;
inline constexpr double kHba1cGuidanceLimit = 5.6;
inline constexpr double kFastingGlucoseSyndromeLimit = 110.0;
inline constexpr double kHba1cSyndromeLimit = 6.0;

// Body size: the waist (cm) at which the sex's criterion is met, and the BMI
// that stands in for it when the waist stays below.
inline constexpr double kMaleWaistLimitCm = 85.0;
inline constexpr double kFemaleWaistLimitCm = 90.0;
inline constexpr double kBmiLimit = 25.0;

// Guidance risks (blood pressure, lipids, glucose, smoking) from which an
// examinee aged 40 to 64 is offered intensive support: fewer are needed with
// the waist over its limit than with the BMI alone.
inline constexpr int kIntensiveRisksWithWaist = 2;
inline constexpr int kIntensiveRisksWithBmiOnly = 3;
