#pragma once

// The design of the checkup window written out once more, by hand, for the
// tests: every frame and control with its container, its place and size in
// twips, and the alignment of its text where it shows text the user reads.
// A slip in the window's own table (a figure mistyped, a row moved to another
// frame) shows as a difference between the two.

#include <QRect>
#include <QSize>

#include <cmath>

namespace Design {

enum class Text { None, Left, Centre, Right };

struct Control {
    const char *name;
    const char *container;
    QRect twips; // left, top, width, height
    Text text;
};

// Fifteen twips make one pixel at 96 dots per inch; the window is placed in
// whole device-independent pixels, the nearest one to the design value.
inline int px(int twips) { return int(std::lround(twips / 15.0)); }

inline QRect px(const QRect &twips)
{
    return QRect(px(twips.x()), px(twips.y()), px(twips.width()), px(twips.height()));
}

inline constexpr QSize kClientTwips{8685, 9360};

// clang-format off
inline const Control kControls[] = {
    // Step1
    {"Frame1",   "Form3",  {240,  240,  8175, 1815}, Text::None},
    {"Frame3",   "Frame1", {360,  360,  1575, 1095}, Text::None},
    {"Label26",  "Frame3", {240,  360,  495,  255},  Text::Left},
    {"Label27",  "Frame3", {960,  360,  495,  255},  Text::Left},
    {"Option5",  "Frame3", {240,  600,  375,  375},  Text::None},
    {"Option6",  "Frame3", {960,  600,  375,  375},  Text::None},
    {"Label1",   "Frame1", {2280, 480,  975,  375},  Text::Left},
    {"Text9",    "Frame1", {2160, 960,  975,  495},  Text::Right},
    {"Label2",   "Frame1", {3840, 480,  975,  375},  Text::Left},
    {"Text10",   "Frame1", {3720, 960,  975,  495},  Text::Right},
    {"Label3",   "Frame1", {5280, 480,  735,  375},  Text::Centre},
    {"Label30",  "Frame1", {5160, 960,  975,  495},  Text::Right},
    {"Label18",  "Frame1", {6720, 480,  1095, 375},  Text::Left},
    {"Text12",   "Frame1", {6600, 960,  975,  495},  Text::Right},
    // Step2
    {"Frame2",   "Form3",  {240,  1920, 8175, 4095}, Text::None},
    {"Label9",   "Frame2", {240,  1200, 1095, 375},  Text::Left},
    {"Text1",    "Frame2", {1560, 1080, 1095, 495},  Text::Right},
    {"Label22",  "Frame2", {3120, 1200, 1095, 375},  Text::Left},
    {"Text2",    "Frame2", {4320, 1080, 1095, 495},  Text::Right},
    {"Label20",  "Frame2", {240,  2040, 1095, 375},  Text::Left},
    {"Text6",    "Frame2", {1560, 1920, 1095, 495},  Text::Right},
    {"Label8",   "Frame2", {3120, 2040, 1095, 375},  Text::Left},
    {"Text7",    "Frame2", {4320, 1920, 1095, 495},  Text::Right},
    {"Label5",   "Frame2", {120,  2880, 1215, 375},  Text::Left},
    {"Text4",    "Frame2", {1560, 2760, 1095, 495},  Text::Right},
    {"Label6",   "Frame2", {2880, 2880, 1455, 375},  Text::Left},
    {"Text5",    "Frame2", {4320, 2760, 1095, 495},  Text::Right},
    {"Label14",  "Frame2", {5880, 240,  1575, 255},  Text::Centre},
    {"Text8",    "Frame2", {5880, 600,  615,  270},  Text::Centre},
    {"Text11",   "Frame2", {6840, 600,  615,  270},  Text::Centre},
    {"Frame7",   "Frame2", {5640, 960,  2175, 615},  Text::None},
    {"Option9",  "Frame7", {360,  240,  255,  255},  Text::None},
    {"Option10", "Frame7", {1440, 240,  255,  255},  Text::None},
    {"Frame6",   "Frame2", {5640, 1800, 2175, 615},  Text::None},
    {"Option7",  "Frame6", {360,  240,  255,  255},  Text::None},
    {"Option8",  "Frame6", {1440, 240,  255,  225},  Text::None},
    {"Frame5",   "Frame2", {5640, 2640, 2175, 615},  Text::None},
    {"Option3",  "Frame5", {360,  240,  255,  255},  Text::None},
    {"Option4",  "Frame5", {1440, 240,  255,  255},  Text::None},
    // Smoking
    {"Frame4",   "Form3",  {240,  5280, 8175, 615},  Text::None},
    {"Label23",  "Frame4", {360,  240,  735,  255},  Text::Left},
    {"Label16",  "Frame4", {1680, 240,  375,  255},  Text::Left},
    {"Option1",  "Frame4", {2280, 120,  375,  375},  Text::None},
    {"Label17",  "Frame4", {3480, 240,  375,  255},  Text::Left},
    {"Option2",  "Frame4", {4080, 120,  375,  375},  Text::None},
    // Step3
    {"Frame8",   "Form3",  {240,  5760, 8175, 2775}, Text::None},
    {"Label24",  "Frame8", {1200, 480,  855,  375},  Text::Left},
    {"Command1", "Frame8", {3480, 240,  1695, 735},  Text::None},
    {"Command2", "Frame8", {5640, 240,  1695, 735},  Text::None},
    {"Label19",  "Frame8", {360,  1320, 2655, 615},  Text::Left},
    {"Label37",  "Frame8", {3480, 1200, 3855, 495},  Text::Centre},
    {"Label21",  "Frame8", {360,  2040, 2175, 495},  Text::Left},
    {"Label15",  "Frame8", {3480, 1920, 3855, 495},  Text::Centre},
    {"MessageLine", "Frame8", {2760, 2430, 5295, 285},  Text::Centre},
    // On the window itself
    {"Command3", "Form3",  {7200, 8640, 1095, 495},  Text::None},
};
// clang-format on

} // namespace Design
