#pragma once

#include "state/colours.h"
#include "state/measured_items.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <span>
#include <variant>

// The design of the main window as data: every frame and control with its
// container, caption, position and size in twips, font size and look. The
// window is built from this table. The few drawing measures that the design
// does not give (how a frame draws its line and caption, how far a caption
// may be condensed) are the named constants below.
namespace Layout {

enum class Kind {
    Frame,         // a group box; its caption is drawn in the top border
    Label,         // a caption or display label
    CaptionBox,    // a fixed caption in a flat, borderless box ("なし", "あり")
    TextBox,       // a numeric entry field
    OptionButton,  // a radio button without a caption of its own
    CommandButton, // a push button drawn in its background colour
};

enum class Align { Left, Centre, Right };

struct ControlDesign {
    const char *name; // design name, also the widget's objectName
    Kind kind;
    const char *container; // "Form3" or the name of a frame
    const char *caption;   // UTF-8; none for an option button
    int left;              // twips, from the container's top-left corner
    int top;
    int width;
    int height;
    double fontPt;
    Align align = Align::Left;
    bool border = false;                // single-line border (labels)
    std::optional<Rgb> background = {}; // when not the window's grey
};

inline constexpr const char *kWindowName = "Form3";
inline constexpr const char *kWindowCaption = "Kalvemo";
inline constexpr int kClientWidthTwips = 8685;
// Step2 holds its fields two to a row, in catalogue order; the design has
// rows for three pairs, beside the three drug groups. Each further row
// lengthens Step2 and moves what lies below it (the smoking frame, Step3,
// Reset) and the window's bottom down by the row's pitch.
inline constexpr int kStep2FirstRowTopTwips = 1080;
inline constexpr int kStep2RowPitchTwips = 840;
inline constexpr int kStep2DesignRows = 3;
constexpr std::size_t step2FieldCount()
{
    return std::size_t(std::ranges::count_if(kMeasuredItems, [](const MeasuredItem &item) {
        return item.step == 2 && std::holds_alternative<Field>(item.control);
    }));
}
constexpr int step2Rows() { return int(step2FieldCount() + 1) / 2; }
static_assert(step2Rows() >= kStep2DesignRows, "Step2's three drug groups stand beside three rows of fields");
inline constexpr int kAddedStep2Twips = (step2Rows() - kStep2DesignRows) * kStep2RowPitchTwips;
inline constexpr int kClientHeightTwips = 9360 + kAddedStep2Twips;
inline constexpr double kWindowFontPt = 9.75;
inline constexpr int kStartupFocusDelayMs = 100;

// The helpers around the design's controls: the form's content (the design's
// client area, which holds every frame and control), the scroll area that
// shows it on a screen smaller than the window, and the focus mark.
inline constexpr const char *kContentName = "FormContent";
inline constexpr const char *kScrollAreaName = "FormScrollArea";
inline constexpr const char *kFocusMarkName = "FocusMark";

// What a window system's frame (title bar and borders) typically adds to the
// window; the frame itself is known only once the window is on the screen.
inline constexpr int kWindowFrameAllowanceWidthPx = 16;
inline constexpr int kWindowFrameAllowanceHeightPx = 40;

// The focus mark: a ring this wide just outside the focused control.
inline constexpr int kFocusMarkPx = 2;
// The held judgement button: a frame this wide, this far inside its edge.
inline constexpr int kHeldMarkPx = 3;
inline constexpr int kHeldMarkInsetPx = 4;
// On a small screen the focused control is scrolled into view with this much
// of the grey around it, enough to show its focus mark whole.
inline constexpr int kFocusScrollMarginPx = 12;

// A frame: a one-pixel line, its caption set into the top line a little in
// from the left edge, with a gap of its own either side.
inline constexpr int kFrameLinePx = 1;
inline constexpr int kFrameCaptionInsetPx = 8;
inline constexpr int kFrameCaptionGapPx = 4;
// A caption wider than its box in the stand-in font is condensed to fit, but
// never below half its width, where Japanese text stops being legible.
inline constexpr int kLeastCaptionStretchPercent = 50;

// Fifteen twips make one pixel at 96 dpi; Qt scales device-independent
// pixels for other screens.
constexpr int pixels(int twips) { return (twips + 7) / 15; }

// In creation order: containers before what they hold, and among siblings the
// later one lies above (so "Step3" covers the lower edge of the smoking frame).
// The same order is the tab order of the controls that take the focus: the
// sex group, the body measurements, the blood values row by row, the drug
// and smoking groups, then the buttons.
std::span<const ControlDesign> form3Design();

// Whether the user can Tab to a control of this kind: the fields, the option
// buttons (the selected one of each group) and the command buttons.
constexpr bool takesTabStops(Kind kind)
{
    return kind == Kind::TextBox || kind == Kind::OptionButton || kind == Kind::CommandButton;
}

} // namespace Layout
