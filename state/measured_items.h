#pragma once

#include "state/criteria.h"
#include "state/design_names.h"
#include "state/limits.h"

#include <array>
#include <compare>
#include <cstddef>
#include <optional>
#include <variant>

// The catalogue of the measured items: one row per item, holding every fact
// the program knows of it. The window, the rules, the words, the day's list
// and the national files all read their facts of an item from here, so that
// an item is added or changed in its row and nowhere else (but for its
// field's place in the window's layout and its field's handler).

// The measured items, in the order of the screen and of the copied record.
// Height to waist are Step1 (the BMI is computed from height and weight);
// the blood values are Step2.
enum class Entry {
    Height,
    Weight,
    Bmi,
    Waist,
    Systolic,
    Diastolic,
    Triglycerides,
    Hdl,
    FastingGlucose,
    Hba1c,
};
inline constexpr std::size_t kEntryCount = std::size_t(Entry::Hba1c) + 1;

// The control that shows an item: its field, or a label for a computed one.
using EntryControl = std::variant<Field, Readout>;

// What an adult examinee's value plausibly is, in the unit of the field. A
// value outside is not refused and changes no result: the window marks it for
// a second look, since it is most likely a slip of the hand (a point in the
// wrong place, metres for centimetres, a digit too many).
struct PlausibleRange {
    double low;
    double high;
};

// Which side of its limit a value meets the rule on: at or above it, or (the
// HDL) below it.
enum class LimitSide { AtOrAbove, Below };

// The limits of the rules that an item's value is held against: the
// guidance risk's and the syndrome criterion's (higher for glucose, the same
// for the others), and for the waist a woman's beside a man's. Every
// comparison includes the limit itself (130 counts, 129.9 does not).
struct RuleLimits {
    bool feedsRule = false; // height and weight feed the rules only through the BMI
    LimitSide side = LimitSide::AtOrAbove;
    double guidance = 0; // a man's, where the sexes differ
    double syndrome = 0;
    bool bySex = false;
    double women = 0;      // a woman's limit, where the sexes differ
    double nonFasting = 0; // the programme's limit for a non-fasting sample; 0: it counts none
};

constexpr RuleLimits noLimit() { return {}; }
constexpr RuleLimits atOrAbove(double guidance, double syndrome)
{
    return {true, LimitSide::AtOrAbove, guidance, syndrome};
}
constexpr RuleLimits atOrAbove(double limit) { return atOrAbove(limit, limit); }
constexpr RuleLimits below(double limit) { return {true, LimitSide::Below, limit, limit}; }
constexpr RuleLimits bySex(double men, double women) { return {true, LimitSide::AtOrAbove, men, men, true, women}; }
constexpr RuleLimits withNonFasting(RuleLimits limits, double nonFasting)
{
    limits.nonFasting = nonFasting;
    return limits;
}

// How the judgement needs an item: where it is empty, the checks prompt for
// it in place of a result, and a day's list without a column for it cannot be
// judged.
enum class Need {
    Required,     // asked for; a list needs its column
    OneOfGlucose, // fasting glucose or HbA1c: asked for when both are empty; a list needs one of the columns
    Computed,     // asked for as displayed; a list never reads it (the BMI is computed from height and weight)
    Optional,     // never asked for; read where a list has it
};

// Whether the older age band (65 to 74) asks again for an entry that reads
// as 0, and for which results.
enum class ZeroAsked { Never, ForGuidance, ForBoth };

// Blood pressure may come as one value, or as the first and second reading
// of which the mean is used.
enum class Reading { Only, First, Second };

// The national data standard's item codes: 17 characters, the first five
// naming the item. A laboratory item continues with its sample (0000
// fasting, 1299 non-fasting), then the method.
struct ExactCode {
    const char *code = nullptr;
    Reading reading = Reading::Only;
};
enum class Sample {
    FastingOnly, // a fasting sample is read, a non-fasting one refused
    Any,         // every sample is read (HbA1c does not depend on a meal)
};
struct LabCode {
    const char *prefix = nullptr;
    Sample sample = Sample::FastingOnly;
    bool mealMatters = false; // a value drawn soon after a meal is not a fasting one
};
// A measurement of the item by a method the rules are not written for: its
// code prefix, the mark of it in a desk's heading, and why it is not read.
struct OtherMethod {
    const char *codePrefix = nullptr;
    const char *headingMark = nullptr;
    const char *why = nullptr;
};
struct NationalCodes {
    std::array<ExactCode, 3> exact{}; // the item's own codes
    LabCode lab{};                    // or a laboratory item's
    OtherMethod otherMethod{};
    const char *unit = nullptr; // the unit a checkup file gives it in (UCUM)
};

struct MeasuredItem {
    Entry entry;
    EntryControl control;
    int step;         // 1 or 2: the step of the window it is entered in
    const char *word; // the desk's name of it: caption, explanations, record, messages
    const char *unit; // as the desk writes it: "mg/dL"
    // The window's caption of it: its word, with its unit in brackets where
    // the design shows it ("身長(cm)"), or a caption of its own where the
    // design's differs from both ("HbA1c(NGSP)").
    bool unitInCaption = false;
    const char *caption = nullptr;
    int limitDecimals = 0; // HbA1c's limits are written with their tenth: 6.0, not 6
    PlausibleRange plausible;
    RuleLimits limits = noLimit();
    std::optional<Criterion> criterion = std::nullopt; // the criterion whose pair of values it is one of
    Need need = Need::Required;
    ZeroAsked zeroAskedFrom65 = ZeroAsked::Never;
    // A desk's other names for its column, beside the word (a unit in
    // brackets is dropped before headings are compared, so none is written).
    std::array<const char *, 6> deskNames{};
    NationalCodes national;
};

// clang-format off
inline constexpr std::array<MeasuredItem, kEntryCount> kMeasuredItems = {{
    {.entry = Entry::Height, .control = Field::Text9, .step = 1, .word = "身長", .unit = "cm",
     .unitInCaption = true,
     .plausible = {100, 220}, .zeroAskedFrom65 = ZeroAsked::ForGuidance,
     .national = {.exact = {{{"9N001000000000001"}}}, .unit = "cm"}},
    {.entry = Entry::Weight, .control = Field::Text10, .step = 1, .word = "体重", .unit = "kg",
     .unitInCaption = true,
     .plausible = {20, 250}, .zeroAskedFrom65 = ZeroAsked::ForGuidance,
     .national = {.exact = {{{"9N006000000000001"}}}, .unit = "kg"}},
    {.entry = Entry::Bmi, .control = Readout::Label30, .step = 1, .word = "BMI", .unit = "kg/m²",
     .plausible = {10, 80}, .limits = atOrAbove(kBmiLimit), .need = Need::Computed,
     .national = {.exact = {{{"9N011000000000001"}}}}},
    {.entry = Entry::Waist, .control = Field::Text12, .step = 1, .word = "腹囲", .unit = "cm",
     .unitInCaption = true,
     .plausible = {40, 200}, .limits = bySex(kMaleWaistLimitCm, kFemaleWaistLimitCm),
     .zeroAskedFrom65 = ZeroAsked::ForBoth,
     .deskNames = {"腹囲(実測)", "腹囲(自己測定)", "腹囲(自己申告)", "ウエスト", "ウエスト周囲径"},
     .national = {.exact = {{{"9N016160100000001"},   // measured
                             {"9N016160200000001"},   // self-measured
                             {"9N016160300000001"}}}, // self-reported
                  .unit = "cm"}},
    {.entry = Entry::Systolic, .control = Field::Text1, .step = 2, .word = "最高血圧", .unit = "mmHg",
     .plausible = {60, 300}, .limits = atOrAbove(kSystolicLimit), .criterion = Criterion::BloodPressure,
     .deskNames = {"収縮期血圧", "収縮期", "血圧(収縮期)", "血圧(最高)", "血圧 上", "血圧(上)"},
     .national = {.exact = {{{"9A755000000000001", Reading::Only}, // その他
                             {"9A751000000000001", Reading::First},
                             {"9A752000000000001", Reading::Second}}},
                  .unit = "mm[Hg]"}},
    {.entry = Entry::Diastolic, .control = Field::Text2, .step = 2, .word = "最低血圧", .unit = "mmHg",
     .plausible = {30, 200}, .limits = atOrAbove(kDiastolicLimit), .criterion = Criterion::BloodPressure,
     .deskNames = {"拡張期血圧", "拡張期", "血圧(拡張期)", "血圧(最低)", "血圧 下", "血圧(下)"},
     .national = {.exact = {{{"9A765000000000001", Reading::Only},
                             {"9A761000000000001", Reading::First},
                             {"9A762000000000001", Reading::Second}}},
                  .unit = "mm[Hg]"}},
    {.entry = Entry::Triglycerides, .control = Field::Text6, .step = 2, .word = "中性脂肪", .unit = "mg/dL",
     .plausible = {10, 3000}, .limits = withNonFasting(atOrAbove(kTriglyceridesLimit), kNonFastingTriglyceridesLimit),
     .criterion = Criterion::Lipids,
     .deskNames = {"中性脂肪(空腹時)", "空腹時中性脂肪", "中性脂肪(TG)", "トリグリセライド", "トリグリセリド", "TG"},
     .national = {.lab = {"3F015", Sample::FastingOnly, true}, .unit = "mg/dL"}},
    {.entry = Entry::Hdl, .control = Field::Text7, .step = 2, .word = "HDL-CHO", .unit = "mg/dL",
     .plausible = {10, 200}, .limits = below(kHdlLowerLimit), .criterion = Criterion::Lipids,
     .deskNames = {"HDLコレステロール", "HDL-コレステロール", "HDL-C", "HDL"},
     .national = {.lab = {"3F070"}, .unit = "mg/dL"}},
    {.entry = Entry::FastingGlucose, .control = Field::Text4, .step = 2, .word = "空腹時血糖", .unit = "mg/dL",
     .plausible = {30, 600}, .limits = atOrAbove(kFastingGlucoseGuidanceLimit, kFastingGlucoseSyndromeLimit),
     .criterion = Criterion::Glucose, .need = Need::OneOfGlucose,
     .deskNames = {"空腹時血糖値", "血糖(空腹時)", "空腹時血糖(FPG)", "FPG"},
     .national = {.lab = {"3D010", Sample::FastingOnly, true}, .unit = "mg/dL"}},
    {.entry = Entry::Hba1c, .control = Field::Text5, .step = 2, .word = "HbA1c", .unit = "%",
     .caption = "HbA1c(NGSP)", .limitDecimals = 1,
     .plausible = {3.0, 20.0}, .limits = atOrAbove(kHba1cGuidanceLimit, kHba1cSyndromeLimit),
     .criterion = Criterion::Glucose, .need = Need::OneOfGlucose,
     .deskNames = {"HbA1c(NGSP)", "HbA1c(NGSP値)", "ヘモグロビンA1c", "ヘモグロビンA1c(NGSP)"},
     .national = {.lab = {"3D046", Sample::Any},
                  .otherMethod = {"3D045", "jds", "HbA1c (JDS) は使いません: HbA1c (NGSP) の値が要ります"},
                  .unit = "%"}},
}};
// clang-format on

constexpr const MeasuredItem &measured(Entry entry) { return kMeasuredItems[std::size_t(entry)]; }

// Every entry, in catalogue order.
inline constexpr std::array<Entry, kEntryCount> kAllEntries = [] {
    std::array<Entry, kEntryCount> entries{};
    for (std::size_t i = 0; i < kEntryCount; ++i)
        entries[i] = Entry(i);
    return entries;
}();

constexpr bool isStep1(Entry entry) { return measured(entry).step == 1; }

// The entry a field shows; every field shows one.
constexpr Entry entryOf(Field field)
{
    for (const MeasuredItem &item : kMeasuredItems) {
        if (item.control == EntryControl(field))
            return item.entry;
    }
    return Entry::Height; // not reached: every field has its row (checked below)
}

// The field an entry is typed into; none for a computed one.
constexpr std::optional<Field> fieldOf(Entry entry)
{
    // By index, not get_if's pointer: the sanitizers' build cannot compare
    // a pointer with null as the program is compiled.
    if (std::holds_alternative<Field>(measured(entry).control))
        return std::get<Field>(measured(entry).control);
    return std::nullopt;
}

// The limit an item's value is held against, for the sex where they differ.
constexpr double limitOf(Entry entry, LimitKind kind, bool female = false)
{
    const RuleLimits &limits = measured(entry).limits;
    if (female && limits.bySex)
        return limits.women;
    return kind == LimitKind::GuidanceRisk ? limits.guidance : limits.syndrome;
}

// Whether the value meets the rule's limit on its own: the one comparison of
// a value with its limit, for the indicators, the findings and the colours.
constexpr bool reachesLimit(Entry entry, double value, LimitKind kind, bool female = false)
{
    const double limit = limitOf(entry, kind, female);
    return measured(entry).limits.side == LimitSide::Below ? value < limit : value >= limit;
}

// Whether a value known only by a bound (at least the bound, or below it)
// lies on one side of the limit whatever the value is, given how the bound
// compares with the limit: "150 以上" settles the triglycerides' 150, "40
// 未満" the HDL's 40, "140 未満" neither.
constexpr bool boundSettlesLimit(std::strong_ordering boundAgainstLimit, bool atLeast)
{
    return atLeast ? boundAgainstLimit >= 0 : boundAgainstLimit <= 0;
}

// The two entries whose values each criterion judges together, in screen
// order; criteria in the order of their enum.
inline constexpr std::array<std::array<Entry, 2>, 3> kCriterionPairs = [] {
    std::array<std::array<Entry, 2>, 3> pairs{};
    std::array<std::size_t, 3> found{};
    for (const MeasuredItem &item : kMeasuredItems) {
        if (item.criterion && found[std::size_t(*item.criterion)] < 2)
            pairs[std::size_t(*item.criterion)][found[std::size_t(*item.criterion)]++] = item.entry;
    }
    return pairs;
}();

constexpr const std::array<Entry, 2> &pairOf(Criterion criterion) { return kCriterionPairs[std::size_t(criterion)]; }

namespace catalogue_checks {

constexpr bool rowsInEntryOrder()
{
    for (std::size_t i = 0; i < kEntryCount; ++i) {
        if (kMeasuredItems[i].entry != Entry(i))
            return false;
    }
    return true;
}

constexpr bool eachFieldInOneRow()
{
    for (std::size_t f = 0; f < kFieldCount; ++f) {
        int rows = 0;
        for (const MeasuredItem &item : kMeasuredItems)
            rows += item.control == EntryControl(Field(f));
        if (rows != 1)
            return false;
    }
    return true;
}

constexpr bool eachRowItsOwnControl()
{
    for (std::size_t i = 0; i < kEntryCount; ++i) {
        for (std::size_t j = i + 1; j < kEntryCount; ++j) {
            if (kMeasuredItems[i].control == kMeasuredItems[j].control)
                return false;
        }
    }
    return true;
}

constexpr bool eachCriterionAPair()
{
    for (const Criterion criterion : {Criterion::BloodPressure, Criterion::Lipids, Criterion::Glucose}) {
        int rows = 0;
        for (const MeasuredItem &item : kMeasuredItems)
            rows += item.criterion == criterion;
        if (rows != 2)
            return false;
    }
    return true;
}

constexpr bool eachPairItemLimited()
{
    for (const MeasuredItem &item : kMeasuredItems) {
        if (item.criterion && !item.limits.feedsRule)
            return false;
    }
    return true;
}

} // namespace catalogue_checks

static_assert(catalogue_checks::rowsInEntryOrder(), "one catalogue row per measured item, in the order of Entry");
static_assert(catalogue_checks::eachFieldInOneRow(), "every field shows exactly one measured item");
static_assert(catalogue_checks::eachRowItsOwnControl(), "every measured item has a control of its own");
static_assert(catalogue_checks::eachCriterionAPair(), "each criterion judges a pair of values");
static_assert(catalogue_checks::eachPairItemLimited(), "each value of a criterion has its limits");
