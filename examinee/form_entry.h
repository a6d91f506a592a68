#pragma once

#include "examinee/examinee.h"
#include "judgement/judgement.h"
#include "judgement/judgement_buttons.h"

// Judges an examinee as a desk worker does in the window: on a new form,
// the sex and the choices selected through their click handlers, each value
// set through its field's change handler (and its cleaning), then the
// judgement button of the band. The judgement is the one the button's
// handler hands on, so a result cannot differ from the window's.
// `seen` hears the judgement while the button's handler holds it.
void judgeExaminee(Examinee examinee, const JudgementSeen &seen);
Judgement judgeExaminee(Examinee examinee);
