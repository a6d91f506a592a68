#pragma once

#include "state/criteria.h"
#include "state/design_names.h"
#include "state/limits.h"

#include <array>
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
    double women = 0; // a woman's limit, where the sexes differ
};

constexpr RuleLimits noLimit() { return {}; }
constexpr RuleLimits atOrAbove(double guidance, double syndrome)
{
    return {true, LimitSide::AtOrAbove, guidance, syndrome};
}
constexpr RuleLimits atOrAbove(double limit) { return atOrAbove(limit, limit); }
constexpr RuleLimits below(double limit) { return {true, LimitSide::Below, limit, limit}; }
constexpr RuleLimits bySex(double men, double women) { return {true, LimitSide::AtOrAbove, men, men, true, women}; }

// How a day's list must hold an item to be judged.
enum class ListNeed {
    Required,     // a column of its own
    OneOfGlucose, // fasting glucose or HbA1c, one of them
    Computed,     // never read: the BMI is computed from height and weight
};

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
    int step;          // 1 or 2: the step of the window it is entered in
    const char *word;  // the desk's name of it: caption, explanations, record, messages
    const char *unit;  // as the desk writes it: "mg/dL"
    int limitDecimals; // HbA1c's limits are written with their tenth: 6.0, not 6
    PlausibleRange plausible;
    RuleLimits limits;
    std::optional<Criterion> criterion; // the criterion whose pair of values it is one of
    ListNeed listNeed;
    // A desk's other names for its column, beside the word (a unit in
    // brackets is dropped before headings are compared, so none is written).
    std::array<const char *, 6> deskNames;
    NationalCodes national;
};

// clang-format off
inline constexpr std::array<MeasuredItem, kEntryCount> kMeasuredItems = {{
    {Entry::Height, Field::Text9, 1, "身長", "cm", 0, {100, 220}, noLimit(), std::nullopt, ListNeed::Required,
     {},
     {{{{"9N001000000000001"}}}, {}, {}, "cm"}},
    {Entry::Weight, Field::Text10, 1, "体重", "kg", 0, {20, 250}, noLimit(), std::nullopt, ListNeed::Required,
     {},
     {{{{"9N006000000000001"}}}, {}, {}, "kg"}},
    {Entry::Bmi, Readout::Label30, 1, "BMI", "kg/m²", 0, {10, 80}, atOrAbove(kBmiLimit), std::nullopt,
     ListNeed::Computed,
     {},
     {{{{"9N011000000000001"}}}, {}, {}, nullptr}},
    {Entry::Waist, Field::Text12, 1, "腹囲", "cm", 0, {40, 200}, bySex(kMaleWaistLimitCm, kFemaleWaistLimitCm),
     std::nullopt, ListNeed::Required,
     {"腹囲(実測)", "腹囲(自己測定)", "腹囲(自己申告)", "ウエスト", "ウエスト周囲径"},
     {{{{"9N016160100000001"},   // measured
        {"9N016160200000001"},   // self-measured
        {"9N016160300000001"}}}, // self-reported
      {}, {}, "cm"}},
    {Entry::Systolic, Field::Text1, 2, "最高血圧", "mmHg", 0, {60, 300}, atOrAbove(kSystolicLimit),
     Criterion::BloodPressure, ListNeed::Required,
     {"収縮期血圧", "収縮期", "血圧(収縮期)", "血圧(最高)", "血圧 上", "血圧(上)"},
     {{{{"9A755000000000001", Reading::Only}, // その他
        {"9A751000000000001", Reading::First},
        {"9A752000000000001", Reading::Second}}},
      {}, {}, "mm[Hg]"}},
    {Entry::Diastolic, Field::Text2, 2, "最低血圧", "mmHg", 0, {30, 200}, atOrAbove(kDiastolicLimit),
     Criterion::BloodPressure, ListNeed::Required,
     {"拡張期血圧", "拡張期", "血圧(拡張期)", "血圧(最低)", "血圧 下", "血圧(下)"},
     {{{{"9A765000000000001", Reading::Only},
        {"9A761000000000001", Reading::First},
        {"9A762000000000001", Reading::Second}}},
      {}, {}, "mm[Hg]"}},
    {Entry::Triglycerides, Field::Text6, 2, "中性脂肪", "mg/dL", 0, {10, 3000}, atOrAbove(kTriglyceridesLimit),
     Criterion::Lipids, ListNeed::Required,
     {"中性脂肪(空腹時)", "空腹時中性脂肪", "中性脂肪(TG)", "トリグリセライド", "トリグリセリド", "TG"},
     {{}, {"3F015", Sample::FastingOnly, true}, {}, "mg/dL"}},
    {Entry::Hdl, Field::Text7, 2, "HDL-CHO", "mg/dL", 0, {10, 200}, below(kHdlLowerLimit), Criterion::Lipids,
     ListNeed::Required,
     {"HDLコレステロール", "HDL-コレステロール", "HDL-C", "HDL"},
     {{}, {"3F070"}, {}, "mg/dL"}},
    {Entry::FastingGlucose, Field::Text4, 2, "空腹時血糖", "mg/dL", 0, {30, 600},
     atOrAbove(kFastingGlucoseGuidanceLimit, kFastingGlucoseSyndromeLimit), Criterion::Glucose,
     ListNeed::OneOfGlucose,
     {"空腹時血糖値", "血糖(空腹時)", "空腹時血糖(FPG)", "FPG"},
     {{}, {"3D010", Sample::FastingOnly, true}, {}, "mg/dL"}},
    {Entry::Hba1c, Field::Text5, 2, "HbA1c", "%", 1, {3.0, 20.0},
     atOrAbove(kHba1cGuidanceLimit, kHba1cSyndromeLimit), Criterion::Glucose, ListNeed::OneOfGlucose,
     {"HbA1c(NGSP)", "HbA1c(NGSP値)", "ヘモグロビンA1c", "ヘモグロビンA1c(NGSP)"},
     {{}, {"3D046", Sample::Any},
      {"3D045", "jds", "HbA1c (JDS) は使いません: HbA1c (NGSP) の列が要ります"}, "%"}},
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
    if (const Field *field = std::get_if<Field>(&measured(entry).control))
        return *field;
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

// The two entries whose values a criterion judges together, in screen order.
constexpr std::array<Entry, 2> pairOf(Criterion criterion)
{
    std::array<Entry, 2> pair{};
    std::size_t found = 0;
    for (const MeasuredItem &item : kMeasuredItems) {
        if (item.criterion == criterion && found < 2)
            pair[found++] = item.entry;
    }
    return pair;
}

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
