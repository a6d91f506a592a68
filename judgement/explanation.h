#pragma once

#include "judgement/choices.h"
#include "judgement/decision.h"
#include "judgement/desk_names.h"
#include "judgement/entries.h"
#include "state/criteria.h"
#include "state/form_controls.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>
#include <variant>

// Why each result label shows what it shows, as data: what the judgement
// found (from the same indicators the decision read, with the entries that
// set them) and which rule of the checkup decided. The text shown on screen is
// rendered from this (explanation_text.h).

// One entry held against a limit, as the desk says it: "最高血圧 142 ≥ 130".
struct Comparison {
    Entry entry;
    QString shown;  // the value as the field shows it
    bool atOrAbove; // the value is at or above the limit (below it otherwise)
    double limit;
    friend bool operator==(const Comparison &, const Comparison &) = default;
};

// The waist/BMI class in words: the waist at or above the limit of the sex;
// the waist below it with a BMI of 25 or more; neither.
enum class BodySize { Neither, Waist, BmiOnly };

struct BodySizeFinding {
    BodySize size; // as the waist/BMI class indicator holds it
    bool female;
    Comparison waist;              // against the limit of the sex
    std::optional<Comparison> bmi; // only where the waist stays below its limit
};

// One criterion (blood pressure, lipids or glucose) as its indicators hold it.
struct CriterionFinding {
    Criterion criterion;
    bool met;                         // the syndrome criterion is met, by values or drug treatment
    bool metByValues;                 // the measured values reach the syndrome limits
    bool treated;                     // drug treatment "あり"
    bool risk;                        // counts as a risk for the guidance level
    QList<Comparison> syndromeValues; // the values that reach the syndrome limits
    QList<Comparison> riskValues;     // the values that reach the guidance limits
};

// Blood pressure, lipids, glucose: the order in which the desk names them.
using CriterionFindings = std::array<CriterionFinding, 3>;

// The rules that give the metabolic-syndrome class.
enum class ClassRule {
    WaistBelowLimit,      // "３ 非該当" whatever else, the BMI included
    WaistAndNoCriterion,  // "３ 非該当"
    WaistAndOneCriterion, // "２ 予備群該当"
    WaistAndTwoOrMore,    // "１ 基準該当"
};

struct ClassExplanation {
    BodySizeFinding bodySize;
    CriterionFindings criteria;
    ClassRule rule;
};

// The rules that give the level of specific health guidance.
enum class GuidanceRule {
    DrugTreatment,               // "３ なし": guidance is the physician's
    NeitherWaistNorBmi,          // "３ なし"
    NoRisk,                      // "３ なし(情報提供レベル)"
    BelowIntensive,              // "２ 動機付け支援"
    Intensive,                   // "１ 積極的支援"
    OlderBandInPlaceOfIntensive, // "２ 動機付け支援": 65 to 74 at the intensive count
};

struct SmokingFinding {
    bool smoker;  // "あり" chosen
    bool counted; // counted as a risk, which needs another risk beside it
};

struct GuidanceExplanation {
    AgeBand band;
    BodySizeFinding bodySize;
    CriterionFindings criteria;
    SmokingFinding smoking;
    int intensiveFrom; // the risk count from which the body-size class is intensive support
    GuidanceRule rule;

    // The risks named as counted: the criteria with a guidance risk, and smoking.
    int riskCount() const;
};

// How an entry fails the checks: empty, or (for 65 to 74) reading as 0.
enum class Lack { Empty, ReadsZero };

struct MissingEntry {
    Entry entry;
    Lack lack;
    friend bool operator==(const MissingEntry &, const MissingEntry &) = default;
};

// A prompt in place of a result: the entries the checks found missing for
// this label, Step1 entries first, each in screen order.
struct PromptExplanation {
    QString prompt;
    QList<MissingEntry> missing;
};

// What a result label's explanation is about; nothing where the judgement
// wrote no caption.
using SyndromeClassWhy = std::variant<std::monostate, ClassExplanation, PromptExplanation>;
using GuidanceWhy = std::variant<std::monostate, GuidanceExplanation, PromptExplanation>;

// The caption that each rule gives.
QString captionOf(ClassRule rule);
QString captionOf(GuidanceRule rule);

ClassExplanation explainSyndromeClass(const IndicatorSnapshot &indicators, const EntrySnapshot &entries);
GuidanceExplanation explainGuidance(const IndicatorSnapshot &indicators, const EntrySnapshot &entries,
                                    const ChoiceSnapshot &choices, AgeBand band);

// The entries whose absence makes the checks prompt in the given result
// label (Label37 or Label15): empty entries of either step, the glucose pair
// only when both are empty, and for 65 to 74 the Step1 fields that read as 0.
QList<MissingEntry> missingEntries(const EntrySnapshot &entries, AgeBand band, Readout resultLabel);
