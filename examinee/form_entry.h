#pragma once

#include "examinee/examinee.h"
#include "judgement/judgement_buttons.h"

class FormControls;

// Enters the examinee as a desk worker does on a form that is new or that
// Reset has just emptied: each choice the examinee tells through its click
// handler (the others keep their start choice), then each value through
// its field's change handler, in the order of the Enter chain.
void enterExaminee(FormControls &form, const Examinee &examinee);

// Judges an examinee whose band is told: entered on a new in-memory form,
// then the judgement button of the band clicked. The judgement is the one
// the button's handler hands on, so a result cannot differ from the
// window's. `seen` hears it while the button's handler holds it.
void judgeExaminee(const Examinee &examinee, const JudgementSeen &seen);
