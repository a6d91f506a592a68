#pragma once

#include "judgement/decision.h"
#include "judgement/entries.h"

// The check phase: where required entries are missing, a prompt replaces
// what the decision wrote. The Step1 prompt beats the Step2 prompt, which
// beats the decision. Of the glucose pair one value is enough; blood pressure
// and lipids need both values. An entry counts as missing only when it is
// empty: blanks are an entry.
//
// The older age band also asks again for a waist, height or weight that reads
// as 0: the waist prompts in both labels, height or weight in the guidance.
void applyEntryChecks(const EntrySnapshot &entries, AgeBand band, ResultCaptions &results);
