#pragma once

#include <cstdint>

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb &, const Rgb &) = default;
};

// Every colour of the checkup form. The window sets them itself, in every
// palette group, so that no desktop theme (dark, high contrast) shows through.

// The grey of the window, its frames, caption labels and option buttons.
inline constexpr Rgb kWindowBackground{192, 192, 192};
// The line around a frame.
inline constexpr Rgb kFrameLine{128, 128, 128};
// The lighter grey of the entry fields.
inline constexpr Rgb kEntryBackground{224, 224, 224};
// Inside an option button's ring: white, so that an unselected button reads
// as empty next to the black dot of the selected one.
inline constexpr Rgb kOptionRingBackground{255, 255, 255};
// The three buttons, each in its own colour.
inline constexpr Rgb kAges40To64Button{0, 255, 0};
inline constexpr Rgb kAges65To74Button{255, 128, 128};
inline constexpr Rgb kResetButton{128, 128, 128};

// The ring around the control that has the focus: a dark navy that stands
// out at least 3:1 from every colour of the form (8.8:1 on the window's grey,
// the least 4.05:1 on the Reset button and the frame lines), and that no
// judgement uses for a value, so it never reads as a result.
inline constexpr Rgb kFocusMark{0, 0, 128};

// The mark inside the judgement button whose band the results on screen are:
// a black frame within the button's edge, where no focus ring is drawn.
inline constexpr Rgb kHeldMark{0, 0, 0};

// Text: black, and the marks a judgement gives a measured value: red at the
// guidance limit, magenta at the syndrome limit of glucose and HbA1c, blue
// for a low (or missing) HDL.
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kMagenta{255, 0, 255};
inline constexpr Rgb kBlue{0, 0, 255};

// What the window shows about its results and entries, beside the design's
// colours: results that no longer belong to the values on screen are drawn
// grey (4.57:1 on the window's grey, readable as text must be, and struck
// through as well, so that the state does not rest on colour alone), and an
// entry to check gets a pale yellow background under its own text colour.
inline constexpr Rgb kOutdatedResult{78, 78, 78};
inline constexpr Rgb kAttentionBackground{255, 255, 160};
