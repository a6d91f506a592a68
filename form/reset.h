#pragma once

#include "state/form_controls.h"

// Prepares the window for the next examinee: empties the fields (each running
// its change handling, which rewrites the indicators), the BMI display and the
// results, selects the start choices, turns the marked values black again and
// puts the focus on the sex group.
void Command3_Click(FormControls &form);
