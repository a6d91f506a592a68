#include "app/window/form_layout.h"

#include "state/design_names.h"
#include "state/measured_items.h"
#include "words/words.h"

#include <algorithm>
#include <array>
#include <variant>

namespace Layout {
namespace {

using K = Kind;
using A = Align;
using W = Word;

// An item's caption in the window: its own caption where the design gives it
// one, else its word, with its unit in brackets where the design shows it.
constexpr std::size_t kLongestCaption = 40;
constexpr auto kWordCaptions = [] {
    std::array<std::array<char, kLongestCaption>, kEntryCount> captions{};
    for (const MeasuredItem &item : kMeasuredItems) {
        std::array<char, kLongestCaption> &caption = captions[std::size_t(item.entry)];
        std::size_t n = 0;
        const auto append = [&](const char *text) {
            for (; *text != '\0'; ++text) {
                if (n + 1 == kLongestCaption)
                    throw "a caption longer than kLongestCaption";
                caption[n++] = *text;
            }
        };
        append(item.word);
        if (item.unitInCaption) {
            append("(");
            append(item.unit);
            append(")");
        }
    }
    return captions;
}();

constexpr const char *captionOf(Entry entry)
{
    const char *own = measured(entry).caption;
    return own ? own : kWordCaptions[std::size_t(entry)].data();
}

// Step2's fields, two to a row in catalogue order, each after its caption;
// a caption wider than the column's reaches further left.
struct CaptionPlace {
    Field field;
    int left;
    int width;
};
constexpr std::array<int, 2> kStep2CaptionLeft = {240, 3120};
constexpr std::array<int, 2> kStep2FieldLeft = {1560, 4320};
constexpr int kStep2CaptionWidth = 1095;
constexpr std::array kWideStep2Captions = std::to_array<CaptionPlace>({
    {Field::Text4, 120, 1215},
    {Field::Text5, 2880, 1455},
});

constexpr auto kStep2Fields = [] {
    std::array<ControlDesign, 2 * step2FieldCount()> controls{};
    std::size_t n = 0;
    int place = 0;
    for (const MeasuredItem &item : kMeasuredItems) {
        // Tested by index, not through get_if's pointer, which the
        // sanitizers' build cannot compare as the program is compiled.
        if (item.step != 2 || !std::holds_alternative<Field>(item.control))
            continue;
        const Field *field = &std::get<Field>(item.control);
        const int column = place % 2;
        const int top = kStep2FirstRowTopTwips + kStep2RowPitchTwips * (place / 2);
        CaptionPlace caption = {*field, kStep2CaptionLeft[column], kStep2CaptionWidth};
        for (const CaptionPlace &wide : kWideStep2Captions) {
            if (wide.field == *field)
                caption = wide;
        }
        controls[n++] = {captionLabelName(*field),
                         K::Label,
                         "Frame2",
                         captionOf(item.entry),
                         caption.left,
                         top + 120,
                         caption.width,
                         375,
                         12};
        controls[n++] = {designName(*field), K::TextBox, "Frame2", "", kStep2FieldLeft[column], top, 1095, 495, 14.25};
        ++place;
    }
    return controls;
}();

// What lies below Step2 moves down by the rows it holds beyond the design's.
constexpr int kDown = kAddedStep2Twips;

// clang-format off
constexpr std::array kStep1 = std::to_array<ControlDesign>({
    // name                        kind             container  caption                    left  top   width height pt
    {"Frame1",                     K::Frame,        "Form3",   "Step1",                    240,  240, 8175, 1815, 9.75},
    {"Frame3",                     K::Frame,        "Frame1",  "",                         360,  360, 1575, 1095, 9},
    {"Label26",                    K::Label,        "Frame3",  word(W::Male),             240,  360,  495,  255, 9},
    {"Label27",                    K::Label,        "Frame3",  word(W::Female),           960,  360,  495,  255, 9},
    {designName(Option::Option5),  K::OptionButton, "Frame3",  "",                        240,  600,  375,  375, 9},
    {designName(Option::Option6),  K::OptionButton, "Frame3",  "",                         960,  600,  375,  375, 9},
    {captionLabelName(Field::Text9),  K::Label,     "Frame1",  captionOf(Entry::Height),  2280,  480,  975,  375, 12},
    {designName(Field::Text9),     K::TextBox,      "Frame1",  "",                        2160,  960,  975,  495, 14.25},
    {captionLabelName(Field::Text10), K::Label,     "Frame1",  captionOf(Entry::Weight),  3840,  480,  975,  375, 12},
    {designName(Field::Text10),    K::TextBox,      "Frame1",  "",                        3720,  960,  975,  495, 14.25},
    {"Label3",                     K::Label,        "Frame1",  captionOf(Entry::Bmi),     5280,  480,  735,  375, 12, A::Centre},
    {designName(Readout::Label30), K::Label,        "Frame1",  "",                        5160,  960,  975,  495, 14.25, A::Right, true},
    {captionLabelName(Field::Text12), K::Label,     "Frame1",  captionOf(Entry::Waist),   6720,  480, 1095,  375, 12},
    {designName(Field::Text12),    K::TextBox,      "Frame1",  "",                        6600,  960,  975,  495, 14.25},

    {"Frame2",                     K::Frame,        "Form3",   "Step2",                    240, 1920, 8175, 4095 + kDown, 9},
});

constexpr std::array kStep2DrugsAndBelow = std::to_array<ControlDesign>({
    {"Label14",                    K::Label,        "Frame2",  word(W::DrugTreatment),   5880,  240, 1575,  255, 11.25, A::Centre},
    {"Text8",                      K::CaptionBox,   "Frame2",  word(W::No),               5880,  600,  615,  270, 11.25, A::Centre},
    {"Text11",                     K::CaptionBox,   "Frame2",  word(W::Yes),              6840,  600,  615,  270, 11.25, A::Centre},
    {"Frame7",                     K::Frame,        "Frame2",  "",                        5640,  960, 2175,  615, 9},
    {designName(Option::Option9),  K::OptionButton, "Frame7",  "",                        360,  240,  255,  255, 9},
    {designName(Option::Option10), K::OptionButton, "Frame7",  "",                        1440,  240,  255,  255, 9},
    {"Frame6",                     K::Frame,        "Frame2",  "",                        5640, 1800, 2175,  615, 9},
    {designName(Option::Option7),  K::OptionButton, "Frame6",  "",                        360,  240,  255,  255, 9},
    {designName(Option::Option8),  K::OptionButton, "Frame6",  "",                        1440,  240,  255,  225, 9},
    {"Frame5",                     K::Frame,        "Frame2",  "",                        5640, 2640, 2175,  615, 9},
    {designName(Option::Option3),  K::OptionButton, "Frame5",  "",                        360,  240,  255,  255, 9},
    {designName(Option::Option4),  K::OptionButton, "Frame5",  "",                        1440,  240,  255,  255, 9},

    {"Frame4",                     K::Frame,        "Form3",   "",                         240, 5280 + kDown, 8175,  615, 9},
    {"Label23",                    K::Label,        "Frame4",  word(W::Smoking),          360,  240,  735,  255, 9},
    {"Label16",                    K::Label,        "Frame4",  word(W::No),              1680,  240,  375,  255, 11.25},
    {designName(Option::Option1),  K::OptionButton, "Frame4",  "",                       2280,  120,  375,  375, 9},
    {"Label17",                    K::Label,        "Frame4",  word(W::Yes),             3480,  240,  375,  255, 11.25},
    {designName(Option::Option2),  K::OptionButton, "Frame4",  "",                        4080,  120,  375,  375, 9},

    {"Frame8",                     K::Frame,        "Form3",   "Step3",                    240, 5760 + kDown, 8175, 2775, 9},
    {"Label24",                    K::Label,        "Frame8",  "判定",                     1200,  480,  855,  375, 12},
    {designName(Command::Command1),K::CommandButton,"Frame8",  word(W::Ages40To64),    3480,  240, 1695,  735, 12, A::Centre, false, kAges40To64Button},
    {designName(Command::Command2),K::CommandButton,"Frame8",  word(W::Ages65To74),    5640,  240, 1695,  735, 12, A::Centre, false, kAges65To74Button},
    {"Label19",                    K::Label,        "Frame8",  word(W::SyndromeClass),     360, 1320, 2655,  615, 12},
    {designName(Readout::Label37), K::Label,        "Frame8",  "",                        3480, 1200, 3855,  495, 14.25, A::Centre, true},
    {"Label21",                    K::Label,        "Frame8",  word(W::GuidanceLevel),    360, 2040, 2175,  495, 12},
    {designName(Readout::Label15), K::Label,        "Frame8",  "",                        3480, 1920, 3855,  495, 14.25, A::Centre, true},
    // What the window just did, or why it did nothing ("コピーしました"), in
    // the free band under the results, centred under them and wider than
    // they are, so that the longest message fits; empty until there is
    // something to say.
    {"MessageLine",                K::Label,        "Frame8",  "",                        2760, 2430, 5295,  285, 9, A::Centre},

    {designName(Command::Command3),K::CommandButton,"Form3",   "Reset",                   7200, 8640 + kDown, 1095,  495, 12, A::Centre, false, kResetButton},
});
// clang-format on

template <std::size_t... kSizes> constexpr auto joined(const std::array<ControlDesign, kSizes> &...parts)
{
    std::array<ControlDesign, (kSizes + ...)> all{};
    auto next = all.begin();
    ((next = std::ranges::copy(parts, next).out), ...);
    return all;
}

constexpr auto kDesign = joined(kStep1, kStep2Fields, kStep2DrugsAndBelow);

} // namespace

std::span<const ControlDesign> form3Design() { return kDesign; }

} // namespace Layout
