#include "app/window/form_layout.h"

#include "state/design_names.h"
#include "state/measured_items.h"
#include "words/words.h"

#include <array>

namespace Layout {
namespace {

using K = Kind;
using A = Align;
using W = Word;

// clang-format off
constexpr std::array kDesign = std::to_array<ControlDesign>({
    // name                        kind             container  caption                    left  top   width height pt
    {"Frame1",                     K::Frame,        "Form3",   "Step1",                    240,  240, 8175, 1815, 9.75},
    {"Frame3",                     K::Frame,        "Frame1",  "",                         360,  360, 1575, 1095, 9},
    {"Label26",                    K::Label,        "Frame3",  word(W::Male),             240,  360,  495,  255, 9},
    {"Label27",                    K::Label,        "Frame3",  word(W::Female),           960,  360,  495,  255, 9},
    {designName(Option::Option5),  K::OptionButton, "Frame3",  "",                        240,  600,  375,  375, 9},
    {designName(Option::Option6),  K::OptionButton, "Frame3",  "",                         960,  600,  375,  375, 9},
    {"Label1",                     K::Label,        "Frame1",  "身長(cm)",                 2280,  480,  975,  375, 12},
    {designName(Field::Text9),     K::TextBox,      "Frame1",  "",                        2160,  960,  975,  495, 14.25},
    {"Label2",                     K::Label,        "Frame1",  "体重(kg)",                 3840,  480,  975,  375, 12},
    {designName(Field::Text10),    K::TextBox,      "Frame1",  "",                        3720,  960,  975,  495, 14.25},
    {"Label3",                     K::Label,        "Frame1",  measured(Entry::Bmi).word,              5280,  480,  735,  375, 12, A::Centre},
    {designName(Readout::Label30), K::Label,        "Frame1",  "",                        5160,  960,  975,  495, 14.25, A::Right, true},
    {"Label18",                    K::Label,        "Frame1",  "腹囲(cm)",                 6720,  480, 1095,  375, 12},
    {designName(Field::Text12),    K::TextBox,      "Frame1",  "",                        6600,  960,  975,  495, 14.25},

    {"Frame2",                     K::Frame,        "Form3",   "Step2",                    240, 1920, 8175, 4095, 9},
    {"Label9",                     K::Label,        "Frame2",  measured(Entry::Systolic).word,         240, 1200, 1095,  375, 12},
    {designName(Field::Text1),     K::TextBox,      "Frame2",  "",                        1560, 1080, 1095,  495, 14.25},
    {"Label22",                    K::Label,        "Frame2",  measured(Entry::Diastolic).word,        3120, 1200, 1095,  375, 12},
    {designName(Field::Text2),     K::TextBox,      "Frame2",  "",                        4320, 1080, 1095,  495, 14.25},
    {"Label20",                    K::Label,        "Frame2",  measured(Entry::Triglycerides).word,    240, 2040, 1095,  375, 12},
    {designName(Field::Text6),     K::TextBox,      "Frame2",  "",                        1560, 1920, 1095,  495, 14.25},
    {"Label8",                     K::Label,        "Frame2",  measured(Entry::Hdl).word,              3120, 2040, 1095,  375, 12},
    {designName(Field::Text7),     K::TextBox,      "Frame2",  "",                        4320, 1920, 1095,  495, 14.25},
    {"Label5",                     K::Label,        "Frame2",  measured(Entry::FastingGlucose).word,   120, 2880, 1215,  375, 12},
    {designName(Field::Text4),     K::TextBox,      "Frame2",  "",                        1560, 2760, 1095,  495, 14.25},
    {"Label6",                     K::Label,        "Frame2",  "HbA1c(NGSP)",             2880, 2880, 1455,  375, 12},
    {designName(Field::Text5),     K::TextBox,      "Frame2",  "",                        4320, 2760, 1095,  495, 14.25},
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

    {"Frame4",                     K::Frame,        "Form3",   "",                         240, 5280, 8175,  615, 9},
    {"Label23",                    K::Label,        "Frame4",  word(W::Smoking),          360,  240,  735,  255, 9},
    {"Label16",                    K::Label,        "Frame4",  word(W::No),              1680,  240,  375,  255, 11.25},
    {designName(Option::Option1),  K::OptionButton, "Frame4",  "",                       2280,  120,  375,  375, 9},
    {"Label17",                    K::Label,        "Frame4",  word(W::Yes),             3480,  240,  375,  255, 11.25},
    {designName(Option::Option2),  K::OptionButton, "Frame4",  "",                        4080,  120,  375,  375, 9},

    {"Frame8",                     K::Frame,        "Form3",   "Step3",                    240, 5760, 8175, 2775, 9},
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

    {designName(Command::Command3),K::CommandButton,"Form3",   "Reset",                   7200, 8640, 1095,  495, 12, A::Centre, false, kResetButton},
});

// clang-format on

} // namespace

std::span<const ControlDesign> form3Design() { return kDesign; }

} // namespace Layout
