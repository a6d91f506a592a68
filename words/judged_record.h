#pragma once

#include "judgement/judgement.h"
#include "state/form_controls.h"

// Puts a judgement into words on the window: each result label's explanation
// (its tooltip and accessible description) and the examinee's row as judged,
// offered for copying.
void describeJudgement(FormControls &form, const Judgement &judged);
