#pragma once

#include <QString>

class QWidget;

// Gives the window the keys that press the two judgement buttons and Reset
// from anywhere in it, the focus staying where it is: Alt with a key of the
// caption ("4" for 40歳～64歳, "6" for 65歳～74歳, "R" for Reset). A field
// never takes an Alt key as a character, so no key of a number is lost to
// them. Each key is named in its button's tooltip and accessible
// description; the captions stay as they are.
void giveButtonsKeys(QWidget &window);

// The keys as the F1 note names them, on one line, by the buttons' captions.
QString buttonKeysLine(QWidget &window);
