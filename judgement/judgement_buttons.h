#pragma once

#include "state/form_controls.h"

// The two judgement buttons. Each click decides from the indicators, lets
// the checks replace results with prompts where entries are missing, and
// marks the measured values by colour. It leaves the judged record: an
// explanation on each result label and the examinee's row for copying. A judgement moves no focus, changes no
// field or indicator and shows no dialog; clicked twice it shows the same.
// The captions of the two buttons, which name the age bands wherever the
// desk sees them (the explanations, the copied record).
inline constexpr const char *kAges40To64Caption = "40歳～64歳";
inline constexpr const char *kAges65To74Caption = "65歳～74歳";

void Command1_Click(FormControls &form); // ages 40 to 64
void Command2_Click(FormControls &form); // ages 65 to 74
