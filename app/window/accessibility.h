#pragma once

class QLabel;
class QString;
class QWidget;

// Gives every entry field, option button and result label of the window the
// name a screen reader speaks, taken from the captions that stand beside it
// on screen, and ties each caption label to its field.
void describeForAssistiveTechnology(QWidget &window);

// Names the BMI display or a result label after what it now shows: the value
// or result, or while it is empty, the caption beside it. A change of name is
// announced to screen readers.
void nameDisplayByWhatItShows(QLabel &display);

// Describes a result label (Label37, Label15) by the caption beside it, then
// by the explanation of what it shows; an empty explanation leaves the
// caption alone. A screen reader thus still hears first what the label is.
void describeResult(QWidget &result, const QString &explanation);
