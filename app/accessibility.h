#pragma once

class QWidget;

// Gives every entry field, option button and result label of the window the
// name a screen reader speaks, taken from the captions that stand beside it
// on screen, and ties each caption label to its field.
void describeForAssistiveTechnology(QWidget &window);
