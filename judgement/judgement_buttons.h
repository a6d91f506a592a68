#pragma once

#include "judgement/judgement.h"
#include "state/form_controls.h"

#include <functional>

// The two judgement buttons. Each click decides from the indicators, lets
// the checks replace results with prompts where entries are missing, and
// marks the measured values by colour. What was judged is handed on first,
// so that its explanation and record stand before the results are shown. A
// judgement moves no focus, changes no field or indicator and shows no
// dialog; clicked twice it shows the same.
using JudgementSeen = std::function<void(const Judgement &)>;

void Command1_Click(FormControls &form, const JudgementSeen &seen); // ages 40 to 64
void Command2_Click(FormControls &form, const JudgementSeen &seen); // ages 65 to 74

// The examinee as the window shows it now.
EntrySnapshot entriesOf(const FormControls &form);
ChoiceSnapshot choicesOf(const FormControls &form);
